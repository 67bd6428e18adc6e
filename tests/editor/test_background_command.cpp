#include "editor/open_flow.h"
#include "editor_fixture.h"
#include "render/image_import.h"

#include <QFileInfo>
#include <QImage>

using namespace sw;
using namespace sw::test;

namespace {

QString MakeJpeg(const QString& path, QSize size, QColor colour)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    return img.save(path, "JPEG", 90) ? path : QString();
}

} // namespace

TEST_F(EditorTest, MenuOpenStartsABoardOnAPickedBackground)
{
    auto& d = makeDialog();
    d.OnInitDialog();
    const QString jpeg = MakeJpeg(tempPath("Diner.jpg"), {1280, 720}, QColor(200, 30, 30));
    ASSERT_FALSE(jpeg.isEmpty());
    prompter.files.push_back(jpeg);
    d.OnCommand(ctl::MenuOpenBackground);

    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    EXPECT_EQ(prompter.fileRequests[0].title, "Open Menu Background jpg Image File");
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(QFileInfo::exists(workFolder() + "/Background.jpg"));
    EXPECT_EQ(d.context().Board.BackgroundFileName, jpeg);
    EXPECT_TRUE(controls.isEnabled(ctl::Print));
    EXPECT_TRUE(controls.title.contains("Resolution: 1280 x 720 at 96 PPI")) << controls.title.toStdString();
    // The picked image is what the preview shows.
    const FloatRect& img = d.context().Geometry.PreviewImageRect;
    ASSERT_GT(img.Width, 0.0f);
    const QColor probe = d.surface().pixelColor(int(img.X + img.Width / 2), int(img.Y + img.Height / 2));
    EXPECT_NEAR(probe.red(), 200, 12);
    EXPECT_NEAR(probe.green(), 30, 12);
}

TEST_F(EditorTest, AnUnusableBackgroundLeavesTheOpenLayoutAsItWas)
{
    auto& d = makeDialog();
    d.OnInitDialog();
    openByButton(makePackage("Lunch", 2, 16, [](MenuBoard& b) { b.strip(0, 0).MainItem.Text = "Burger"; }));
    const QString background = d.context().Board.BackgroundFileName;
    const QByteArray backgroundBytes = [&] {
        QFile f(workFolder() + "/Background.jpg");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ASSERT_FALSE(backgroundBytes.isEmpty());

    prompter.messages.clear();
    prompter.files.push_back(writeFile("Broken.jpg", QByteArray("\xFF\xD8\xFF\xE0 not a picture")));
    d.OnCommand(ctl::MenuOpenBackground);

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(d.context().Board.BackgroundFileName, background);
    EXPECT_EQ(d.context().Board.strip(0, 0).MainItem.Text, "Burger");
    QFile f(workFolder() + "/Background.jpg");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), backgroundBytes);
}

TEST_F(EditorTest, APickedBackgroundReplacesTheOneThePreviewShowed)
{
    auto& d = makeDialog();
    d.OnInitDialog();
    openByButton(makePackage("Lunch", 2, 16)); // a blue background
    const FloatRect& img = d.context().Geometry.PreviewImageRect;
    auto centre = [&] { return d.surface().pixelColor(int(img.X + img.Width / 2), int(img.Y + img.Height / 2)); };
    ASSERT_NEAR(centre().blue(), 120, 12);

    prompter.files.push_back(MakeJpeg(tempPath("Red.jpg"), {800, 600}, QColor(200, 30, 30)));
    d.OnCommand(ctl::MenuOpenBackground);
    EXPECT_NEAR(centre().red(), 200, 12);
    EXPECT_NEAR(centre().blue(), 30, 12);
}
