// The bid base's lookup: the key a holding is looked up by, the record found under it, and a key
// in the shipped base for every holding.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "BidTestSupport.h"
#include "bidai/BidBaseRecord.h"
#include "bidai/HoldingKey.h"
#include "common/FieldReader.h"
#include "support/TempFolder.h"

namespace {

using bidai::BidLookup;
using bidai_test::RecordLine;

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

TEST(BidBaseLookup, EveryKeyOfTheShippedFileReadsAsTheWalkReadsIt) {
    const auto text = common::ReadWholeFile(test_support::DataDir() + "/FivraBidBase.txt");
    ASSERT_TRUE(text);
    common::FieldReader reader(*text);
    reader.Next();
    std::string tag;
    int keys = 0;
    while (reader.HasMore()) {
        const std::string_view field = reader.Next();
        if (field.starts_with("<")) {
            tag = field;
        } else if (field.starts_with("[")) {
            ++keys;
            ExpectSameAsWalk(*text, tag, field, tag + " " + std::string(field));
            ASSERT_EQ(bidai::FindBidRecord(*text, tag, field).status, BidLookup::Status::kFound);
            // Every key is also searched for from each earlier tag, as a holding whose key
            // stands only in a later section is.
            ExpectSameAsWalk(*text, "<0>", field, "<0> " + std::string(field));
        }
    }
    EXPECT_GT(keys, 1000);
}

TEST(BidBaseLookup, WholeFieldsOnlyAndThePlacesTheWalkReaches) {
    const std::string a = RecordLine("[_A_]", 8, 1);
    const std::string ak = RecordLine("[_A_K_]", 9, 2);
    constexpr auto kFound = BidLookup::Status::kFound;
    constexpr auto kNotFound = BidLookup::Status::kNotFound;
    constexpr auto kBadField = BidLookup::Status::kBadField;
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
              std::tuple(BidLookup::Status::kBadField, 4, true))
        << lookup.problem;
}

struct KeyCase {
    std::vector<int> ranks;  // rank values in hand order
    const char* key;
    const char* log_key;  // nullptr: the key itself
    const char* tag;
    const char* what;
};

TEST(HoldingKey, CapsCollapsesMiddleCardsAndTags) {
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
}

TEST(HoldingKey, HandOrderDoesNotMatterAndOddRanksAreReported) {
    EXPECT_EQ(bidai::MakeHoldingKey({1, 14, 5}).key, bidai::MakeHoldingKey({5, 1, 14}).key);
    const bidai::HoldingKey odd = bidai::MakeHoldingKey({14, 15, -1});
    EXPECT_EQ(odd.unknown_ranks, (std::vector<int>{15, -1}));
    EXPECT_EQ(odd.key, "[_A_]") << "ranks outside 1..14 have no letter";
}

TEST(BidDataFiles, EveryHoldingHasAKeyInItsSection) {
    const auto text = common::ReadWholeFile(test_support::DataDir() + "/FivraBidBase.txt");
    ASSERT_TRUE(text) << "data/FivraBidBase.txt";
    std::map<std::string, std::set<std::string>> sections;
    common::FieldReader reader(*text);
    ASSERT_EQ(reader.Next(), "KLARTX");
    std::string section;
    while (reader.HasMore()) {
        const std::string_view field = reader.Next();
        if (field.starts_with("<")) {
            section = field;
        } else if (field.starts_with("[")) {
            sections[section].emplace(field);
        }
    }
    int holdings = 0;
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
        ++holdings;
        const bidai::HoldingKey holding = bidai::MakeHoldingKey(ranks);
        ASSERT_TRUE(sections[holding.tag].contains(holding.key))
            << holding.tag << " " << holding.key << " (mask " << mask << ")";
    }
    EXPECT_EQ(holdings, 14913);
}

}  // namespace
