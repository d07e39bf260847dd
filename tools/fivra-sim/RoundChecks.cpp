#include "RoundChecks.h"

#include <algorithm>
#include <map>

namespace sim {

namespace {

using Problems = std::vector<std::string>;

// Every card lies in at most one collection, and the deck proper and the pool split the 52.
void CheckCardPlaces(const table::Table& table, Problems& problems) {
    const state::RoundState& round = table.State();
    std::map<const cards::Kort*, int> places;
    auto count = [&](const std::vector<cards::Kort*>& cards) {
        for (const cards::Kort* k : cards) {
            ++places[k];
        }
    };
    count(table.Deck().DeckCards());
    for (int s = 0; s < common::kSeats; ++s) {
        count(round.Hand[s].Cards());
        count(round.Bord[s].Cards());
    }
    count(round.KortKilled.Cards());
    for (const auto& [card, n] : places) {
        if (n > 1) {
            problems.push_back("card " + card->Key() + " lies in " + std::to_string(n) + " places");
        }
    }
    if (table.Deck().DeckCards().size() + table.Deck().PoolCards().size() != 52) {
        problems.push_back("the deck and the pool do not hold 52 cards");
    }
}

// No seat keeps a trump card, and every trump card was played or put out of play.
void CheckTrumpsAccountedFor(const state::RoundState& round, Problems& problems) {
    int trumps = 0;
    for (int s = 0; s < common::kSeats; ++s) {
        if (!round.Hand[s].HandEmpty(round.gbFarg)) {
            problems.push_back(std::string(common::SeatName(s)) +
                               " ends play holding a trump card");
        }
        trumps += round.Bord[s].AntalKortIFarg(round.gbFarg);
    }
    trumps += round.KortKilled.AntalKortIFarg(round.gbFarg);
    if (trumps != 14) {
        problems.push_back("played and killed trump cards number " + std::to_string(trumps));
    }
}

void CheckScores(const table::Table& table, const GameTrack& track, Problems& problems) {
    const state::RoundState& round = table.State();
    const int vi = TrickPointsVi(round);
    const int de = TrickPointsDe(round);
    if (vi + de != 14) {
        problems.push_back("the tricks hold " + std::to_string(vi + de) + " points, not 14");
    }
    const int bid = round.gbHogstaBudet;
    const bool vi_bid = common::IsVi(round.gbBjuditHogst);
    const int vi_score = vi_bid && vi < bid ? -bid : vi;
    const int de_score = !vi_bid && de < bid ? -bid : de;
    if (round.gbVi != track.vi_before + vi_score || round.gbDe != track.de_before + de_score) {
        problems.push_back("totals " + std::to_string(round.gbVi) + " : " +
                           std::to_string(round.gbDe) + " do not follow from " +
                           std::to_string(track.vi_before) + " : " +
                           std::to_string(track.de_before) + " and the round's " +
                           std::to_string(vi_score) + " : " + std::to_string(de_score));
    }
}

void CheckGameEnd(const table::Table& table, Problems& problems) {
    const state::RoundState& round = table.State();
    const bool over = round.gbVi > 61 || round.gbDe > 61;
    if (over != table.Ctl().LblGameOver.Visible) {
        problems.push_back("the game-over caption does not match totals " +
                           std::to_string(round.gbVi) + " : " + std::to_string(round.gbDe));
    }
}

// Every bid legal, every chosen card held and played: the table refused no decision, and the
// bids the seats hold make a legal auction from the seat after the dealer round to the dealer.
void CheckDecisions(const state::RoundState& round, const std::vector<std::string>& refused,
                    Problems& problems) {
    for (const std::string& decision : refused) {
        problems.push_back("the table refused a decision: " + decision);
    }
    int highest = 0;
    for (int turn = 1; turn <= common::kSeats; ++turn) {
        const int seat = common::SeatAfter(round.harPacko, turn);
        const bool dealer = seat == round.harPacko;
        if (dealer && highest == 0) {
            highest = 5;
        }
        const int bid = round.Hand[seat].GeBud();
        if (!state::IsLegalBid(highest, dealer, bid)) {
            problems.push_back(std::string(common::SeatName(seat)) + " holds the illegal bid " +
                               std::to_string(bid) + " over " + std::to_string(highest));
        }
        highest = std::max(highest, bid);
    }
}

}  // namespace

int TrickPointsVi(const state::RoundState& round) {
    int sum = 0;
    for (int p : round.TrickPointsVi) {
        sum += p;
    }
    return sum;
}

int TrickPointsDe(const state::RoundState& round) {
    int sum = 0;
    for (int p : round.TrickPointsDe) {
        sum += p;
    }
    return sum;
}

std::vector<std::string> CheckFinishedRound(const table::Table& table, const GameTrack& track,
                                            bool replayed) {
    Problems problems;
    const state::RoundState& round = table.State();
    CheckCardPlaces(table, problems);
    CheckTrumpsAccountedFor(round, problems);
    if (replayed) {
        if (round.gbVi != track.vi_before || round.gbDe != track.de_before) {
            problems.push_back("a replayed round changed the totals");
        }
        return problems;
    }
    CheckDecisions(round, table.RefusedDecisions(), problems);
    CheckScores(table, track, problems);
    CheckGameEnd(table, problems);
    if (track.previous_dealer >= 0 && round.harPacko != common::NextSeat(track.previous_dealer)) {
        problems.push_back("the dealer did not move on by one seat");
    }
    if (round.attSaka != common::NextSeat(round.harPacko)) {
        problems.push_back("the next round's dealer is not the seat after this round's");
    }
    return problems;
}

}  // namespace sim
