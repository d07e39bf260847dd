#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/Random.h"
#include "common/SettingsStore.h"
#include "presentation/Scoreboard.h"

// The small record that lets a game go on after the window was closed: kept in the user's
// settings at every round's start and end, offered at the next start, removed when the game is
// won. The round's deal itself is in the game log; the record only holds its fingerprint, so a
// log of another round is never taken for it.
namespace persistence {

struct ResumeRecord {
    int vi = 0;  // game totals before the round
    int de = 0;
    int dealer = 0;  // of the round to play
    bool hints = false;
    std::vector<presentation::RoundResult> rounds;  // the scoreboard, oldest first
    // The round to play was dealt and is in the game log: it starts again from the logged deck
    // whose order has this fingerprint. Empty: the round is dealt afresh.
    std::string deal;
    // Where the table's random source stood once that round was dealt: from there the round
    // draws what it drew before, so every computer seat decides again as it did.
    std::optional<common::RandomPosition> random;
    // The human's cards played in that round, by card number: the log names a card by its face,
    // which leaves the two fives of a colour apart only here.
    std::vector<int> played;

    bool operator==(const ResumeRecord&) const = default;
};

inline constexpr const char* kResumeScope = "user";
inline constexpr const char* kResumeSection = "Resume";
inline constexpr const char* kResumeKey = "Game";

// The record as one line of text, and back; a line that is no record gives what is wrong.
std::string FormatResumeRecord(const ResumeRecord& record);
std::variant<ResumeRecord, std::string> ParseResumeRecord(std::string_view text);

// A short fingerprint of a deck order (positions 1..52 of the order record).
std::string DeckFingerprint(const std::array<std::string, 53>& order);

// What the settings hold: nothing, a record, or a damaged record with what is wrong with it.
struct StoredResume {
    std::optional<ResumeRecord> record;
    std::string problem;
};
StoredResume LoadResumeRecord(common::SettingsStore& store);
// Written as one value, so the store's atomic write keeps the record whole.
void SaveResumeRecord(common::SettingsStore& store, const ResumeRecord& record);
void ClearResumeRecord(common::SettingsStore& store);

}  // namespace persistence
