#include "search/SeatKnowledge.h"

#include "common/Names.h"
#include "common/Random.h"

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

// Folds one value into a running seed.
std::uint64_t Fold(std::uint64_t seed, std::uint64_t value) {
    return common::SplitMix64(seed + value);
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

std::uint64_t DecisionSeed(std::uint64_t seed, const SeatKnowledge& k) {
    std::uint64_t z = Fold(seed, static_cast<std::uint64_t>(k.seat));
    for (const std::uint64_t value :
         {std::uint64_t{k.own}, std::uint64_t{k.unseen}, static_cast<std::uint64_t>(k.leader),
          static_cast<std::uint64_t>(k.points_vi), static_cast<std::uint64_t>(k.points_de),
          static_cast<std::uint64_t>(k.bid), static_cast<std::uint64_t>(k.bidder)}) {
        z = Fold(z, value);
    }
    for (int s = 0; s < 4; ++s) {
        const SeatShown& shown = k.shown[static_cast<std::size_t>(s)];
        z = Fold(z, static_cast<std::uint64_t>(k.trick[static_cast<std::size_t>(s)]));
        z = Fold(z, static_cast<std::uint64_t>(shown.played * 64 + shown.cards_held * 2 +
                                               (shown.out ? 1 : 0)));
    }
    return z;
}

}  // namespace search
