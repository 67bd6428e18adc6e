#include "editor/control_table.h"

#include <gtest/gtest.h>
#include <set>

using namespace sw;

TEST(ControlTable, IdsAreUniqueInRangeAndParentsAreGroupBoxes)
{
    std::set<int> seen;
    for (const ControlSpec& c : ControlTable()) {
        EXPECT_TRUE(seen.insert(c.Id).second) << "duplicate id " << c.Id;
        EXPECT_TRUE((c.Id >= 1000 && c.Id <= 1196) || c.Id == 1 || c.Id == 2) << c.Id;
        if (c.ParentGroup != 0) {
            const ControlSpec* parent = FindControl(c.ParentGroup);
            ASSERT_NE(parent, nullptr) << c.Id;
            EXPECT_EQ(parent->Kind, ControlKind::GroupBox) << c.Id;
        }
    }
    EXPECT_EQ(FindControl(4242), nullptr);
}

struct CaptionCase {
    int id;
    const char* caption;
    bool visible;
    bool enabled;
};

class ControlCaption : public ::testing::TestWithParam<CaptionCase> { };

TEST_P(ControlCaption, MatchesTheTemplate)
{
    const CaptionCase& want = GetParam();
    const ControlSpec* c = FindControl(want.id);
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c->Caption, want.caption);
    EXPECT_EQ(c->Visible, want.visible);
    EXPECT_EQ(c->Enabled, want.enabled);
}

INSTANTIATE_TEST_SUITE_P(Template, ControlCaption,
                         ::testing::Values(CaptionCase{1026, "Open Tablor Layout File", true, true},
                                           CaptionCase{1015, "Save Layout && TV Image Files", true, true},
                                           CaptionCase{1140, "Print", true, false},
                                           CaptionCase{1142, "White Bgnd Print Menu Format", true, false},
                                           CaptionCase{1182, "EDIT MODE:", true, true},
                                           CaptionCase{1180, " Macro", true, false},
                                           CaptionCase{1017, "Pallete Color", true, false},
                                           CaptionCase{1010, "L", false, false},
                                           CaptionCase{1040, "ACTIVE", false, true},
                                           CaptionCase{1188, "Copy or Move Menu Item\nInstructions", false, true}));

TEST(ControlTable, StepButtonsShowTheirPictureNotTheirCaption)
{
    EXPECT_EQ(FindControl(1074)->Image, StepImage::ArrowUp); // captioned "D"
    EXPECT_EQ(FindControl(1072)->Image, StepImage::ArrowRight); // captioned "L"
    EXPECT_EQ(FindControl(1168)->Image, StepImage::Plus);
    EXPECT_EQ(FindControl(1010)->Image, StepImage::ArrowLeft);
}

TEST(ControlTable, ComboEntriesFollowTheirIndexRules)
{
    EXPECT_EQ(ComboItems(1105).size(), 10);
    EXPECT_EQ(ComboItems(1105).at(3), "Black Wide");
    EXPECT_EQ(ComboItems(1022).at(16 - 4), "16");
    EXPECT_EQ(ComboItems(1034).at(2 - 1), "2");
    EXPECT_TRUE(ComboItems(1115).isEmpty());
}
