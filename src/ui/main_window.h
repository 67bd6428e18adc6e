#pragma once
// The editor's main window: the control panel built from the control table,
// the client surface the editor paints (preview and palette swatches), the
// menu, and the DialogControls port over the real widgets.
#include "editor/dialog_controls.h"
#include "ui/control_panel.h"

#include <QElapsedTimer>
#include <QInputEvent>
#include <QMainWindow>
#include <map>

namespace sw {

class EditorInput;
class ClientArea;

inline const QString kMenuCaption = QStringLiteral("&File");
inline const QString kMenuOpen = QStringLiteral("&Open...");
inline const QString kMenuSaveAs = QStringLiteral("Save &As...");
inline const QString kMenuExit = QStringLiteral("Exit");
inline const QString kHelpMenuCaption = QStringLiteral("&Help");
inline constexpr int kRestoredWidth = 1280;
inline constexpr int kRestoredHeight = 760;

class MainWindow : public QMainWindow, public DialogControls {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The editor receiving this window's inputs; set once before showing.
    void setEditor(EditorInput* editor) { editor_ = editor; }

    // The widget of a control, nullptr for the hidden ones.
    QWidget* control(int id) const;
    QWidget* clientArea() const;
    // Where the help page is looked for.
    static QString HelpPagePath();

    // Ends the window without the save offer (the offer was already made).
    void closeWithoutOffer();

    // The widget's own members stay reachable beside the port's by-id ones.
    using QMainWindow::isEnabled;
    using QMainWindow::isVisible;
    using QMainWindow::setFocus;
    using QMainWindow::show;

    // DialogControls
    void enable(int id, bool on) override;
    bool isEnabled(int id) const override;
    void show(int id, bool visible) override;
    bool isVisible(int id) const override;
    void check(int id, bool on) override;
    bool isChecked(int id) const override;
    void setCaption(int id, const QString& caption) override;
    QString caption(int id) const override;
    void setText(int id, const QString& text) override;
    QString text(int id) const override;
    void setSelection(int id, int start, int end) override;
    int selectionStart(int id) const override;
    int selectionEnd(int id) const override;
    void setFocus(int id) override;
    int focusedControl() const override;
    void setComboItems(int id, const QStringList& items) override;
    QStringList comboItems(int id) const override;
    void setComboSelection(int id, int index) override;
    int comboSelection(int id) const override;
    QRect controlRect(int id) const override;
    QSize clientSize() const override;
    void setWindowTitle(const QString& title) override;
    void invalidate() override;
    void discardQueuedClicks() override;
    void centerPointer() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ClientArea;

    // State kept for the controls that have no widget.
    struct Unshown {
        bool enabled = true;
        bool visible = false;
        bool checked = false;
        QString caption;
        QString text;
        QStringList items;
        int selection = -1;
    };

    void buildMenu();
    void connectControls();
    void onCommand(int id);
    void openHelpPage();
    void showAbout();
    // Input from the client area (already in client coordinates).
    void clientPaint(QPainter& painter, const QRect& dirty);
    void clientMouse(QMouseEvent* event);
    void clientResized(QSize size);
    void noteInput(const QInputEvent* event);
    bool isDiscarded(const QInputEvent* event) const;
    Unshown& unshown(int id);
    const Unshown* unshownOrNull(int id) const;

    EditorInput* editor_ = nullptr;
    ClientArea* client_ = nullptr;
    ControlWidgets widgets_;
    std::map<int, Unshown> unshown_;
    bool skipOffer_ = false;
    bool firstPaintScheduled_ = false;
    bool painting_ = false;
    // Clicks stamped before this window-system time were queued while the
    // editor was busy and are dropped.
    quint64 lastInputStamp_ = 0;
    QElapsedTimer sinceLastInput_;
    quint64 discardUpTo_ = 0;
    bool discardArmed_ = false;
};

} // namespace sw
