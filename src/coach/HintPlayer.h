#pragma once

#include "coach/Judgement.h"

namespace coach {

// The expert as the human's adviser: the suggestion shows the expert's bid and card, and the
// hint line says how much the card keeps over the next best one by the expert's judgement.
// It never names a trump colour for the human: the human names trump without a suggestion.
class HintPlayer : public state::SeatPlayer {
  public:
    // `judge` (may be null) is the player behind the judgement, told every decision seen.
    HintPlayer(Judgement judgement, presentation::Language language,
               state::SeatPlayer* judge = nullptr)
        : judgement_(std::move(judgement)), language_(language), judge_(judge) {}

    std::optional<state::BidChoice> Bid(const state::SeatView& view) override;
    std::optional<int> Trump(const state::SeatView& view) override;
    std::optional<state::CardChoice> Card(const state::SeatView& view) override;
    void Seen(const state::SeatView& view, state::Decision decision, int choice) override {
        if (judge_ != nullptr) {
            judge_->Seen(view, decision, choice);
        }
    }
    // The hint for the card Card chose last.
    const std::string& LastHint() const { return last_hint_; }

  private:
    Judgement judgement_;
    presentation::Language language_;
    state::SeatPlayer* judge_;
    std::string last_hint_;
};

// The hint for the best of `judged` (best first), whose card is `best`: what it keeps over the
// next best choice, that the two are worth the same, or that it is the only card.
std::string CardHint(const std::vector<search::JudgedChoice>& judged, const cards::Kort& best,
                     presentation::Language language);

}  // namespace coach
