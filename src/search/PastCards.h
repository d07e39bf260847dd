#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <unordered_map>
#include <vector>

#include "search/RuleReplay.h"
#include "search/TrumpSet.h"
#include "state/SeatPlayer.h"

namespace search {

// The cards the seats that play by the rule files have played this round, each kept with the
// round's public state when it was played, and how well a deal of the hidden trumps explains
// them: a deal in which the rules, given that seat's hand then, would have played another card
// is less likely. Soft, not ruled out: the rules' memory and hand order are rebuilt only
// approximately, and the rules may draw on a chance.
class PastCards {
  public:
    PastCards(const std::filesystem::path& rule_folder, std::uint64_t seed);

    // A decision seen at the table. A card of a seat that plays by the rules is kept; a bid
    // starts a new round.
    void Saw(const state::SeatView& view, state::Decision decision, int choice, bool by_rules);
    // Before weighing the deals of a decision of `seat` at `now`: forgets an earlier round's
    // cards and works out which cards each seat has played since each kept card.
    void Prepare(const state::RoundState& now, int seat);
    // The weight of a deal of the trumps held now: a small factor for each kept card the rules
    // would not have played with that seat's hand then.
    double Weight(const std::array<TrumpSet, 4>& hands);

  private:
    struct Past {
        state::RoundState moment;  // the public state only: no hand is kept
        int seat = 0;
        int card = 0;
        TrumpSet since = 0;  // the seat's cards from this one on, at the decision weighed
        bool weighed = false;
    };
    int Answer(std::size_t index, TrumpSet hand);

    RuleReplay replay_;
    std::uint64_t seed_;
    std::vector<Past> cards_;
    std::unordered_map<std::uint64_t, int> answers_;  // by kept card and hand then
};

}  // namespace search
