// The window's controls come from the control table, sit cleanly in their
// panels, and the DialogControls port over them behaves like the editor
// expects (no echo of its own changes, "\r\n" texts, group frames that grey
// only their caption).
#include "editor/control_table.h"
#include "support/fixture.h"
#include "ui/edit_box.h"
#include "ui/editor_input.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <vector>

using namespace sw;

namespace {

struct RecordingEditor : EditorInput {
    QImage image;
    std::vector<int> commands;
    std::vector<int> edits;
    std::vector<std::pair<int, bool>> focus;
    std::vector<QPoint> presses;
    int paints = 0;
    int offers = 0;
    bool offerAnswer = true;
    bool checkedAtCommand = false;
    MainWindow* window = nullptr;

    void initDialog() override { }
    void paint() override { ++paints; }
    const QImage& surface() const override { return image; }
    void resized(QSize size) override
    {
        image = QImage(size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
    }
    void mousePressed(QPoint p, Qt::MouseButton, Qt::KeyboardModifiers) override { presses.push_back(p); }
    void mouseReleased(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) override { }
    void mouseMoved(QPoint, Qt::MouseButtons, Qt::KeyboardModifiers) override { }
    void command(int id, Qt::KeyboardModifiers) override
    {
        commands.push_back(id);
        if (window)
            checkedAtCommand = window->isChecked(id);
    }
    void editChanged(int id) override { edits.push_back(id); }
    void editFocus(int id, bool in) override { focus.emplace_back(id, in); }
    void comboChanged(int) override { }
    void key(int) override { }
    void openBackground() override { }
    void saveAs() override { }
    void openFile(const QString&) override { }
    bool offerToSaveChanges() override
    {
        ++offers;
        return offerAnswer;
    }
};

class MainWindowTest : public SwTest { };

TEST_F(MainWindowTest, BuildsEveryShownControlFromTheTableWithItsIdCaptionAndStartState)
{
    MainWindow w;
    int shown = 0;
    for (const ControlSpec& spec : ControlTable()) {
        SCOPED_TRACE(spec.Id);
        QWidget* widget = w.control(spec.Id);
        if (spec.Section == ControlSection::Hidden) {
            EXPECT_EQ(widget, nullptr);
            EXPECT_FALSE(w.isVisible(spec.Id));
            EXPECT_EQ(w.caption(spec.Id), QString::fromUtf8(spec.Caption));
            continue;
        }
        ++shown;
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName(), QString::number(spec.Id));
        EXPECT_EQ(w.caption(spec.Id), QString::fromUtf8(spec.Caption));
        EXPECT_EQ(w.isVisible(spec.Id), spec.Visible);
        EXPECT_EQ(w.isEnabled(spec.Id), spec.Enabled);
        EXPECT_EQ(w.isChecked(spec.Id), spec.Checked);
        // What the user reads is the caption (step buttons show their picture).
        if (auto* b = qobject_cast<QPushButton*>(widget)) {
            if (spec.Image == StepImage::None)
                EXPECT_EQ(b->text(), QString::fromUtf8(spec.Caption));
            else
                EXPECT_FALSE(b->icon().isNull());
        }
        if (spec.Kind == ControlKind::EditBox) {
            EXPECT_NE(qobject_cast<EditBox*>(widget), nullptr);
        }
        if (spec.Kind == ControlKind::ComboBox) {
            EXPECT_EQ(w.comboItems(spec.Id), ComboItems(spec.Id));
        }
    }
    EXPECT_GT(shown, 90);
}

class LayoutAtSize : public MainWindowTest, public ::testing::WithParamInterface<QSize> { };

TEST_P(LayoutAtSize, NothingOverlapsOrIsClippedAndThePreviewHasRoom)
{
    MainWindow w;
    RecordingEditor editor;
    w.setEditor(&editor);
    w.resize(GetParam());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QApplication::processEvents();
    // Every mode shows the L/R size buttons and the "ACTIVE" markers at some
    // point; they must fit as well.
    for (int id : {ctl::SizeLeft, ctl::SizeRight, ctl::MainItemActive, ctl::SubItemActive, ctl::PricesActive})
        w.show(id, true);
    QApplication::processEvents();

    const QRect client(QPoint(0, 0), w.clientSize());
    std::map<QWidget*, std::vector<std::pair<int, QWidget*>>> siblings;
    for (const ControlSpec& spec : ControlTable()) {
        QWidget* widget = w.control(spec.Id);
        if (!widget || widget->isHidden())
            continue;
        SCOPED_TRACE(spec.Id);
        const QRect r = w.controlRect(spec.Id);
        EXPECT_TRUE(client.contains(r)) << "outside the client area";
        // Shrunk below its minimum, a control clips its caption.
        const QSize need = widget->minimumSizeHint();
        EXPECT_GE(r.width(), need.width());
        EXPECT_GE(r.height(), need.height());
        siblings[widget->parentWidget()].emplace_back(spec.Id, widget);
    }
    for (const auto& [parent, group] : siblings)
        for (size_t i = 0; i < group.size(); ++i)
            for (size_t j = i + 1; j < group.size(); ++j)
                EXPECT_FALSE(group[i].second->geometry().intersects(group[j].second->geometry()))
                    << group[i].first << " overlaps " << group[j].first;

    // The preview starts below the main item box and takes the rest.
    const QRect edit = w.controlRect(ctl::MainItemEdit);
    const QRect palette = w.controlRect(ctl::Palette);
    EXPECT_GE(edit.left(), palette.right());
    EXPECT_GT(client.width() - edit.left(), client.width() / 2);
    EXPECT_GT(client.height() - (edit.bottom() + 24) - 20, client.height() / 2);
}

INSTANTIATE_TEST_SUITE_P(Sizes, LayoutAtSize, ::testing::Values(QSize(1280, 760), QSize(1920, 1080)));

TEST_F(MainWindowTest, TheEditorsOwnChangesAreNotReportedBackAsInput)
{
    MainWindow w;
    RecordingEditor editor;
    editor.window = &w;
    w.setEditor(&editor);

    w.setText(ctl::MainItemEdit, "Cheeseburger\r\nDeluxe");
    w.check(ctl::Bold, true);
    w.setComboSelection(ctl::FrameCombo, 3);
    EXPECT_TRUE(editor.edits.empty());
    EXPECT_TRUE(editor.commands.empty());
    EXPECT_EQ(w.text(ctl::MainItemEdit), "Cheeseburger\r\nDeluxe");
    EXPECT_EQ(w.comboSelection(ctl::FrameCombo), 3);

    // The user's typing is reported, and the text crosses with "\r\n".
    auto* box = static_cast<EditBox*>(w.control(ctl::MainItemEdit));
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "X");
    EXPECT_EQ(w.text(ctl::MainItemEdit), "Cheeseburger\r\nDeluxe\r\nX");
    EXPECT_FALSE(editor.edits.empty());
    EXPECT_EQ(editor.edits.back(), ctl::MainItemEdit);

    // A check box clicked by the user has its new state when the command runs.
    w.enable(ctl::Italics, true);
    QTest::mouseClick(w.control(ctl::Italics), Qt::LeftButton);
    ASSERT_EQ(editor.commands.size(), 1u);
    EXPECT_EQ(editor.commands[0], ctl::Italics);
    EXPECT_TRUE(editor.checkedAtCommand);
}

TEST_F(MainWindowTest, SelectionsAreOffsetsIntoTheCrLfText)
{
    MainWindow w;
    w.setText(ctl::PricesEdit, "4.99^6.49\r\n$5.99 <550 Cal>");
    // "$5.99" starts at 11 in the "\r\n" text, at 10 in the widget's.
    w.setSelection(ctl::PricesEdit, 11, 16);
    EXPECT_EQ(static_cast<EditBox*>(w.control(ctl::PricesEdit))->textCursor().selectedText(), "$5.99");
    EXPECT_EQ(w.selectionStart(ctl::PricesEdit), 11);
    EXPECT_EQ(w.selectionEnd(ctl::PricesEdit), 16);
    w.setSelection(ctl::PricesEdit, 0, -1);
    EXPECT_EQ(w.selectionEnd(ctl::PricesEdit), int(w.text(ctl::PricesEdit).size()));
}

TEST_F(MainWindowTest, DisablingAFrameGreysItsCaptionButLeavesItsControlsAlone)
{
    MainWindow w;
    w.enable(ctl::MoveUp, true);
    w.enable(ctl::MoveGroup, false);
    w.enable(ctl::SizeMoveGroup, false);
    EXPECT_FALSE(w.isEnabled(ctl::MoveGroup));
    EXPECT_TRUE(w.isEnabled(ctl::MoveUp));
    EXPECT_TRUE(w.control(ctl::MoveUp)->isEnabled());
}

TEST_F(MainWindowTest, ControlsWithoutAWidgetKeepTheirState)
{
    MainWindow w;
    // The start-up selects the rows and columns of the default board.
    w.setComboSelection(ctl::RowsCombo, 12);
    w.setComboSelection(ctl::ColumnsCombo, 1);
    EXPECT_EQ(w.comboSelection(ctl::RowsCombo), 12);
    EXPECT_EQ(w.comboItems(ctl::RowsCombo).at(12), "16");
    EXPECT_EQ(w.comboItems(ctl::ColumnsCombo).at(1), "2");
    w.enable(ctl::LoadBackground, false);
    EXPECT_FALSE(w.isEnabled(ctl::LoadBackground));
    EXPECT_TRUE(w.controlRect(ctl::LoadBackground).isNull());
}

TEST_F(MainWindowTest, HeldKeysInAnEditBoxRepeatNoFasterThanTheSlowestRate)
{
    MainWindow w;
    auto* box = static_cast<EditBox*>(w.control(ctl::MainItemEdit));
    box->setFocus();
    auto press = [box](bool repeat) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a", repeat);
        QApplication::sendEvent(box, &e);
    };
    press(false);
    for (int i = 0; i < 10; ++i)
        press(true); // a burst far faster than the slowest repeat
    EXPECT_EQ(box->toPlainText(), "aa");
    QTest::qWait(EditBox::kSlowestRepeatMs + 50);
    press(true);
    EXPECT_EQ(box->toPlainText(), "aaa");
}

TEST_F(MainWindowTest, ClientClicksReachTheEditorInClientCoordinatesUnlessDiscarded)
{
    MainWindow w;
    RecordingEditor editor;
    w.setEditor(&editor);
    w.resize(1280, 760);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QPoint inPreview(900, 500);
    QTest::mouseClick(w.clientArea(), Qt::LeftButton, Qt::NoModifier, inPreview);
    ASSERT_EQ(editor.presses.size(), 1u);
    EXPECT_EQ(editor.presses[0], inPreview);
    // A click on the palette is the client's as well (the swatches are its).
    const QRect palette = w.controlRect(ctl::Palette);
    QTest::mouseClick(w.clientArea(), Qt::LeftButton, Qt::NoModifier, palette.center());
    ASSERT_EQ(editor.presses.size(), 2u);
    EXPECT_EQ(editor.presses[1], palette.center());

    // Clicks stamped while the editor was busy are dropped, later ones are not.
    QMouseEvent busy(QEvent::MouseButtonPress, QPointF(inPreview), w.clientArea()->mapToGlobal(QPointF(inPreview)),
                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    busy.setTimestamp(1000);
    QApplication::sendEvent(w.clientArea(), &busy); // the input that starts the work
    const size_t before = editor.presses.size();
    QTest::qWait(30);
    w.discardQueuedClicks();
    QMouseEvent queued(QEvent::MouseButtonPress, QPointF(inPreview), w.clientArea()->mapToGlobal(QPointF(inPreview)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    queued.setTimestamp(1020);
    QApplication::sendEvent(w.clientArea(), &queued);
    EXPECT_EQ(editor.presses.size(), before);
    QMouseEvent later(QEvent::MouseButtonPress, QPointF(inPreview), w.clientArea()->mapToGlobal(QPointF(inPreview)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    later.setTimestamp(5000);
    QApplication::sendEvent(w.clientArea(), &later);
    EXPECT_EQ(editor.presses.size(), before + 1);
}

TEST_F(MainWindowTest, TheCloseBoxAndTheMenuExitAskTheSaveOfferAndCancelKeepsTheWindow)
{
    MainWindow w;
    RecordingEditor editor;
    w.setEditor(&editor);
    w.show();
    editor.offerAnswer = false;
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    // The menu's Exit makes the same offer: nothing is lost without a question.
    QAction* exit = nullptr;
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text() == kMenuExit)
            exit = a;
    ASSERT_NE(exit, nullptr);
    exit->trigger();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(editor.offers, 2);
    editor.offerAnswer = true;
    exit->trigger();
    EXPECT_FALSE(w.isVisible());
    // The Exit button is the editor's command: it decides about the offer.
    w.show();
    static_cast<QPushButton*>(w.control(ctl::Exit))->click();
    ASSERT_EQ(editor.commands.size(), 1u);
    EXPECT_EQ(editor.commands[0], ctl::Exit);
}

} // namespace
