// The deck of 52 cards under each trump, and a hand of them.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "cards/KortHand.h"
#include "cards/Packe.h"
#include "common/FivraError.h"
#include "support/TableRig.h"

namespace {

using cards::Kort;
using cards::KortHand;
using cards::Packe;

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
    EXPECT_EQ(std::pair(deck.Card(19).Rang, deck.Card(16).Rang), std::pair(5, 4));
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
    const std::vector<int> order = table_test::Numbers(deck.DeckCards());
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

class HandTest : public ::testing::Test {
  protected:
    // A card of a suit by face ("A", "2" .. "10", "J", "Q", "K"), suit 0 klöver .. 3 spader.
    Kort* Trump(const std::string& face, int suit) {
        return &deck.Card(table_test::Nr(face, common::ColourCode(suit)));
    }

    common::Random random{1};
    Packe deck{random};
    KortHand hand;
};

TEST_F(HandTest, SortedInsertKeepsColourPairsTogether) {
    for (const auto& [face, suit] : {std::pair("5", 2), {"A", 3}, {"5", 3}, {"3", 0}, {"K", 0}}) {
        hand.AddACard(Trump(face, suit));
    }
    std::vector<std::string> faces;  // face and suit
    for (const Kort* k : hand.Cards()) {
        faces.push_back(k->Typ + "/" + std::to_string(k->Nr % 4));
    }
    EXPECT_EQ(faces, (std::vector<std::string>{"K/0", "3/0", "5/3", "A/3", "5/2"}));
}

TEST_F(HandTest, CountsUseTheAndTestAndRefuseNoCardAndDuplicates) {
    hand.AddACardOSort(Trump("5", 1));  // 5 of ruter
    hand.AddACardOSort(Trump("K", 2));
    EXPECT_EQ(hand.AntalKortIFarg(4), 2) << "the 5 of ruter counts for hjärter";
    EXPECT_EQ(hand.AntalKortIFarg(1), 0);
    Kort none;
    EXPECT_FALSE(hand.AddACard(&none));
    EXPECT_EQ(hand.AntalKort(), 2);
    try {
        hand.SetCardState("51", 2);
        FAIL() << "a card not held must raise";
    } catch (const common::FivraError& e) {
        EXPECT_EQ(e.Number(), 1002);
        EXPECT_STREQ(e.what(), "Card not available ");
    }
    EXPECT_TRUE(hand.SetCardState(Trump("K", 2)->Key(), 2));
    EXPECT_EQ(hand.GetCardList(), (std::vector<std::string>{"2", "17", "50"}));
    hand.ClearHand();
    EXPECT_EQ(hand.GetCardList(), (std::vector<std::string>{"No Cards", "No Cards"}));
}

TEST_F(HandTest, SurplusTrumpsGoHighestThrowOrderFirstAndNeverPointCards) {
    // The hjärter faces held ("5" the 5 of hjärter, "5r" of ruter) and those thrown.
    const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
        {{"A", "K", "Q", "9", "8", "6", "5", "3", "2"}, {"3", "6", "8"}},
        {{"A", "J", "10", "2", "5", "5r", "K", "Q"}, {"Q", "K"}},
        {{"A", "J", "10", "2", "5", "5r", "4"}, {"4"}},
    };
    deck.ValjFarg(4);
    for (const auto& [held, expected] : cases) {
        KortHand h;
        for (const auto& face : held) {
            h.AddACardOSort(face == "5r" ? Trump("5", 1) : Trump(face, 2));
        }
        std::vector<std::string> thrown;
        for (const Kort* k : h.TaBortMeraKortAn6(4)) {
            thrown.push_back(k->Typ);
        }
        EXPECT_EQ(thrown, expected);
        EXPECT_EQ(h.AntalKort(), 6);
    }
}

}  // namespace
