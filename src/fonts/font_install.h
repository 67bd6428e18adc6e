#pragma once
// Getting the fonts a layout needs onto this computer: the guided installation
// of missing families from the package's own font files, the check of a layout
// named on the command line before the window shows, and the installation of
// one font file for the user, which the font file panel calls.
#include "platform/prompter.h"

#include <QString>
#include <QStringList>

namespace sw {

// Installs a font file for the current user: copied into the user's font
// folder (an existing different file of that name is kept and the new one gets
// a numbered name), fontconfig's cache refreshed so other programs see it, and
// registered with this program so it can be used at once.
FontInstallResult InstallFontFileForUser(const QString& fontFilePath);

// The ".ttf" files directly inside a folder (any case of the suffix), full
// paths sorted by name: what the font file panel lists.
QStringList LayoutFontFiles(const QString& folder);

enum InstallMissingFontsResult : int { kFontsInstalled = 1, kFontsGivenUp = 2 };

// The guided installation. `missingFontList` holds one family per entry; the
// families that became available are removed from it (it is empty when the
// result is kFontsInstalled). The panel shows `panelFolder`, the folder that
// holds the unpacked layout; package copies of families now installed are
// deleted from `workFolder`.
int InstallMissingFonts(QStringList& missingFontList, const QString& panelFolder, const QString& workFolder,
                        Prompter& prompter);

enum class StartupFontCheckResult { Continue, ExitProgram };

// The check of the layout named on the command line, after its package was
// unpacked into `workFolder`: installs the families of its
// "FontFileNames.txt" that this computer lacks, with the user's help. When
// the user refuses, the program is to end with exit status 0 (ExitProgram);
// the caller ends it.
StartupFontCheckResult StartupFontCheck(const QString& workFolder, const QString& commandLineLayoutPath,
                                        Prompter& prompter);

// For a layout that is opened although some of its families are still
// missing: tells the user which, and that a replacement font is shown. Empty
// when nothing is missing.
QString MissingFontsFallbackMessage(const QStringList& missingFontList);

} // namespace sw
