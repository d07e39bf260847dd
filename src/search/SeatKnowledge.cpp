#include "search/SeatKnowledge.h"

#include "common/Names.h"

namespace search {

namespace {

constexpr int kDealt = 9;      // cards each seat is dealt
constexpr int kDeckLeft = 16;  // cards left in the deck for the buying
constexpr int kPlayHand = 6;   // trumps a seat may keep

// The cards each seat bought, from the public trump counts: the seats after the dealer fill
// up to six in turn while the deck lasts; the dealer takes the rest.
std::array<int, 4> CardsBought(const state::RoundState& round) {
    std::array<int, 4> bought{};
    const int dealer = round.harPacko;
    int left = kDeckLeft;
    for (int k = 1; k < 4; ++k) {
        const int s = common::SeatAfter(dealer, k);
        const int kept = round.BeforeBuying[s];
        bought[s] = kept >= kPlayHand ? 0 : std::min(kPlayHand - kept, left);
        left -= bought[s];
    }
    bought[dealer] = left;
    return bought;
}

SeatShown Shown(const state::RoundState& round, int s, const std::array<int, 4>& bought) {
    SeatShown shown;
    const int before = round.BeforeBuying[s];
    if (before > kPlayHand) {
        shown.forced = kPlayHand;  // gave up its surplus in public, never a point card
        shown.free = 0;
    } else if (s == round.harPacko) {
        shown.forced = 0;  // the dealer threw nothing away before taking the rest
        shown.free = kDealt + bought[s];
    } else {
        shown.forced = std::max(0, before);
        shown.free = bought[s];
    }
    shown.played = round.PlayedCount[s];
    shown.cards_held = round.Hand[s].AntalKort();
    shown.out = round.ColdFlag[s] != 0;
    return shown;
}

}  // namespace

TrumpSet TrumpsOf(const cards::KortHand& hand, int trump) {
    TrumpSet set = 0;
    for (const cards::Kort* card : hand.Cards()) {
        set |= card->IsOfColour(trump) ? Bit(card->Rang) : 0;
    }
    return set;
}

SeatKnowledge KnowledgeOf(const state::RoundState& round, const cards::KortHand& hand, int seat) {
    SeatKnowledge k;
    k.seat = seat;
    k.own = TrumpsOf(hand, round.gbFarg);
    TrumpSet gone = 0;
    for (int r = 1; r < state::kRanks; ++r) {
        gone |= round.PlayedTrump[r] != 0 ? Bit(r) : 0;
    }
    k.unseen = static_cast<TrumpSet>(kAllTrumps & ~gone & ~k.own);
    const std::array<int, 4> bought = CardsBought(round);
    for (int s = 0; s < 4; ++s) {
        if (s != seat) {
            k.shown[s] = Shown(round, s, bought);
        }
    }
    k.leader = round.TrickLeader;
    k.trick = round.TrickCards;
    k.points_vi = round.PointsVi;
    k.points_de = round.PointsDe;
    k.bid = round.gbHogstaBudet;
    k.bidder = round.gbBjuditHogst;
    return k;
}

}  // namespace search
