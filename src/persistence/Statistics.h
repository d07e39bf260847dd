#pragma once

#include <string>

#include "common/Control.h"
#include "common/Dialogs.h"
#include "common/SettingsStore.h"
#include "presentation/Localisation.h"

// The number of games each partnership has won, kept in the user's settings.
namespace persistence {

enum class Team { Vi, De };

inline constexpr const char* kStatisticScope = "user";
inline constexpr const char* kStatisticSection = "Statistic";

// "TotalVi" or "TotalDe".
std::string GamesWonKey(Team team);

// The stored count; a missing value is 0, and so is a value that is no count (a blank, text,
// a negative number), so a damaged setting never shows or adds up to nonsense.
int ReadGamesWon(common::SettingsStore& store, Team team);

// Counts one more game won by the team, stores it and returns the new count.
int CountGameWon(common::SettingsStore& store, Team team);

// Stores "0" for both partnerships.
void ResetGamesWon(common::SettingsStore& store);

// The points the player gave away by the expert's judgement, over the rounds reviewed.
struct GivenAway {
    int rounds = 0;
    double points = 0;
    double PerRound() const { return rounds > 0 ? points / rounds : 0.0; }
};

// The stored sums; missing or damaged values count as none.
GivenAway ReadGivenAway(common::SettingsStore& store);
// Adds one reviewed round that gave away `points`.
void CountGivenAway(common::SettingsStore& store, double points);

// Asks whether the statistics should be reset; on Yes both counts and both labels become
// "0". Returns whether they were reset.
bool ResetStatistics(common::SettingsStore& store, common::Dialogs& dialogs,
                     presentation::Language language, common::Control& LblStatisticVi,
                     common::Control& LblStatisticDe);

}  // namespace persistence
