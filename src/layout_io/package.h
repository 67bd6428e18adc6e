#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

namespace sw {

// Fixed entry names of a layout package.
inline const QString kBackgroundEntryName = QStringLiteral("Background.jpg");
inline const QString kLayoutDocumentEntryName = QStringLiteral("Layout.XTABLOR");
inline const QString kFontFileNamesEntryName = QStringLiteral("FontFileNames.txt");

// Shown by the caller when a package of the earlier naming (without "_LAYOUT")
// was removed after a successful save.
inline const QString kNewFilingSystemMessage =
    QStringLiteral("Our new filing system will\nadd '_LAYOUT' to this file name.");

struct PackRequest {
    QString packagePath;      // must end in ".TABLOR"
    QString workFolder;       // fonts and FontFileNames.txt are taken from / written here
    QString backgroundSource; // file added as "Background.jpg"
    QString documentText;     // plain, unscrambled layout document
    QStringList picturePaths; // in used-range order, one per picture-bearing strip
    QString layoutFontList;   // "Arial,arial.ttf;Impact,impact.ttf;"
};

enum class PackResult {
    Ok,
    OkOldNameRemoved, // saved, and the earlier-named package was removed: show kNewFilingSystemMessage
    Failed,
};

// Builds the package next to its final place under the ".zip" name, flushes it
// and renames it over packagePath; an existing package is replaced only by a
// complete new one. On failure *error (when given) says why, for the log/dialog.
// A missing background or an archive that cannot be written fails; pictures and
// fonts whose files are missing are left out and named in *missingSources.
PackResult Pack(const PackRequest& request, QString* error, QStringList* missingSources = nullptr);

// Bounds on what an archive may make us write. Generous for real layouts (a few
// photos and fonts), small enough that a hostile archive cannot fill the disk.
struct UnpackLimits {
    std::uint64_t maxEntryBytes = 512ull << 20; // 512 MiB inflated per entry
    std::uint64_t maxTotalBytes = 2ull << 30;   // 2 GiB inflated per package
    std::uint64_t maxEntries = 10000;
};

struct UnpackReport {
    QStringList skipped; // "entry name: reason", one per entry not (fully) extracted
    QString error;       // set when the archive as a whole could not be read
};

// Extracts the plain top-level entries of the package into workFolder (created
// when missing), renaming entries of older packages to their current names.
// Returns false when the archive could not be opened or read through; entries
// refused on the way are listed in report->skipped and do not make it fail.
bool Unpack(const QString& packagePath, const QString& workFolder, UnpackReport* report,
            const UnpackLimits& limits = UnpackLimits{});

} // namespace sw
