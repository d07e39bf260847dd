#include <algorithm>
#include <vector>

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

// Each distinct player at the table (the seats' and the suggestion's) is told once.
void Table::TellDecision(int seat, state::Decision decision, int choice, int biggest_bid) {
    const state::SeatView view{round_, round_.Hand[seat], seat, biggest_bid};
    std::vector<state::SeatPlayer*> told;
    for (state::SeatPlayer* player :
         {players_[0], players_[1], players_[2], players_[3], suggestion_player_}) {
        if (player != nullptr && std::find(told.begin(), told.end(), player) == told.end()) {
            told.push_back(player);
            player->Seen(view, decision, choice);
        }
    }
    if (decision_taken) {
        decision_taken(view, decision, choice);
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

// A decision the table does not take: shown, logged and kept in the round's record, so that a
// faulty player is seen; the round goes on with a decision the table can take.
void Table::RefuseDecision(int seat, const std::string& what) {
    const std::string text = "ERROR - " + std::string(common::SeatName(seat)) + " " + what;
    refused_.push_back(text);
    log_.Log(text);
    dialogs_.Message(text);
}

void Table::RefuseCard(int seat, int rank_code) {
    const auto name = common::TrumpCardName(rank_code);
    const std::string card =
        name && !name->empty() ? std::string(*name) : "code " + std::to_string(rank_code);
    RefuseDecision(seat, "plays " + card + ", a card it does not hold");
}

// A player's illegal bid is refused and the rule files decide instead; should they bid
// illegally too, the seat passes, or bids 6 when it must.
bidai::BidDecision Table::DecideBid(int seat) {
    const state::SeatView view{round_, round_.Hand[seat], seat, round_.gbHogstaBudet};
    const bool dealer = seat == round_.attSaka;
    state::SeatPlayer* player = PlayerAt(seat);
    if (player != nullptr) {
        if (const auto choice = player->Bid(view)) {
            if (take_staged_bids || state::IsLegalBid(view.biggest_bid, dealer, choice->bid)) {
                round_.Hand[seat].PutBud(choice->bid);
                if (!choice->explanation.empty()) {
                    log_.Log(choice->explanation);
                }
                return bidai::BidDecision{choice->bid, choice->colour, 0, choice->explanation};
            }
            RefuseDecision(seat, "bids " + std::to_string(choice->bid) + ", not a legal bid");
        }
    }
    bidai::BidDecision decision = bid_ai_.bjud(MakeBidContext(seat));
    if (!state::IsLegalBid(view.biggest_bid, dealer, decision.bid)) {
        RefuseDecision(seat, "bids " + std::to_string(decision.bid) + ", not a legal bid");
        decision.bid = view.biggest_bid == 5 ? 6 : 0;
        round_.Hand[seat].PutBud(decision.bid);
    }
    return decision;
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

// A player's card that the seat does not hold is refused and the rule files choose instead.
playai::PlayDecision Table::DecideCard(int seat) {
    playai::PlayDecision decision;
    const cards::KortHand& hand = round_.Hand[seat];
    state::SeatPlayer* player = PlayerAt(seat);
    std::optional<state::CardChoice> choice;
    if (player != nullptr) {
        choice = player->Card(state::SeatView{round_, hand, seat, 0});
    }
    if (choice && hand.FindCardIDXofRang(choice->rank_code, round_.gbFarg) <= 0) {
        RefuseCard(seat, choice->rank_code);
        choice.reset();
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
    if (card_chosen && hand.HandSpelarTyp() == 0) {
        card_chosen(seat, decision);
    }
    return decision;
}

}  // namespace table
