#include "persistence/Statistics.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>

#include "common/NumberText.h"

namespace persistence {

namespace {

// Far above any real count, and far below the end of int, so counting on never overflows.
constexpr double kMaxCount = 999'999'999;

int CountFromText(const std::string& text) {
    const double value = common::LeadingNumber(text);
    if (!std::isfinite(value) || value < 0) {
        return 0;
    }
    return static_cast<int>(std::floor(std::min(value, kMaxCount)));
}

constexpr const char* kReviewedRoundsKey = "ReviewedRounds";
constexpr const char* kGivenAwayKey = "PointsGivenAway";

// The finished games' figures.
constexpr const char* kRounds = "Rounds";
constexpr const char* kBidsMade = "BidsMadeVi";
constexpr const char* kBidsFailed = "BidsFailedVi";
constexpr const char* kPointsVi = "PointsVi";
constexpr const char* kPointsDe = "PointsDe";
constexpr const char* kStreak = "StreakVi";
constexpr const char* kLongestStreak = "LongestStreakVi";
constexpr const char* kLastGames = "LastGames";

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

int AddCount(int count, int more) {
    return static_cast<int>(std::min<double>(static_cast<double>(count) + more, kMaxCount));
}

// A change that adds to a stored count.
common::SettingChange AddToCount(const char* key, int more) {
    return {kStatisticSection, key,
            [more](const std::string& stored) {
                return std::to_string(AddCount(CountFromText(stored), more));
            },
            "0"};
}

common::SettingChange AddToPoints(const char* key, int more) {
    return {
        kStatisticSection, key,
        [more](const std::string& stored) { return std::to_string(PointsFromText(stored) + more); },
        "0"};
}

}  // namespace

std::string GamesWonKey(Team team) {
    return team == Team::Vi ? "TotalVi" : "TotalDe";
}

int ReadGamesWon(common::SettingsStore& store, Team team) {
    return CountFromText(
        store.RegReadSetting(kStatisticScope, kStatisticSection, GamesWonKey(team), "0"));
}

int CountGameWon(common::SettingsStore& store, Team team, std::vector<common::SettingChange> with) {
    // The count is made from the value read in the same write, so a game another copy of the
    // game counted in between is kept; should the write fail, the count shown still goes on.
    int count = std::min(ReadGamesWon(store, team) + 1, static_cast<int>(kMaxCount));
    with.push_back({kStatisticSection, GamesWonKey(team),
                    [&count](const std::string& stored) {
                        count = std::min(CountFromText(stored) + 1, static_cast<int>(kMaxCount));
                        return std::to_string(count);
                    },
                    "0"});
    store.RegChangeSettings(kStatisticScope, with);
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

int RecordGame(common::SettingsStore& store, const GameRecord& game,
               std::vector<common::SettingChange> with) {
    with.push_back(AddToCount(kRounds, game.rounds));
    with.push_back(AddToCount(kBidsMade, game.bids_made));
    with.push_back(AddToCount(kBidsFailed, game.bids_failed));
    with.push_back(AddToPoints(kPointsVi, game.points_vi));
    with.push_back(AddToPoints(kPointsDe, game.points_de));
    // The longest streak is made after the streak, from the streak just made.
    auto streak = std::make_shared<int>(0);
    with.push_back({kStatisticSection, kStreak,
                    [streak, won = game.vi_won](const std::string& stored) {
                        *streak = won ? AddCount(CountFromText(stored), 1) : 0;
                        return std::to_string(*streak);
                    },
                    "0"});
    with.push_back({kStatisticSection, kLongestStreak,
                    [streak](const std::string& stored) {
                        return std::to_string(std::max(CountFromText(stored), *streak));
                    },
                    "0"});
    with.push_back(
        {kStatisticSection, kLastGames,
         [final_score = std::pair(game.final_vi, game.final_de)](const std::string& stored) {
             std::vector<std::pair<int, int>> games = LastGamesFromText(stored);
             games.push_back(final_score);
             if (games.size() > kLastGamesKept) {
                 games.erase(games.begin(),
                             games.end() - static_cast<std::ptrdiff_t>(kLastGamesKept));
             }
             return LastGamesText(games);
         },
         ""});
    return CountGameWon(store, game.vi_won ? Team::Vi : Team::De, std::move(with));
}

void ResetGamesWon(common::SettingsStore& store) {
    const auto to = [](const char* key, const char* value) {
        return common::SettingChange{kStatisticSection, key,
                                     [value](const std::string&) { return std::string(value); },
                                     value};
    };
    std::vector<common::SettingChange> cleared;
    for (const Team team : {Team::Vi, Team::De}) {
        cleared.push_back({kStatisticSection, GamesWonKey(team),
                           [](const std::string&) { return std::string("0"); }, "0"});
    }
    for (const char* key : {kRounds, kBidsMade, kBidsFailed, kPointsVi, kPointsDe, kStreak,
                            kLongestStreak, kReviewedRoundsKey, kGivenAwayKey}) {
        cleared.push_back(to(key, "0"));
    }
    cleared.push_back(to(kLastGames, ""));
    store.RegChangeSettings(kStatisticScope, cleared);
}

std::string LastGamesText(const std::vector<std::pair<int, int>>& games) {
    std::string text;
    for (const auto& [vi, de] : games) {
        text += (text.empty() ? "" : " ") + std::to_string(vi) + ":" + std::to_string(de);
    }
    return text;
}

namespace {

// A final score as stored: an optional minus and at most five digits.
bool IsScore(const std::string& text) {
    const std::size_t digits = text.size() - (text.starts_with('-') ? 1 : 0);
    return digits >= 1 && digits <= 5 &&
           std::all_of(text.end() - static_cast<std::ptrdiff_t>(digits), text.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::vector<std::pair<int, int>> LastGamesFromText(const std::string& text) {
    std::vector<std::pair<int, int>> games;
    std::istringstream words(text);
    std::string word;
    while (words >> word && games.size() < kLastGamesKept) {
        const std::size_t colon = word.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        const std::string vi = word.substr(0, colon);
        const std::string de = word.substr(colon + 1);
        if (IsScore(vi) && IsScore(de)) {
            games.emplace_back(std::stoi(vi), std::stoi(de));
        }
    }
    return games;
}

GivenAway ReadGivenAway(common::SettingsStore& store) {
    GivenAway given;
    given.rounds = CountFromText(
        store.RegReadSetting(kStatisticScope, kStatisticSection, kReviewedRoundsKey, "0"));
    const double points = common::LeadingNumber(
        store.RegReadSetting(kStatisticScope, kStatisticSection, kGivenAwayKey, "0"));
    // Points given away are never negative; a damaged sum starts again with its rounds.
    if (!std::isfinite(points) || points < 0 || points > kMaxCount) {
        return GivenAway{};
    }
    given.points = given.rounds > 0 ? points : 0.0;
    return given;
}

void CountGivenAway(common::SettingsStore& store, double points) {
    GivenAway given = ReadGivenAway(store);
    given.rounds = std::min(given.rounds + 1, static_cast<int>(kMaxCount));
    given.points += std::max(points, 0.0);
    store.RegWriteSetting(kStatisticScope, kStatisticSection, kReviewedRoundsKey,
                          std::to_string(given.rounds));
    store.RegWriteSetting(kStatisticScope, kStatisticSection, kGivenAwayKey,
                          common::FixedText(given.points, 2));
}

bool ResetStatistics(common::SettingsStore& store, common::Dialogs& dialogs,
                     presentation::Language language, common::Control& LblStatisticVi,
                     common::Control& LblStatisticDe) {
    const presentation::Texts texts = presentation::LoadTexts(language);
    if (!dialogs.AskYesNo(texts.confirmation, texts.reset_caption)) {
        return false;
    }
    ResetGamesWon(store);
    LblStatisticVi.Caption = "0";
    LblStatisticDe.Caption = "0";
    return true;
}

}  // namespace persistence
