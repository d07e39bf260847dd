#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "cards/Packe.h"
#include "common/FivraError.h"

namespace {

using cards::Kort;
using cards::Packe;

// The fourteen trump cards of each trump, from high to low, have fourteen distinct ranks.
TEST(CardModel, TrumpOrderUnderEachTrump) {
    common::Random random(1);
    Packe deck(random);
    for (int colour : {1, 2, 4, 8}) {
        deck.ValjFarg(colour);
        std::vector<const Kort*> trumps;
        for (int nr = 0; nr < 52; ++nr) {
            if (deck.Card(nr).IsOfColour(colour)) {
                trumps.push_back(&deck.Card(nr));
            }
        }
        ASSERT_EQ(trumps.size(), 14u) << "colour " << colour;
        std::set<int> ranks;
        int points = 0;
        for (const Kort* k : trumps) {
            ranks.insert(k->Rang);
            points += k->Poang;
        }
        EXPECT_EQ(ranks, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
        EXPECT_EQ(points, 13) << "the two's point comes at scoring";
    }
    // With trump spader the fivra cards are the 5 of spader (5) and the 5 of klöver (4).
    deck.ValjFarg(8);
    EXPECT_EQ(deck.Card(19).Rang, 5);
    EXPECT_EQ(deck.Card(16).Rang, 4);
    // With trump ruter the 5 of hjärter is trump with Rang 4; with klöver it is neither
    // trump nor a hjärter card of the klöver count.
    deck.ValjFarg(2);
    EXPECT_EQ(
        std::tuple(deck.Card(18).Rang, deck.Card(18).IsOfColour(2), deck.Card(18).IsOfColour(1)),
        std::tuple(4, true, false));
}

TEST(Deck, RestoreReproducesTheDeckOrRefusesABrokenRecord) {
    common::Random random(3);
    Packe deck(random);
    deck.Saka();
    std::vector<int> order;
    for (const Kort* k : deck.DeckCards()) {
        order.push_back(k->Nr);
    }
    const auto record = deck.OrderRecord();
    deck.TomPacke();
    deck.TweakPacke(5, record[6]);  // a card twice, another missing
    EXPECT_FALSE(deck.SakaRestore());
    EXPECT_EQ(deck.KortIPacken(), 0) << "a broken record changes nothing";
    EXPECT_EQ(deck.PoolCards().size(), 52u);
    EXPECT_THROW(deck.TweakPacke(53, "1"), std::out_of_range);

    deck.TweakPacke(5, record[5]);
    ASSERT_TRUE(deck.SakaRestore());
    for (int i = 0; i < 52; ++i) {
        EXPECT_EQ(deck.GeKort()->Nr, order[i]) << "position " << i + 1;
    }
    EXPECT_EQ(deck.GeKort()->Nr, -1) << "the no-card ends the deck";
    EXPECT_EQ(deck.KortIPacken(), 0);
    EXPECT_EQ(deck.PoolCards().size(), 52u);
}

}  // namespace
