#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "common/Control.h"
#include "common/Dialogs.h"
#include "common/SettingsStore.h"
#include "presentation/Localisation.h"

// The player's statistics, kept in the user's settings: the games each partnership has won,
// what the finished games of the player's side came to, and the points given away by the
// expert's judgement. Each figure is a key of its own in the statistics section, so a new
// figure is one more key and older files read on.
namespace persistence {

enum class Team { Vi, De };

inline constexpr const char* kStatisticScope = "user";
inline constexpr const char* kStatisticSection = "Statistic";

// "TotalVi" or "TotalDe".
std::string GamesWonKey(Team team);

// The stored count; a missing value is 0, and so is a value that is no count (a blank, text,
// a negative number), so a damaged setting never shows or adds up to nonsense.
int ReadGamesWon(common::SettingsStore& store, Team team);

// Counts one more game won by the team, stores it and returns the new count; the changes
// `with` it (the game's cleared resume record) go in the same write, so a game is never
// counted without them, nor they made without the count.
int CountGameWon(common::SettingsStore& store, Team team,
                 std::vector<common::SettingChange> with = {});

// How many finished games the chart of final scores keeps.
inline constexpr std::size_t kLastGamesKept = 12;

// One finished game as the table tallied it.
struct GameRecord {
    bool vi_won = false;
    int rounds = 0;
    int bids_made = 0;    // rounds Vi bid and made
    int bids_failed = 0;  // rounds Vi bid and went down
    int points_vi = 0;    // the sum of Vi's round scores (a lost bid counts minus the bid)
    int points_de = 0;
    int final_vi = 0;
    int final_de = 0;
};

// Everything the statistics window shows of the games.
struct StatisticsSummary {
    std::array<int, 2> won{};  // by Team: Vi, De
    int rounds = 0;
    int bids_made = 0;
    int bids_failed = 0;
    long long points_vi = 0;
    long long points_de = 0;
    int streak = 0;  // games Vi has won in a row up to now
    int longest_streak = 0;
    std::vector<std::pair<int, int>> last_games;  // final scores Vi : De, oldest first

    int GamesPlayed() const { return won[0] + won[1]; }
    int Won(Team team) const { return won[team == Team::Vi ? 0 : 1]; }
    int Lost(Team team) const { return won[team == Team::Vi ? 1 : 0]; }
    // Points a round, 0 before the first round.
    double AveragePoints(Team team) const;
};

StatisticsSummary ReadStatistics(common::SettingsStore& store);

// Adds a finished game to the statistics, with the changes `with` it, all in one write;
// returns the winner's new count of games won.
int RecordGame(common::SettingsStore& store, const GameRecord& game,
               std::vector<common::SettingChange> with = {});

// Every figure back to nothing: "0" for the counts, no games in the chart, nothing given away.
void ResetGamesWon(common::SettingsStore& store);

// The chart's list as stored ("62:40 55:63"), and read back; pairs that are no scores are
// left out.
std::string LastGamesText(const std::vector<std::pair<int, int>>& games);
std::vector<std::pair<int, int>> LastGamesFromText(const std::string& text);

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

// Asks whether the statistics should be reset; on Yes every figure is cleared and both labels
// become "0". Returns whether they were reset.
bool ResetStatistics(common::SettingsStore& store, common::Dialogs& dialogs,
                     presentation::Language language, common::Control& LblStatisticVi,
                     common::Control& LblStatisticDe);

}  // namespace persistence
