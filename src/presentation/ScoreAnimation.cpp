#include "presentation/ScoreAnimation.h"

#include <algorithm>

#include "common/Names.h"

namespace presentation {

namespace {

// The ranks that carry points: the two, both fivra cards, the ten, the jack and the ace.
constexpr std::array<int, 6> kPointRanks{1, 4, 5, 10, 11, 14};

bool IsPointRank(int rang) {
    return std::find(kPointRanks.begin(), kPointRanks.end(), rang) != kPointRanks.end();
}

bool TrickHasPointCard(const state::RoundState& round, int trick) {
    const auto& played = round.TrickHistory[static_cast<std::size_t>(trick)];
    return std::any_of(played.begin(), played.end(), IsPointRank);
}

// Raises the card of rank `rang` of the first seat that played that rank in the trick. At the
// round's end the hands are empty: the played cards lie on the seats' table spots, and only
// played trump cards lie there, so the rank names one card.
void RaiseFirstSeatWithRank(state::RoundState& round, int trick, int rang) {
    const auto& played = round.TrickHistory[static_cast<std::size_t>(trick)];
    for (int seat = 0; seat < common::kSeats; ++seat) {
        if (played[static_cast<std::size_t>(seat)] == rang) {
            round.Bord[static_cast<std::size_t>(seat)].StickOutAllCardsOfRang(rang);
            return;
        }
    }
}

std::string ScoreText(int vi, int de) {
    return std::to_string(vi) + " : " + std::to_string(de);
}

}  // namespace

void ScoreAnimation::Start() {
    trick_ = 1;
    status_ = kShowTrick;
    running_vi_ = 0;
    running_de_ = 0;
}

void ScoreAnimation::ScoreAnimationStep(
    state::RoundState& round, const std::array<std::string, state::kTricks>& trick_card_letter,
    common::Control& LblScore, common::Dialogs& dialogs) {
    switch (status_) {
        case kShowTrick:
            if (trick_ >= 0 && trick_ < state::kTricks) {
                ShowTrick(round, trick_card_letter[static_cast<std::size_t>(trick_)], LblScore);
            }
            status_ = kAdvance;
            break;
        case kAdvance:
            ResetHandsAfterAnimation(round);
            status_ = kShowTrick;
            AdvanceToNextPointTrick(round);
            break;
        case kFinal:
            LblScore.Caption = ScoreText(round.PointsVi, round.PointsDe);
            LblScore.Visible = true;
            status_ = kRestart;
            break;
        case kRestart:
            // The count starts over from the first trick and loops until the table stops it.
            ResetHandsAfterAnimation(round);
            LblScore.Visible = false;
            running_vi_ = 0;
            running_de_ = 0;
            status_ = kShowTrick;
            break;
        default:
            dialogs.Message("ERROR - in Animation - No status defined");
            break;
    }
}

void ScoreAnimation::ShowTrick(state::RoundState& round, const std::string& card_letter,
                               common::Control& LblScore) {
    const auto t = static_cast<std::size_t>(trick_);
    if (const auto rang = common::TrumpCardCode(card_letter); rang && *rang > 0) {
        RaiseFirstSeatWithRank(round, trick_, *rang);
    }
    for (const int rang : kPointRanks) {
        RaiseFirstSeatWithRank(round, trick_, rang);
    }
    running_vi_ += round.TrickPointsVi[t];
    running_de_ += round.TrickPointsDe[t];
    LblScore.Caption = ScoreText(running_vi_, running_de_);
    LblScore.Visible = true;
}

// Moves on to the next trick that holds a point card; past the sixth trick the final score
// comes next and the search goes on from the first. One full turn at most: a round in which
// no point card fell ends on the final score instead of searching for ever.
void ScoreAnimation::AdvanceToNextPointTrick(const state::RoundState& round) {
    for (int steps = 0; steps < state::kTricks; ++steps) {
        ++trick_;
        if (trick_ >= state::kTricks) {
            status_ = kFinal;
            trick_ = 1;
        }
        if (TrickHasPointCard(round, trick_)) {
            return;
        }
    }
    status_ = kFinal;
    trick_ = 1;
}

void ScoreAnimation::ResetHandsAfterAnimation(state::RoundState& round) {
    for (int seat = 0; seat < common::kSeats; ++seat) {
        for (cards::KortHand* cards : {&round.Hand[seat], &round.Bord[seat]}) {
            cards->SattInKortIHanden();
            cards->refresh();
        }
    }
}

}  // namespace presentation
