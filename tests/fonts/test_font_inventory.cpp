#include "fonts/font_inventory.h"
#include "fonts/font_substitutes.h"
#include "fonts/layout_fonts.h"
#include "platform/font_system.h"
#include "support/fixture.h"
#include "fonts/font_maker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>

using namespace sw;
using sw::test::MakeTestFont;
using sw::test::UniqueFamily;

namespace {

class FontInventoryTest : public SwTest {
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        QDir().mkpath(work());
    }
    QString work() const { return tempPath("work"); }
    // A font file of a new family, registered with this process only.
    QString registerFont(const QString& fileName, const QString& family, const QString& style = "Regular",
                         const QString& fullName = {})
    {
        const QString path = writeFile("fonts/" + fileName, MakeTestFont(family, style, fullName));
        EXPECT_GE(QFontDatabase::addApplicationFont(path), 0) << qPrintable(path);
        return path;
    }
};

struct FamilyCase {
    const char* family;
    bool installed;
    const char* file;  // FindFontFile's answer
};

class FamilyLookup : public FontInventoryTest, public ::testing::WithParamInterface<FamilyCase> { };

TEST_P(FamilyLookup, InstalledAndFile)
{
    const FamilyCase& c = GetParam();
    EXPECT_EQ(IsFontInstalled(c.family), c.installed);
    EXPECT_EQ(FindFontFile(c.family), QString(c.file));
}

INSTANTIATE_TEST_SUITE_P(
    Families, FamilyLookup,
    ::testing::Values(
        // Installed for real: the upright regular face, not Bold or Italic.
        FamilyCase{"Liberation Sans", true, "LiberationSans-Regular.ttf"},
        FamilyCase{"liberation serif", true, "LiberationSerif-Regular.ttf"},
        // Windows families available through their substitute.
        FamilyCase{"Arial", true, "LiberationSans-Regular.ttf"},
        FamilyCase{"Calibri", true, "Carlito-Regular.ttf"},
        FamilyCase{"Impact", true, "OpenSans-CondBold.ttf"},
        // Neither the family nor a substitute.
        FamilyCase{"Signwright Absent Family", false, ""},
        // Fontconfig would match blanks loosely; a layout's family may not.
        FamilyCase{"LiberationSans", false, ""},
        FamilyCase{"", true, ""}));

TEST_F(FontInventoryTest, EverySubstituteOfTheTableIsInstalled)
{
    // tools/bootstrap installs the table's packages; a misspelt family here
    // would silently fall back to the generic font.
    ASSERT_GE(FontSubstituteTable().size(), 20);
    for (const FontSubstitute& s : FontSubstituteTable())
        EXPECT_TRUE(FontconfigListsFamily(s.openFamily)) << qPrintable(s.windowsFamily + " -> " + s.openFamily);
}

struct NameRuleCase {
    const char* in;
    const char* out;
};
class FontFileNameRule : public ::testing::TestWithParam<NameRuleCase> { };
TEST_P(FontFileNameRule, Applies)
{
    EXPECT_EQ(ApplyFontFileNameRule(GetParam().in), QString(GetParam().out));
}
INSTANTIATE_TEST_SUITE_P(Names, FontFileNameRule,
                         ::testing::Values(NameRuleCase{"Cubano_0.ttf", "Cubano.ttf"},
                                           NameRuleCase{"My_Font_Bold.otf", "My.otf"},
                                           NameRuleCase{"_x.ttf", "_x.ttf"}, NameRuleCase{"a__b.ttf", "a__b.ttf"},
                                           NameRuleCase{"x_y__z.ttf", "x_y__z.ttf"},
                                           NameRuleCase{"arial.ttf", "arial.ttf"}, NameRuleCase{"a_b", "a"}));

TEST_F(FontInventoryTest, CubanoIsLookedUpUnderItsStyledNameAndTravelsWithoutTheUnderscoreSuffix)
{
    // Only the full name "<family> Normal" identifies the face, as in the
    // Windows registry; the family itself is a different name.
    const QString cubanoFamily = UniqueFamily("Cubano Family");
    registerFont("Cubano_0.ttf", cubanoFamily, "Normal", "Cubano Normal");
    EXPECT_EQ(FindFontFile("Cubano"), "Cubano.ttf");

    LayoutFontCollector collector(work());
    collector.CollectLayoutFont("Cubano");
    EXPECT_EQ(collector.LayoutFontList(), "Cubano,Cubano.ttf;");
    EXPECT_TRUE(QFileInfo::exists(work() + "/Cubano.ttf"));
}

TEST_F(FontInventoryTest, CollectorRecordsEachFamilyOnceAndCopiesItsFile)
{
    const QString big = UniqueFamily("Big Liberation Serif");
    registerFont("bigserif.ttf", big);
    LayoutFontCollector collector(work());
    for (const char* family : {"Arial", "Arial", "Signwright Absent Family", "Liberation Serif"})
        collector.CollectLayoutFont(family);
    // A family whose name ends another family's must still get its entry.
    collector.CollectLayoutFont(big);
    collector.CollectLayoutFont("Liberation Serif");
    collector.CollectLayoutFont(big);
    EXPECT_EQ(collector.LayoutFontList(), "Arial,LiberationSans-Regular.ttf;Liberation Serif,LiberationSerif-Regular.ttf;"
                                          + big + ",bigserif.ttf;");
    for (const char* file : {"LiberationSans-Regular.ttf", "LiberationSerif-Regular.ttf", "bigserif.ttf"})
        EXPECT_TRUE(QFileInfo::exists(work() + "/" + file)) << file;
    EXPECT_EQ(QDir(work()).entryList(QDir::Files).size(), 3);

    collector.Clear();
    EXPECT_TRUE(collector.LayoutFontList().isEmpty());
}

TEST_F(FontInventoryTest, CollectorKeepsAnExistingCopy)
{
    writeFile("work/LiberationSans-Regular.ttf", "package copy");
    LayoutFontCollector collector(work());
    collector.CollectLayoutFont("Arial");
    QFile f(work() + "/LiberationSans-Regular.ttf");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "package copy");
}

TEST_F(FontInventoryTest, TextBlockCheckDropsCopiesOfInstalledFamiliesAndRecordsMissingOnce)
{
    writeFile("work/LiberationSans-Regular.ttf", "package copy");
    writeFile("work/absent.ttf", "package copy of a missing font");
    LayoutFontCheck check(work());
    QStringList handled, missing;
    for (const char* family : {"Arial", "Gone Font", "", "Arial", "Gone Font", "Gone Font Two", "Liberation Sans"})
        check.CheckTextBlockFont(family, handled, missing);
    EXPECT_EQ(handled, QStringList({"Arial", "Liberation Sans"}));
    EXPECT_EQ(missing, QStringList({"Gone Font", "Gone Font Two"}));
    EXPECT_FALSE(QFileInfo::exists(work() + "/LiberationSans-Regular.ttf"));
    EXPECT_TRUE(QFileInfo::exists(work() + "/absent.ttf"));
}

TEST_F(FontInventoryTest, TextBlockCheckKeepsTheFileThatMakesAFamilyAvailable)
{
    // A family known only through the package's own file, registered for
    // this program: deleting that file would lose the font from the next save.
    const QString family = UniqueFamily("Package Only");
    writeFile("work/pkgonly.ttf", MakeTestFont(family));
    ASSERT_EQ(RegisterLayoutFonts(work()), QStringList{family});
    LayoutFontCheck check(work());
    QStringList handled, missing;
    check.CheckTextBlockFont(family, handled, missing);
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(work() + "/pkgonly.ttf"));
}

} // namespace
