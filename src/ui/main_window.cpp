#include "ui/main_window.h"

#include "ui/about_dialog.h"
#include "ui/client_area.h"
#include "ui/edit_box.h"
#include "ui/editor_input.h"
#include "ui/icons.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

namespace sw {

namespace {

const QString kHelpPageRelative = QStringLiteral("docs/help.html");

const char* kStyleSheet = R"(
QLabel[entryLabel="true"] { font-weight: 600; }
QLabel[activeMarker="true"] {
    color: white; background: #2e7d32; border-radius: 3px;
    padding: 0px 6px; font-weight: 700; font-size: 8pt;
}
QLabel[modeLabel="true"] { font-weight: 700; color: #1f3a5f; }
QLabel[valueDisplay="true"] {
    background: palette(base); border: 1px solid palette(mid); border-radius: 2px;
    padding: 1px 4px; min-height: 18px;
}
)";

} // namespace

ClientArea::ClientArea(MainWindow* owner, QWidget* parent)
    : QWidget(parent)
    , owner_(owner)
{
    setObjectName(QStringLiteral("clientArea"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    owner_->clientPaint(painter, event->rect());
}

void ClientArea::mousePressEvent(QMouseEvent* event) { owner_->clientMouse(event); }
void ClientArea::mouseReleaseEvent(QMouseEvent* event) { owner_->clientMouse(event); }
void ClientArea::mouseMoveEvent(QMouseEvent* event) { owner_->clientMouse(event); }
void ClientArea::mouseDoubleClickEvent(QMouseEvent* event) { owner_->clientMouse(event); }
void ClientArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    owner_->clientResized(size());
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    InitUiResources();
    setObjectName(QStringLiteral("mainWindow"));
    setWindowIcon(ApplicationIcon());
    setAcceptDrops(true);
    setStyleSheet(QString::fromLatin1(kStyleSheet));
    // A compact panel leaves the preview as much of the screen as possible.
    QFont panelFont = font();
    panelFont.setPointSizeF(9.0);
    setFont(panelFont);

    client_ = new ClientArea(this, this);
    widgets_ = BuildControlPanel(client_);
    auto* grid = new QGridLayout(client_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(widgets_.leftPanel, 0, 0, 2, 1);
    grid->addWidget(widgets_.topRow, 0, 1);
    // The preview: the editor paints it into the surface below the text row.
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    setCentralWidget(client_);

    for (const ControlSpec& spec : ControlTable()) {
        if (widgets_.byId.count(spec.Id))
            continue;
        Unshown& u = unshown_[spec.Id];
        u.enabled = spec.Enabled;
        u.visible = false;
        u.checked = spec.Checked;
        u.caption = QString::fromUtf8(spec.Caption);
        u.items = ComboItems(spec.Id);
    }

    buildMenu();
    connectControls();

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        if (editor_)
            editor_->key(Qt::Key_Escape);
    });

    qApp->installEventFilter(this);
    resize(kRestoredWidth, kRestoredHeight);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::buildMenu()
{
    QMenu* file = menuBar()->addMenu(kMenuCaption);
    QAction* open = file->addAction(kMenuOpen);
    QAction* saveAs = file->addAction(kMenuSaveAs);
    file->addSeparator();
    QAction* exit = file->addAction(kMenuExit);
    exit->setShortcut(QKeySequence::Quit);
    connect(open, &QAction::triggered, this, [this] {
        if (editor_)
            editor_->openBackground();
    });
    connect(saveAs, &QAction::triggered, this, [this] {
        if (editor_)
            editor_->saveAs();
    });
    // Leaving by the menu asks about unsaved changes like every other way out.
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(kHelpMenuCaption);
    connect(help->addAction(kAboutMenuEntry), &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::connectControls()
{
    for (const auto& [id, w] : widgets_.byId) {
        const int cid = id;
        if (auto* edit = qobject_cast<EditBox*>(w)) {
            connect(edit, &EditBox::userEdited, this, [this](int i) {
                if (editor_)
                    editor_->editChanged(i);
            });
            connect(edit, &EditBox::focusChanged, this, [this](int i, bool in) {
                if (editor_)
                    editor_->editFocus(i, in);
            });
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            if (qobject_cast<QFontComboBox*>(w))
                connect(combo, &QComboBox::textActivated, this, [this, cid] {
                    if (editor_)
                        editor_->comboChanged(cid);
                });
            else
                connect(combo, &QComboBox::activated, this, [this, cid] {
                    if (editor_)
                        editor_->comboChanged(cid);
                });
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // clicked() comes only from the user, after a check box took its new state.
            connect(button, &QAbstractButton::clicked, this, [this, cid] { onCommand(cid); });
        }
    }
}

void MainWindow::onCommand(int id)
{
    if (id == ctl::HelpVideos) {
        openHelpPage();
        return;
    }
    if (editor_)
        editor_->command(id, QApplication::keyboardModifiers());
}

QString MainWindow::HelpPagePath()
{
    // Beside the program when installed, or in the source tree above a build folder.
    QDir dir(QCoreApplication::applicationDirPath());
    for (int up = 0; up < 4; ++up) {
        const QString candidate = dir.filePath(kHelpPageRelative);
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).absoluteFilePath();
        if (!dir.cdUp())
            break;
    }
    return {};
}

void MainWindow::openHelpPage()
{
    const QString page = HelpPagePath();
    if (page.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        QApplication::beep();
}

void MainWindow::showAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void MainWindow::closeWithoutOffer()
{
    skipOffer_ = true;
    close();
    skipOffer_ = false;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!skipOffer_ && editor_ && !editor_->offerToSaveChanges()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    const QString path = urls.first().toLocalFile();
    // Opening may ask questions; let the drag finish first.
    QTimer::singleShot(0, this, [this, path] {
        if (editor_)
            editor_->openFile(path);
    });
}

void MainWindow::clientPaint(QPainter& painter, const QRect& dirty)
{
    painter.fillRect(dirty, palette().color(QPalette::Window));
    if (!editor_)
        return;
    if (!firstPaintScheduled_) {
        // The first paint opens the command-line layout, which may ask
        // questions; that must not happen inside a paint event.
        firstPaintScheduled_ = true;
        QTimer::singleShot(0, this, [this] {
            if (!editor_)
                return;
            painting_ = true;
            editor_->paint();
            painting_ = false;
            client_->update();
        });
        return;
    }
    painting_ = true;
    editor_->paint();
    painting_ = false;
    const QImage& surface = editor_->surface();
    if (surface.isNull())
        return;
    // The editor owns the preview and the swatches; under the panels its
    // surface holds nothing the user should see (swatches drawn before the
    // panel had its final place, for one).
    QRegion shown(dirty);
    shown -= widgets_.leftPanel->geometry();
    shown -= widgets_.topRow->geometry();
    shown += controlRect(ctl::Palette).intersected(dirty);
    painter.setClipRegion(shown);
    painter.drawImage(dirty, surface, dirty);
}

void MainWindow::noteInput(const QInputEvent* event)
{
    lastInputStamp_ = event->timestamp();
    sinceLastInput_.restart();
}

bool MainWindow::isDiscarded(const QInputEvent* event) const
{
    return discardArmed_ && event->timestamp() <= discardUpTo_;
}

void MainWindow::clientMouse(QMouseEvent* event)
{
    if (!editor_)
        return;
    const QPoint at = event->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        editor_->mousePressed(at, event->button(), event->modifiers());
        break;
    case QEvent::MouseButtonRelease:
        editor_->mouseReleased(at, event->button(), event->modifiers());
        break;
    case QEvent::MouseMove:
        editor_->mouseMoved(at, event->buttons(), event->modifiers());
        break;
    default:
        break;
    }
}

void MainWindow::clientResized(QSize size)
{
    if (editor_)
        editor_->resized(size);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type t = event->type();
    const bool click = t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease
        || t == QEvent::MouseButtonDblClick;
    const bool input = click || t == QEvent::KeyPress;
    if (input && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
        auto* e = static_cast<QInputEvent*>(event);
        if (click && isDiscarded(e))
            return true;
        noteInput(e);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::discardQueuedClicks()
{
    // Window-system stamps and our clock both count milliseconds: what was
    // stamped up to now, measured from the input that started the work, was
    // queued while the work ran.
    discardUpTo_ = lastInputStamp_ + quint64(sinceLastInput_.isValid() ? sinceLastInput_.elapsed() : 0);
    discardArmed_ = true;
}

void MainWindow::centerPointer()
{
    QCursor::setPos(mapToGlobal(rect().center()));
}

QWidget* MainWindow::control(int id) const
{
    auto it = widgets_.byId.find(id);
    return it == widgets_.byId.end() ? nullptr : it->second;
}

QWidget* MainWindow::clientArea() const { return client_; }

MainWindow::Unshown& MainWindow::unshown(int id) { return unshown_[id]; }

const MainWindow::Unshown* MainWindow::unshownOrNull(int id) const
{
    auto it = unshown_.find(id);
    return it == unshown_.end() ? nullptr : &it->second;
}

void MainWindow::enable(int id, bool on)
{
    QWidget* w = control(id);
    if (!w) {
        unshown(id).enabled = on;
        return;
    }
    if (auto* g = qobject_cast<PanelGroupBox*>(w))
        g->setCaptionEnabled(on);
    else
        w->setEnabled(on);
    if (id == ctl::Palette)
        client_->update(controlRect(id));
}

bool MainWindow::isEnabled(int id) const
{
    const QWidget* w = control(id);
    if (!w) {
        const Unshown* u = unshownOrNull(id);
        return u && u->enabled;
    }
    if (auto* g = qobject_cast<const PanelGroupBox*>(w))
        return g->captionEnabled();
    // The control's own state, whatever the window around it is doing.
    return !w->testAttribute(Qt::WA_ForceDisabled);
}

void MainWindow::show(int id, bool visible)
{
    if (QWidget* w = control(id))
        w->setVisible(visible);
    else
        unshown(id).visible = visible;
}

bool MainWindow::isVisible(int id) const
{
    if (const QWidget* w = control(id))
        return !w->isHidden();
    const Unshown* u = unshownOrNull(id);
    return u && u->visible;
}

void MainWindow::check(int id, bool on)
{
    if (auto* b = qobject_cast<QAbstractButton*>(control(id))) {
        if (b->isCheckable())
            b->setChecked(on);
        return;
    }
    unshown(id).checked = on;
}

bool MainWindow::isChecked(int id) const
{
    if (auto* b = qobject_cast<const QAbstractButton*>(control(id)))
        return b->isChecked();
    const Unshown* u = unshownOrNull(id);
    return u && u->checked;
}

void MainWindow::setCaption(int id, const QString& caption)
{
    if (QWidget* w = control(id)) {
        SetWidgetCaption(w, caption);
        if (id == ctl::Palette)
            client_->update(controlRect(id));
        return;
    }
    unshown(id).caption = caption;
}

QString MainWindow::caption(int id) const
{
    if (const QWidget* w = control(id))
        return WidgetCaption(w);
    const Unshown* u = unshownOrNull(id);
    return u ? u->caption : QString();
}

void MainWindow::setText(int id, const QString& text)
{
    QWidget* w = control(id);
    if (auto* edit = qobject_cast<EditBox*>(w)) {
        edit->setCrLfText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) {
            const QSignalBlocker block(combo);
            const int found = combo->findText(text, Qt::MatchFixedString);
            if (found >= 0)
                combo->setCurrentIndex(found);
            combo->setEditText(text);
        }
    } else if (qobject_cast<QLabel*>(w)) {
        SetWidgetCaption(w, text);
    } else if (!w) {
        unshown(id).text = text;
    }
}

QString MainWindow::text(int id) const
{
    const QWidget* w = control(id);
    if (auto* edit = qobject_cast<const EditBox*>(w))
        return edit->crLfText();
    if (auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->currentText();
    if (qobject_cast<const QLabel*>(w))
        return WidgetCaption(w);
    const Unshown* u = unshownOrNull(id);
    return u ? u->text : QString();
}

void MainWindow::setSelection(int id, int start, int end)
{
    QWidget* w = control(id);
    if (auto* edit = qobject_cast<EditBox*>(w)) {
        edit->setCrLfSelection(start, end);
    } else if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit()) {
        QLineEdit* line = combo->lineEdit();
        const int length = int(line->text().size());
        const int a = qBound(0, start, length);
        const int b = end < 0 ? length : qBound(0, end, length);
        line->setSelection(a, b - a);
    }
}

int MainWindow::selectionStart(int id) const
{
    const QWidget* w = control(id);
    if (auto* edit = qobject_cast<const EditBox*>(w))
        return edit->crLfSelectionStart();
    if (auto* combo = qobject_cast<const QComboBox*>(w); combo && combo->lineEdit())
        return combo->lineEdit()->hasSelectedText() ? combo->lineEdit()->selectionStart()
                                                    : combo->lineEdit()->cursorPosition();
    return 0;
}

int MainWindow::selectionEnd(int id) const
{
    const QWidget* w = control(id);
    if (auto* edit = qobject_cast<const EditBox*>(w))
        return edit->crLfSelectionEnd();
    if (auto* combo = qobject_cast<const QComboBox*>(w); combo && combo->lineEdit())
        return combo->lineEdit()->hasSelectedText() ? combo->lineEdit()->selectionEnd()
                                                    : combo->lineEdit()->cursorPosition();
    return 0;
}

void MainWindow::setFocus(int id)
{
    if (QWidget* w = control(id))
        w->setFocus(Qt::OtherFocusReason);
}

int MainWindow::focusedControl() const
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        bool ok = false;
        const int id = w->objectName().toInt(&ok);
        if (ok && control(id) == w)
            return id;
        if (w == this)
            break;
    }
    return 0;
}

void MainWindow::setComboItems(int id, const QStringList& items)
{
    if (auto* combo = qobject_cast<QComboBox*>(control(id))) {
        const QSignalBlocker block(combo);
        combo->clear();
        combo->addItems(items);
        combo->setCurrentIndex(-1);
        return;
    }
    Unshown& u = unshown(id);
    u.items = items;
    u.selection = -1;
}

QStringList MainWindow::comboItems(int id) const
{
    if (auto* combo = qobject_cast<const QComboBox*>(control(id))) {
        QStringList out;
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }
    const Unshown* u = unshownOrNull(id);
    return u ? u->items : QStringList();
}

void MainWindow::setComboSelection(int id, int index)
{
    if (auto* combo = qobject_cast<QComboBox*>(control(id))) {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
        return;
    }
    Unshown& u = unshown(id);
    u.selection = index >= 0 && index < u.items.size() ? index : -1;
}

int MainWindow::comboSelection(int id) const
{
    if (auto* combo = qobject_cast<const QComboBox*>(control(id)))
        return combo->currentIndex();
    const Unshown* u = unshownOrNull(id);
    return u ? u->selection : -1;
}

QRect MainWindow::controlRect(int id) const
{
    const QWidget* w = control(id);
    if (!w)
        return {};
    return QRect(w->mapTo(client_, QPoint(0, 0)), w->size());
}

QSize MainWindow::clientSize() const { return client_->size(); }

void MainWindow::setWindowTitle(const QString& title) { QMainWindow::setWindowTitle(title); }

void MainWindow::invalidate()
{
    // A request made while the surface is being brought up to date is already
    // being answered by that paint.
    if (!painting_)
        client_->update();
}

} // namespace sw
