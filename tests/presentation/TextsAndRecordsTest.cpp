// The texts the player reads and the records kept beside them: each language's column, seat
// names, the about box with its addresses and its reset of the statistics; the announcements with
// their filled-in words; the help of every button; the statistics' figures; and the resume
// record, whose damage is told, not taken.
#include <gtest/gtest.h>

#include <tuple>

#include "common/Names.h"
#include "common/ScriptedDialogs.h"
#include "persistence/ResumeRecord.h"
#include "persistence/Statistics.h"
#include "presentation/About.h"
#include "presentation/Announcements.h"
#include "presentation/Localisation.h"
#include "support/TempFolder.h"

namespace presentation {
namespace {

using namespace persistence;  // the kept records

// Addresses a build may be given; the texts name them.
const Addresses kExample{"https://fivrastar.example.com", "support@fivrastar.example.com"};

TEST(Localisation, EachLanguageTakesItsOwnColumn) {
    const Texts sv = LoadTexts(Language::Svenska, kExample);
    const Texts en = LoadTexts(Language::English, kExample);
    const struct {
        std::string Texts::*text;
        const char* svenska;
        const char* english;
    } columns[] = {
        {&Texts::quit_question, "Vill Du faktiskt sluta?", "Do you really want to quit?"},
        {&Texts::too_many_cards, "har mera än 6 kort", "has more than 6 cards"},
        {&Texts::not_in_play, "KORT INTE I SPEL", "CARDS NOT IN PLAY"},
        {&Texts::confirmation, "Är du saker?", "Are you sure?"},
        {&Texts::click_to_proceed, "Klick för att gå vidare...", "Click to proceed..."},
        {&Texts::replay, "Omspel ...", "Replay ..."},
        {&Texts::disabled, "inte aktiv", "Disabled"},
        {&Texts::news_line, "Kolla https://fivrastar.example.com för nyheter och uppdateringar.",
         "Like this game? Check https://fivrastar.example.com for updates and news."},
        {&Texts::about_title, "Om Fivrastar", "About Fivrastar"},
        {&Texts::about_information,
         "Understöd din egen sakanskola med en liten donation. Så många stackare har redan "
         "sakat ihjäl sig.\r\rFörbättringsförslag till support@fivrastar.example.com",
         "Contact:\rsupport@fivrastar.example.com\rfor support"},
        {&Texts::reset_caption, "Nolla statistiken", "Reset Statistics"},
        {&Texts::team_vi, "Vi", "We"},
        {&Texts::team_de, "De", "They"},
    };
    for (const auto& c : columns) {
        EXPECT_EQ(std::tuple(sv.*c.text, en.*c.text), std::tuple(c.svenska, c.english));
    }
    EXPECT_EQ(sv.about_rights, AboutRights(Language::Svenska));
    EXPECT_NE(sv.about_rights.find("MIT"), std::string::npos) << "the About box names the licence";
    EXPECT_NE(sv.about_rights.find("/LICENSE)"), std::string::npos) << "and says where it lies";
    EXPECT_NE(en.about_rights, sv.about_rights);
    EXPECT_FALSE(en.about_rights.empty());
}

TEST(Localisation, SeatNamesAndAboutBoxFollowTheLanguage) {
    EXPECT_EQ(
        std::tuple(SeatDisplayName(0, Language::Svenska), SeatDisplayName(0, Language::English),
                   SeatDisplayName(4, Language::English), SeatDisplayName(-1, Language::Svenska)),
        std::tuple("Du", "You", "", ""));
    for (int seat = 1; seat < 4; ++seat) {
        EXPECT_NE(SeatDisplayName(seat, Language::Svenska), "") << "seat " << seat;
        EXPECT_NE(SeatDisplayName(seat, Language::Svenska), SeatDisplayName(0, Language::Svenska));
    }

    const AboutContents about = AboutFormLoad(Language::English, kExample);
    EXPECT_EQ(
        std::tie(about.product_label, about.caption, about.reset_caption, about.mail_label,
                 about.web_label),
        std::make_tuple("Fivrastar 2.5", "About Fivrastar", "Reset Statistics",
                        "mailto: support@fivrastar.example.com", "https://fivrastar.example.com"));
}

TEST(Localisation, WithoutAddressesNothingNamesOrLinksAPlaceholder) {
    EXPECT_EQ(WindowTitle(kExample), "Fivrastar 2.5 --- https://fivrastar.example.com");
    const Addresses none;
    EXPECT_EQ(WindowTitle(none), "Fivrastar 2.5") << "the product label alone";
    for (const Language language : {Language::Svenska, Language::English}) {
        const Texts texts = LoadTexts(language, none);
        EXPECT_FALSE(texts.news_line.empty());
        EXPECT_EQ(texts.news_line.find("http"), std::string::npos) << texts.news_line;
        EXPECT_EQ(texts.news_line.find("  "), std::string::npos) << "no gap where a link was";
        EXPECT_EQ(texts.about_information.find('@'), std::string::npos);
        const AboutContents about = AboutFormLoad(language, none);
        EXPECT_TRUE(about.web_label.empty() && about.mail_label.empty())
            << "the About box hides the web and the mail link";
    }
}

TEST(Localisation, BuiltInSwedishUnlessChosenOtherwise) {
#ifndef FIVRA_TEST_EXPECT_ENGLISH
    EXPECT_EQ(BuildLanguage(), Language::Svenska);
#else
    EXPECT_EQ(BuildLanguage(), Language::English);
#endif
}

ResumeRecord TwoRoundsIn() {
    ResumeRecord record;
    record.vi = 14;
    record.de = -7;
    record.dealer = 2;
    record.hints = true;
    record.rounds = {RoundResult{8, 0, 8, 0}, RoundResult{14, -7, -7, 3}};
    record.deal = "0123456789abcdef";
    record.random = common::RandomPosition{0xfedcba9876543210ULL, 312};
    record.played = {17, 0, 51};
    return record;
}

TEST(ResumeRecord, DamagedRecordsAreToldNotTaken) {
    const std::string good = FormatResumeRecord(TwoRoundsIn());
    const auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    for (const std::string& damaged :
         {std::string("hello"), replaced("fivra-resume-1", "fivra-resume-9"),
          replaced("dealer:2", "dealer:4"), replaced("dealer:2", "dealer:two"),
          replaced(" hints:1", ""), replaced("vi:14", "vi:70"), replaced("vi:14", "vi:15"),
          replaced("round:8/0/8/0", "round:8/0/5/0"), replaced("deal:0123456789abcdef", "deal:xyz"),
          replaced("random:fedcba9876543210/312", "random:fedcba9876543210"),
          replaced("/312", "/-1"), replaced("played:17.0.51", "played:17.52"),
          good + " round:1/2/6/0", good + " colour:4"}) {
        const auto parsed = ParseResumeRecord(damaged);
        EXPECT_TRUE(std::holds_alternative<std::string>(parsed)) << damaged;
    }
    std::string twelve = "fivra-resume-1 vi:12 de:0 dealer:0 hints:0";
    for (int i = 0; i < 12; ++i) {
        twelve += " round:12/0/6/0";
    }
    EXPECT_TRUE(std::holds_alternative<std::string>(ParseResumeRecord(twelve)))
        << "the board keeps eleven rows";
}

TEST(Announcements, WordsInBracesAreFilledInAndOthersLeftAlone) {
    EXPECT_EQ(FillIn("{a} and {a}, {b}", {{"a", "x"}, {"b", "{a}"}}), "x and x, {a}");
    EXPECT_EQ(FillIn("{unknown}", {{"a", "x"}}), "{unknown}");
    for (const Language language : {Language::Svenska, Language::English}) {
        const Texts texts = LoadTexts(language);
        const Announcements say(texts, language);
        for (const std::string& line :
             {say.ForcedBid(1), say.AuctionWon(2, 9, 0), say.AuctionWon(3, 7, 8),
              say.DealerFills(0, 2), say.LaysDown(1), say.RoundResult(true, 8, 8),
              say.GameWon(false, 40, 62)}) {
            EXPECT_EQ(line.find('{'), std::string::npos) << line;
            EXPECT_EQ(line.find('\n'), std::string::npos) << "one line: " << line;
        }
        EXPECT_EQ(ColourInText(common::kRuter, language),
                  language == Language::Svenska ? "ruter" : "diamonds");
    }
}

TEST(Announcements, TheDealersFillAgreesWithThePlayerAndTheOthers) {
    const struct {
        Language language;
        int dealer;
        std::string_view says;
    } cases[] = {
        {Language::English, common::kSyd, "You (dealer) make up six cards with 2 "},
        {Language::English, common::kVast, " (dealer) makes up six cards with 2 "},
        {Language::Svenska, common::kSyd, "Du (giv) fyller upp till sex kort med 2 ur dina "},
        {Language::Svenska, common::kOst, " (giv) fyller upp till sex kort med 2 ur sina "}};
    for (const auto& c : cases) {
        const Texts texts = LoadTexts(c.language);
        const Announcements say(texts, c.language);
        EXPECT_NE(say.DealerFills(c.dealer, 2).find(c.says), std::string::npos)
            << say.DealerFills(c.dealer, 2);
    }
}

TEST(ControlHelp, EveryButtonOfTheTableIsExplainedInBothLanguages) {
    for (const char* control :
         {"Hand0",      "ImgSuggestUp", "ImgSuggestDn",  "ImgContUp", "ImgReplayUp", "ImgReloadUp",
          "ImgTraceUp", "ImgAboutUp",   "ImgExitUp",     "BtnHelp",   "ImgSettings", "BtnDebugMsg",
          "BtnPlaylog", "BtnLoadlog",   "PBBid0",        "PBBid9",    "ImgKlUp",     "ImgSpUp",
          "Scoreboard", "Bord3",        "PakkoImageXP2", "LblScore"}) {
        for (const Language language : {Language::Svenska, Language::English}) {
            const ControlHelp help = HelpForControl(control, language);
            EXPECT_FALSE(help.tooltip.empty()) << control;
            EXPECT_FALSE(help.name.empty()) << control;
        }
    }
    EXPECT_TRUE(HelpForControl("PBBid", Language::English).name == "Bid");
    EXPECT_TRUE(HelpForControl("PBBidX", Language::English).name.empty());
    EXPECT_TRUE(HelpForControl("Nothing", Language::Svenska).tooltip.empty());
}

TEST(Statistics, PointsGivenAwayAddUpPerReviewedRoundAndADamagedSumStartsAgain) {
    common::MemorySettingsStore store;
    EXPECT_EQ(ReadGivenAway(store).PerRound(), 0.0) << "no round reviewed yet";
    CountGivenAway(store, 1.25);
    CountGivenAway(store, 0.5);
    EXPECT_EQ(std::tuple(ReadGivenAway(store).rounds, ReadGivenAway(store).PerRound()),
              std::tuple(2, 0.875));
    for (const std::string stored : {"-3", "99999999999"}) {
        store.RegWriteSetting("user", "Statistic", "PointsGivenAway", stored);
        EXPECT_EQ(std::tuple(ReadGivenAway(store).rounds, ReadGivenAway(store).PerRound()),
                  std::tuple(0, 0.0))
            << "stored '" << stored << "'";
    }
}

TEST(Statistics, DamagedCountsStartAgainFromZeroAndADamagedListKeepsOnlyItsScores) {
    common::MemorySettingsStore store;
    for (const std::string stored : {"", "abc", "-4"}) {
        store.RegWriteSetting("user", "Statistic", "TotalDe", stored);
        EXPECT_EQ(ReadGamesWon(store, Team::De), 0) << "stored '" << stored << "'";
        EXPECT_EQ(CountGameWon(store, Team::De), 1) << "stored '" << stored << "'";
    }
    store.RegWriteSetting("user", "Statistic", "TotalDe", "99999999999");
    EXPECT_GT(CountGameWon(store, Team::De), 0) << "a huge count never wraps round";
    EXPECT_EQ(LastGamesFromText("62:40 x:3 :5 7: 1:2:3 -14:66 99999999:1 55:63"),
              (std::vector<std::pair<int, int>>{{62, 40}, {-14, 66}, {55, 63}}));
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
