#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "cards/Packe.h"
#include "common/FivraError.h"

namespace {

using cards::Kort;
using cards::Packe;

TEST(CardModel, EncodingsFollowRankAndSuit) {
    common::Random random(1);
    Packe deck(random);
    EXPECT_EQ(deck.Card(38).Typ, "10");  // 10 of hjärter
    EXPECT_EQ(deck.Card(38).farg, 4);
    EXPECT_EQ(deck.Card(51).Typ, "K");  // king of spader
    EXPECT_EQ(deck.Card(0).Typ, "A");   // ace of klöver
    EXPECT_EQ(deck.Card(16).farg, 9);   // 5 of klöver: the black pair
    EXPECT_EQ(deck.Card(17).farg, 6);   // 5 of ruter: the red pair
    EXPECT_EQ(deck.Card(18).farg, 6);
    EXPECT_EQ(deck.Card(19).farg, 9);
    int points = 0;
    for (int nr = 0; nr < 52; ++nr) {
        points += deck.Card(nr).Poang;
    }
    EXPECT_EQ(points, 4 * 3 + 4 * 5);  // A, J, 10 of each suit and the four fives
    for (int suit = 0; suit < 4; ++suit) {
        std::set<int> ranks;
        for (int face = 0; face < 13; ++face) {
            ranks.insert(deck.Card(face * 4 + suit).Rang);
        }
        EXPECT_EQ(ranks.size(), 13u) << "suit " << suit << ": two faces share a rank";
    }
}

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
    EXPECT_EQ(deck.Card(18).Rang, 4);
    EXPECT_TRUE(deck.Card(18).IsOfColour(2));
    EXPECT_FALSE(deck.Card(18).IsOfColour(1));
}

TEST(Deck, ShuffleIsAPermutationWithAMatchingOrderRecord) {
    common::Random random(42);
    Packe deck(random);
    EXPECT_EQ(deck.KortIPacken(), 0);
    EXPECT_EQ(deck.PoolCards().size(), 52u);
    deck.Saka();
    ASSERT_EQ(deck.KortIPacken(), 52);
    EXPECT_TRUE(deck.PoolCards().empty());
    std::set<std::string> keys;
    for (int i = 0; i < 52; ++i) {
        keys.insert(deck.DeckCards()[i]->Key());
        EXPECT_EQ(deck.OrderRecord()[i + 1], deck.DeckCards()[i]->Key());
    }
    EXPECT_EQ(keys.size(), 52u);

    const auto record = deck.OrderRecord();
    deck.Saka();  // nothing left in the pool: nothing moves
    EXPECT_EQ(deck.OrderRecord(), record);
}

TEST(Deck, RestoreReproducesTheDeckAndTheNoCardEndsIt) {
    common::Random random(3);
    Packe deck(random);
    deck.Saka();
    std::vector<int> order;
    for (const Kort* k : deck.DeckCards()) {
        order.push_back(k->Nr);
    }
    deck.TomPacke();
    EXPECT_EQ(deck.KortIPacken(), 0);
    ASSERT_TRUE(deck.SakaRestore());
    for (int i = 0; i < 52; ++i) {
        Kort* k = deck.GeKort();
        EXPECT_EQ(k->Nr, order[i]) << "position " << i + 1;
    }
    Kort* none = deck.GeKort();
    EXPECT_EQ(none->Nr, -1);
    EXPECT_EQ(deck.KortIPacken(), 0);
    EXPECT_EQ(deck.PoolCards().size(), 52u);
}

TEST(Deck, RestoreRefusesABrokenRecordAndChangesNothing) {
    common::Random random(3);
    Packe deck(random);
    deck.Saka();
    deck.TomPacke();
    deck.TweakPacke(5, deck.OrderRecord()[6]);  // a card twice, another missing
    EXPECT_FALSE(deck.SakaRestore());
    EXPECT_EQ(deck.KortIPacken(), 0);
    EXPECT_EQ(deck.PoolCards().size(), 52u);
    EXPECT_THROW(deck.TweakPacke(53, "1"), std::out_of_range);
}

TEST(Deck, SpecialCardFindsTheFivesByTheirTrumpRank) {
    common::Random random(3);
    Packe deck(random);
    deck.Saka();
    deck.TomPacke();
    deck.ValjFarg(2);
    const Kort* v = deck.GeSpeciellKort("V", 6);
    const Kort* small_v = deck.GeSpeciellKort("v", 6);
    ASSERT_NE(v, nullptr);
    ASSERT_NE(small_v, nullptr);
    EXPECT_EQ(v->Nr, 17);        // 5 of ruter
    EXPECT_EQ(small_v->Nr, 18);  // 5 of hjärter
    EXPECT_EQ(deck.GeSpeciellKort("K", 2)->Nr, 49);
    EXPECT_EQ(deck.GeSpeciellKort("X", 2), nullptr);
}

TEST(Deck, PutBackGoesToTheBottom) {
    common::Random random(5);
    Packe deck(random);
    deck.Saka();
    Kort* top = deck.GeKort();
    deck.PutbackLastTakenCard(top);
    EXPECT_EQ(deck.DeckCards().back(), top);
    EXPECT_EQ(deck.KortIPacken(), 52);
}

}  // namespace
