// The settings store reading a fuzzed settings file, then writing a value over it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

#include "common/ScriptedDialogs.h"
#include "gui/settings/IniSettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(dir.path());
    common::ScriptedDialogs dialogs;
    gui::IniSettingsStore store(dir.path(), &dialogs);
    {
        QFile file(store.FilePath("user"));
        if (!file.open(QIODevice::WriteOnly)) {
            return 0;
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    store.RegReadSetting("user", "Statistic", "TotalVi", "0");
    store.RegWriteSetting("user", "Statistic", "TotalDe", "7");
    // A write either holds the value afterwards or was told to the player.
    if (store.RegReadSetting("user", "Statistic", "TotalDe", "0") != "7" &&
        dialogs.messages.empty()) {
        __builtin_trap();
    }
    return 0;
}
