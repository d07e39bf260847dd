#include "BidTestSupport.h"

namespace {

using bidai_test::BidFixture;

constexpr int kSyd = 0;
constexpr int kVast = 1;

class BidDecisionTest : public BidFixture {
  protected:
    void SetUp() override {
        BidFixture::SetUp();
        round.attSaka = kSyd;
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
    EXPECT_EQ(d.bid, 9) << "klöver and hjärter both reach 9: klöver comes first";
    EXPECT_EQ(d.MinFarg, common::kKlover);
    EXPECT_FLOAT_EQ(d.ea, 3.0f);
    EXPECT_EQ(d.explanation, "Budet: 9 med EA: 3\r\nFarg: Klöver\r\n");
    EXPECT_TRUE(sink.Logged("Looking for cEA >= 2"));
    EXPECT_TRUE(sink.Logged("Color 3 Bid: 6 with EA 5"));
    EXPECT_TRUE(sink.Logged("Color 1 Bid: 0 with EA 0"));
    EXPECT_TRUE(sink.Logged("VAST BJUDER"));
    EXPECT_EQ(sink.traces, (std::vector<std::string>{"VAST ", "[Up]", "BidMode - EA: 2"}));
    EXPECT_EQ(round.Hand[kVast].GeBud(), 9);

    const auto low = Decide("RULE,EXECUTES,100,EA,1,END\n", kVast, 7);
    EXPECT_EQ(low.bid, 11) << "ruter reaches 11 with EA 1";
    EXPECT_EQ(low.MinFarg, common::kRuter);

    const auto none = Decide("RULE,EXECUTES,100,EA,4,END\n", kVast, 7);
    EXPECT_EQ(none.bid, 0) << "spader reaches EA 4 only at 6, below the auction";
    EXPECT_EQ(none.MinFarg, -1);
    EXPECT_EQ(none.explanation, "Budet: 0 med EA: 0\r\n");
}

TEST_F(BidDecisionTest, TheDealerBidsOneAboveTheAuction) {
    const auto rule_bid = Decide("RULE,EXECUTES,100,BID,12,END\n", kSyd, 9);
    EXPECT_EQ(rule_bid.bid, 10);
    EXPECT_TRUE(sink.Logged("Bid in valid range"));
    EXPECT_TRUE(sink.Logged("Jag ar sist och reviderar mitt ursprungliga bud: 10"));
    EXPECT_EQ(rule_bid.MinFarg, common::kRuter) << "best colour at 10";

    sink.logs.clear();
    const auto ea_bid = Decide("RULE,EXECUTES,100,EA,1,END\n", kSyd, 7);
    EXPECT_EQ(ea_bid.bid, 8);
    EXPECT_TRUE(sink.Logged("Jag ar sist och reviderar mitt ursprungliga bud: 11"));
    EXPECT_EQ(ea_bid.MinFarg, common::kRuter);
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
        EXPECT_EQ(d.bid, 6) << rules;
        EXPECT_EQ(d.MinFarg, common::kSpader) << rules << ": best colour at 6 is spader (EA 5)";
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
    WriteFile("FivraBidBase.txt", "KLARTX\n<2>\n" + bidai_test::RecordLine("[_J_10_]", 11, 1) +
                                      bidai_test::RecordLine("[_7_6_]", 6, 5) + "<3>\n" +
                                      bidai_test::RecordLine("[_A_K_Q_]", 9, 3));
    const auto ea = Decide("RULE,Name,Up,EXECUTES,100,EA,2,END\n", kVast, 7);
    EXPECT_EQ(dialogs.messages.size(), 2u) << "the key and its tag are told";
    EXPECT_TRUE(sink.Logged("BidMode - EA: 2"));
    EXPECT_TRUE(sink.Logged("Rule: [Up]"));
    EXPECT_EQ(ea.bid, 9);
    EXPECT_EQ(ea.MinFarg, common::kKlover);
    EXPECT_EQ(Decide("RULE,EXECUTES,100,BID,10,END\n", kVast, 7).MinFarg, common::kRuter);

    sink.logs.clear();
    const auto forced = Decide("RULE,EXECUTES,100,BID,PASS,END\n", kSyd, 5);
    EXPECT_TRUE(sink.Logged("BidMode - PASS"));
    EXPECT_EQ(forced.bid, 6);
    EXPECT_EQ(forced.MinFarg, common::kSpader) << "the best colour at 6, not the longest";
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
                  c.break_base ? "ENCODE\n"
                               : "KLARTX\n<1>\n" + bidai_test::RecordLine("[_A_]", 8, 1) +
                                     bidai_test::RecordLine("[_6_]", 8, 1) +
                                     bidai_test::RecordLine("[_2_]", 8, 1) + "<3>\n" +
                                     bidai_test::RecordLine("[_9_8_7_]", 8, 1));
        dialogs.messages.clear();
        for (const int biggest : {7, 5}) {
            const auto d = engine.bjud(Context(kSyd, biggest));
            ASSERT_EQ(dialogs.messages.size(), 1u) << c.what << ": told once, not at each bid";
            EXPECT_NE(dialogs.messages[0].find(folder), std::string::npos) << c.what;
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
    EXPECT_NE(dialogs.messages[0].find("it is missing"), std::string::npos) << dialogs.messages[0];

    EXPECT_EQ(Decide(rules, kVast, 7).bid, 9) << "the file came back";
    std::filesystem::remove(path);
    engine.bjud(Context(kVast, 7));
    EXPECT_EQ(dialogs.messages.size(), 2u) << "gone again: told again";

    // A rule file far beyond any real one is refused unread, with the file and the safe bid.
    WriteRules(rules + std::string(4u << 20, '#'));
    EXPECT_EQ(engine.bjud(Context(kVast, 7)).bid, 0);
    engine.bjud(Context(kVast, 7));
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_NE(dialogs.messages[2].find(path + ": the bid rules cannot be read (it is larger "
                                              "than 4 MB). The seat makes a safe bid."),
              std::string::npos)
        << dialogs.messages[2];

    WriteRules(rules);
    WriteFile("FivraBidBase.txt", "PLAINS\n");
    engine.bjud(Context(kVast, 7));
    engine.bjud(Context(kVast, 7));
    EXPECT_EQ(dialogs.messages.size(), 4u) << "a broken bid base is told once";
    WriteFile("FivraBidBase.txt", "PLAINZ\n");
    engine.bjud(Context(kVast, 7));
    EXPECT_EQ(dialogs.messages.size(), 5u) << "changed and still broken: told again";
}

// A rule's bid names the colour that is best at its level, klöver too.
TEST_F(BidDecisionTest, ARuleBidNamesTheColourBestAtItsLevelKloverIncluded) {
    EXPECT_EQ(Decide("RULE,EXECUTES,100,BID,9,END\n", kVast, 7).MinFarg, common::kKlover);
}

}  // namespace
