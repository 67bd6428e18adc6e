#pragma once
#include <QString>

namespace sw {

// Name parts of a layout's files. Comparisons and replacements are exact and
// case-sensitive: only an upper-case ".TABLOR" makes a package.
inline const QString kPackageExtension = QStringLiteral(".TABLOR");
inline const QString kLayoutSuffix = QStringLiteral("_LAYOUT");
inline const QString kWhitePrintSuffix = QStringLiteral("_WHITE_PRINT_BGND");
inline const QString kTvSuffix = QStringLiteral("_TV");
inline const QString kTvImageExtension = QStringLiteral(".jpg");
inline const QString kTemporaryArchiveExtension = QStringLiteral(".zip");
inline const QString kLegacyDocumentPrefix = QStringLiteral("TablorLayout_");
inline const QString kLegacyDocumentExtension = QStringLiteral(".XTABLOR");
inline const QString kLegacySupportFolderSuffix = QStringLiteral("_SupportFiles");
inline const QString kLegacyBackgroundSuffix = QStringLiteral("-TABLORBGD.jpg");

// base + "_LAYOUT.TABLOR"
QString PackageName(const QString& base);
// base + "_LAYOUT_WHITE_PRINT_BGND.TABLOR"
QString WhitePrintPackageName(const QString& base);
// base + "_TV.jpg"
QString TvImageName(const QString& base);
// base + "_TV_WHITE_PRINT_BGND.jpg"
QString WhitePrintTvImageName(const QString& base);

// True when the path's text after its last "." is exactly "TABLOR".
bool IsPackagePath(const QString& path);

// The archive written before it takes the package's name: the trailing
// ".TABLOR" replaced by ".zip". Empty when path does not end in ".TABLOR".
QString TemporaryArchivePath(const QString& packagePath);

// The package path of the earlier naming: every "_LAYOUT" removed from the
// file name (never from the folders above it). Empty when that would be the
// package itself, so a caller can never delete what it has just written.
QString EarlierPackagePath(const QString& packagePath);

// The package a chosen path names after the save rules: every
// "_WHITE_PRINT_BGND" and "_LAYOUT" removed from the file name, a trailing
// ".TABLOR" dropped, then "_LAYOUT.TABLOR" or "_LAYOUT_WHITE_PRINT_BGND.TABLOR"
// appended. A name typed without ".TABLOR" thus still gets the suffix.
QString PackagePathForSave(const QString& chosenPath, bool whitePrint);

// The TV image beside a package: in the file name ".TABLOR" becomes ".jpg" and
// "_LAYOUT" becomes "_TV".
QString TvImagePathForPackage(const QString& packagePath);

// True when the file name (not the folders) contains "_TV": the user chose a
// TV image, which stands for its package.
bool IsTvImagePath(const QString& path);
// The package a TV image stands for: in the file name every "_TV" becomes
// "_LAYOUT" and every ".jpg" becomes ".TABLOR". Lunch_TV.jpg -> Lunch_LAYOUT.TABLOR,
// Lunch_TV_WHITE_PRINT_BGND.jpg -> Lunch_LAYOUT_WHITE_PRINT_BGND.TABLOR.
QString PackagePathForTvImage(const QString& tvImagePath);

// Layouts of the earlier folder format.
// "TablorLayout_" + base + ".XTABLOR"
QString LegacyDocumentName(const QString& base);
// base + "_SupportFiles"
QString LegacySupportFolderName(const QString& base);
// base + "-TABLORBGD.jpg"
QString LegacyBackgroundName(const QString& base);

} // namespace sw
