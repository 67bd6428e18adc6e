#pragma once
// Where the background and picture names stored in a layout document lead on
// disk. Documents carry Windows paths ('\') as well as ours ('/'); both are
// accepted as separators. Results are native '/' paths.
#include <QString>

namespace sw {

// The part after the last '\' or '/'.
QString StoredPathFileName(const QString& storedPath);

// `name` inside `folder`; when no file has that exact name, the entry of the
// folder that matches it ignoring case (layouts made on Windows), otherwise the
// exact path anyway so that the caller reports the missing file by its name.
QString ResolveInFolder(const QString& folder, const QString& name);

// A package's background is always "Background.jpg" in the working folder.
QString PackageBackgroundPath(const QString& workFolder);
// A package picture is its stored file name inside the working folder. Empty
// when the stored name has no usable file name ("", ".", "..").
QString PackagePicturePath(const QString& stored, const QString& workFolder);

// Older folder format. With a folder in the stored name: layout folder / last
// folder of the name / file name. Without: layout folder / (name up to its last
// '-') + "_SupportFiles" / name, e.g. "Lunch-TABLORBGD.jpg" ->
// <layout folder>/Lunch_SupportFiles/Lunch-TABLORBGD.jpg. Empty stays empty.
QString LegacyBackgroundPath(const QString& stored, const QString& layoutFolder);
// Older folder format: the part of the stored path from "<base>_SupportFiles"
// on, below the layout folder (the whole stored path when that folder name does
// not occur in it).
QString LegacyPicturePath(const QString& stored, const QString& layoutFolder, const QString& layoutBaseName);

} // namespace sw
