#include "coach/RoundReview.h"

#include <algorithm>

namespace coach {

namespace {

std::string ChoiceName(const TakenDecision& taken, int choice) {
    switch (taken.kind) {
        case state::Decision::Bid:
            return BidName(choice);
        case state::Decision::Trump:
            return ColourSymbol(choice);
        case state::Decision::Card:
            break;
    }
    const cards::Kort* card = taken.seen->CardOfRank(choice);
    return card != nullptr ? CardName(*card) : std::string();
}

ReviewLine Judge(const TakenDecision& taken, const Judgement& judgement) {
    const state::SeatView view = taken.seen->View();
    ReviewLine line{taken.kind, taken.seat, 0, ChoiceName(taken, taken.choice), {}, 0};
    if (taken.kind == state::Decision::Card) {
        line.trick = view.round.Round;
    }
    const std::vector<search::JudgedChoice> judged = judgement(view, taken.kind);
    if (judged.empty()) {
        line.expert = line.made;
        return line;
    }
    line.expert = ChoiceName(taken, judged.front().choice);
    const auto made = std::find_if(judged.begin(), judged.end(), [&](const auto& judged_choice) {
        return judged_choice.choice == taken.choice;
    });
    // A choice the judgement does not list (none the seat could make) costs nothing: there is
    // no value to set against the best.
    if (made != judged.end()) {
        const double cost = judged.front().mean - made->mean;
        line.cost = cost < kEqualValues ? 0.0 : cost;
    }
    return line;
}

// The tricks as they were played: the cards of each trick by seat, who led and who took it
// (the highest card).
std::vector<ReviewTrick> Tricks(const std::vector<TakenDecision>& decisions) {
    std::vector<ReviewTrick> tricks;
    std::vector<int> highest;
    for (const TakenDecision& taken : decisions) {
        if (taken.kind != state::Decision::Card) {
            continue;
        }
        const state::RoundState& round = taken.seen->View().round;
        if (tricks.empty() || tricks.back().number != round.Round) {
            tricks.push_back(ReviewTrick{round.Round, round.TrickLeader, taken.seat, {}});
            highest.push_back(0);
        }
        tricks.back().cards[static_cast<std::size_t>(taken.seat)] = ChoiceName(taken, taken.choice);
        if (taken.choice > highest.back()) {
            highest.back() = taken.choice;
            tricks.back().winner = taken.seat;
        }
    }
    return tricks;
}

}  // namespace

void RoundRecorder::Record(const state::SeatView& view, state::Decision kind, int choice) {
    if (kind == state::Decision::Card && view.round.CardsPlayed == 0) {
        std::erase_if(decisions_, [](const TakenDecision& taken) {
            return taken.kind == state::Decision::Card;
        });
    }
    decisions_.push_back(
        TakenDecision{kind, view.seat, choice, std::make_shared<const ViewSnapshot>(view)});
}

RoundReview ReviewRound(const std::vector<TakenDecision>& decisions, const Judgement& judgement,
                        const std::function<void(int done, int total)>& progress,
                        const std::atomic<bool>* stop, state::SeatPlayer* judge) {
    RoundReview review;
    review.tricks = Tricks(decisions);
    const int total = static_cast<int>(decisions.size());
    for (int done = 0; done < total; ++done) {
        if (stop != nullptr && stop->load()) {
            review.complete = false;
            break;
        }
        const TakenDecision& taken = decisions[static_cast<std::size_t>(done)];
        const ReviewLine line = Judge(taken, judgement);
        if (judge != nullptr) {
            judge->Seen(taken.seen->View(), taken.kind, taken.choice);
        }
        review.given_away[static_cast<std::size_t>(line.seat)] += line.cost;
        review.lines.push_back(line);
        if (progress) {
            progress(done + 1, total);
        }
    }
    return review;
}

}  // namespace coach
