#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "cards/Packe.h"
#include "common/LogSink.h"
#include "common/Random.h"
#include "common/ScriptedDialogs.h"
#include "playai/PlayEngine.h"
#include "search/TrumpSet.h"
#include "state/RoundState.h"

namespace search {

// The play rule files run in memory on a past moment of the round with a hand of our choosing:
// which card would the rules have played there with those trumps? The moment is the round's
// public state; the rules' memory of the round (the counts seen, the tricks' highs) is rebuilt
// from it, so the answer is the table's but for hand order, the rules' chances and their
// belief that a seat holds no fivra card (which hangs on hands we do not know; left empty).
class RuleReplay {
  public:
    // Reads the play rules in `folder` once; without them nothing is replayed.
    explicit RuleReplay(const std::filesystem::path& folder);
    RuleReplay(const RuleReplay&) = delete;
    RuleReplay& operator=(const RuleReplay&) = delete;

    bool Usable() const { return usable_; }
    // The rank code the rules play for `seat` holding `hand` at `moment`; `seed` seeds their
    // chances.
    int Card(const state::RoundState& moment, int seat, TrumpSet hand, std::uint64_t seed);

  private:
    void UseTrump(int colour);
    void RebuildMemory(const state::RoundState& moment, int seat, int held);

    common::Random deck_random_{0};
    cards::Packe deck_{deck_random_};
    std::array<cards::Kort*, state::kRanks> trump_cards_{};  // by rank code, for `colour_`
    int colour_ = 0;
    playai::PlayEngine engine_;
    common::NullSink log_;
    common::ScriptedDialogs dialogs_;
    std::string folder_;
    bool usable_ = false;
};

}  // namespace search
