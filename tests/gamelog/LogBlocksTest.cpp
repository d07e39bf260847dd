#include "gamelog/LogBlocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SampleRound.h"
#include "cards/Packe.h"
#include "common/Random.h"

namespace gamelog {
namespace {

using gamelog_test::LinesSink;

// The lines joined with '|', to compare a block with its expected text in one piece.
std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "|";
    }
    return text;
}

TEST(LogBlocks, FivesAreNamedByTheTrumpSuitInCardLines) {
    common::Random random(1);
    cards::Packe deck(random);
    // Nr 16..19 are the fives of klöver, ruter, hjärter, spader.
    EXPECT_EQ(CardLine(deck.Card(17), common::kRuter), "V");
    EXPECT_EQ(CardLine(deck.Card(18), common::kRuter), "v") << "the other red five";
    EXPECT_EQ(CardLine(deck.Card(18), common::kHjarter), "V");
    EXPECT_EQ(CardLine(deck.Card(19), common::kKlover), "v") << "the other black five";
    EXPECT_EQ(CardLine(deck.Card(16), common::kKlover), "V");
    EXPECT_EQ(CardLine(deck.Card(36), common::kKlover), "10");
    EXPECT_EQ(CardLine(deck.Card(0), common::kKlover), "A");
}

TEST(LogBlocks, RoundStartListsTheDeckWithOwnSuitColoursAndSignedTotals) {
    common::Random random(7);
    cards::Packe deck(random);
    deck.Saka();
    LinesSink log;
    LogRoundStart(log, -28, 47, deck);

    ASSERT_EQ(log.lines.size(), 6u + 52u + 2u);
    EXPECT_EQ(Joined({log.lines.begin(), log.lines.begin() + 6}),
              "<VI>|-28|<DE>|47|1-klover,2-ruter,4-hjarter,8-spader|<PACKE_KOMPLETT>|");
    EXPECT_EQ(Joined({log.lines.begin() + 58, log.lines.end()}), "<END>||");
    for (int i = 1; i <= 52; ++i) {
        const cards::Kort& card = deck.Card(std::stoi(deck.OrderRecord()[i]));
        EXPECT_EQ(log.lines[5 + i], DeckLine(card)) << "deck position " << i;
    }
    const std::vector<std::string> fives = {"16 , 5 , 1", "17 , 5 , 2", "18 , 5 , 4", "19 , 5 , 8"};
    for (const std::string& five : fives) {
        EXPECT_NE(std::find(log.lines.begin(), log.lines.end(), five), log.lines.end()) << five;
    }
}

TEST(LogBlocks, ForeKopListsOnlyTrumpCardsOfEverySeatInHandOrder) {
    common::Random random(3);
    cards::Packe deck(random);
    state::RoundState round;
    round.gbFarg = common::kHjarter;
    // SYD: ace of hjärter, five of ruter (v), a spader; VAST: nothing of the trump;
    // NORD: five of hjärter (V), two of hjärter; OST: king of klöver.
    round.Hand[0].AddACardOSort(&deck.Card(2));
    round.Hand[0].AddACardOSort(&deck.Card(17));
    round.Hand[0].AddACardOSort(&deck.Card(3));
    round.Hand[1].AddACardOSort(&deck.Card(16));
    round.Hand[2].AddACardOSort(&deck.Card(18));
    round.Hand[2].AddACardOSort(&deck.Card(6));
    round.Hand[3].AddACardOSort(&deck.Card(48));
    LinesSink log;
    LogForeKop(log, round);

    const std::string rule = "===================================|";
    EXPECT_EQ(Joined(log.lines), rule +
                                     "<SYD_FORE_KOP>|A|v|<END>||<VAST_FORE_KOP>|<END>||"
                                     "<NORD_FORE_KOP>|V|2|<END>||<OST_FORE_KOP>|<END>||" +
                                     rule);
}

}  // namespace
}  // namespace gamelog
