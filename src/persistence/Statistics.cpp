#include "persistence/Statistics.h"

#include <algorithm>
#include <cmath>

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

void ResetGamesWon(common::SettingsStore& store) {
    for (const Team team : {Team::Vi, Team::De}) {
        store.RegWriteSetting(kStatisticScope, kStatisticSection, GamesWonKey(team), "0");
    }
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
