#include <map>
#include <set>

#include "BidTestSupport.h"
#include "bidai/HoldingKey.h"
#include "common/FieldReader.h"
#include "support/TempFolder.h"

namespace {

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
