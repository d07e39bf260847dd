#pragma once

#include <array>
#include <string>

#include "common/Control.h"
#include "common/Dialogs.h"
#include "state/RoundState.h"

namespace presentation {

// Steps through the round's tricks after the round, raising each trick's point cards where they
// lie (the seats' played cards on their table spots) and counting the round's points up trick by
// trick on the round score label; then shows the final score and rests on it, until the table
// stops it.
class ScoreAnimation {
  public:
    static constexpr int kShowTrick = 0;
    static constexpr int kAdvance = 5;
    static constexpr int kFinal = 6;
    static constexpr int kRestart = 7;
    static constexpr int kResting = 8;  // on the final score, until the table stops it

    // From the first trick, with nothing counted yet.
    void Start();

    // One tick of the animation. trick_card_letter[t] names the card ("A".."2", "V", "v")
    // whose owner's cards are raised first when trick t is shown.
    void ScoreAnimationStep(state::RoundState& round,
                            const std::array<std::string, state::kTricks>& trick_card_letter,
                            common::Control& LblScore, common::Dialogs& dialogs);

    // Lowers every seat's raised cards, in the hand and among its played cards.
    static void ResetHandsAfterAnimation(state::RoundState& round);

    int Status() const { return status_; }
    int Trick() const { return trick_; }

  private:
    void ShowTrick(state::RoundState& round, const std::string& card_letter,
                   common::Control& LblScore);
    void AdvanceToNextPointTrick(const state::RoundState& round);

    int status_ = kShowTrick;
    int trick_ = 1;
    int running_vi_ = 0;
    int running_de_ = 0;
};

}  // namespace presentation
