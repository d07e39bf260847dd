#pragma once

#include <array>
#include <string_view>

#include "common/Timer.h"

namespace table {

// What a table timer waits to do at its next tick. Timer1 carries the round's steps, Timer2
// the deal and Timer3 the score animation at a round's end.
enum class WaitStep {
    None,
    BidNext,                 // the next seat's bid
    TrumpChosen,             // the discard of non-trumps once trump is named
    FindHighestBid,          // the auction's winner named
    FindHighestBidAfterOne,  // ... one tick later
    Play,                    // the seat to play chooses its card
    StartPlay,               // the buying is over: the first trick starts
    StartPlayAfterOne,       // ... one tick later
    Aftermath,               // the round is scored
    AftermathAfterOne,       // ... one tick later
    Suggest,                 // the human's suggestion shown
    SuggestAfterOne,         // ... one tick later
    SuggestAfterTwo,         // ... two ticks later
    WaitToBuy,               // the continue label blinks until the human clicks to buy
    RoundOver,               // the round's result stands until the human clicks
    Deal,                    // Timer2: the next card of the deal
    Animate,                 // Timer3: the next step of the score animation
};

// The order in which a tick of Timer1 looks at its steps. Each step is looked at once a tick,
// and a step set by the work of an earlier one in the same tick is still taken when it comes
// later in this list. So an "after one" step comes after the step it turns into, which makes
// it wait one whole tick; and a step that ends one phase can start the next phase's waiting at
// once: the last bid sets FindHighestBidAfterOne, turned into FindHighestBid in the same tick,
// and the discard sets WaitToBuy, whose first blink (hiding the label just shown) falls in the
// same tick too. Reordering this list changes the game's timing.
inline constexpr std::array<WaitStep, 13> kTimer1Order{
    WaitStep::BidNext,
    WaitStep::TrumpChosen,
    WaitStep::FindHighestBid,
    WaitStep::FindHighestBidAfterOne,
    WaitStep::Play,
    WaitStep::StartPlay,
    WaitStep::StartPlayAfterOne,
    WaitStep::Aftermath,
    WaitStep::AftermathAfterOne,
    WaitStep::Suggest,
    WaitStep::SuggestAfterOne,
    WaitStep::SuggestAfterTwo,
    WaitStep::WaitToBuy,
};

// The step's short name, for messages of tools and tests.
std::string_view WaitStepName(WaitStep step);

// A table timer whose tag is the step it waits for.
using StepTimer = common::TaggedTimer<WaitStep>;

}  // namespace table
