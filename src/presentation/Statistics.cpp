#include "presentation/Statistics.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "common/NumberText.h"

namespace presentation {

namespace {

// Far above any real count, and far below the end of int, so counting on never overflows.
constexpr double kMaxCount = 999'999'999;

constexpr const char* kRounds = "Rounds";
constexpr const char* kBidsMade = "BidsMadeVi";
constexpr const char* kBidsFailed = "BidsFailedVi";
constexpr const char* kPointsVi = "PointsVi";
constexpr const char* kPointsDe = "PointsDe";
constexpr const char* kStreak = "StreakVi";
constexpr const char* kLongestStreak = "LongestStreakVi";
constexpr const char* kLastGames = "LastGames";

int CountFromText(const std::string& text) {
    const double value = common::LeadingNumber(text);
    if (!std::isfinite(value) || value < 0) {
        return 0;
    }
    return static_cast<int>(std::floor(std::min(value, kMaxCount)));
}

// Points may be below zero (lost bids); anything that is no number reads as 0.
long long PointsFromText(const std::string& text) {
    const double value = common::LeadingNumber(text);
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<long long>(std::clamp(value, -kMaxCount * 1000, kMaxCount * 1000));
}

std::string Read(common::SettingsStore& store, const char* key) {
    return store.RegReadSetting(kStatisticScope, kStatisticSection, key, "0");
}

void Write(common::SettingsStore& store, const char* key, long long value) {
    store.RegWriteSetting(kStatisticScope, kStatisticSection, key, std::to_string(value));
}

int AddCount(int count, int more) {
    return static_cast<int>(std::min<double>(static_cast<double>(count) + more, kMaxCount));
}

}  // namespace

std::string GamesWonKey(Team team) {
    return team == Team::Vi ? "TotalVi" : "TotalDe";
}

int ReadGamesWon(common::SettingsStore& store, Team team) {
    return CountFromText(
        store.RegReadSetting(kStatisticScope, kStatisticSection, GamesWonKey(team), "0"));
}

int CountGameWon(common::SettingsStore& store, Team team) {
    const int count = std::min(ReadGamesWon(store, team) + 1, static_cast<int>(kMaxCount));
    store.RegWriteSetting(kStatisticScope, kStatisticSection, GamesWonKey(team),
                          std::to_string(count));
    return count;
}

double StatisticsSummary::AveragePoints(Team team) const {
    if (rounds <= 0) {
        return 0;
    }
    return static_cast<double>(team == Team::Vi ? points_vi : points_de) / rounds;
}

StatisticsSummary ReadStatistics(common::SettingsStore& store) {
    StatisticsSummary s;
    s.won = {ReadGamesWon(store, Team::Vi), ReadGamesWon(store, Team::De)};
    s.rounds = CountFromText(Read(store, kRounds));
    s.bids_made = CountFromText(Read(store, kBidsMade));
    s.bids_failed = CountFromText(Read(store, kBidsFailed));
    s.points_vi = PointsFromText(Read(store, kPointsVi));
    s.points_de = PointsFromText(Read(store, kPointsDe));
    s.streak = CountFromText(Read(store, kStreak));
    s.longest_streak = std::max(s.streak, CountFromText(Read(store, kLongestStreak)));
    s.last_games =
        LastGamesFromText(store.RegReadSetting(kStatisticScope, kStatisticSection, kLastGames, ""));
    return s;
}

int RecordGame(common::SettingsStore& store, const GameRecord& game) {
    StatisticsSummary s = ReadStatistics(store);
    Write(store, kRounds, AddCount(s.rounds, game.rounds));
    Write(store, kBidsMade, AddCount(s.bids_made, game.bids_made));
    Write(store, kBidsFailed, AddCount(s.bids_failed, game.bids_failed));
    Write(store, kPointsVi, s.points_vi + game.points_vi);
    Write(store, kPointsDe, s.points_de + game.points_de);
    s.streak = game.vi_won ? AddCount(s.streak, 1) : 0;
    Write(store, kStreak, s.streak);
    Write(store, kLongestStreak, std::max(s.longest_streak, s.streak));
    s.last_games.emplace_back(game.final_vi, game.final_de);
    if (s.last_games.size() > kLastGamesKept) {
        s.last_games.erase(s.last_games.begin(),
                           s.last_games.end() - static_cast<std::ptrdiff_t>(kLastGamesKept));
    }
    store.RegWriteSetting(kStatisticScope, kStatisticSection, kLastGames,
                          LastGamesText(s.last_games));
    return CountGameWon(store, game.vi_won ? Team::Vi : Team::De);
}

void ResetGamesWon(common::SettingsStore& store) {
    for (const Team team : {Team::Vi, Team::De}) {
        store.RegWriteSetting(kStatisticScope, kStatisticSection, GamesWonKey(team), "0");
    }
    for (const char* key :
         {kRounds, kBidsMade, kBidsFailed, kPointsVi, kPointsDe, kStreak, kLongestStreak}) {
        Write(store, key, 0);
    }
    store.RegWriteSetting(kStatisticScope, kStatisticSection, kLastGames, "");
}

std::string LastGamesText(const std::vector<std::pair<int, int>>& games) {
    std::string text;
    for (const auto& [vi, de] : games) {
        text += (text.empty() ? "" : " ") + std::to_string(vi) + ":" + std::to_string(de);
    }
    return text;
}

std::vector<std::pair<int, int>> LastGamesFromText(const std::string& text) {
    std::vector<std::pair<int, int>> games;
    std::istringstream words(text);
    std::string word;
    while (words >> word && games.size() < kLastGamesKept) {
        const std::size_t colon = word.find(':');
        if (colon == std::string::npos || colon == 0 || colon + 1 == word.size()) {
            continue;
        }
        const std::string vi = word.substr(0, colon);
        const std::string de = word.substr(colon + 1);
        const auto is_score = [](const std::string& s) {
            return s.size() <= 6 &&
                   std::all_of(s.begin(), s.end(),
                               [](char c) { return (c >= '0' && c <= '9') || c == '-'; }) &&
                   s.find('-', 1) == std::string::npos && s != "-";
        };
        if (is_score(vi) && is_score(de)) {
            games.emplace_back(std::stoi(vi), std::stoi(de));
        }
    }
    return games;
}

}  // namespace presentation
