#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace gui {

// INI text is put together and parsed by QSettings, which only works on files, so every
// conversion goes through a private scratch file. QSettings keeps parsed files in a
// process-wide cache keyed by path that can miss a quick rewrite of the same size, so the
// player's own file is never opened through it.
//
// A scratch file is made in the first of `scratch_folders` that has room for it; every step
// (the folder, the write, the flush, the size on disk) is checked, because a full disk must
// never pass for an empty settings file.

struct ParsedIni {
    enum class Outcome { kParsed, kBadLines, kNoScratch };
    Outcome outcome = Outcome::kNoScratch;
    QMap<QString, QVariant> values;  // "section/key" to value; the good keys of a bad file
};

// Parses INI bytes. Lines QSettings cannot read are skipped and reported as kBadLines; the
// keys of the other lines are kept.
ParsedIni ParseIni(const QByteArray& bytes, const QStringList& scratch_folders);

// The INI text of a set of values, parsed back and found to hold exactly those values; tried
// in each scratch folder in turn. nullopt when none of them had room.
std::optional<QByteArray> IniText(const QMap<QString, QVariant>& values,
                                  const QStringList& scratch_folders);

// The text of a stored value: numbers (also those another tool stored as typed values) as
// decimal text, a comma-separated value as it was written.
QString ValueText(const QVariant& value);

// True when `parsed` holds exactly the keys of `meant`, each with the same text.
bool SameValues(const QMap<QString, QVariant>& parsed, const QMap<QString, QVariant>& meant);

}  // namespace gui
