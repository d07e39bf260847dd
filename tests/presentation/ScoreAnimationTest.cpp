#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "common/ScriptedDialogs.h"
#include "presentation/ScoreAnimation.h"

namespace presentation {
namespace {

// A played-out round: the hands are empty and each seat's table spot holds the trump cards it
// played, where the animation raises them.
class ScoreAnimationTest : public ::testing::Test {
  protected:
    // Trick t: the Rang each seat played and the points each side took.
    void SetTrick(int t, std::array<int, 4> rangs, int vi, int de, std::string letter) {
        round_.TrickHistory[t] = rangs;
        round_.TrickPointsVi[t] = vi;
        round_.TrickPointsDe[t] = de;
        letters_[t] = std::move(letter);
        for (int seat = 0; seat < 4; ++seat) {
            if (rangs[seat] > 0) {
                cards::Kort& card = deck_.emplace_back();
                card.Rang = rangs[seat];
                card.Nr = static_cast<int>(deck_.size());
                round_.Bord[seat].AddACardOSort(&card);
            }
        }
        round_.PointsVi += vi;
        round_.PointsDe += de;
    }

    void Step() { animation_.ScoreAnimationStep(round_, letters_, LblScore_, dialogs_); }

    // The ranks raised on each seat's spot.
    std::array<std::vector<int>, 4> Raised() const {
        std::array<std::vector<int>, 4> raised;
        for (int seat = 0; seat < 4; ++seat) {
            for (const cards::Kort* card : round_.Bord[seat].Cards()) {
                if (card->Kop) {
                    raised[seat].push_back(card->Rang);
                }
            }
        }
        return raised;
    }
    using Ranks = std::array<std::vector<int>, 4>;

    std::deque<cards::Kort> deck_;  // stable addresses for the hands
    state::RoundState round_;
    std::array<std::string, state::kTricks> letters_{};
    common::Control LblScore_;
    common::ScriptedDialogs dialogs_;
    ScoreAnimation animation_;
};

TEST_F(ScoreAnimationTest, SkipsTricksWithoutPointsAndCountsUpToTheFinalScore) {
    SetTrick(1, {14, 13, 11, 12}, 2, 0, "A");  // ace and jack to Vi
    SetTrick(2, {9, 8, 7, 6}, 0, 0, "9");      // no point card
    SetTrick(3, {3, 5, 2, 10}, 0, 6, "V");     // five and ten to De
    SetTrick(4, {0, 4, 1, 0}, 1, 5, "v");      // De wins the other fivra, Vi keeps its two
    animation_.Start();

    Step();  // shows trick 1
    EXPECT_EQ(LblScore_.Caption, "2 : 0");
    EXPECT_TRUE(LblScore_.Visible);
    EXPECT_EQ(Raised(), (Ranks{{{14}, {}, {11}, {}}})) << "a card without points stays down";
    EXPECT_EQ(animation_.Status(), ScoreAnimation::kAdvance);

    Step();  // lowered again, on to trick 3
    EXPECT_EQ(Raised(), Ranks{});
    EXPECT_EQ(animation_.Trick(), 3) << "trick 2 holds no point card";

    Step();
    EXPECT_EQ(LblScore_.Caption, "2 : 6") << "the running score is the shown tricks' sum";
    EXPECT_EQ(Raised(), (Ranks{{{}, {5}, {}, {10}}}));

    Step();
    Step();
    EXPECT_EQ(LblScore_.Caption, "3 : 11");
    EXPECT_EQ(Raised(), (Ranks{{{}, {4}, {1}, {}}}));

    Step();  // tricks 5 and 6 were never played: the final score comes next
    EXPECT_EQ(animation_.Status(), ScoreAnimation::kFinal);
    round_.PointsVi = -8;  // the bid check may turn the bidder's points into minus the bid
    Step();
    EXPECT_EQ(LblScore_.Caption, "-8 : 11");
    EXPECT_EQ(animation_.Status(), ScoreAnimation::kRestart);

    Step();  // starts over
    EXPECT_FALSE(LblScore_.Visible);
    EXPECT_EQ(animation_.Status(), ScoreAnimation::kShowTrick);
    Step();
    EXPECT_EQ(LblScore_.Caption, "2 : 0") << "the second turn counts from nothing again";
    EXPECT_TRUE(LblScore_.Visible);
    EXPECT_EQ(Raised(), (Ranks{{{14}, {}, {11}, {}}}));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(ScoreAnimationTest, RoundWithoutAnyPointCardEndsOnTheFinalScore) {
    SetTrick(1, {9, 8, 7, 6}, 0, 0, "9");
    SetTrick(2, {13, 12, 3, 2}, 0, 0, "K");
    animation_.Start();
    for (int tick = 0; tick < 20; ++tick) {
        Step();
        ASSERT_TRUE(dialogs_.messages.empty());
    }
    animation_.Start();
    Step();
    Step();
    EXPECT_EQ(animation_.Status(), ScoreAnimation::kFinal);
    Step();
    EXPECT_EQ(LblScore_.Caption, "0 : 0");
}

}  // namespace
}  // namespace presentation
