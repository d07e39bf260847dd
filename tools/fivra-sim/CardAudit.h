#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <random>
#include <string>

#include "playai/PlayEngine.h"
#include "state/RoundState.h"

namespace sim {

// Judges the cards the computer seats choose: for every card where the seat had a real choice,
// the points its side takes in the round with that card and with the best card, each the mean
// over sampled deals that agree with what the seat could see, solved to the end of the round.
// One line a decision, and the loss summed by the rule that chose the card.
class CardAudit {
  public:
    static constexpr int kSamples = 100;

    // `out` gets the decision lines (nullptr: none); `seed` makes the samples repeatable.
    CardAudit(std::ostream* out, std::uint64_t seed, int samples = kSamples);

    // The points the chosen card gives away against the best card; 0 without a real choice.
    double Judge(const state::RoundState& round, int seat, const playai::PlayDecision& decision,
                 int round_number);

    // The loss a round of each rule and of each team over `rounds` rounds.
    void Summary(std::ostream& out, int rounds) const;

    struct RuleLoss {
        int decisions = 0;
        double loss = 0;
    };
    const std::map<std::string, RuleLoss>& ByRule() const { return by_rule_; }

  private:
    std::ostream* out_;
    int samples_;
    std::mt19937_64 random_;
    std::map<std::string, RuleLoss> by_rule_;
};

// The rule's name in a decision's trace ("[LeadLow]..." gives "LeadLow").
std::string RuleName(const std::string& trace);

}  // namespace sim
