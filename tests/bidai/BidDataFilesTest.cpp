#include <map>
#include <set>

#include "BidTestSupport.h"
#include "bidai/HoldingKey.h"
#include "common/FieldReader.h"
#include "support/TempFolder.h"

namespace {

using bidai_test::BidFixture;

std::string DataFolder() {
    return test_support::DataDir() + "/";
}

TEST(BidDataFiles, EveryHoldingHasAKeyInItsSection) {
    const auto text = common::ReadWholeFile(DataFolder() + "FivraBidBase.txt");
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

class BidDataFilesTest : public BidFixture {};

TEST_F(BidDataFilesTest, TheDeliveredFilesBidSensiblyOverManyAuctions) {
    constexpr int kDeals = 40;
    folder = DataFolder();
    std::map<int, int> bids;
    for (int deal = 0; deal < kDeals; ++deal) {
        for (auto& hand : round.Hand) {
            hand.ClearHand();
            hand.PutBud(-1);
        }
        deck.TomPacke();
        deck.Saka();
        for (int i = 0; i < 36; ++i) {
            round.Hand[i % 4].AddACardOSort(deck.GeKort());
        }
        round.attSaka = deal % 4;
        round.gbVi = (deal * 7) % 60;
        round.gbDe = (deal * 11) % 60;
        int highest = 0;
        for (int k = 1; k <= 4; ++k) {
            const int seat = (round.attSaka + k) & 3;
            if (k == 4 && highest == 0) {
                highest = 5;
            }
            const auto d = engine.bjud(Context(seat, highest));
            ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages.front();
            ASSERT_TRUE(d.bid == 0 || (d.bid >= 6 && d.bid <= 14)) << d.bid;
            ASSERT_EQ(d.bid > 0, d.MinFarg != -1) << "a bid names a colour";
            if (highest == 5) {
                ASSERT_EQ(d.bid, 6) << "forced bid";
            } else if (d.bid > 0) {
                ASSERT_TRUE(d.bid > highest || d.bid == 14) << d.bid << " over " << highest;
            }
            highest = std::max(highest, d.bid);
            ++bids[d.bid];
        }
    }
    EXPECT_GT(bids[0], kDeals) << "seats pass often";
    EXPECT_GT(4 * kDeals - bids[0], kDeals / 2) << "and bid often";
}

}  // namespace
