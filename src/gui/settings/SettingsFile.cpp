#include "gui/settings/SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace gui {

namespace {

constexpr int kLockWaitMs = 5000;
constexpr int kStaleLockMs = 10000;

}  // namespace

std::optional<SettingsBytes> ReadSettingsBytes(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return std::nullopt;
    }
    SettingsBytes read;
    if (!info.isFile()) {
        // A folder, a device (/dev/zero never ends), a pipe or a dangling link.
        read.problem = "it is not a plain file";
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.problem = "it cannot be opened (" + file.errorString() + ")";
        return read;
    }
    read.bytes = file.read(kMaxSettingsBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        read.problem = "it cannot be read (" + file.errorString() + ")";
    } else if (read.bytes.size() > kMaxSettingsBytes) {
        read.problem = "it is larger than " + QString::number(kMaxSettingsBytes / 1024) + " KB";
    }
    if (!read.problem.isEmpty()) {
        read.bytes.clear();
    }
    return read;
}

Replaced ReplaceFile(const QString& path, const QByteArray& bytes, QString& problem) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        problem = file.errorString();
        return Replaced::kNo;
    }
    // The buffer is flushed and checked here: a commit after a write that failed in the buffer
    // would put a cut or empty file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        problem = file.errorString();
        file.cancelWriting();
        return Replaced::kNo;
    }
    if (!file.commit()) {
        problem = file.errorString();
        return Replaced::kNo;
    }
    const std::optional<SettingsBytes> written = ReadSettingsBytes(path);
    if (!written || !written->problem.isEmpty() || written->bytes != bytes) {
        problem = "the new file does not read back as written";
        return Replaced::kUnchecked;
    }
    return Replaced::kYes;
}

SettingsLock::SettingsLock(const QString& settings_path) : lock_(settings_path + ".lock") {
    lock_.setStaleLockTime(kStaleLockMs);
    lock_.tryLock(kLockWaitMs);
}

}  // namespace gui
