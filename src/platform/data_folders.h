#pragma once
#include <QString>
#include <QtGlobal>

namespace sw {

// The per-user home of working folders, the print image and the rotation
// choice: the generic data folder (honours $XDG_DATA_HOME) + "/Moru Design".
// The folder is not created here.
QString ProgramDataFolder();

// "ZPF" + the start time in seconds as a signed 32-bit number (the low 32 bits
// of the time value), e.g. "ZPF1733692800".
QString WorkFolderBaseName(qint64 secondsSinceEpoch);

// The running copy's private working folder. While the object lives it holds
// an flock on the folder's lock file (kFolderLockFileName, kept inside the
// folder and spared by EmptyFolder), so another copy's RemoveObsoleteZPFFolders
// leaves it alone; the lock dies with the process, so a crashed copy's folder is
// cleaned up by the next start. Two copies started in the same second get
// distinct folders: when the name is taken, "_2", "_3", ... is appended.
class WorkFolder {
public:
    // Creates and locks a new working folder in ProgramDataFolder() named for now.
    WorkFolder();
    // Same inside parentFolder for the given start time (tests, tools).
    WorkFolder(const QString& parentFolder, qint64 startSeconds);
    ~WorkFolder(); // releases the lock; the folder stays (see Remove)
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    bool isValid() const { return lockFd_ >= 0; }
    // Full path, no trailing slash; empty when the folder could not be made.
    const QString& path() const { return path_; }
    // For shutdown: deletes everything in the folder, the folder itself, and
    // releases the lock.
    void Remove();

private:
    void create(const QString& parentFolder, qint64 startSeconds);

    QString path_;
    int lockFd_ = -1;
};

// Removes the ZPF* working folders in ProgramDataFolder() (or parentFolder)
// whose lock nobody holds, with their contents; a live copy's folder is
// spared. Returns the number of folders removed.
int RemoveObsoleteZPFFolders();
int RemoveObsoleteZPFFolders(const QString& parentFolder);

} // namespace sw
