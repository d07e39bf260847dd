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
// empty one. A file with lines that cannot be parsed gives the values of its other lines and
// stays as it is until the next write, which keeps a numbered copy of it beside the new one.
// A file that cannot be read at all reads as the defaults and is never replaced. Problems are
// told once each, naming the file, through the dialogs, when given.
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
        bool damaged = false;     // holds lines that cannot be parsed
        bool unreadable = false;  // exists but what it holds is unknown
        QString problem;
        QByteArray bytes;
        QMap<QString, QVariant> values;  // "section/key" to value
    };

    Snapshot Load(const QString& path) const;
    bool Store(const QString& path, const QMap<QString, QVariant>& values, QString& problem);
    bool KeepDamagedCopy(const QString& path, const QByteArray& bytes);
    QStringList ScratchFolders() const;
    void Report(const QString& text);

    QString folder_;
    common::Dialogs* dialogs_;
    QSet<QString> reported_;
};

}  // namespace gui
