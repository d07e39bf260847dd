#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QVariant>

#include "common/Dialogs.h"
#include "common/SettingsStore.h"

namespace gui {

// Settings in INI files under the user's configuration folder: scope "user" in
// Kolmbra/Fivrastar.ini, scope "local" in Kolmbra/Fivrastar-local.ini (a user cannot write
// machine-wide); "local64" is read from the local file and never written.
//
// Every write replaces the whole file at once, so a crash never leaves half a file. A file
// that cannot be read or parsed reads as the defaults and stays as it is until the next
// write, which keeps a copy of it beside the new one. Problems are told once per file
// through the dialogs, when given.
class IniSettingsStore : public common::SettingsStore {
  public:
    explicit IniSettingsStore(common::Dialogs* dialogs = nullptr);
    explicit IniSettingsStore(QString folder, common::Dialogs* dialogs = nullptr);

    void RegWriteSetting(const std::string& scope, const std::string& section,
                         const std::string& key, const std::string& value) override;
    std::string RegReadSetting(const std::string& scope, const std::string& section,
                               const std::string& key, const std::string& default_value) override;

    // The file that holds a scope's settings.
    QString FilePath(const std::string& scope) const;

    // The folder the files are kept in by default.
    static QString DefaultFolder();

  private:
    struct Snapshot {
        bool damaged = false;     // exists but cannot be used
        bool unreadable = false;  // exists but its bytes cannot be read
        QString problem;
        QByteArray bytes;
        QMap<QString, QVariant> values;  // "section/key" to value
    };

    Snapshot Load(const QString& path) const;
    bool Store(const QString& path, const QMap<QString, QVariant>& values, QString& problem);
    bool KeepDamagedCopy(const QString& path, const QByteArray& bytes);
    void Report(const QString& text);

    QString folder_;
    common::Dialogs* dialogs_;
    QSet<QString> reported_;
};

}  // namespace gui
