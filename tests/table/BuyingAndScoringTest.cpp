// The round after the auction: the buying, the tricks, the round's score and the end of a game.
// In the scored scripts every seat plays the first trump card of its hand: they decide each trick.
#include <gmock/gmock.h>

#include <tuple>

#include "support/TableRig.h"

namespace table_test {
namespace {

constexpr int kH = common::kHjarter;
constexpr int kK = common::kKlover;
constexpr int kS = common::kSpader;

// A bid of 6 by `bidder`; the hands in seat order SYD, VAST, NORD, OST.
ScriptedRound Holding(int bidder, std::array<std::vector<int>, common::kSeats> hands) {
    ScriptedRound script;
    script.bidder = bidder;
    script.hands = std::move(hands);
    return script;
}

TEST(Scoring, TricksPointsAndTheBidCheck) {
    const struct {
        const char* what;
        ScriptedRound script;
        int points_vi, points_de;  // the round's score, a missed bid as minus the bid
        int points_left, points_left_no_ace_two;  // the second counts the ace, not the two
    } cases[] = {
        {"NORD leads the ace, OST's two scores for De in it and the bid of 6 is missed",
         Holding(common::kNord, {{{Nr("K", kH)}, {Nr("10", kH)}, {Nr("A", kH)}, {Nr("2", kH)}}}),
         -6, 1, 11, 11},
        {"VAST leads the king, SYD plays last and takes the trick with the ace",
         Holding(common::kVast, {{{Nr("A", kH)}, {Nr("K", kH)}, {Nr("3", kH)}, {Nr("4", kH)}}}), 1,
         -6, 13, 12},
        {"nobody holds trump: every hand is laid down and the bid fails at once",
         Holding(common::kNord, {{{Nr("K", common::kSpader)}, {}, {Nr("A", common::kKlover)}, {}}}),
         -6, 0, 14, 12},
        {"De's bid made exactly", DeTakesSixViTwo(6, 0, 0), 2, 6, 6, 5},
        {"De's bid missed by one", DeTakesSixViTwo(7, 10, 3), 2, -7, 6, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StartedRig rig(RigOptions().PlayRules(kPlayFirstTrump));
        ASSERT_TRUE(StartPlayFrom(rig.table, c.script));
        ASSERT_TRUE(rig.RunToStep(table::WaitStep::RoundOver));
        EXPECT_EQ(std::tuple(rig.round.PointsVi, rig.round.PointsDe, rig.round.PointsLeft,
                             rig.round.PointsLeftNoAceTwo, rig.ctl.LblScore.Caption),
                  std::tuple(c.points_vi, c.points_de, c.points_left, c.points_left_no_ace_two,
                             std::to_string(c.points_vi) + " : " + std::to_string(c.points_de)));
        for (const cards::KortHand& hand : rig.round.Hand) {
            EXPECT_EQ(hand.AntalKort(), 0) << "every hand is out of cards";
        }
    }
}

TEST(GameEnd, GameIsWonBeyondSixtyOneAndBothBeyondGoesToTheBiddersAndTheResultIsTold) {
    const struct {
        int bid, vi, de;
        bool vi_won, de_won;
        const char* word;  // in the Swedish announcement
        const char* what;
    } cases[] = {
        {6, 61, 56, false, true, "vann", "63 : 62, both beyond: VAST's side wins, the bidders"},
        {6, 40, 55, false, false, "precis", "42 : 61, exactly 61 has not won"},
        {6, 60, 10, true, false, "vann", "62 : 16, Vi wins without the bid"},
        {6, 30, 58, false, true, "vann", "32 : 64, De wins with the bid"},
        {7, 0, 0, false, false, "för lite", "De's bid of 7 missed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StartedRig rig(RigOptions().PlayRules(kPlayFirstTrump));
        ASSERT_TRUE(StartPlayFrom(rig.table, DeTakesSixViTwo(c.bid, c.vi, c.de)));
        ASSERT_TRUE(rig.RunToStep(table::WaitStep::RoundOver));
        const bool over = c.vi_won || c.de_won;
        // De takes six points; a missed bid scores minus the bid.
        const int de_after = c.de + (c.bid > 6 ? -c.bid : 6);
        const presentation::Announcements say(rig.table.Texts(), presentation::BuildLanguage());
        const std::string& told = rig.ctl.LblAnnounce.Caption;
        EXPECT_EQ(told, over ? say.GameWon(c.vi_won, c.vi + 2, de_after)
                             : say.RoundResult(false, c.bid, 6));
        if (presentation::BuildLanguage() == presentation::Language::Svenska) {
            EXPECT_NE(told.find(c.word), std::string::npos) << told;
        }
        // A game on keeps its record, a finished one leaves none.
        EXPECT_EQ(std::tuple(rig.ctl.LblGameOver.Visible,
                             rig.settings.RegReadSetting("user", "Statistic", "TotalVi", "0"),
                             rig.settings.RegReadSetting("user", "Statistic", "TotalDe", "0"),
                             rig.ctl.LblStatisticVi.Caption, rig.ctl.LblStatisticDe.Caption,
                             rig.table.Scoreboard().RowCount(),
                             rig.settings.RegReadSetting("user", "Resume", "Game", "?") == " "),
                  std::tuple(over, c.vi_won ? "1" : "0", c.de_won ? "1" : "0", c.vi_won ? "1" : "0",
                             c.de_won ? "1" : "0", 1, over));
        if (over) {
            // Counted, with the game's figures, and the resume record cleared in one write: a
            // stop in between would offer the won game again and count it twice.
            EXPECT_THAT(
                rig.settings.LastWrite(),
                ::testing::IsSupersetOf({c.vi_won ? "Statistic/TotalVi" : "Statistic/TotalDe",
                                         "Resume/Game", "Statistic/LastGames"}));
        }
        // The click: a won game's next round starts from nothing, else the game goes on.
        rig.table.TableClick();
        EXPECT_EQ(std::tuple(rig.round.gbVi, rig.round.gbDe, rig.table.Scoreboard().RowCount(),
                             rig.table.Scoreboard().Rows()[0].vi_label.Caption.empty(),
                             rig.ctl.LblGameOver.Visible, rig.round.GamePlaying),
                  over ? std::tuple(0, 0, 0, true, false, true)
                       : std::tuple(c.vi + 2, de_after, 1, false, false, true));
    }
    const presentation::Texts en = presentation::LoadTexts(presentation::Language::English);
    const presentation::Announcements english(en, presentation::Language::English);
    EXPECT_EQ(english.RoundResult(true, 9, 7), "We went down in 9: 7 points, 2 short.");
    EXPECT_EQ(english.RoundResult(false, 8, 11), "They made the bid of 8: 11 points, 3 over.");
    EXPECT_EQ(english.GameWon(true, 64, 40), "We won the game! Final score 64 : 40.");
}

// Ranks of the raised cards among what a hand holds.
std::set<int> RaisedRanks(const cards::KortHand& hand) {
    std::set<int> ranks;
    for (const cards::Kort* card : hand.Cards()) {
        if (card->Kop) {
            ranks.insert(card->Rang);
        }
    }
    return ranks;
}

TEST(RoundEndAnimation, RaisesEachTricksCardsWhereTheyLieAndLowersThemAgain) {
    using presentation::ScoreAnimation;
    int raised_in_all = 0;
    for (const std::uint64_t seed : {3u, 11u, 29u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        StartedRig rig(RigOptions().Seed(seed));
        ASSERT_TRUE(rig.RunToRoundEnd());
        const auto& highs = rig.table.PlayAi().Memory().TrickHighHistory;
        int steps = 0;
        // One turn of the count: through the tricks to the final score.
        while (steps < 12 && rig.table.Animation().Status() != ScoreAnimation::kRestart) {
            const int status = rig.table.Animation().Status();
            const int trick = rig.table.Animation().Trick();
            ASSERT_TRUE(rig.table.StepClock(rig.table.Now() + kPatienceMs));
            if (rig.table.Animation().Status() == status) {
                continue;  // another timer's tick
            }
            ++steps;
            for (int seat = 0; seat < common::kSeats; ++seat) {
                SCOPED_TRACE("trick " + std::to_string(trick) + ", seat " + std::to_string(seat));
                EXPECT_EQ(rig.round.Hand[seat].AntalKort(), 0) << "the round is played out";
                std::set<int> expected;
                if (status == ScoreAnimation::kShowTrick) {
                    // The trick on show raises its high card and every point card (A, J, 10,
                    // both fivras, the two).
                    const int played = rig.round.TrickHistory[trick][seat];
                    const int high = common::TrumpCardCode(highs[trick][0]).value_or(0);
                    if (played > 0 &&
                        (played == high || std::set{1, 4, 5, 10, 11, 14}.count(played) > 0)) {
                        expected = {played};
                    }
                }
                EXPECT_EQ(RaisedRanks(rig.round.Bord[seat]), expected);
                raised_in_all += static_cast<int>(expected.size());
            }
        }
    }
    EXPECT_GT(raised_in_all, 0);
}

std::vector<int> Cards(const std::vector<std::string>& faces, int colour) {
    std::vector<int> numbers;
    for (const std::string& face : faces) {
        numbers.push_back(Nr(face, colour));
    }
    return numbers;
}

std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<int> kAllSpader =
    Cards({"A", "2", "3", "4", "6", "7", "8", "9", "10", "J", "Q", "K"}, kS);

// VAST holds exactly six trumps, NORD eight, OST none; SYD deals.
ScriptedRound SurplusScript() {
    ScriptedRound script;
    script.hands[common::kVast] = Cards({"K", "Q", "9", "8", "7", "6"}, kH);
    script.hands[common::kNord] = {
        Nr("A", kH), Nr("J", kH), Nr("10", kH), Nr("5", kH), Nr("5", common::kRuter),
        Nr("4", kH), Nr("3", kH), Nr("2", kH)};
    script.hands[common::kSyd] = Cards({"2", "3", "4"}, kK);
    script.deck = Join(kAllSpader, Cards({"8", "9", "10", "J"}, kK));
    return script;
}

TEST(Buying, SixTrumpsOrMoreBuyNothingAndTheSurplusIsKilled) {
    StartedRig rig(RigOptions{});
    ASSERT_TRUE(SetUpAfterDiscard(rig.table, SurplusScript()));
    rig.table.AdvanceMe();
    EXPECT_EQ(Numbers(rig.round.Hand[common::kVast]), SurplusScript().hands[common::kVast]);
    EXPECT_EQ(Numbers(rig.round.Hand[common::kOst]),
              std::vector<int>(kAllSpader.begin(), kAllSpader.begin() + 6))
        << "OST bought six after VAST, from the top";
    EXPECT_EQ(Numbers(rig.round.Hand[common::kNord]),
              (std::vector<int>{Nr("A", kH), Nr("J", kH), Nr("10", kH), Nr("5", kH),
                                Nr("5", common::kRuter), Nr("2", kH)}))
        << "the three and the four go; point cards and the two stay";
    EXPECT_EQ(Numbers(rig.round.KortKilled), (std::vector<int>{Nr("3", kH), Nr("4", kH)}));
    for (int rang = 0; rang < state::kRanks; ++rang) {
        const bool killed = rang == 2 || rang == 3;
        EXPECT_EQ(rig.round.PlayedTrump[rang], killed ? -1 : 0) << "rank " << rang;
    }
    EXPECT_EQ(std::pair(rig.ctl.LblNotInPlay.Visible, rig.ctl.LblNotInPlay.Caption),
              std::pair(true, rig.table.Texts().not_in_play));
    const auto log = rig.CloseAndReadLog();
    EXPECT_FALSE(Contains(log, "<VAST_KOPER>"));
    EXPECT_EQ(Block(log, "<OST_KOPER>"), std::vector<std::string>{"<END>"})
        << "bought cards that are not trump are not listed";
    EXPECT_EQ(Block(log, "<NORD_KOPER>"), std::vector<std::string>{"<END>"})
        << "a seat with more than six trumps buys nothing";
}

TEST(Buying, KilledCardsCaptionAddressesTheHumanInEachLanguage) {
    ScriptedRound script;
    script.trump = kS;
    script.hands[common::kSyd] = Cards({"A", "K", "Q", "J", "10", "9", "8"}, kS);
    script.hands[common::kNord] = Join(Cards({"2", "3", "4", "6", "7", "5"}, kS), {Nr("5", kK)});
    script.deck = Cards({"A", "2", "3", "4", "6", "7", "8", "9", "10", "J", "Q", "K"}, kK);
    const struct {
        presentation::Language language;
        const char* human;
        const char* partner;
    } cases[] = {
        {presentation::Language::English, "You have more than 6 cards\n",
         "Ned has more than 6 cards\n"},
        {presentation::Language::Svenska, "Du har mera än 6 kort\n", "Nils har mera än 6 kort\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.human);
        StartedRig rig(RigOptions().InLanguage(c.language));
        ASSERT_TRUE(SetUpAfterDiscard(rig.table, script));
        rig.table.AdvanceMe();
        const std::string& caption = rig.ctl.LblKilledCards.Caption;
        EXPECT_NE(caption.find(c.human), std::string::npos) << caption;
        EXPECT_NE(caption.find(c.partner), std::string::npos) << caption;
    }
}

TEST(Buying, DealerFacingAnEmptyDeckMakesUpSixFromHisDiscards) {
    // No non-dealer holds a trump; the two red fives lie on top of the deck for VAST, and the
    // deck runs dry before OST has six cards.
    ScriptedRound script;
    script.hands[common::kSyd] =
        Join(Cards({"A", "K"}, kH), Cards({"2", "3", "4", "6", "7", "8", "9"}, kK));
    script.deck =
        Join(Join({Nr("5", kH), Nr("5", common::kRuter)}, kAllSpader), {Nr("10", kK), Nr("J", kK)});
    StartedRig rig(RigOptions{});
    ASSERT_TRUE(SetUpAfterDiscard(rig.table, script));
    rig.table.AdvanceMe();
    EXPECT_EQ(std::tuple(rig.table.Deck().KortIPacken(), rig.round.Hand[common::kOst].AntalKort(),
                         rig.round.BeforeBuying[common::kSyd]),
              std::tuple(0, 4, -1))
        << "the deck ran dry during OST's buying";
    EXPECT_EQ(NumberSet(rig.round.Hand[common::kSyd]),
              (std::set<int>{Nr("A", kH), Nr("K", kH), Nr("2", kK), Nr("3", kK), Nr("4", kK),
                             Nr("6", kK)}))
        << "two trumps and the first four of his own discards";
    EXPECT_EQ(Numbers(rig.round.Bord[common::kSyd]), Cards({"7", "8", "9"}, kK));
    EXPECT_EQ(rig.ctl.LblAnnounce.Caption,
              presentation::Announcements(rig.table.Texts(), presentation::BuildLanguage())
                  .DealerFills(common::kSyd, 4))
        << "the filling up is told";
    const auto log = rig.CloseAndReadLog();
    EXPECT_FALSE(Contains(log, "<SYD_KOPER>")) << "a dealer who took nothing writes no block";
    EXPECT_EQ(Block(log, "<VAST_KOPER>"), (std::vector<std::string>{"V", "v", "<END>"}))
        << "bought fives of trump are logged by their trump names";
}

}  // namespace
}  // namespace table_test
