#include "editor/strip_fit.h"
#include "editor_fixture.h"

#include <QFileInfo>

using namespace sw;
using namespace sw::test;

TEST_F(EditorTest, SwatchesOfA186By140ControlAreLaidOutInsideItsArea)
{
    ASSERT_EQ(controls.controlRect(ctl::Palette), QRect(10, 500, 186, 140));
    makeDialog().OnInitDialog();
    dlg->OnPaint();
    const auto& rects = dlg->context().Preview.SwatchRects;
    const int areaLeft = 10 + 4;
    const int areaTop = 500 + 16;
    // Area 177 x 119, cells 29 x 17.
    EXPECT_EQ(rects[7], (EdgeRect{areaLeft + 29, areaTop + 19, areaLeft + 56, areaTop + 34}));
    EXPECT_EQ(rects[0], (EdgeRect{areaLeft, areaTop + 2, areaLeft + 27, areaTop + 17}));
    EXPECT_EQ(rects[41], (EdgeRect{areaLeft + 5 * 29, areaTop + 6 * 17 + 2, areaLeft + 5 * 29 + 27, areaTop + 7 * 17}));
}

TEST_F(EditorTest, DisabledSwatchesAreGreyButClearKeepsItsWhiteBox)
{
    makeDialog().OnInitDialog();
    dlg->OnPaint();
    const QImage& s = dlg->surface();
    const auto& r = dlg->context().Preview.SwatchRects;
    auto centre = [&](int i) { return s.pixelColor((r[i].left + r[i].right) / 2, (r[i].top + r[i].bottom) / 2); };
    EXPECT_EQ(centre(8), QColor(192, 192, 192)); // yellow hidden while disabled
    EXPECT_EQ(s.pixelColor(r[0].left + 3, (r[0].top + r[0].bottom) / 2), QColor(Qt::white));
    EXPECT_EQ(s.pixelColor(r[0].left, r[0].top + 3), QColor(Qt::black)); // its border
}

struct MarkerCase {
    int index;
    QColor marker;
};
class SwatchMarker : public EditorTest, public ::testing::WithParamInterface<MarkerCase> { };

TEST_P(SwatchMarker, TheSelectionMarkerContrastsWithItsSwatch)
{
    makeDialog().OnInitDialog();
    controls.enable(ctl::Palette, true);
    dlg->context().State.CurrentColorIndex = GetParam().index;
    dlg->preview().DrawPaletteSwatches();
    const EdgeRect& r = dlg->context().Preview.SwatchRects[std::size_t(GetParam().index)];
    const int mx = r.left + r.width() / 2 - 2;
    const int my = r.top + r.height() / 2 - 2;
    EXPECT_EQ(dlg->surface().pixelColor(mx + 1, my + 1), GetParam().marker);
    // Beside the marker, the swatch shows its colour.
    const ColorRef v = PaletteColor(GetParam().index);
    EXPECT_EQ(dlg->surface().pixelColor(r.left + 1, r.top + 1), QColor(RedOf(v), GreenOf(v), BlueOf(v)));
}

INSTANTIATE_TEST_SUITE_P(Palette, SwatchMarker,
                         ::testing::Values(MarkerCase{4, Qt::black}, // Med Gray, 384
                                           MarkerCase{5, Qt::white}, // Dark Gray, 192
                                           MarkerCase{8, Qt::black}, MarkerCase{33, Qt::white}));

TEST_F(EditorTest, PrintWritesThePrintImageAndPrintsOnlyAfterOk)
{
    const QString package = makePackage("Lunch", 2, 16, [](MenuBoard& b) { b.strip(0, 0).MainItem.Text = "Tea"; });
    makeDialog().OnInitDialog();
    openByButton(package);
    ASSERT_TRUE(controls.isEnabled(ctl::Print));
    const bool proxies = dlg->context().Preview.Flags.BackgroundProxyInUse;

    prompter.answers.push_back(PromptAnswer::Cancel);
    dlg->OnCommand(ctl::Print);
    const QString printImage = dataFolder() + "/print.jpg";
    EXPECT_TRUE(QFileInfo::exists(printImage));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, kPrintInstructions);
    EXPECT_EQ(prompter.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(prompter.printed.isEmpty());
    EXPECT_EQ(prompter.waitDepth, 0);

    prompter.answers.push_back(PromptAnswer::Ok);
    dlg->OnCommand(ctl::Print);
    EXPECT_EQ(prompter.printed, QStringList{printImage});
    EXPECT_FALSE(dlg->context().Preview.Flags.SaveRenderActive);
    EXPECT_EQ(dlg->context().Preview.Flags.BackgroundProxyInUse, proxies);
    // The preview's own rectangles survive the full-size render.
    EXPECT_LT(dlg->context().Geometry.StripRect({0, 0}).Width, 800.0f);
}

// The board and grid a relocation runs on: 2 columns of 16 cells of 100 x 20.
class Relocation : public ::testing::Test {
protected:
    void SetUp() override
    {
        board.NumberOfColumns = 2;
        board.NumberOfRows = 16;
        for (int c = 0; c < 2; ++c)
            for (int r = 0; r < 16; ++r)
                geometry.StripRect({c, r}) = FloatRect{float(10 + 100 * c), float(10 + 20 * r), 100, 20};
    }
    MenuBoard board;
    BoardGeometry geometry;
};

TEST_F(Relocation, AStripPushedDownMovesToTheNextFreeRow)
{
    board.strip(0, 3).MainItem.Text = "Pie";
    board.strip(0, 3).YOffsetFactor = 1.2;
    board.strip(0, 4).MainItem.Text = "Taken";
    EXPECT_EQ(RelocateOverflowingStrip(board, geometry, {0, 3}), (StripRef{0, 5}));
    EXPECT_EQ(board.strip(0, 5).MainItem.Text, "Pie");
    EXPECT_NEAR(board.strip(0, 5).YOffsetFactor, -0.8, 1e-9);
    EXPECT_FALSE(IsStripInUse(board.strip(0, 3)));
    EXPECT_EQ(board.strip(0, 4).MainItem.Text, "Taken");
}

TEST_F(Relocation, NothingMovesWhenNoCellInsideTheBoardCanTakeIt)
{
    board.strip(1, 15).MainItem.Text = "Last";
    board.strip(1, 15).YOffsetFactor = 1.5;
    EXPECT_EQ(RelocateOverflowingStrip(board, geometry, {1, 15}), (StripRef{1, 15}));
    board.strip(1, 15).YOffsetFactor = 0.0;
    board.strip(1, 15).XOffsetFactor = 1.3; // past the last column
    EXPECT_EQ(RelocateOverflowingStrip(board, geometry, {1, 15}), (StripRef{1, 15}));
    EXPECT_EQ(board.strip(1, 15).MainItem.Text, "Last");
    EXPECT_DOUBLE_EQ(board.strip(1, 15).XOffsetFactor, 1.3);
}

TEST_F(Relocation, AStripPushedRightTakesTheNextColumn)
{
    board.strip(0, 2).Prices.Text = "3.50";
    board.strip(0, 2).XOffsetFactor = 1.25;
    EXPECT_EQ(RelocateOverflowingStrip(board, geometry, {0, 2}), (StripRef{1, 2}));
    EXPECT_NEAR(board.strip(1, 2).XOffsetFactor, 0.25, 1e-9);
    EXPECT_FALSE(IsStripInUse(board.strip(0, 2)));
}

TEST_F(Relocation, FittingHugsTheDrawnTextsAndKeepsThemInPlace)
{
    const StripRef ref{0, 1};
    MenuStrip& s = board.strip(ref);
    s.MainItem.Text = "Salad";
    s.MainItem.Yref = 0.1;
    // Drawn 30..70 wide, 35..45 high inside the cell at (10, 30) of 100 x 20.
    geometry.TextBlockRect(ref, TextBlockKind::MainItem) = FloatRect{40, 35, 40, 10};
    FitEmptyStripToTextVertical(board, geometry, ref);
    EXPECT_NEAR(s.YSizeFactor, 0.5, 1e-6);
    EXPECT_NEAR(s.YOffsetFactor, 0.25, 1e-6);
    EXPECT_NEAR(s.MainItem.Yref, 0.1 - 0.25, 1e-6);
    FitEmptyStripToTextHorizontal(board, geometry, ref);
    EXPECT_NEAR(s.XSizeFactor, 0.4 + 0.007, 1e-6);
    EXPECT_NEAR(s.XOffsetFactor, 0.3, 1e-6);
    EXPECT_NEAR(s.MainItem.Xref, -0.3, 1e-6);

    // Nothing drawn yet: the box stays as it is.
    const StripRef other{1, 1};
    board.strip(other).MainItem.Text = "Soup";
    FitEmptyStripToTextVertical(board, geometry, other);
    EXPECT_DOUBLE_EQ(board.strip(other).YSizeFactor, 1.0);
}

TEST_F(EditorTest, ALargeBackgroundIsPreviewedThroughItsProxyAndPrintedInFull)
{
    const QString package = makePackage("Big", 2, 16, {}, QSize(2000, 1700));
    makeDialog().OnInitDialog();
    openByButton(package);
    EXPECT_TRUE(dlg->context().Preview.Flags.BackgroundProxyInUse);
    EXPECT_TRUE(QFileInfo::exists(workFolder() + "/Background_Proxy.jpg"));
    prompter.answers.push_back(PromptAnswer::Cancel);
    dlg->OnCommand(ctl::Print);
    EXPECT_EQ(QImage(dataFolder() + "/print.jpg").size(), QSize(2000, 1700));
    EXPECT_TRUE(dlg->context().Preview.Flags.BackgroundProxyInUse);
}
