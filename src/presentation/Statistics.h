#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "common/SettingsStore.h"

// The player's statistics, kept in the user's settings: the games each partnership has won,
// and what the finished games of the player's side came to. Each figure is a key of its own
// in the statistics section, so a new figure is one more key and old files read on.
namespace presentation {

enum class Team { Vi, De };

inline constexpr const char* kStatisticScope = "user";
inline constexpr const char* kStatisticSection = "Statistic";
// How many finished games the chart of final scores keeps.
inline constexpr std::size_t kLastGamesKept = 12;

// "TotalVi" or "TotalDe".
std::string GamesWonKey(Team team);

// The stored count; a missing value is 0, and so is a value that is no count (a blank, text,
// a negative number), so a damaged setting never shows or adds up to nonsense.
int ReadGamesWon(common::SettingsStore& store, Team team);

// Counts one more game won by the team, stores it and returns the new count.
int CountGameWon(common::SettingsStore& store, Team team);

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

// Everything the statistics window shows.
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

// Adds a finished game to the statistics; returns the winner's new count of games won.
int RecordGame(common::SettingsStore& store, const GameRecord& game);

// Every figure back to nothing: "0" for the counts, no games in the chart.
void ResetGamesWon(common::SettingsStore& store);

// The chart's list as stored ("62:40 55:63"), and read back; pairs that are no scores are
// left out.
std::string LastGamesText(const std::vector<std::pair<int, int>>& games);
std::vector<std::pair<int, int>> LastGamesFromText(const std::string& text);

}  // namespace presentation
