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
