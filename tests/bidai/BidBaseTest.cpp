// The bid base: the key a holding is looked up by, the record found under it, a key in the
// shipped base for every holding, and the base read into the tables a bid is valued by.
#include <array>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "BidTestSupport.h"
#include "bidai/BidBaseRecord.h"
#include "bidai/HoldingKey.h"
#include "common/FieldReader.h"

namespace {

using bidai::BidLookup;
using enum bidai::BidLookup::Status;
using bidai_test::BidFixture;
using bidai_test::RecordLine;
using testing::HasSubstr;

// The search in the file's bytes must find what the field-by-field walk finds, number for
// number, or fail the same way.
void ExpectSameAsWalk(std::string_view text, std::string_view tag, std::string_view key,
                      const std::string& what) {
    const auto found = [](const BidLookup& l) {
        return std::make_tuple(l.status, l.record.ea, l.record.p, l.record.eauh, l.line, l.problem);
    };
    EXPECT_EQ(found(bidai::FindBidRecord(text, tag, key)),
              found(bidai::FindBidRecordByFields(text, tag, key)))
        << what;
}

TEST(BidBaseLookup, WholeFieldsOnlyAndThePlacesTheWalkReaches) {
    const std::string a = RecordLine("[_A_]", 8, 1);
    const std::string ak = RecordLine("[_A_K_]", 9, 2);
    // Each text is searched for the key [_A_] under the tag <1>.
    struct Case {
        const char* what;
        std::string text;
        BidLookup::Status status;
    };
    const std::vector<Case> cases = {
        {"a key only in a later section", "KLARTX\n<1>\n" + ak + "<2>\n" + a, kFound},
        {"a key before its tag is not seen", "KLARTX\n" + a + "<1>\n" + ak, kNotFound},
        {"a key that starts another key", "KLARTX\n<1>\n[_A_]_K," + ak.substr(8) + a, kFound},
        {"a key that is the end of another key", "KLARTX\n<1>\nX[_A_]," + ak.substr(8) + a, kFound},
        {"a tag that is part of a field", "KLARTX\n<1>x\n" + ak + "<1>\n" + a, kFound},
        {"a key at the very end", "KLARTX\n<1>\n" + ak + a.substr(0, a.size() - 1), kFound},
        {"a key as the file's last field", "KLARTX\n<1>\n" + ak + "[_A_]", kBadField},
        {"a key cut short by the end", "KLARTX\n<1>\n" + ak + "[_A_],1,2", kBadField},
        {"CRLF and blanks around fields",
         "  KLARTX \r\n\r\n <1>\t\r\n" + ak +
             " \t[_A_] \r,  1 ,2,3,4,5,6,7,8,9,10 ,x,1,2,3,4,5,6,7,"
             "8,9,y,1,2,3,4\r\n",
         kFound},
        {"a blank line between key and numbers", "KLARTX\n<1>\n[_A_],\n\n" + ak.substr(8), kFound},
        {"a field that is no number", "KLARTX\n<1>\n\n[_A_],1,2,abc\n", kBadField},
        {"quoted fields", "KLARTX\n<1>\n\"x,[_A_],y\"," + ak + "\"[_A_]\"" + a.substr(5), kFound},
        {"an unclosed quote swallows the key", "KLARTX\n<1>\n\"open\n" + a, kBadField},
        {"no tag", "KLARTX\n<2>\n" + a, kNotFound},
        {"the marker is not a tag", "<1>\n" + a, kNotFound},
    };
    for (const Case& c : cases) {
        ExpectSameAsWalk(c.text, "<1>", "[_A_]", c.what);
        EXPECT_EQ(bidai::FindBidRecord(c.text, "<1>", "[_A_]").status, c.status) << c.what;
    }
    const BidLookup later = bidai::FindBidRecord(cases[0].text, "<1>", "[_A_]");
    EXPECT_FLOAT_EQ(later.record.ea[0], 1.0f) << "the values of the later section's record";
    const BidLookup crlf = bidai::FindBidRecord(cases[8].text, "<1>", "[_A_]");
    EXPECT_FLOAT_EQ(crlf.record.ea[0], 1.0f);
    EXPECT_FLOAT_EQ(crlf.record.eauh[3], 4.0f);
}

TEST(BidRecord, AQuoteThatNeverClosesIsReportedWhereItOpens) {
    const BidLookup lookup =
        bidai::FindBidRecord("KLARTX\n<1>\n[_A_],1,\n\"2,3\n4\n", "<1>", "[_A_]");
    EXPECT_EQ(std::tuple(lookup.status, lookup.line,
                         lookup.problem.find("never closed") != std::string::npos),
              std::tuple(kBadField, 4, true))
        << lookup.problem;
}

struct KeyCase {
    std::vector<int> ranks;  // rank values in hand order
    const char* key;
    const char* log_key;  // nullptr: the key itself
    const char* tag;
    const char* what;
};

TEST(HoldingKey, CapsCollapsesMiddleCardsAndTagsInAnyHandOrder) {
    const std::vector<KeyCase> cases = {
        {{}, "[_]", nullptr, "<0>", "empty colour"},
        {{14, 13, 12, 11, 10, 9, 8, 7, 1}, "[_A_K_Q_J_10_2_]", nullptr, "<6>", "nine drop 7 8 9"},
        {{14, 9, 2, 1}, "[_A_M_3_2_]", nullptr, "<4>", "one middle card, the 3 kept"},
        {{13, 8, 6, 3, 2}, "[_K_]", "[_K_M_M_M_M_]", "<5_4>", "five: 4 and 3 are middle"},
        {{1, 5, 9, 13, 14}, "[_A_K_M_V_2_]", nullptr, "<5>", "five with one middle card"},
        {{5, 4, 1, 10, 11, 2, 3}, "[_J_10_M_V_v_2_]", nullptr, "<6>", "seven drop the 3 first"},
        {{9, 8, 7, 6, 3, 2}, "[_]", "[_M_M_M_M_M_M_]", "<6_6>", "six low cards are middle"},
        {{9, 3, 2}, "[_9_4_3_]", nullptr, "<3>", "three low cards"},
        {{14, 9, 6, 5}, "[_A_V_]", "[_A_M_M_V_]", "<4_2>", "two middle cards in four"},
    };
    for (const KeyCase& c : cases) {
        const bidai::HoldingKey holding = bidai::MakeHoldingKey(c.ranks);
        EXPECT_EQ(holding.key, c.key) << c.what;
        EXPECT_EQ(holding.log_key, c.log_key != nullptr ? c.log_key : c.key) << c.what;
        EXPECT_EQ(holding.tag, c.tag) << c.what;
        EXPECT_TRUE(holding.unknown_ranks.empty()) << c.what;
    }
    EXPECT_EQ(bidai::MakeHoldingKey({1, 14, 5}).key, bidai::MakeHoldingKey({5, 1, 14}).key);
    const bidai::HoldingKey odd = bidai::MakeHoldingKey({14, 15, -1});
    EXPECT_EQ(odd.unknown_ranks, (std::vector<int>{15, -1}));
    EXPECT_EQ(odd.key, "[_A_]") << "ranks outside 1..14 have no letter";
}

// The shipped base: every holding of up to nine trumps has a key in its own section, and the
// search in the file's bytes reads every key as the walk reads it, also from each earlier tag,
// as a holding whose key stands only in a later section is searched for.
TEST(BidDataFiles, EveryHoldingHasAKeyInItsSectionThatReadsAsTheWalkReadsIt) {
    const auto text = common::ReadWholeFile(test_support::DataDir() + "/FivraBidBase.txt");
    ASSERT_TRUE(text) << "data/FivraBidBase.txt";
    std::map<std::string, std::set<std::string>> sections;
    common::FieldReader reader(*text);
    ASSERT_EQ(reader.Next(), "KLARTX");
    std::string tag;
    while (reader.HasMore()) {
        const std::string_view field = reader.Next();
        if (field.starts_with("<")) {
            tag = field;
        } else if (field.starts_with("[")) {
            sections[tag].emplace(field);
            ExpectSameAsWalk(*text, tag, field, tag + " " + std::string(field));
            ASSERT_EQ(bidai::FindBidRecord(*text, tag, field).status, kFound);
            ExpectSameAsWalk(*text, "<0>", field, "<0> " + std::string(field));
        }
    }
    for (unsigned mask = 0; mask < (1u << 14); ++mask) {
        std::vector<int> ranks;
        for (int r = 1; r <= 14; ++r) {
            if ((mask & (1u << (r - 1))) != 0) {
                ranks.push_back(r);
            }
        }
        if (ranks.size() > 9) {
            continue;
        }
        const bidai::HoldingKey holding = bidai::MakeHoldingKey(ranks);
        ASSERT_TRUE(sections[holding.tag].contains(holding.key))
            << holding.tag << " " << holding.key << " (mask " << mask << ")";
    }
}

constexpr int kVast = 1;

using ReadBidBaseTest = BidFixture;

TEST_F(ReadBidBaseTest, FillsTablesInTheFileOrderAndLogsThreeLinesAColour) {
    GiveUsualHand(kVast);
    // The spader key stands only in a later section than its own tag <2>.
    WriteFile("FivraBidBase.txt",
              "KLARTX\n<2>\n" + RecordLine("[_J_10_]", 8, 1) + RecordLine("[_9_8_]", 7, 2) +
                  "<3>\n" + RecordLine("[_A_K_Q_]", 9, 3) + "<4>\n" + RecordLine("[_7_6_]", 6, 4));
    ASSERT_TRUE(ReadBase()) << (dialogs.messages.empty() ? "" : dialogs.messages.front());
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
    EXPECT_EQ(t.EaUH[1], (std::array<float, 4>{1, 2, 3, 4}));
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
    ASSERT_TRUE(ReadBase()) << (dialogs.messages.empty() ? "" : dialogs.messages.front());
    EXPECT_FLOAT_EQ(engine.Tables().EA[1][3], 1.0f) << "ruter: its five is V, the hjärter five v";
    EXPECT_FLOAT_EQ(engine.Tables().EA[2][4], 2.0f) << "hjärter: A, V, v";
    EXPECT_EQ(std::pair(deck.Card(19).Rang, deck.Card(18).Rang), std::pair(5, 4))
        << "the deck is left with spader as trump";
}

TEST_F(ReadBidBaseTest, AMissingKeyIsReportedAndLeavesOnlyThatColourUnvalued) {
    GiveUsualHand(kVast);
    engine.Tables().P[2][3] = 0.5f;  // left over from an earlier decision
    engine.Tables().EaUH[2][1] = 4.0f;
    WriteUsualBase({9, 8, 0, 7}, {3, 1, 0, 2});
    EXPECT_TRUE(ReadBase()) << "a missing key does not make the bid base unusable";
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{
                  "Please check log - Didn't find key: [_9_8_] in the file: FivraBidBase.txt",
                  "Rollto: <2>"}));
    EXPECT_THAT(engine.Tables().EA[2], testing::Each(-28.0f));
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
    EXPECT_TRUE(ReadBase());
    EXPECT_TRUE(dialogs.messages.empty()) << "the valuation goes on without a message box";
    const bidai::BidTables& t = engine.Tables();
    EXPECT_EQ(std::tuple(t.EA[0][0], t.EA[0][1], t.EaUH[0][2], t.EaUH[0][3]),
              std::tuple(0.0f, 3.0f, 0.0f, 6.0f));
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
        EXPECT_FALSE(ReadBase()) << c.what;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.what;
        EXPECT_THAT(dialogs.messages[0], HasSubstr(folder + "FivraBidBase.txt")) << c.what;
        EXPECT_THAT(dialogs.messages[0], HasSubstr(c.problem)) << c.what;
        EXPECT_FLOAT_EQ(engine.Tables().P[0][1], 0.0f) << c.what;
        EXPECT_FLOAT_EQ(engine.Tables().EA[1][1], -28.0f) << c.what;
    }
}

}  // namespace
