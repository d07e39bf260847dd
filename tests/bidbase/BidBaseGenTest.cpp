// The bid base generator: every key a hand can show, deals that give a seat exactly a
// holding, and simulated numbers that a seed reproduces.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "HoldingDeal.h"
#include "Holdings.h"
#include "KeySimulation.h"
#include "ScratchFolder.h"
#include "bidai/HoldingKey.h"
#include "common/Names.h"
#include "support/TempFolder.h"

namespace bidbase_gen {
namespace {

using test_support::DataDir;

const KeyHoldings& KeyNamed(const std::vector<KeyHoldings>& keys, const std::string& tag,
                            const std::string& key) {
    const auto it = std::find_if(keys.begin(), keys.end(), [&](const KeyHoldings& k) {
        return k.tag == tag && k.key == key;
    });
    EXPECT_NE(it, keys.end()) << tag << key;
    return *it;
}

TEST(BidBaseKeys, EveryHoldingReadsAsItsOwnKeyOnce) {
    const std::vector<KeyHoldings> keys = AllKeys();
    std::set<std::string> seen;
    std::size_t holdings = 0;
    for (const KeyHoldings& k : keys) {
        EXPECT_TRUE(seen.insert(k.tag + k.key).second) << "key twice: " << k.tag << k.key;
        for (const auto& ranks : k.holdings) {
            const bidai::HoldingKey read = bidai::MakeHoldingKey(ranks);
            EXPECT_EQ(read.tag + read.key, k.tag + k.key);
        }
        holdings += k.holdings.size();
    }
    // Every set of at most six of the fourteen trump cards.
    EXPECT_EQ(holdings, 1u + 14 + 91 + 364 + 1001 + 2002 + 3003);
    EXPECT_EQ(keys.front().key, "[_]");
    EXPECT_GT(keys.front().weight, KeyNamed(keys, "<1>", "[_A_]").weight)
        << "no card of a colour is the commonest holding";
}

TEST(HoldingDeal, TheSeatIsDealtExactlyTheHoldingInThatColour) {
    common::Random random(7);
    cards::Packe deck(random);
    const std::vector<int> holding = {14, 11, 5, 4, 1};  // A, J, both fivras, 2
    for (int dealer = 0; dealer < 4; ++dealer) {
        for (int seat = 0; seat < 4; ++seat) {
            deck.TomPacke();
            ASSERT_TRUE(StackHoldingDeal(deck, dealer, seat, common::kHjarter, holding, random));
            // Deal as the table does: three packets of three, starting left of the dealer.
            std::size_t dealt = 0;
            std::vector<int> trumps;
            for (int packet = 0; packet < 3; ++packet) {
                for (int k = 1; k <= 4; ++k) {
                    for (int i = 0; i < 3; ++i) {
                        const cards::Kort* card = deck.GeKort();
                        if (common::SeatAfter(dealer, k) == seat) {
                            ++dealt;
                            if (card->IsOfColour(common::kHjarter)) {
                                trumps.push_back(card->Rang);
                            }
                        }
                    }
                }
            }
            std::sort(trumps.rbegin(), trumps.rend());
            EXPECT_EQ(std::pair(trumps, dealt), std::pair(holding, std::size_t{9}))
                << "dealer " << dealer << " seat " << seat;
        }
    }
}

TEST(KeySimulation, ASeedReproducesAKeysNumbers) {
    const std::vector<KeyHoldings> keys = AllKeys();
    const KeyHoldings& key = KeyNamed(keys, "<2>", "[_A_V_]");
    sim::ScratchFolder folder(DataDir());
    SimulationSetup setup{.folder = folder.Path(), .seed = 11, .deals = 24, .deals_per_other = 4};
    const KeyOutcome first = SimulateKey(key, setup);
    const KeyOutcome again = SimulateKey(key, setup);
    EXPECT_TRUE(first.problems.empty()) << first.problems.front();
    EXPECT_EQ(first.rounds, 24 + 3 * 4);
    EXPECT_EQ(std::tie(first.record.ea, first.record.p, first.record.eauh),
              std::tie(again.record.ea, again.record.p, again.record.eauh));
    // P is kept for the bids 6 to 14, and the share of rounds that make a bid falls as it rises.
    EXPECT_FLOAT_EQ(first.record.p[0], 0.0f);
    for (int j = 2; j <= 9; ++j) {
        EXPECT_LE(first.record.p[j], first.record.p[j - 1]) << "bid " << j + 5;
    }
    setup.seed = 12;
    const KeyOutcome other = SimulateKey(key, setup);
    EXPECT_NE(first.record.ea, other.record.ea) << "another seed deals other rounds";
}

}  // namespace
}  // namespace bidbase_gen
