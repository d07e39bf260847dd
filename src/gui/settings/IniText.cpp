#include "gui/settings/IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace gui {

namespace {

constexpr char kScratchName[] = "settings.ini";

// Writes bytes to a new file and checks that they all reached the disk: QFile buffers, so a
// full disk shows only at the flush, and a short file only in its size.
bool WriteChecked(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        return false;
    }
    file.close();
    return file.error() == QFileDevice::NoError && QFileInfo(path).size() == bytes.size();
}

// A private folder in the first scratch folder where `bytes` could be written as the
// scratch file; null when none could.
std::unique_ptr<QTemporaryDir> ScratchWith(const QByteArray& bytes, const QStringList& folders) {
    for (const QString& folder : folders) {
        auto dir = std::make_unique<QTemporaryDir>(QDir(folder).filePath("fivrastar-XXXXXX"));
        if (dir->isValid() && WriteChecked(dir->filePath(kScratchName), bytes)) {
            return dir;
        }
    }
    return nullptr;
}

// The bytes of a file, or nullopt when it cannot be read whole.
std::optional<QByteArray> ReadChecked(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

// The INI text QSettings writes for `values` in a private folder under `folder`. QSettings
// may report success on a disk too full for its lock file and the text, so the caller checks
// what comes back.
std::optional<QByteArray> IniTextIn(const QString& folder, const QMap<QString, QVariant>& values) {
    const std::unique_ptr<QTemporaryDir> dir = ScratchWith(QByteArray(), {folder});
    if (!dir) {
        return std::nullopt;
    }
    const QString path = dir->filePath(kScratchName);
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
    return ReadChecked(path);
}

}  // namespace

ParsedIni ParseIni(const QByteArray& bytes, const QStringList& scratch_folders) {
    ParsedIni parsed;
    const std::unique_ptr<QTemporaryDir> dir = ScratchWith(bytes, scratch_folders);
    if (!dir) {
        return parsed;
    }
    const QSettings settings(dir->filePath(kScratchName), QSettings::IniFormat);
    // The file is parsed on first access; only then does the status tell. QSettings reads on
    // past a line it cannot use, so the keys it did read are good.
    const QStringList keys = settings.allKeys();
    parsed.outcome = settings.status() == QSettings::NoError ? ParsedIni::Outcome::kParsed
                                                             : ParsedIni::Outcome::kBadLines;
    for (const QString& key : keys) {
        parsed.values.insert(key, settings.value(key));
    }
    return parsed;
}

std::optional<QByteArray> IniText(const QMap<QString, QVariant>& values,
                                  const QStringList& scratch_folders) {
    for (const QString& folder : scratch_folders) {
        const std::optional<QByteArray> text = IniTextIn(folder, values);
        if (!text) {
            continue;
        }
        const ParsedIni check = ParseIni(*text, scratch_folders);
        if (check.outcome == ParsedIni::Outcome::kParsed && SameValues(check.values, values)) {
            return text;
        }
    }
    return std::nullopt;
}

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

bool SameValues(const QMap<QString, QVariant>& parsed, const QMap<QString, QVariant>& meant) {
    if (parsed.keys() != meant.keys()) {
        return false;
    }
    for (auto it = meant.cbegin(); it != meant.cend(); ++it) {
        if (ValueText(parsed.value(it.key())) != ValueText(it.value())) {
            return false;
        }
    }
    return true;
}

}  // namespace gui
