#include "table/Table.h"

namespace table {

state::SeatPlayer* Table::PlayerAt(int seat) const {
    // The human's seat always has the rule files' decision: it is the suggestion.
    if (round_.Hand[seat].HandSpelarTyp() != 0) {
        return nullptr;
    }
    return players_[common::IsVi(seat) ? 0 : 1];
}

bidai::BidDecision Table::DecideBid(int seat) {
    state::SeatPlayer* player = PlayerAt(seat);
    if (player != nullptr) {
        const state::SeatView view{round_, round_.Hand[seat], seat, round_.gbHogstaBudet};
        if (const auto choice = player->Bid(view)) {
            round_.Hand[seat].PutBud(choice->bid);
            if (!choice->explanation.empty()) {
                log_.Log(choice->explanation);
            }
            return bidai::BidDecision{choice->bid, choice->colour, 0, choice->explanation};
        }
    }
    return bid_ai_.bjud(MakeBidContext(seat));
}

int Table::DecideTrump(int seat) {
    state::SeatPlayer* player = PlayerAt(seat);
    if (player != nullptr) {
        const state::SeatView view{round_, round_.Hand[seat], seat, round_.gbHogstaBudet};
        if (const auto colour = player->Trump(view)) {
            return *colour;
        }
    }
    return min_farg_[seat];
}

playai::PlayDecision Table::DecideCard(int seat) {
    playai::PlayDecision decision;
    state::SeatPlayer* player = PlayerAt(seat);
    std::optional<state::CardChoice> choice;
    if (player != nullptr) {
        choice = player->Card(state::SeatView{round_, round_.Hand[seat], seat, 0});
    }
    if (choice) {
        decision.rank_code = choice->rank_code;
        decision.RuleTrace = choice->trace;
        decision.ProbText = "100";
    } else {
        decision = play_ai_.ChoosePlayCard(MakePlayContext(seat));
    }
    if (card_chosen && round_.Hand[seat].HandSpelarTyp() == 0) {
        card_chosen(seat, decision);
    }
    return decision;
}

}  // namespace table
