#include "coach/HintPlayer.h"

#include "presentation/Localisation.h"

namespace coach {

namespace {

bool Swedish(presentation::Language language) {
    return language == presentation::Language::Svenska;
}

}  // namespace

std::string CardHint(const std::vector<search::JudgedChoice>& judged, const cards::Kort& best,
                     presentation::Language language) {
    const std::string card = CardName(best);
    const bool sv = Swedish(language);
    if (judged.size() < 2) {
        return card + (sv ? " är ditt enda kort" : " is your only card");
    }
    const double margin = judged[0].mean - judged[1].mean;
    if (margin < kEqualValues) {
        return card + (sv ? " är lika bra som ditt näst bästa kort"
                          : " is as good as your next best card");
    }
    const std::string points = PointsText(margin, language);
    return sv ? card + " behåller ungefär " + points + " poäng mer än ditt näst bästa kort"
              : card + " keeps about " + points + " points more than your next best card";
}

std::optional<state::BidChoice> HintPlayer::Bid(const state::SeatView& view) {
    const std::vector<search::JudgedChoice> bids = judgement_(view, state::Decision::Bid);
    if (bids.empty()) {
        return std::nullopt;
    }
    const int bid = bids.front().choice;
    int colour = 0;
    if (bid > 0) {
        const std::vector<search::JudgedChoice> colours = judgement_(view, state::Decision::Trump);
        colour = colours.empty() ? 0 : colours.front().choice;
    }
    return state::BidChoice{bid, colour, "Expert: " + BidName(bid)};
}

std::optional<int> HintPlayer::Trump(const state::SeatView&) {
    return std::nullopt;
}

std::optional<state::CardChoice> HintPlayer::Card(const state::SeatView& view) {
    last_hint_.clear();
    const std::vector<search::JudgedChoice> cards = judgement_(view, state::Decision::Card);
    if (cards.empty()) {
        return std::nullopt;
    }
    const int rank = cards.front().choice;
    const int position = view.hand.FindCardIDXofRang(rank, view.round.gbFarg);
    if (position <= 0) {
        return std::nullopt;
    }
    last_hint_ = CardHint(cards, *view.hand.CardAt(position), language_);
    return state::CardChoice{rank, "[Expert]"};
}

}  // namespace coach
