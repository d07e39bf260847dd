#include <gtest/gtest.h>

#include "common/Names.h"
#include "persistence/ResumeRecord.h"
#include "presentation/Announcements.h"

namespace presentation {
namespace {

// The kept records (statistics, resume record) are tested here beside the texts they use.
using namespace persistence;

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

}  // namespace
}  // namespace presentation
