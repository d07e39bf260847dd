#pragma once

#include <string>
#include <vector>

#include "common/SettingsStore.h"
#include "gui/settings/DeckLook.h"
#include "presentation/Localisation.h"

namespace gui {

// How fast the table's timers run: a factor on every interval. Normal is the table's own
// timing.
enum class GameSpeed { Slow = 0, Normal = 1, Fast = 2, VeryFast = 3 };
inline constexpr int kGameSpeeds = 4;

// The factor on every timer interval of the table: above 1 slower, below 1 faster.
double TimerFactor(GameSpeed speed);

// How well the computer seats play: Beginner the simple player, Normal the rule files,
// Expert the search player.
enum class Level { Beginner = 0, Normal = 1, Expert = 2 };
inline constexpr int kLevels = 3;

// Where the suggestion and its hint come from.
enum class HintSource { RuleFiles = 0, Expert = 1 };

// The player's choices, kept in the user's settings file beside the statistics.
struct Preferences {
    GameSpeed speed = GameSpeed::Normal;
    presentation::Language language = presentation::BuildLanguage();  // from the next start
    DeckLook deck;
    bool hints_at_start = false;
    Level opponents = Level::Normal;  // from the next round
    Level partner = Level::Normal;
    HintSource hints_from = HintSource::RuleFiles;
    bool operator==(const Preferences&) const = default;
};

struct LoadedPreferences {
    Preferences preferences;
    // Stored values that could not be used; their defaults apply.
    std::vector<std::string> problems;
};

LoadedPreferences LoadPreferences(common::SettingsStore& settings);
void SavePreferences(common::SettingsStore& settings, const Preferences& preferences);

}  // namespace gui
