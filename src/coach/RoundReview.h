#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "coach/Judgement.h"
#include "coach/ViewSnapshot.h"

namespace coach {

// One decision of the round as it was taken, with what the seat saw before it.
struct TakenDecision {
    state::Decision kind = state::Decision::Card;
    int seat = 0;
    int choice = 0;  // a bid (0 pass), a colour code or a card's rank
    std::shared_ptr<const ViewSnapshot> seen;
};

// Keeps the decisions of the round being played. A replay plays the cards again: its first
// card drops the cards kept before it.
class RoundRecorder {
  public:
    void Clear() { decisions_.clear(); }
    void Record(const state::SeatView& view, state::Decision kind, int choice);
    const std::vector<TakenDecision>& Decisions() const { return decisions_; }

  private:
    std::vector<TakenDecision> decisions_;
};

// One decision judged: the choice made, the expert's, and what the choice cost by the
// expert's judgement (0 when the two are the same or equal).
struct ReviewLine {
    state::Decision kind = state::Decision::Card;
    int seat = 0;
    int trick = 0;  // 1..6 for a card, 0 for the bid and the trump
    std::string made;
    std::string expert;
    double cost = 0;
};

struct ReviewTrick {
    int number = 0;
    int leader = 0;
    int winner = 0;
    std::array<std::string, 4> cards{};  // by seat; empty for a seat that played none
};

struct RoundReview {
    std::vector<ReviewTrick> tricks;
    std::vector<ReviewLine> lines;  // every seat's decisions in the order they were taken
    // What each seat gave away in the round, by seat number.
    std::array<double, 4> given_away{};
    bool complete = true;  // false when the review was stopped before its end
};

// Judges every decision of a round. `progress` (may be empty) is told after each decision;
// `stop` (may be null) ends the work early when it turns true. `judge` (may be null), the
// player behind the judgement, is told each decision once it is judged, as the table told it,
// so that it judges the next one knowing what the seats did before, as it did at the table.
RoundReview ReviewRound(const std::vector<TakenDecision>& decisions, const Judgement& judgement,
                        const std::function<void(int done, int total)>& progress = {},
                        const std::atomic<bool>* stop = nullptr,
                        state::SeatPlayer* judge = nullptr);

}  // namespace coach
