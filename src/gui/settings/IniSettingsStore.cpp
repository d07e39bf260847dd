#include "gui/settings/IniSettingsStore.h"

#include "gui/settings/IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace gui {

namespace {

QString SettingKey(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + "/" + QString::fromStdString(key);
}

// Writes a whole file through a save file and reads it back.
bool WriteWhole(const QString& path, const QByteArray& bytes, QString& problem) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        problem = file.errorString();
        return false;
    }
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly) || written.readAll() != bytes) {
        problem = "the written file does not read back as written";
        return false;
    }
    return true;
}

}  // namespace

IniSettingsStore::IniSettingsStore(common::Dialogs* dialogs)
    : IniSettingsStore(DefaultFolder(), dialogs) {}

IniSettingsStore::IniSettingsStore(QString folder, common::Dialogs* dialogs)
    : folder_(std::move(folder)), dialogs_(dialogs) {}

QString IniSettingsStore::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Kolmbra";
}

QString IniSettingsStore::FilePath(const std::string& scope) const {
    const bool local = scope == "local" || scope == "local64";
    return QDir(folder_).filePath(local ? "Fivrastar-local.ini" : "Fivrastar.ini");
}

QStringList IniSettingsStore::ScratchFolders() const {
    // The settings folder is the fallback: a full temporary folder must not keep the games won
    // from being saved.
    return {QDir::tempPath(), folder_};
}

IniSettingsStore::Snapshot IniSettingsStore::Load(const QString& path) const {
    Snapshot snapshot;
    if (!QFileInfo::exists(path)) {
        return snapshot;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        snapshot.unreadable = true;
        snapshot.problem = "it cannot be opened (" + file.errorString() + ")";
        return snapshot;
    }
    snapshot.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        snapshot.unreadable = true;
        snapshot.problem = "it cannot be read (" + file.errorString() + ")";
        return snapshot;
    }
    ParsedIni parsed = ParseIni(snapshot.bytes, ScratchFolders());
    switch (parsed.outcome) {
        case ParsedIni::Outcome::kNoScratch:
            snapshot.unreadable = true;
            snapshot.problem =
                "there is no room to read it in \"" + QDir::tempPath() + "\" nor in its own folder";
            break;
        case ParsedIni::Outcome::kBadLines:
            snapshot.damaged = true;
            snapshot.values = std::move(parsed.values);
            break;
        case ParsedIni::Outcome::kParsed:
            snapshot.values = std::move(parsed.values);
            break;
    }
    return snapshot;
}

std::string IniSettingsStore::RegReadSetting(const std::string& scope, const std::string& section,
                                             const std::string& key,
                                             const std::string& default_value) {
    const QString path = FilePath(scope);
    const Snapshot snapshot = Load(path);
    if (snapshot.unreadable) {
        Report("The settings file \"" + path + "\" is not used: " + snapshot.problem +
               ". The game goes on with the default values.");
        return default_value;
    }
    if (snapshot.damaged) {
        Report("The settings file \"" + path +
               "\" holds lines that cannot be read; the values of its other lines are used.");
    }
    const auto it = snapshot.values.constFind(SettingKey(section, key));
    if (it == snapshot.values.cend()) {
        return default_value;
    }
    return ValueText(it.value()).toStdString();
}

void IniSettingsStore::RegWriteSetting(const std::string& scope, const std::string& section,
                                       const std::string& key, const std::string& value) {
    if (scope == "local64") {
        return;
    }
    const QString path = FilePath(scope);
    Snapshot snapshot = Load(path);
    snapshot.values.insert(SettingKey(section, key),
                           value.empty() ? QString(" ") : QString::fromStdString(value));
    QString problem;
    if (snapshot.unreadable) {
        // What the file holds is unknown, so it is not replaced.
        problem = snapshot.problem;
    } else if (snapshot.damaged && !KeepDamagedCopy(path, snapshot.bytes)) {
        problem = "its damaged contents could not be kept aside";
    } else if (Store(path, snapshot.values, problem)) {
        return;
    }
    Report("The settings file \"" + path + "\" could not be written (" + problem + "). " +
           SettingKey(section, key) + " was not saved; the file stays as it was.");
}

// The new text is put together, parsed back and compared with the values meant before it
// replaces the old file through a save file, so the old file stays until a checked new one
// is complete.
bool IniSettingsStore::Store(const QString& path, const QMap<QString, QVariant>& values,
                             QString& problem) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        problem = "its folder cannot be made";
        return false;
    }
    const std::optional<QByteArray> text = IniText(values, ScratchFolders());
    if (!text) {
        problem = "the new settings could not be put together and checked; there is no room in \"" +
                  QDir::tempPath() + "\" nor in its own folder";
        return false;
    }
    return WriteWhole(path, *text, problem);
}

// A damaged file is about to be replaced; what it held is kept beside it under a name of its
// own, never over an earlier copy.
bool IniSettingsStore::KeepDamagedCopy(const QString& path, const QByteArray& bytes) {
    constexpr int kMostCopies = 999;
    for (int n = 1; n <= kMostCopies; ++n) {
        const QString copy = path + ".damaged" + (n == 1 ? QString() : "-" + QString::number(n));
        if (QFileInfo::exists(copy)) {
            continue;
        }
        QString problem;
        if (!WriteWhole(copy, bytes, problem)) {
            return false;
        }
        Report("The settings file \"" + path + "\" was damaged and is written anew with the " +
               "values that could be read; its old contents are kept in \"" + copy + "\".");
        return true;
    }
    return false;
}

void IniSettingsStore::Report(const QString& text) {
    if (dialogs_ == nullptr || reported_.contains(text)) {
        return;
    }
    reported_.insert(text);
    dialogs_->Message(text.toStdString(), "Fivrastar");
}

}  // namespace gui
