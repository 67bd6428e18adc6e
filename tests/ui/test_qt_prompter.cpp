// The Qt dialogs behind the Prompter, answered as a user would.
#include "support/fixture.h"
#include "ui/font_panel.h"
#include "ui/print_image.h"
#include "ui/qt_prompter.h"
#include "ui/rotation_dialog.h"
#include "ui/saving_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QFileInfo>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace sw;

namespace {

// Runs `answer` on the modal widget as soon as it is up.
void WhenModal(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(w);
        }
    });
    timer->start();
}

QAbstractButton* ButtonNamed(QWidget* w, const QString& text)
{
    for (auto* b : w->findChildren<QAbstractButton*>())
        if (b->text().remove('&') == text)
            return b;
    return nullptr;
}

struct MessageCase {
    MessageButtons buttons;
    const char* press; // nullptr: Escape
    PromptAnswer expected;
};

class PrompterMessage : public SwTest, public ::testing::WithParamInterface<MessageCase> { };

TEST_P(PrompterMessage, ShowsTheExactTextAndReturnsTheButtonPressed)
{
    const MessageCase c = GetParam();
    QtPrompter prompter;
    QString shown;
    WhenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        shown = box->text();
        if (c.press)
            ButtonNamed(box, c.press)->click();
        else
            QTest::keyClick(box, Qt::Key_Escape);
    });
    const PromptAnswer a = prompter.message("Do you wish to save this image?", "Signwright", c.buttons,
                                            MessageIcon::Question);
    EXPECT_EQ(shown, "Do you wish to save this image?");
    EXPECT_EQ(a, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, PrompterMessage,
    ::testing::Values(MessageCase{MessageButtons::YesNoCancel, "Yes", PromptAnswer::Yes},
                      MessageCase{MessageButtons::YesNoCancel, "No", PromptAnswer::No},
                      MessageCase{MessageButtons::YesNoCancel, nullptr, PromptAnswer::Cancel},
                      MessageCase{MessageButtons::OkCancel, "OK", PromptAnswer::Ok},
                      MessageCase{MessageButtons::OkCancel, nullptr, PromptAnswer::Cancel},
                      MessageCase{MessageButtons::Ok, nullptr, PromptAnswer::Ok}));

TEST(PrompterText, WindowsLineBreaksShowAsPlainLineBreaks)
{
    QtPrompter prompter;
    QString shown;
    WhenModal([&](QWidget* w) {
        shown = static_cast<QMessageBox*>(w)->text();
        w->close();
    });
    prompter.message("Unable to open file\r\n\r\nx.TABLOR", {}, MessageButtons::Ok, MessageIcon::Warning);
    EXPECT_EQ(shown, "Unable to open file\n\nx.TABLOR");
}

TEST(RotationDialog, ShowsTheLastChoiceAndKeepsTheClickedOneWhateverEndsIt)
{
    QtPrompter prompter;
    bool ccwShown = false;
    bool othersClear = false;
    WhenModal([&](QWidget* w) {
        auto* d = qobject_cast<CImageRotationSelectionDialog*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), kRotationCaption);
        ccwShown = d->radio(CImageRotationSelectionDialog::IdCounterClockwise)->isChecked();
        othersClear = !d->radio(CImageRotationSelectionDialog::IdNone)->isChecked()
            && !d->radio(CImageRotationSelectionDialog::IdClockwise)->isChecked();
        ButtonNamed(d, "OK")->click();
    });
    EXPECT_EQ(prompter.askRotation(2), std::optional<int>(2));
    EXPECT_TRUE(ccwShown);
    EXPECT_TRUE(othersClear);

    WhenModal([&](QWidget* w) {
        auto* d = static_cast<CImageRotationSelectionDialog*>(w);
        d->radio(CImageRotationSelectionDialog::IdClockwise)->click();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(prompter.askRotation(0), std::optional<int>(1));

    // A choice outside the three leaves every button clear.
    CImageRotationSelectionDialog d;
    d.setRotationChoice(7);
    for (int id : {1121, 1122, 1123})
        EXPECT_FALSE(d.radio(id)->isChecked());
}

TEST(SavingDialog, ShowsTheMessageCentredWithOneOkButton)
{
    CSavingLayoutAndImageFilesDialog d;
    d.setMessage("Saving Files - Please Wait\r\nDo not remove the drive");
    auto* text = d.findChild<QLabel*>("1120");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "Saving Files - Please Wait\nDo not remove the drive");
    EXPECT_TRUE(text->alignment() & Qt::AlignHCenter);
    WhenModal([](QWidget* w) { ButtonNamed(w, "OK")->click(); });
    EXPECT_EQ(d.exec(), QDialog::Accepted);
}

class FontPanelTest : public SwTest { };

TEST_F(FontPanelTest, InstallsTheSelectedFilesAndOnlyDoneCountsAsDone)
{
    writeFile("Fancy.ttf", "x");
    FontPanelRequest request;
    request.title = "TO INSTALL MISSING FONT(S), Right Click on font File(s) and click INSTALL FOR ALL USERS";
    request.folder = tempPath();
    request.doneCaption = "Done";
    request.fontFiles = {"Fancy.ttf", "Broken.ttf"};
    QStringList installed;
    request.install = [&](const QString& path) {
        installed << path;
        return FontInstallResult{!path.endsWith("Broken.ttf"), "not a font file"};
    };
    QtPrompter prompter;
    WhenModal([&](QWidget* w) {
        auto* panel = qobject_cast<FontFilePanel*>(w);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->windowTitle(), request.title);
        panel->fileList()->selectAll();
        panel->installButton()->click();
        EXPECT_TRUE(panel->statusLabel()->text().contains("not a font file"));
        panel->doneButton()->click();
    });
    EXPECT_EQ(prompter.fontFilePanel(request), FontPanelResult::Done);
    EXPECT_EQ(installed, QStringList({tempPath("Fancy.ttf"), tempPath("Broken.ttf")}));

    WhenModal([](QWidget* w) { w->close(); });
    EXPECT_EQ(prompter.fontFilePanel(request), FontPanelResult::Closed);
}

} // namespace

namespace {

struct PrintCase {
    QSizeF pixels;
    double dpi;
    QSizeF expected; // at 300 device dpi on a 2400 x 3000 printable area
};

class PrintPlacement : public ::testing::TestWithParam<PrintCase> { };

TEST_P(PrintPlacement, PhysicalSizeShrunkOnlyWhenLargerThanThePage)
{
    const PrintCase c = GetParam();
    const QRectF r = sw::PrintedImageRect(c.pixels, c.dpi, c.dpi, QRectF(0, 0, 2400, 3000), 300);
    EXPECT_NEAR(r.width(), c.expected.width(), 0.01);
    EXPECT_NEAR(r.height(), c.expected.height(), 0.01);
    EXPECT_EQ(r.topLeft(), QPointF(0, 0));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PrintPlacement,
                         ::testing::Values(
                             // 4 x 2 inches stays 4 x 2 inches.
                             PrintCase{{400, 200}, 100, {1200, 600}},
                             // A 1920 x 1080 board at 96 dpi is 20 x 11.25 in: shrunk to the width.
                             PrintCase{{1920, 1080}, 96, {2400, 1350}},
                             // No resolution recorded: taken as 96 dpi.
                             PrintCase{{96, 96}, 0, {300, 300}}));

class PrintToPdf : public SwTest { };

TEST_F(PrintToPdf, WritesTheImageIntoTheDocument)
{
    QImage image(800, 450, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    const QString path = tempPath("print.jpg");
    ASSERT_TRUE(image.save(path, "jpeg"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(tempPath("out.pdf"));
    EXPECT_TRUE(sw::PrintImageFile(path, printer));
    EXPECT_GT(QFileInfo(tempPath("out.pdf")).size(), 1000);
    EXPECT_FALSE(sw::PrintImageFile(tempPath("missing.jpg"), printer));
}

} // namespace
