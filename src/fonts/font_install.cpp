#include "fonts/font_install.h"

#include "fonts/font_inventory.h"
#include "fonts/font_substitutes.h"
#include "platform/files.h"
#include "platform/font_system.h"
#include "platform/imaging.h"
#include "platform/version.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStandardPaths>
#include <QtEndian>

namespace sw {
namespace {

const char* const kMissingFontHeader =
    "                           MISSING FONT\n\nThe font required, but not installed on this computer, is:\r\n";
const char* const kMissingFontsHeader = "           \r\n                MISSING FONTS\n\nThe fonts required, but not "
                                        "installed on this computer, are:\r\n";
const char* const kMissingFontsPrompt =
    "%s\r\n%s\r\nClick 'OK' to install missing font(s) on the next panel\nusing the following procedure:\n\nFor "
    "each missing font to be installed, RIGHT click\r\non the font name and select 'Install for all users'";
const char* const kMissingFontIndent = "                          ";
const QString kFontPanelTitle =
    QStringLiteral("TO INSTALL MISSING FONT(S), Right Click on font File(s) and click INSTALL FOR ALL USERS");
const QString kFontFileFilterName = QStringLiteral("Font File");
const QString kFontPanelDone = QStringLiteral("Done");
const char* const kStartupFontsRetry =
    "The missing fonts for %s\r\nhave not been installed.\r\n\r\nDo you wish to install them?";
const QString kStartupFontsExit =
    QStringLiteral("The missing fonts have not been installed.\r\n\r\nThe program will be exited.");
const QString kStartupFontsInstalled = QStringLiteral("The missing font(s) have been successfully installed.");
const QString kFontFileNamesFile = QStringLiteral("FontFileNames.txt");

// Our own texts, for what the Windows program left to the system.
const QString kNotAFontFile = QStringLiteral("\"%1\" is not a font file that can be installed.");
const QString kFontCopyFailed = QStringLiteral("The font file \"%1\" could not be copied to %2.");
const QString kFontRegisterFailed =
    QStringLiteral("The font file \"%1\" was installed, but this program could not load it.\r\n"
                   "It will be available the next time the program starts.");
const char* const kFallbackHeader =
    "These fonts of the layout are not installed on this computer:\r\n\r\n%s\r\nThe layout is shown with a "
    "replacement font until they are installed.";

// A font list larger than this is not a font list.
constexpr qint64 kMaxFontListBytes = 1 << 20;

QByteArray Sha256Of(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&f);
    return hash.result();
}

// The name the file takes in the user's font folder: its own, unless a
// different font already has it ("name(1).ttf", ...). Empty when the very
// same file is there already.
QString TargetNameIn(const QString& folder, const QString& sourcePath, bool* alreadyThere)
{
    const QFileInfo source(sourcePath);
    const QString base = source.completeBaseName();
    const QString suffix = source.suffix().isEmpty() ? QString() : QLatin1Char('.') + source.suffix();
    QString name = source.fileName();
    *alreadyThere = false;
    for (int n = 1; n < 10000; ++n) {
        const QString candidate = QDir(folder).filePath(name);
        if (!QFileInfo::exists(candidate))
            return candidate;
        if (Sha256Of(candidate) == Sha256Of(sourcePath)) {
            *alreadyThere = true;
            return candidate;
        }
        name = QStringLiteral("%1(%2)%3").arg(base).arg(n).arg(suffix);
    }
    return {};
}

QString MissingFontsText(const QStringList& missing)
{
    QString names;
    for (const QString& family : missing)
        names += QLatin1String(kMissingFontIndent) + family + QStringLiteral("\r\n");
    const char* header = missing.size() == 1 ? kMissingFontHeader : kMissingFontsHeader;
    return QString::asprintf(kMissingFontsPrompt, header, qUtf8Printable(names));
}

// The families of "FontFileNames.txt" walked the way the Windows program does
// (family before the first ',', next entry after the first ';'), so that an
// entry whose file name is unusable still has its family examined.
QStringList FontListFamilies(const QString& workFolder)
{
    const QString path = FindFileCaseInsensitive(workFolder, kFontFileNamesFile);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxFontListBytes)
        return {};
    const QByteArray bytes = file.readAll();
    QString text(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
    for (QChar& c : text)
        c = QChar(qFromLittleEndian(c.unicode()));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList families;
    while (text.size() >= 2) {
        const qsizetype comma = text.indexOf(QLatin1Char(','));
        const QString family = comma < 0 ? QString() : text.left(comma);
        families << family;
        const qsizetype semicolon = text.indexOf(QLatin1Char(';'));
        if (semicolon < 0)
            break;
        text = text.mid(semicolon + 1);
    }
    return families;
}

} // namespace

FontInstallResult InstallFontFileForUser(const QString& fontFilePath)
{
    const QString name = QFileInfo(fontFilePath).fileName();
    if (FontFileFamilies(fontFilePath).isEmpty())
        return {false, kNotAFontFile.arg(name)};
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::FontsLocation);
    bool alreadyThere = false;
    const QString target = folder.isEmpty() || !QDir().mkpath(folder)
                               ? QString()
                               : TargetNameIn(folder, fontFilePath, &alreadyThere);
    if (target.isEmpty() || (!alreadyThere && !CopyFileDurably(fontFilePath, target)))
        return {false, kFontCopyFailed.arg(name, folder)};
    // Other programs see the font once fontconfig's cache knows it; this
    // program registers it directly, so a failed refresh is not fatal.
    RefreshFontCache(folder);
    if (QFontDatabase::addApplicationFont(target) < 0)
        return {false, kFontRegisterFailed.arg(name)};
    ClearFontCache();
    return {true, {}};
}

QStringList LayoutFontFiles(const QString& folder)
{
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.ttf")});
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList files;
    for (const QFileInfo& fi : dir.entryInfoList())
        files << fi.absoluteFilePath();
    return files;
}

int InstallMissingFonts(QStringList& missingFontList, const QString& panelFolder, const QString& workFolder,
                        Prompter& prompter)
{
    InstallFontSubstitutions();
    while (!missingFontList.isEmpty()) {
        const PromptAnswer answer = prompter.message(MissingFontsText(missingFontList), kAppDisplayName,
                                                     MessageButtons::OkCancel, MessageIcon::Warning);
        if (answer != PromptAnswer::Ok)
            return kFontsGivenUp;
        FontPanelRequest panel;
        panel.title = kFontPanelTitle;
        panel.folder = panelFolder;
        panel.filter = kFontFileFilterName + QStringLiteral(" (*.ttf)");
        panel.doneCaption = kFontPanelDone;
        panel.fontFiles = LayoutFontFiles(panelFolder);
        panel.install = InstallFontFileForUser;
        if (prompter.fontFilePanel(panel) != FontPanelResult::Done)
            return kFontsGivenUp;
        for (const QString& family : QStringList(missingFontList)) {
            if (IsFontInstalled(family)) {
                DropPackageFontCopy(workFolder, family);
                missingFontList.removeOne(family);
            }
        }
    }
    return kFontsInstalled;
}

StartupFontCheckResult StartupFontCheck(const QString& workFolder, const QString& commandLineLayoutPath,
                                        Prompter& prompter)
{
    InstallFontSubstitutions();
    QStringList missing;
    for (const QString& family : FontListFamilies(workFolder)) {
        if (!family.isEmpty() && !missing.contains(family) && FindFontFile(family).isEmpty())
            missing << family;
    }
    if (missing.isEmpty())
        return StartupFontCheckResult::Continue;
    while (InstallMissingFonts(missing, workFolder, workFolder, prompter) != kFontsInstalled) {
        const QString retry = QString::asprintf(kStartupFontsRetry, qUtf8Printable(commandLineLayoutPath));
        if (prompter.message(retry, kAppDisplayName, MessageButtons::YesNo, MessageIcon::Question)
            != PromptAnswer::Yes) {
            prompter.message(kStartupFontsExit, kAppDisplayName, MessageButtons::Ok, MessageIcon::Warning);
            return StartupFontCheckResult::ExitProgram;
        }
    }
    prompter.message(kStartupFontsInstalled, kAppDisplayName, MessageButtons::Ok, MessageIcon::Information);
    return StartupFontCheckResult::Continue;
}

QString MissingFontsFallbackMessage(const QStringList& missingFontList)
{
    if (missingFontList.isEmpty())
        return {};
    QString names;
    for (const QString& family : missingFontList)
        names += QLatin1String(kMissingFontIndent) + family + QStringLiteral("\r\n");
    return QString::asprintf(kFallbackHeader, qUtf8Printable(names));
}

} // namespace sw
