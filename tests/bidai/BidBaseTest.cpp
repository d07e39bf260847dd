#include "BidTestSupport.h"

namespace {

using bidai_test::BidFixture;
using bidai_test::RecordLine;

constexpr int kVast = 1;

class ReadBidBaseTest : public BidFixture {
  protected:
    bool Read() { return engine.ReadBidBase(Context(kVast, 0), "FivraBidBase.txt"); }
};

TEST_F(ReadBidBaseTest, FillsTablesInTheFileOrderAndLogsThreeLinesAColour) {
    GiveUsualHand(kVast);
    // The spader key stands only in a later section than its own tag <2>.
    WriteFile("FivraBidBase.txt",
              "KLARTX\n<2>\n" + RecordLine("[_J_10_]", 8, 1) + RecordLine("[_9_8_]", 7, 2) +
                  "<3>\n" + RecordLine("[_A_K_Q_]", 9, 3) + "<4>\n" + RecordLine("[_7_6_]", 6, 4));
    ASSERT_TRUE(Read()) << (dialogs.messages.empty() ? "" : dialogs.messages.front());
    EXPECT_TRUE(dialogs.messages.empty());
    const bidai::BidTables& t = engine.Tables();
    for (int j = 0; j < 10; ++j) {
        EXPECT_FLOAT_EQ(t.EA[0][j], j + 5 <= 9 ? 3.0f : -10.0f) << "klöver EA at bid " << j + 5;
        EXPECT_FLOAT_EQ(t.EA[3][j], j + 5 <= 6 ? 4.0f : -10.0f) << "spader from the later section";
    }
    EXPECT_FLOAT_EQ(t.EA[0][10], -28.0f) << "bid 15 is never in the file";
    for (int j = 1; j <= 9; ++j) {
        EXPECT_FLOAT_EQ(t.P[2][j], (j + 5) / 100.0f)
            << "P fields come in the order 2,8,7,5,1,4,9,3,6";
    }
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(t.EaUH[1][k], 1.0f + k);
    }
    EXPECT_TRUE(sink.Logged("KLOVER  EA   \t[_A_K_Q_]\t3 3 3 3 3 -10 -10 -10 -10 -10 "));
    EXPECT_TRUE(
        sink.Logged("RUTER  P(x) \t[_J_10_]\t0.06 0.07 0.08 0.09 0.1 0.11 0.12 0.13 0.14 "));
    EXPECT_TRUE(sink.Logged("SPADER  EaUH \t[_7_6_]\t4 5 6 7 "));
    EXPECT_EQ(sink.logs.size(), 12u);
}

TEST_F(ReadBidBaseTest, TheFivrasCountForBothColoursOfTheirPair) {
    Give(kVast, {{"5", 4}, {"5", 2}, {"A", 4}});
    WriteFile("FivraBidBase.txt", "KLARTX\n<0>\n" + RecordLine("[_]", 5, 0) + "<2>\n" +
                                      RecordLine("[_V_v_]", 8, 1) + "<3>\n" +
                                      RecordLine("[_A_V_v_]", 9, 2));
    ASSERT_TRUE(Read()) << (dialogs.messages.empty() ? "" : dialogs.messages.front());
    EXPECT_FLOAT_EQ(engine.Tables().EA[1][3], 1.0f) << "ruter: its five is V, the hjärter five v";
    EXPECT_FLOAT_EQ(engine.Tables().EA[2][4], 2.0f) << "hjärter: A, V, v";
    EXPECT_EQ(deck.Card(19).Rang, 5) << "the deck is left with spader as trump";
    EXPECT_EQ(deck.Card(18).Rang, 4);
}

TEST_F(ReadBidBaseTest, AMissingKeyIsReportedAndLeavesOnlyThatColourUnvalued) {
    GiveUsualHand(kVast);
    engine.Tables().P[2][3] = 0.5f;  // left over from an earlier decision
    engine.Tables().EaUH[2][1] = 4.0f;
    WriteFile("FivraBidBase.txt", "KLARTX\n<2>\n" + RecordLine("[_J_10_]", 8, 1) +
                                      RecordLine("[_7_6_]", 7, 2) + "<3>\n" +
                                      RecordLine("[_A_K_Q_]", 9, 3));
    EXPECT_TRUE(Read()) << "a missing key does not make the bid base unusable";
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{
                  "Please check log - Didn't find key: [_9_8_] in the file: FivraBidBase.txt",
                  "Rollto: <2>"}));
    for (int j = 0; j < 11; ++j) {
        EXPECT_FLOAT_EQ(engine.Tables().EA[2][j], -28.0f);
    }
    EXPECT_FLOAT_EQ(engine.Tables().P[2][3], 0.5f) << "P of the colour keeps what it held";
    EXPECT_FLOAT_EQ(engine.Tables().EaUH[2][1], 4.0f) << "so does EaUH";
    EXPECT_FLOAT_EQ(engine.Tables().EA[3][2], 2.0f) << "the other colours are still valued";
    EXPECT_EQ(sink.logs.size(), 12u);
}

TEST_F(ReadBidBaseTest, AValueFieldWithoutANumberReadsAsZeroWithALogLine) {
    GiveUsualHand(kVast);
    std::string klover = RecordLine("[_A_K_Q_]", 9, 3);
    klover.replace(klover.find(",3.000000"), 9, ",abc");  // EA at bid 5
    klover.replace(klover.rfind(",5.000000"), 9, ",");    // EaUH 2, an empty field
    WriteFile("FivraBidBase.txt", "KLARTX\n<2>\n" + RecordLine("[_J_10_]", 8, 1) +
                                      RecordLine("[_9_8_]", 7, 2) + RecordLine("[_7_6_]", 7, 2) +
                                      "<3>\n" + klover);
    EXPECT_TRUE(Read());
    EXPECT_TRUE(dialogs.messages.empty()) << "the valuation goes on without a message box";
    EXPECT_FLOAT_EQ(engine.Tables().EA[0][0], 0.0f);
    EXPECT_FLOAT_EQ(engine.Tables().EA[0][1], 3.0f);
    EXPECT_FLOAT_EQ(engine.Tables().EaUH[0][2], 0.0f);
    EXPECT_FLOAT_EQ(engine.Tables().EaUH[0][3], 6.0f);
    const std::string place = folder + "FivraBidBase.txt, line 7: ";
    EXPECT_TRUE(sink.Logged(place + "field 1 of the key [_A_K_Q_] holds no number (\"abc\") "
                                    "and reads as 0"));
    EXPECT_TRUE(
        sink.Logged(place + "field 24 of the key [_A_K_Q_] holds no number (\"\") and reads as 0"));
    EXPECT_EQ(sink.logs.size(), 14u) << "three lines a colour and one a tolerated field";
}

TEST_F(ReadBidBaseTest, ABrokenFileGivesOneMessageAndEmptyTables) {
    GiveUsualHand(kVast);
    const std::string good =
        RecordLine("[_J_10_]", 8, 1) + RecordLine("[_9_8_]", 7, 2) + RecordLine("[_7_6_]", 7, 2);
    struct Case {
        const char* what;
        std::optional<std::string> file;
        const char* problem;
    };
    const std::vector<Case> cases = {
        {"no file", std::nullopt, "cannot be read"},
        {"no marker", "PLAINS\n<2>\n" + good, "does not begin with KLARTX"},
        {"a record cut short", "KLARTX\n<2>\n" + good + "<3>\n[_A_K_Q_],1,2,3\n",
         "ends before its 25 numbers"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder + "FivraBidBase.txt");
        if (c.file) {
            WriteFile("FivraBidBase.txt", *c.file);
        }
        dialogs.messages.clear();
        engine.Tables().P[0][1] = 0.7f;
        engine.Tables().EA[1][1] = 5.0f;
        EXPECT_FALSE(Read()) << c.what;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.what;
        EXPECT_NE(dialogs.messages[0].find(folder + "FivraBidBase.txt"), std::string::npos)
            << c.what << ": " << dialogs.messages[0];
        EXPECT_NE(dialogs.messages[0].find(c.problem), std::string::npos)
            << c.what << ": " << dialogs.messages[0];
        EXPECT_FLOAT_EQ(engine.Tables().P[0][1], 0.0f) << c.what;
        EXPECT_FLOAT_EQ(engine.Tables().EA[1][1], -28.0f) << c.what;
    }
}

}  // namespace
