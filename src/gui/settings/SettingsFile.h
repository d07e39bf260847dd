#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>

#include <optional>

namespace gui {

// The settings file as bytes on disk: read within a size cap, replaced whole.

// Far above any real settings file (a few kilobytes), far below what would slow each write.
inline constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

struct SettingsBytes {
    QByteArray bytes;
    QString problem;  // empty when the bytes are the whole file
};

// The bytes of a plain file (a symbolic link to one is followed) of at most kMaxSettingsBytes;
// anything else gets a problem that says why. nullopt when there is no file.
std::optional<SettingsBytes> ReadSettingsBytes(const QString& path);

enum class Replaced { kYes, kNo, kUnchecked };

// Replaces the file by `bytes` through a save file and reads it back. kNo: the old file is as
// it was (every step is checked before the save file is committed, because a write that
// failed in the buffer must never be committed); kUnchecked: the new file is in place but does
// not read back as written.
Replaced ReplaceFile(const QString& path, const QByteArray& bytes, QString& problem);

// Holds a lock file beside the settings file while the values are read, changed and written,
// so two copies of the game never write over each other's change. When the lock cannot be
// made (a full disk, a folder that cannot be written) the write goes on without it and meets
// the same fault itself; a lock held longer than a write takes is taken as left behind.
class SettingsLock {
  public:
    explicit SettingsLock(const QString& settings_path);

  private:
    QLockFile lock_;
};

}  // namespace gui
