#pragma once
// The main window's client area: shows the editor's surface (preview and
// palette swatches) under the controls and passes its pointer input on.
#include <QWidget>

namespace sw {

class MainWindow;

class ClientArea : public QWidget {
    Q_OBJECT
public:
    ClientArea(MainWindow* owner, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MainWindow* owner_;
};

} // namespace sw
