#include "gui/IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <optional>

namespace gui {

namespace {

QString SettingKey(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + "/" + QString::fromStdString(key);
}

// The text of a stored value: numbers (also those another tool stored as typed values) as
// decimal text, a comma-separated value as it was written.
QString ValueText(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::SChar:
        case QMetaType::Char:
            return QString::number(value.toLongLong());
        case QMetaType::UInt:
        case QMetaType::UShort:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
        case QMetaType::UChar:
            return QString::number(value.toULongLong());
        case QMetaType::QStringList:
            return value.toStringList().join(',');
        default:
            return value.toString();
    }
}

// Parses INI bytes through QSettings on a private copy: QSettings keeps parsed files in a
// process-wide cache keyed by path, which can miss a quick rewrite of the same size, so the
// real file is never opened through it.
bool ParseIni(const QByteArray& bytes, QMap<QString, QVariant>& values) {
    QTemporaryDir dir;
    if (!dir.isValid()) {
        return false;
    }
    const QString copy = dir.filePath("settings.ini");
    QFile file(copy);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return false;
    }
    file.close();
    const QSettings settings(copy, QSettings::IniFormat);
    // The file is parsed on first access; only then does the status tell.
    const QStringList keys = settings.allKeys();
    if (settings.status() != QSettings::NoError) {
        return false;
    }
    for (const QString& key : keys) {
        values.insert(key, settings.value(key));
    }
    return true;
}

// The INI text of a set of values, written by QSettings into a private file.
std::optional<QByteArray> IniText(const QMap<QString, QVariant>& values) {
    QTemporaryDir dir;
    if (!dir.isValid()) {
        return std::nullopt;
    }
    const QString path = dir.filePath("settings.ini");
    {
        QSettings settings(path, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            settings.setValue(it.key(), it.value());
        }
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            return std::nullopt;
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
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

IniSettingsStore::Snapshot IniSettingsStore::Load(const QString& path) const {
    Snapshot snapshot;
    if (!QFileInfo::exists(path)) {
        return snapshot;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        snapshot.damaged = true;
        snapshot.unreadable = true;
        snapshot.problem = "it cannot be opened (" + file.errorString() + ")";
        return snapshot;
    }
    snapshot.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        snapshot.damaged = true;
        snapshot.unreadable = true;
        snapshot.problem = "it cannot be read (" + file.errorString() + ")";
    } else if (!ParseIni(snapshot.bytes, snapshot.values)) {
        snapshot.damaged = true;
        snapshot.problem = "it is not a valid settings file";
        snapshot.values.clear();
    }
    return snapshot;
}

std::string IniSettingsStore::RegReadSetting(const std::string& scope, const std::string& section,
                                             const std::string& key,
                                             const std::string& default_value) {
    const QString path = FilePath(scope);
    const Snapshot snapshot = Load(path);
    if (snapshot.damaged) {
        Report("The settings file \"" + path + "\" is not used: " + snapshot.problem +
               ". The game goes on with the default values.");
        return default_value;
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
           SettingKey(section, key) + " was not saved.");
}

// Writes the whole file through a save file: the old file stays until the new one is
// complete.
bool IniSettingsStore::Store(const QString& path, const QMap<QString, QVariant>& values,
                             QString& problem) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        problem = "its folder cannot be made";
        return false;
    }
    const std::optional<QByteArray> text = IniText(values);
    if (!text) {
        problem = "the settings could not be put together";
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*text) != text->size() || !file.commit()) {
        problem = file.errorString();
        return false;
    }
    return true;
}

// A damaged file is about to be replaced; what it held is kept beside it, never lost.
bool IniSettingsStore::KeepDamagedCopy(const QString& path, const QByteArray& bytes) {
    const QString copy = path + ".damaged";
    QSaveFile file(copy);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return false;
    }
    Report("The settings file \"" + path + "\" was damaged and is written anew; " +
           "its old contents are kept in \"" + copy + "\".");
    return true;
}

void IniSettingsStore::Report(const QString& text) {
    if (dialogs_ == nullptr || reported_.contains(text)) {
        return;
    }
    reported_.insert(text);
    dialogs_->Message(text.toStdString(), "Fivrastar");
}

}  // namespace gui
