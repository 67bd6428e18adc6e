#pragma once
#include <QByteArray>
#include <QString>

namespace sw {

// Name of the lock file a running copy keeps inside its own working folder.
// It lives inside the folder so that a dead copy's folder and lock go together;
// EmptyFolder therefore never deletes a file of this name (see EmptyFolder).
inline const QString kFolderLockFileName = QStringLiteral(".lock");

// Writes bytes to path so that after a true result the file holds either the
// old or the new content in full even if power fails: a temporary file beside
// it is written, flushed, renamed over the target, and the folder is fsynced.
bool WriteFileDurably(const QString& path, const QByteArray& bytes);

// fsyncs a folder so that renames and new entries in it reach the disk.
bool FsyncFolder(const QString& folder);

// fsyncs a file's content.
bool FsyncFile(const QString& path);

// Renames tempPath over finalPath in one step (the old file stays until the new
// one has taken its name; nothing is deleted first), after flushing tempPath,
// then fsyncs the folder. Both must be on the same file system.
bool ReplaceFileAtomically(const QString& tempPath, const QString& finalPath);

// Deletes every file (and symbolic link) directly inside folder, except the
// working folder's lock file; sub-folders are left alone. Returns the number of
// files deleted. Unlike a bounded directory walk, it empties folders of any size.
int EmptyFolder(const QString& folder);

// Full path of name inside folder: the exact name when it exists, otherwise the
// first (by sorted name) entry of the folder that equals name ignoring case
// (packages made on Windows differ in case), otherwise an empty string.
QString FindFileCaseInsensitive(const QString& folder, const QString& name);

// Copies source to target atomically and durably, replacing target.
bool CopyFileDurably(const QString& source, const QString& target);

// Copies source to target only when target does not exist yet; true when the
// target was created. An existing target is left as it is (false).
bool CopyFileIfAbsent(const QString& source, const QString& target);

} // namespace sw
