#include "gamelog/LogBlocks.h"
#include "table/Table.h"

namespace table {

void Table::SetTeamPlayer(int team, state::SeatPlayer* player) {
    for (int seat = team; seat < common::kSeats; seat += 2) {
        SetSeatPlayer(seat, player);
    }
}

void Table::SetSeatPlayer(int seat, state::SeatPlayer* player, std::string level) {
    players_.at(seat) = player;
    levels_.at(seat) = std::move(level);
}

state::SeatPlayer* Table::PlayerAt(int seat) const {
    // The human's seat decides only its suggestion.
    if (round_.Hand[seat].HandSpelarTyp() != 0) {
        return suggestion_player_;
    }
    return players_[seat];
}

void Table::TellDecision(int seat, state::Decision decision, int choice, int biggest_bid) {
    if (decision_taken) {
        decision_taken(state::SeatView{round_, round_.Hand[seat], seat, biggest_bid}, decision,
                       choice);
    }
}

void Table::LogSeatLevels() {
    bool logged = false;
    for (int seat = 0; seat < common::kSeats; ++seat) {
        if (!levels_[seat].empty()) {
            const std::string line = gamelog::SeatLevelLine(seat, levels_[seat]);
            Trace(line);
            log_.Log(line);
            logged = true;
        }
    }
    if (logged) {
        log_.EndBlock();
    }
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
    suggest_hint_.clear();
    if (choice) {
        decision.rank_code = choice->rank_code;
        decision.RuleTrace = choice->trace;
        decision.ProbText = "100";
        if (player == suggestion_player_ && suggestion_hint_) {
            suggest_hint_ = suggestion_hint_();
        }
    } else {
        decision = play_ai_.ChoosePlayCard(MakePlayContext(seat));
    }
    if (card_chosen && round_.Hand[seat].HandSpelarTyp() == 0) {
        card_chosen(seat, decision);
    }
    return decision;
}

}  // namespace table
