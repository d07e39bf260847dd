#pragma once

#include "coach/Judgement.h"

namespace coach {

// The expert as the human's adviser: the suggestion shows the expert's bid and card, and the
// hint line says how much the card keeps over the next best one by the expert's judgement.
// It never names a trump colour for the human: the human names trump without a suggestion.
class HintPlayer : public state::SeatPlayer {
  public:
    HintPlayer(Judgement judgement, presentation::Language language)
        : judgement_(std::move(judgement)), language_(language) {}

    std::optional<state::BidChoice> Bid(const state::SeatView& view) override;
    std::optional<int> Trump(const state::SeatView& view) override;
    std::optional<state::CardChoice> Card(const state::SeatView& view) override;
    // The hint for the card Card chose last.
    const std::string& LastHint() const { return last_hint_; }

  private:
    Judgement judgement_;
    presentation::Language language_;
    std::string last_hint_;
};

// The hint for the best of `judged` (best first), whose card is `best`: what it keeps over the
// next best choice, that the two are worth the same, or that it is the only card.
std::string CardHint(const std::vector<search::JudgedChoice>& judged, const cards::Kort& best,
                     presentation::Language language);

}  // namespace coach
