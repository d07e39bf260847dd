// The bid rule files: what their items read, how a run ends, and the bid the seat then makes.
#include "BidTestSupport.h"

#include <clocale>
#include <string>
#include <tuple>

namespace {

using bidai_test::BidFixture;
using bidai_test::RecordLine;
using testing::HasSubstr;

constexpr int kSyd = 0;
constexpr int kVast = 1;

class BidRulesTest : public BidFixture {
  protected:
    // Runs a rule file for `seat` (dealer SYD unless changed) with the highest bid `highest`.
    std::string Run(const std::string& rules, int seat = kVast, int highest = 0) {
        WriteRules(rules);
        return engine.RunBidRules(Context(seat, highest), folder + "FivraBidRulesAI.txt");
    }
    // What a run said, with the bid it made ("BID 9", "PASS 0").
    std::string Said(const std::string& rules, int seat = kVast, int highest = 0) {
        const std::string outcome = Run(rules, seat, highest);
        return outcome + " " + std::to_string(engine.LastRun().Bid);
    }
    // The value a rule loads into d1, read back through the EA threshold.
    float Loaded(const std::string& item, int seat = kVast, int highest = 0) {
        const std::string outcome =
            Run("RULE\n" + item + "\nEXECUTES\n100,EA,d1\nEND\n", seat, highest);
        EXPECT_EQ(outcome, "EA") << item;
        return engine.LastRun().threshold;
    }
};

TEST_F(BidRulesTest, NoRuleOrNoChanceTakenEndsInAPass) {
    EXPECT_EQ(Run("Version,2\nRULE,d1,:=,BidNext,d1,>,6,EXECUTES,100,BID,9,END\n"), "PASS");
    const auto& run = engine.LastRun();
    EXPECT_EQ(std::tuple(run.Bid, run.threshold, run.fired_rule), std::tuple(0, 1.0f, ""));

    EXPECT_EQ(Said("Set,Never,0\nRULE\nName,Missed\nEXECUTES\n0,BID,9\nNever,EA,2\n"
                   "0,Random,1,2\nEND\nRULE\nEXECUTES\n100,BID,10\nEND\n"),
              "PASS 0")
        << "a rule whose alternatives all miss ends the run";
}

TEST_F(BidRulesTest, AnInvalidBidTriesTheNextRule) {
    const std::string rules =
        "RULE,Name,Eight,EXECUTES,100,BID,8,END\n"
        "RULE,Name,Fifteen,EXECUTES,100,BID,15,END\n"
        "RULE,EXECUTES,100,BID,d3,END\n"  // d3 is 0: no bid
        "RULE,Name,Nine,EXECUTES,100,bid,9,END\n";
    EXPECT_EQ(Said(rules, kVast, 8), "BID 9");
    EXPECT_EQ(engine.LastRun().fired_rule, "[Nine]");

    EXPECT_EQ(
        Run("RULE,Name,High,EXECUTES,100,BID,14,END\nRULE,EXECUTES,100,BID,PASS,END\n", kVast, 5),
        "BID");
}

TEST_F(BidRulesTest, AssigningZeroFailsTheRule) {
    EXPECT_EQ(Said("RULE,Name,Zero,d1,:=,0,EXECUTES,100,BID,9,END\n"
                   "RULE,Name,Other,d1,:=,BidPartner,EXECUTES,100,BID,7,END\n"),
              "BID 7")
        << "a variable whose value is 0 loads fine";
    EXPECT_EQ(engine.LastRun().fired_rule, "[Other]");
}

// Under a Turkish locale the C library's upper case of 'i' is no 'I'.
TEST_F(BidRulesTest, KeywordsReadTheSameUnderATurkishLocale) {
    const std::string before = std::setlocale(LC_CTYPE, nullptr);
    if (std::setlocale(LC_CTYPE, "tr_TR.ISO-8859-9") == nullptr &&
        std::setlocale(LC_CTYPE, "tr_TR") == nullptr) {
        GTEST_SKIP() << "no Turkish locale here";
    }
    const std::string said = Said("RULE,EXECUTES,100,bid,14,END\n", kVast, 14);
    std::setlocale(LC_CTYPE, before.c_str());
    EXPECT_EQ(said, "BID 14");
}

TEST_F(BidRulesTest, RoleInRoundFollowsTheBiddingOrder) {
    const std::string rules = "RULE,RoleInRound,LEAD,A_BLOCK,!,EXECUTES,100,BID,7,END\n";
    EXPECT_EQ(Run(rules, 1), "BID") << "VAST bids first";
    EXPECT_EQ(Run(rules, 2), "BID") << "NORD bids second";
    EXPECT_EQ(Run(rules, 3), "PASS") << "OST is RESPONSE";
    EXPECT_EQ(Run(rules, 0), "PASS") << "the dealer is B_BLOCK";
    EXPECT_EQ(Run("RULE,RoleInRound,B_BLOCK,!,EXECUTES,100,BID,7,END\n", 0), "BID");
}

TEST_F(BidRulesTest, VariablesDescribeTheAuctionFromTheSeat) {
    round.gbVi = 30;
    round.gbDe = 42;
    round.Hand[1].PutBud(8);  // NORD's right-hand seat, who bids just before it
    round.Hand[0].PutBud(0);  // NORD's partner passed
    round.Hand[3].PutBud(7);
    const int nord = 2;
    EXPECT_FLOAT_EQ(Loaded("d1,:=,Ledning", nord, 8), -12.0f);
    EXPECT_FLOAT_EQ(Loaded("d1,:=,BidRight", nord, 8), 8.0f);
    EXPECT_FLOAT_EQ(Loaded("d1,:=,BidNext", nord, 8), 9.0f);
    EXPECT_FLOAT_EQ(Loaded("d1,:=,BidNext", nord, 14), 14.0f);
    EXPECT_FLOAT_EQ(Loaded("d1,:=,BidNext", nord, 0), 6.0f);
    EXPECT_FLOAT_EQ(Loaded("d2,:=,DE\nd1,:=,-d2", kVast), -30.0f) << "VAST's side is De";
    EXPECT_FLOAT_EQ(Loaded("d2,:=,VI\nd1,:-,d2,+,2.5"), 44.5f);
    // ":=" reads the first row of a name, a chance the last.
    EXPECT_FLOAT_EQ(Loaded("d1,:=,BidPartner", nord, 8), 0.0f);
    EXPECT_EQ(Run("RULE,d1,:=,Twice,EXECUTES,100,BID,9,END\n"), "PASS")
        << "a name that is no variable fails the rule";
    EXPECT_EQ(Said("Set,Twice,3\nSet,Twice,0\nRULE,d1,:=,Twice,d1,=,3,EXECUTES,Twice,BID,9,"
                   "100,BID,10,END\n"),
              "BID 10");
}

TEST_F(BidRulesTest, ValueFunctionsReadTheValuation) {
    bidai::BidTables& t = engine.Tables();
    for (int c = 0; c < 4; ++c) {
        t.EA[c].fill(-28.0f);
        t.P[c].fill(0.0f);
        t.EaUH[c] = {10.0f + c, 20.0f + c, 30.0f - c, 300.0f};
    }
    t.EA[1][1] = 2.5f;
    t.EA[3][1] = -300.0f;
    t.EA[2][4] = 6.0f;
    t.P[3][4] = 0.75f;
    EXPECT_FLOAT_EQ(Loaded("d1,EABestColor,4"), 2.5f) << "levels below 6 are raised to 6";
    EXPECT_FLOAT_EQ(Loaded("d2,:=,8.6\nd1,EABestColor,d2"), -28.0f) << "a register's integer part";
    EXPECT_FLOAT_EQ(Loaded("d1,EABestColor,8.6"), 6.0f) << "a number is rounded";
    EXPECT_FLOAT_EQ(Loaded("d1,PLevel,9"), 0.75f);
    EXPECT_FLOAT_EQ(Loaded("d1,PLevel,15"), 0.0f);
    EXPECT_FLOAT_EQ(Loaded("d1,EAuHWorstColor"), 27.0f)
        << "nobody above 5: the partner's column, smallest value";
    round.Hand[0].PutBud(9);
    round.Hand[2].PutBud(9);
    EXPECT_FLOAT_EQ(Loaded("d1,EAuHWorstColor", kVast, 9), 20.0f)
        << "the last seat with the highest bid (NORD) leads: VAST's left-hand column";
    round.Hand[2].PutBud(0);
    EXPECT_FLOAT_EQ(Loaded("d1,EAuHWorstColor", kVast, 9), -28.0f)
        << "SYD leads: the right-hand column holds nothing below 200";
}

TEST_F(BidRulesTest, ToleratedFieldsLetTheRuleGoOnWithALogLineEach) {
    const std::string file = folder + "FivraBidRulesAI.txt";
    // An operator a register item does not know does nothing: "5" is the next item, ignored.
    EXPECT_EQ(Said("RULE\nd1,>=,5\nd1,=,0\nEXECUTES\n100,BID,9\nEND\n"), "BID 9");
    EXPECT_TRUE(sink.Logged(file + ", line 2: unknown operator \">=\" after d1 does nothing"));

    // A field with no leading number reads as 0, in a test, a load and an action.
    EXPECT_EQ(Run("RULE\nd1,=,many\nEXECUTES\n100,BID,9\nEND\n"), "BID");
    EXPECT_TRUE(sink.Logged(file + ", line 2: \"many\" holds no number and reads as 0"));
    EXPECT_FLOAT_EQ(Loaded("d2,:=,5\nd1,:-,d2,+,lots"), 5.0f);
    EXPECT_EQ(Run("RULE\nEXECUTES\n100,EA,high\nEND\n"), "EA");
    EXPECT_FLOAT_EQ(engine.LastRun().threshold, 0.0f);
    const float drawn = Loaded("d1,Random,low,4");
    EXPECT_GE(drawn, 0.0f);
    EXPECT_LT(drawn, 4.0f);
    EXPECT_TRUE(dialogs.messages.empty()) << "a rule author reads these in the game log";

    // ":-" with an operator it does not support: the message, and the register takes dJ.
    sink.logs.clear();
    EXPECT_FLOAT_EQ(Loaded("d2,:=,7\nd1,:-,d2,*,3"), 7.0f);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"This operator: * is not supported by :-"});
    EXPECT_TRUE(sink.Logged(file + ", line 3: This operator: * is not supported by :-"));
    EXPECT_EQ(sink.logs.size(), 1u);
}

TEST_F(BidRulesTest, ProblemsInTheFileEndTheRunWithOneError) {
    struct Case {
        const char* what;
        std::string rules;
        const char* problem;
    };
    std::string many_sets;
    for (int i = 0; i < 14; ++i) {
        many_sets += "Set,V" + std::to_string(i) + ",1\n";
    }
    const std::vector<Case> cases = {
        {"Set beyond row 20", many_sets + "RULE,EXECUTES,100,BID,9,END\n",
         "\"Set V13\" goes beyond row 20"},
        {"EABestColor above 15", "RULE\nd1,EABestColor,16\nEXECUTES\n100,BID,9\nEND\n",
         "bid level 16 is beyond the bounds of EABestColor"},
        {"PLevel below 5", "RULE\nd1,PLevel,4\nEXECUTES\n100,BID,9\nEND\n",
         "bid level 4 is beyond the bounds of PLevel"},
        {"no register", "RULE\ndx,>,1\nEXECUTES\n100,BID,9\nEND\n", "\"dx\" names no register"},
        {"open role list", "RULE\nRoleInRound,LEAD\n", "has no closing \"!\""},
        {"a line after a quoted line end", "Set,V,\"a\nb\"\nRULE\ndx,>,1\n",
         "line 4: \"dx\" names no register"},
        {"an unclosed quote", "RULE\nd1,\"x\nEXECUTES\n100,BID,9\nEND\n",
         "line 2: a quote opened here is never closed"},
    };
    for (const Case& c : cases) {
        dialogs.messages.clear();
        EXPECT_EQ(Run(c.rules), "ERROR") << c.what;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.what;
        EXPECT_THAT(dialogs.messages[0], HasSubstr(folder + "FivraBidRulesAI.txt")) << c.what;
        EXPECT_THAT(dialogs.messages[0], HasSubstr(c.problem)) << c.what;
    }
}

class BidDecisionTest : public BidFixture {
  protected:
    void SetUp() override {
        BidFixture::SetUp();
        GiveUsualHand(kVast);
        GiveUsualHand(kSyd);
        // klöver reaches 9 (EA 3), ruter 11 (EA 1), hjärter 9 (EA 3), spader 6 (EA 5).
        WriteUsualBase({9, 11, 9, 6}, {3, 1, 3, 5});
    }
    bidai::BidDecision Decide(const std::string& rules, int seat, int biggest) {
        WriteRules(rules);
        return engine.bjud(Context(seat, biggest));
    }
};

TEST_F(BidDecisionTest, EaThresholdPicksTheHighestReachableLevel) {
    const auto d = Decide("RULE,Name,Up,EXECUTES,100,EA,2,END\n", kVast, 7);
    EXPECT_EQ(std::tuple(d.bid, d.MinFarg, d.explanation, d.ea),
              std::tuple(9, common::kKlover, "Budet: 9 med EA: 3\r\nFarg: Klöver\r\n", 3.0f))
        << "klöver and hjärter both reach 9: klöver comes first";
    for (const char* line : {"Looking for cEA >= 2", "Color 3 Bid: 6 with EA 5",
                             "Color 1 Bid: 0 with EA 0", "VAST BJUDER"}) {
        EXPECT_TRUE(sink.Logged(line)) << line;
    }
    EXPECT_EQ(sink.traces, (std::vector<std::string>{"VAST ", "[Up]", "BidMode - EA: 2"}));
    EXPECT_EQ(round.Hand[kVast].GeBud(), 9);

    const auto low = Decide("RULE,EXECUTES,100,EA,1,END\n", kVast, 7);
    EXPECT_EQ(std::pair(low.bid, low.MinFarg), std::pair(11, common::kRuter))
        << "ruter reaches 11 with EA 1";

    const auto none = Decide("RULE,EXECUTES,100,EA,4,END\n", kVast, 7);
    EXPECT_EQ(std::tuple(none.bid, none.MinFarg, none.explanation),
              std::tuple(0, -1, "Budet: 0 med EA: 0\r\n"))
        << "spader reaches EA 4 only at 6, below the auction";
}

TEST_F(BidDecisionTest, ARuleBidNamesTheColourBestAtItsLevelAndTheDealerBidsOneAbove) {
    const auto rule_bid = Decide("RULE,EXECUTES,100,BID,12,END\n", kSyd, 9);
    EXPECT_EQ(std::pair(rule_bid.bid, rule_bid.MinFarg), std::pair(10, common::kRuter))
        << "ruter is the best colour at 10";
    EXPECT_TRUE(sink.Logged("Bid in valid range"));
    EXPECT_TRUE(sink.Logged("Jag ar sist och reviderar mitt ursprungliga bud: 10"));

    sink.logs.clear();
    const auto ea_bid = Decide("RULE,EXECUTES,100,EA,1,END\n", kSyd, 7);
    EXPECT_EQ(std::pair(ea_bid.bid, ea_bid.MinFarg), std::pair(8, common::kRuter));
    EXPECT_TRUE(sink.Logged("Jag ar sist och reviderar mitt ursprungliga bud: 11"));
    EXPECT_EQ(Decide("RULE,EXECUTES,100,BID,9,END\n", kVast, 7).MinFarg, common::kKlover)
        << "klöver and hjärter are both best at 9: klöver comes first";
}

TEST_F(BidDecisionTest, FourteenMayBeBidOverFourteen) {
    const std::string rules = "RULE,EXECUTES,100,BID,14,END\n";
    EXPECT_EQ(Decide(rules, kVast, 14).bid, 14);
    sink.logs.clear();
    EXPECT_EQ(Decide(rules, kSyd, 14).bid, 14) << "the dealer's 15 is capped";
    EXPECT_TRUE(sink.Logged("Jag ar sist och reviderar mitt ursprungliga bud: 15"));
    EXPECT_EQ(Decide("RULE,EXECUTES,100,BID,9,END\n", kVast, 9).bid, 0) << "an equal bid is no bid";
}

TEST_F(BidDecisionTest, TheForcedDealerAlwaysBidsSix) {
    for (const std::string rules :
         {"RULE,EXECUTES,100,BID,PASS,END\n", "RULE,EXECUTES,100,EA,100,END\n",
          "RULE,EXECUTES,100,EA,-50,END\n", "RULE,EXECUTES,100,BID,11,END\n", "STOP\n"}) {
        sink.logs.clear();
        const auto d = Decide(rules, kSyd, 5);
        EXPECT_EQ(std::pair(d.bid, d.MinFarg), std::pair(6, common::kSpader))
            << rules << ": best colour at 6 is spader (EA 5)";
        const bool ea = rules.find("EA") != std::string::npos;
        EXPECT_EQ(sink.Logged("Pakkobud"), !ea && rules.find("BID,11") == std::string::npos)
            << rules;
        if (ea) {
            EXPECT_FLOAT_EQ(d.ea, 5.0f) << rules;
        }
    }
}

TEST_F(BidDecisionTest, AMissingKeyLeavesTheRulesToDecideOverTheOtherColours) {
    // Without hjärter's key [_9_8_]; klöver (three cards) is the longest colour, spader the best
    // at 6.
    WriteUsualBase({9, 11, 0, 6}, {3, 1, 0, 5});
    const auto ea = Decide("RULE,Name,Up,EXECUTES,100,EA,2,END\n", kVast, 7);
    EXPECT_EQ(dialogs.messages.size(), 2u) << "the key and its tag are told";
    EXPECT_TRUE(sink.Logged("BidMode - EA: 2") && sink.Logged("Rule: [Up]"));
    EXPECT_EQ(std::pair(ea.bid, ea.MinFarg), std::pair(9, common::kKlover));
    EXPECT_EQ(Decide("RULE,EXECUTES,100,BID,10,END\n", kVast, 7).MinFarg, common::kRuter);

    sink.logs.clear();
    const auto forced = Decide("RULE,EXECUTES,100,BID,PASS,END\n", kSyd, 5);
    EXPECT_TRUE(sink.Logged("BidMode - PASS"));
    EXPECT_EQ(std::pair(forced.bid, forced.MinFarg), std::pair(6, common::kSpader))
        << "the best colour at 6, not the longest";
}

TEST_F(BidDecisionTest, BadFilesGiveOneMessageAndASafeBid) {
    struct Case {
        const char* what;
        const char* rules;  // nullptr: no rule file
        bool break_base;
    };
    const std::vector<Case> cases = {
        {"no rule file", nullptr, false},
        {"bad rule file", "RULE,d1,EABestColor,20,EXECUTES,100,BID,9,END\n", false},
        {"bid base without marker", "RULE,EXECUTES,100,BID,9,END\n", true},
    };
    // SYD holds most cards in hjärter.
    round.Hand[kSyd].ClearHand();
    Give(kSyd, {{"A", 1}, {"9", 4}, {"8", 4}, {"7", 4}, {"6", 2}, {"2", 8}});
    for (const Case& c : cases) {
        std::filesystem::remove(folder + "FivraBidRulesAI.txt");
        if (c.rules != nullptr) {
            WriteRules(c.rules);
        }
        WriteFile("FivraBidBase.txt",
                  c.break_base
                      ? "ENCODE\n"
                      : "KLARTX\n<1>\n" + RecordLine("[_A_]", 8, 1) + RecordLine("[_6_]", 8, 1) +
                            RecordLine("[_2_]", 8, 1) + "<3>\n" + RecordLine("[_9_8_7_]", 8, 1));
        dialogs.messages.clear();
        for (const int biggest : {7, 5}) {
            const auto d = engine.bjud(Context(kSyd, biggest));
            ASSERT_EQ(dialogs.messages.size(), 1u) << c.what << ": told once, not at each bid";
            EXPECT_THAT(dialogs.messages[0], HasSubstr(folder)) << c.what;
            EXPECT_EQ(d.bid, biggest == 5 ? 6 : 0) << c.what;
            EXPECT_EQ(d.MinFarg, biggest == 5 ? common::kHjarter : -1) << c.what;
        }
    }
}

TEST_F(BidDecisionTest, AMissingOrHugeFileIsToldAgainOnlyWhenItChangesOrCameBack) {
    const std::string rules = "RULE,EXECUTES,100,BID,9,END\n";
    const std::string path = folder + "FivraBidRulesAI.txt";
    std::filesystem::remove(path);
    for (int i = 0; i < 8; ++i) {
        engine.bjud(Context(kVast, 7));
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_THAT(dialogs.messages[0], HasSubstr("it is missing"));

    EXPECT_EQ(Decide(rules, kVast, 7).bid, 9) << "the file came back";
    std::filesystem::remove(path);
    engine.bjud(Context(kVast, 7));
    EXPECT_EQ(dialogs.messages.size(), 2u) << "gone again: told again";

    // A rule file far beyond any real one is refused unread, with the file and the safe bid.
    WriteRules(rules + std::string(4u << 20, '#'));
    EXPECT_EQ(engine.bjud(Context(kVast, 7)).bid, 0);
    engine.bjud(Context(kVast, 7));
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_THAT(dialogs.messages[2],
                HasSubstr(path + ": the bid rules cannot be read (it is "
                                 "larger than 4 MB). The seat makes a safe bid."));

    WriteRules(rules);
    WriteFile("FivraBidBase.txt", "PLAINS\n");
    engine.bjud(Context(kVast, 7));
    engine.bjud(Context(kVast, 7));
    EXPECT_EQ(dialogs.messages.size(), 4u) << "a broken bid base is told once";
    WriteFile("FivraBidBase.txt", "PLAINZ\n");
    engine.bjud(Context(kVast, 7));
    EXPECT_EQ(dialogs.messages.size(), 5u) << "changed and still broken: told again";
}

}  // namespace
