#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "common/Dialogs.h"
#include "common/SettingsStore.h"

namespace gui {

// Settings in INI files under the user's configuration folder: scope "user" in
// Kolmbra/Fivrastar.ini, scope "local" in Kolmbra/Fivrastar-local.ini (a user cannot write
// machine-wide); "local64" is read from the local file and never written.
//
// Every write replaces the whole file at once, and only with text that was parsed back and
// found to hold the values meant, so neither a crash nor a full disk leaves half a file or an
// empty one: when the new file cannot be written whole, the old one stays. A file with lines
// that cannot be parsed, or keys that cannot be written back, gives the values of its other
// lines and stays as it is until the next write, which keeps one copy of it
// (Fivrastar.ini.damaged) beside the new one. A file that cannot be read at all (not a plain
// file, over the size cap, unreadable) reads as the defaults and is never replaced. A write
// reads, changes and writes the file under a lock file, so a second copy of the game never
// writes over its change. Problems are told once each, naming the file, through the dialogs,
// when given.
class IniSettingsStore : public common::SettingsStore {
  public:
    explicit IniSettingsStore(common::Dialogs* dialogs = nullptr);
    explicit IniSettingsStore(QString folder, common::Dialogs* dialogs = nullptr);

    void RegWriteSetting(const std::string& scope, const std::string& section,
                         const std::string& key, const std::string& value) override;
    std::string RegReadSetting(const std::string& scope, const std::string& section,
                               const std::string& key, const std::string& default_value) override;
    void RegChangeSettings(const std::string& scope,
                           const std::vector<common::SettingChange>& changes) override;

    // The file that holds a scope's settings.
    QString FilePath(const std::string& scope) const;

    // The folder the files are kept in by default.
    static QString DefaultFolder();

  private:
    struct Snapshot {
        bool damaged = false;     // holds lines that cannot be parsed or kept
        bool unreadable = false;  // exists but what it holds is unknown
        QString problem;
        QByteArray bytes;
        QMap<QString, QVariant> values;  // "section/key" to value
    };

    Snapshot Load(const QString& path) const;
    void Store(const QString& path, const Snapshot& snapshot, const QString& what);
    bool KeepDamagedCopy(const QString& path, const QByteArray& bytes, QString& copy);
    QStringList ScratchFolders() const;
    void ReportWriteFault(const QString& path, const QString& text);
    void Report(const QString& topic, const QString& text);

    QString folder_;
    common::Dialogs* dialogs_;
    QSet<QString> reported_;
};

}  // namespace gui
