#pragma once
// The save flow's message window: the notice to wait while files are written
// (shown modeless) and the confirmation afterwards (modal).
#include <QDialog>

class QLabel;
class QPushButton;

namespace sw {

class CSavingLayoutAndImageFilesDialog : public QDialog {
    Q_OBJECT
public:
    enum { IdMessage = 1120 };

    explicit CSavingLayoutAndImageFilesDialog(QWidget* parent = nullptr);

    void setMessage(const QString& message);
    QString message() const;
    QPushButton* okButton() const { return ok_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* text_;
    QPushButton* ok_;
};

} // namespace sw
