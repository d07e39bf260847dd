#include "gui/settings/IniSettingsStore.h"

#include "gui/settings/IniText.h"
#include "gui/settings/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

namespace gui {

namespace {

QString SettingKey(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + "/" + QString::fromStdString(key);
}

QString WriteTopic(const QString& path) {
    return "write:" + path + ":";
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
    std::optional<SettingsBytes> read = ReadSettingsBytes(path);
    if (!read) {
        return snapshot;
    }
    if (!read->problem.isEmpty()) {
        snapshot.unreadable = true;
        snapshot.problem = read->problem;
        return snapshot;
    }
    snapshot.bytes = std::move(read->bytes);
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
        const QString text = "The settings file \"" + path + "\" is not used: " + snapshot.problem +
                             ". The game goes on with the default values.";
        Report(text, text);
        return default_value;
    }
    if (snapshot.damaged) {
        const QString text = "The settings file \"" + path +
                             "\" holds lines that cannot be read; the values of its other lines "
                             "are used.";
        Report(text, text);
    }
    const auto it = snapshot.values.constFind(SettingKey(section, key));
    if (it == snapshot.values.cend()) {
        return default_value;
    }
    return ValueText(it.value()).toStdString();
}

void IniSettingsStore::RegWriteSetting(const std::string& scope, const std::string& section,
                                       const std::string& key, const std::string& value) {
    RegChangeSettings(scope, {{section, key, [&value](const std::string&) { return value; }, ""}});
}

void IniSettingsStore::RegChangeSettings(const std::string& scope,
                                         const std::vector<common::SettingChange>& changes) {
    if (scope == "local64" || changes.empty()) {
        return;
    }
    const QString path = FilePath(scope);
    QStringList keys;
    for (const common::SettingChange& change : changes) {
        keys.append(SettingKey(change.section, change.key));
    }
    const QString what = keys.join(", ");
    if (!QDir().mkpath(folder_)) {
        ReportWriteFault(path, "could not be written (its folder cannot be made). " + what +
                                   " was not saved; the file stays as it was.");
        return;
    }
    const SettingsLock lock(path);
    Snapshot snapshot = Load(path);
    if (snapshot.unreadable) {
        // What the file holds is unknown, so it is not replaced.
        ReportWriteFault(path, "could not be written (" + snapshot.problem + "). " + what +
                                   " was not saved; the file stays as it was.");
        return;
    }
    for (const common::SettingChange& change : changes) {
        const QString key = SettingKey(change.section, change.key);
        const auto it = snapshot.values.constFind(key);
        const std::string stored =
            it == snapshot.values.cend() ? change.default_value : ValueText(*it).toStdString();
        const std::string value = change.change(stored);
        snapshot.values.insert(key, value.empty() ? QString(" ") : QString::fromStdString(value));
    }
    Store(path, snapshot, what);
}

// The new text is put together, parsed back and compared with the values meant before it
// replaces the old file through a save file, so the old file stays until a checked new one
// is complete.
void IniSettingsStore::Store(const QString& path, const Snapshot& snapshot, const QString& what) {
    const QString not_saved = " " + what + " was not saved; the file stays as it was.";
    const std::optional<QByteArray> text = IniText(snapshot.values, ScratchFolders());
    if (!text) {
        ReportWriteFault(path,
                         "could not be written (the new settings could not be put together "
                         "and checked; there is no room in \"" +
                             QDir::tempPath() + "\" nor in its own folder)." + not_saved);
        return;
    }
    QString copy;
    if (snapshot.damaged && !KeepDamagedCopy(path, snapshot.bytes, copy)) {
        ReportWriteFault(path,
                         "could not be written (its damaged contents could not be kept "
                         "aside)." +
                             not_saved);
        return;
    }
    QString problem;
    switch (ReplaceFile(path, *text, problem)) {
        case Replaced::kNo:
            ReportWriteFault(path, "could not be written (" + problem + ")." + not_saved);
            return;
        case Replaced::kUnchecked:
            ReportWriteFault(path,
                             "was written, but " + problem + "; " + what + " may not be saved.");
            return;
        case Replaced::kYes:
            break;
    }
    // A fault told before is told again when it comes back after this good write.
    for (auto it = reported_.begin(); it != reported_.end();) {
        it = it->startsWith(WriteTopic(path)) ? reported_.erase(it) : std::next(it);
    }
    if (snapshot.damaged) {
        Report("damaged:" + path + ":" + QString::number(qHash(snapshot.bytes)),
               "The settings file \"" + path + "\" was damaged and is written anew with the " +
                   "values that could be read; its old contents are kept in \"" + copy + "\".");
    }
}

// A damaged file is about to be replaced; what it held is kept beside it in one copy, which
// holds the latest damaged contents (the values that could be read go on in the new file).
bool IniSettingsStore::KeepDamagedCopy(const QString& path, const QByteArray& bytes,
                                       QString& copy) {
    copy = path + ".damaged";
    const std::optional<SettingsBytes> earlier = ReadSettingsBytes(copy);
    if (earlier && earlier->problem.isEmpty() && earlier->bytes == bytes) {
        return true;
    }
    if (QFileInfo(copy).isSymLink()) {
        // The copy is written where it stands, never through a link to somewhere else.
        QFile::remove(copy);
    }
    QString problem;
    return ReplaceFile(copy, bytes, problem) == Replaced::kYes;
}

void IniSettingsStore::ReportWriteFault(const QString& path, const QString& text) {
    // Told once while the same fault lasts, whichever value was being saved.
    const QString fault = text.section(')', 0, 0);
    Report(WriteTopic(path) + fault, "The settings file \"" + path + "\" " + text);
}

void IniSettingsStore::Report(const QString& topic, const QString& text) {
    if (dialogs_ == nullptr || reported_.contains(topic)) {
        return;
    }
    reported_.insert(topic);
    dialogs_->Message(text.toStdString(), "Fivrastar");
}

}  // namespace gui
