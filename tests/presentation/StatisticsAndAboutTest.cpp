#include <gtest/gtest.h>

#include <tuple>

#include "common/ScriptedDialogs.h"
#include "persistence/Statistics.h"
#include "presentation/About.h"
#include "support/TempFolder.h"

namespace presentation {
namespace {

// The kept records (statistics, resume record) are tested here beside the texts they use.
using namespace persistence;

TEST(Statistics, PointsGivenAwayAddUpPerReviewedRoundAndADamagedSumStartsAgain) {
    common::MemorySettingsStore store;
    EXPECT_EQ(ReadGivenAway(store).PerRound(), 0.0) << "no round reviewed yet";
    CountGivenAway(store, 1.25);
    CountGivenAway(store, 0.5);
    EXPECT_EQ(ReadGivenAway(store).rounds, 2);
    EXPECT_DOUBLE_EQ(ReadGivenAway(store).PerRound(), 0.875);
    for (const std::string stored : {"-3", "99999999999"}) {
        store.RegWriteSetting("user", "Statistic", "PointsGivenAway", stored);
        EXPECT_EQ(ReadGivenAway(store).rounds, 0) << "stored '" << stored << "'";
        EXPECT_EQ(ReadGivenAway(store).PerRound(), 0.0) << "stored '" << stored << "'";
    }
}

TEST(Statistics, DamagedCountsStartAgainFromZero) {
    common::MemorySettingsStore store;
    for (const std::string stored : {"", "abc", "-4"}) {
        store.RegWriteSetting("user", "Statistic", "TotalDe", stored);
        EXPECT_EQ(ReadGamesWon(store, Team::De), 0) << "stored '" << stored << "'";
        EXPECT_EQ(CountGameWon(store, Team::De), 1) << "stored '" << stored << "'";
    }
    store.RegWriteSetting("user", "Statistic", "TotalDe", "99999999999");
    EXPECT_GT(CountGameWon(store, Team::De), 0) << "a huge count never wraps round";
}

TEST(Statistics, GamesAddUpWithStreaksAndTheLastScoresAndClearToNothing) {
    common::MemorySettingsStore store;
    store.RegWriteSetting("user", "Statistic", "TotalVi", "5");  // from before the figures
    // Won, won, lost, won: the longest streak is 2, the current one 1.
    for (const bool vi_won : {true, true, false, true}) {
        const int vi = vi_won ? 64 : 30;
        const int de = vi_won ? 20 : 62;
        RecordGame(store, GameRecord{vi_won, 6, 2, 1, vi, de, vi, de});
    }
    StatisticsSummary s = ReadStatistics(store);
    // Won and lost by Vi, won by De, played; rounds, bids made and failed; streaks.
    EXPECT_EQ(std::make_tuple(s.Won(Team::Vi), s.Lost(Team::Vi), s.Won(Team::De), s.GamesPlayed(),
                              s.rounds, s.bids_made, s.bids_failed, s.longest_streak, s.streak),
              std::make_tuple(8, 1, 1, 9, 24, 8, 4, 2, 1));
    EXPECT_DOUBLE_EQ(s.AveragePoints(Team::Vi), (64 * 3 + 30) / 24.0);
    EXPECT_EQ(LastGamesText(s.last_games), "64:20 64:20 30:62 64:20");
    for (int i = 0; i < 20; ++i) {
        RecordGame(store, GameRecord{false, 5, 0, 0, 10, 70, 10 + i, 70});
    }
    s = ReadStatistics(store);
    ASSERT_EQ(s.last_games.size(), kLastGamesKept) << "the chart keeps the latest games";
    EXPECT_EQ(s.last_games.back(), std::make_pair(29, 70));

    ResetGamesWon(store);
    s = ReadStatistics(store);
    EXPECT_EQ(s.GamesPlayed() + s.rounds + s.bids_made + s.longest_streak, 0);
    EXPECT_TRUE(s.last_games.empty());
    EXPECT_EQ(s.AveragePoints(Team::De), 0) << "no rounds, no division by zero";
}

TEST(Statistics, ADamagedListOfScoresKeepsOnlyWhatReadsAsScores) {
    EXPECT_EQ(LastGamesFromText("62:40 x:3 :5 7: 1:2:3 -14:66 99999999:1 55:63"),
              (std::vector<std::pair<int, int>>{{62, 40}, {-14, 66}, {55, 63}}));
}

TEST(AboutBox, ResetAskedAndAnsweredNoChangesNothing) {
    common::MemorySettingsStore store;
    store.RegWriteSetting("user", "Statistic", "TotalVi", "4");
    store.RegWriteSetting("user", "Statistic", "TotalDe", "7");
    common::Control vi;
    common::Control de;
    vi.Caption = "4";
    de.Caption = "7";
    const auto shown = [&] {
        return std::make_tuple(store.RegReadSetting("user", "Statistic", "TotalVi", "?"),
                               store.RegReadSetting("user", "Statistic", "TotalDe", "?"),
                               vi.Caption, de.Caption);
    };
    common::ScriptedDialogs dialogs;
    dialogs.yes_no_answers = {false};
    EXPECT_FALSE(ResetStatistics(store, dialogs, Language::Svenska, vi, de));
    EXPECT_EQ(shown(), std::make_tuple("4", "7", "4", "7"));

    dialogs.yes_no_answers = {true};
    EXPECT_TRUE(ResetStatistics(store, dialogs, Language::English, vi, de));
    EXPECT_EQ(shown(), std::make_tuple("0", "0", "0", "0"));
    EXPECT_EQ(dialogs.questions, (std::vector<std::string>{"Är du saker?", "Are you sure?"}));
}

const Addresses kExample{"https://fivrastar.example.com", "support@fivrastar.example.com"};

TEST(AboutBox, LinksAreUrlsADesktopHandlerOpens) {
    EXPECT_EQ(MailtoLink(kExample),
              "mailto:support@fivrastar.example.com?subject=Fivrastar%202.5"
              "&body=RE%3A%20Fivrastar%202.5");

    const test_support::TempFolder temp;
    const std::string folder_text = temp.Folder();
    EXPECT_EQ(WebLink(folder_text, kExample), "https://fivrastar.example.com/?p=230&u=1&t=1")
        << "no referral file: the fixed query";

    temp.Write("Referal.txt", "club nord\r\nspring&summer\r\n");
    EXPECT_EQ(WebLink(folder_text, kExample),
              "https://fivrastar.example.com/?p=230&u=club%20nord&t=spring%26summer");
    temp.Write("Referal.txt", "only one line\n");
    EXPECT_EQ(WebLink(temp.Path().string(), kExample),
              "https://fivrastar.example.com/?p=230&u=1&t=1");
    EXPECT_EQ(WebLink(test_support::DataDir(), kExample),
              "https://fivrastar.example.com/?p=230&u=fivrastar&t=game");
}

}  // namespace
}  // namespace presentation
