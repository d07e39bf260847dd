// The settings store reading a fuzzed settings file, then changing a value in it: the stored
// file keeps every value the game could keep, and a damaged file leaves one copy at most.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

#include "common/ScriptedDialogs.h"
#include "gui/settings/IniSettingsStore.h"
#include "gui/settings/IniText.h"

namespace {

// The keys QSettings reads from a file, each with its value, when that key also comes back
// as itself from a file QSettings writes with it alone: the values a write can keep.
// Every file gets a name of its own: QSettings caches files by name.
QMap<QString, QVariant> KeepableValues(const QString& path, const QDir& scratch) {
    static int files = 0;
    QMap<QString, QVariant> keepable;
    const QSettings read(path, QSettings::IniFormat);
    for (const QString& key : read.allKeys()) {
        const QString alone_path = scratch.filePath(QString::number(++files) + ".ini");
        {
            QSettings alone(alone_path, QSettings::IniFormat);
            alone.setValue(key, read.value(key));
        }
        const QSettings back(alone_path, QSettings::IniFormat);
        if (back.allKeys() == QStringList{key} &&
            gui::ValueText(back.value(key)) == gui::ValueText(read.value(key))) {
            keepable.insert(key, read.value(key));
        }
    }
    return keepable;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    static QTemporaryDir scratch;
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(dir.path());
    common::ScriptedDialogs dialogs;
    gui::IniSettingsStore store(dir.path(), &dialogs);
    const QString path = store.FilePath("user");
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            return 0;
        }
    }
    QDir(scratch.path()).removeRecursively();
    QDir().mkpath(scratch.path());
    const QString original = QDir(scratch.path()).filePath("original.ini");
    QFile::copy(path, original);
    QMap<QString, QVariant> meant = KeepableValues(original, QDir(scratch.path()));
    meant.insert("Statistic/TotalDe", "7");

    store.RegReadSetting("user", "Statistic", "TotalVi", "0");
    store.RegWriteSetting("user", "Statistic", "TotalDe", "7");
    if (QDir(dir.path()).entryList({"*.damaged*"}, QDir::Files).size() > 1) {
        __builtin_trap();
    }
    // A file of any text below the size cap, on a disk with room, never stops a write.
    if (store.RegReadSetting("user", "Statistic", "TotalDe", "0") != "7") {
        __builtin_trap();
    }
    QFile file(path);
    const gui::ParsedIni stored = gui::ParseIni(
        file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), {scratch.path()});
    for (auto it = meant.cbegin(); it != meant.cend(); ++it) {
        if (gui::ValueText(stored.values.value(it.key())) != gui::ValueText(it.value())) {
            __builtin_trap();
        }
    }
    return 0;
}
