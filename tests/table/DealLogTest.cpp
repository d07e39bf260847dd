// The game log's account of the deal and the play: each packet on its seat's line, every card
// written by its colour and face, the fivra cards by their colour code; computer plays are
// never marked as suggestions.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "support/TableRig.h"

namespace table_test {
namespace {

std::string DealtAs(const cards::Kort& card) {
    if (card.Typ == "5") {
        return "(" + std::to_string(card.farg) + ") 5  ";
    }
    static const std::map<int, std::string> kPrefix = {{common::kKlover, "Kl "},
                                                       {common::kRuter, "Ru "},
                                                       {common::kHjarter, "Hj "},
                                                       {common::kSpader, "Sp "}};
    return kPrefix.at(card.farg) + card.Typ + "  ";
}

TEST(DealLog, EachSeatsLinesNameItsNineCardsAndNoPlayIsASuggestion) {
    TableRig rig(RigOptions().Seed(11));
    rig.table.Start();
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    std::array<std::vector<std::string>, common::kSeats> dealt;
    int fives = 0;
    for (int s = 0; s < common::kSeats; ++s) {
        for (const cards::Kort* card : rig.table.State().Hand[s].Cards()) {
            dealt[s].push_back(DealtAs(*card));
            fives += card->Typ == "5" ? 1 : 0;
        }
    }
    ASSERT_GT(fives, 0) << "the seed deals a five";
    ASSERT_TRUE(rig.RunToRoundEnd());
    const std::vector<std::string> log = rig.CloseAndReadLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "Suggestion:"), 0);
    auto line = std::find(log.begin(), log.end(), "DELAR UT KORT - (6)=Röd Fivra, (9)=Svart Fivra");
    ASSERT_NE(line, log.end());
    std::array<std::string, common::kSeats> written;
    for (; line != log.end() && *line != "****************"; ++line) {
        for (int s = 0; s < common::kSeats; ++s) {
            std::string name(common::SeatName(s));
            name.resize(7, ' ');
            if (line->rfind(name, 0) == 0) {
                written[s] += line->substr(7);
            }
        }
    }
    for (int s = 0; s < common::kSeats; ++s) {
        for (const std::string& card : dealt[s]) {
            EXPECT_NE(written[s].find(card), std::string::npos) << card << " in " << written[s];
        }
    }
}

}  // namespace
}  // namespace table_test
