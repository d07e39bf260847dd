#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <unordered_map>

#include "search/TrumpSet.h"
#include "state/RoundState.h"

namespace search {

enum class SeatModel;

// What the auction said in public about one other seat's trumps.
struct SeatBid {
    bool judged = false;  // a seat whose nine cards are known up to its trumps
    int trumps_in_nine = 0;
    TrumpSet played = 0;  // trumps it has played
    int spoke = 0;        // its bid: 0 pass, 6..14
    int before = 0;       // the highest bid when it spoke (0 none)
    bool won = false;     // it won the auction and named the trump
    double softness = 1;  // how far (in points of the bid base) its bids stray from the model
};

struct AuctionFacts {
    std::array<SeatBid, 4> seats{};
};

// The auction as the seat `seat` saw it. The dealer's and the seat's own entries are not
// judged: the dealer threw nothing away, so its nine cards are unknown.
AuctionFacts FactsOf(const state::RoundState& round, int seat,
                     const std::array<SeatModel, 4>& models);

// How well a deal of the unseen trumps explains the auction: each seat that bid or passed
// values its trumps among its nine by the bid base, as the rule files do, and bids the highest
// level whose expected score reaches the opening threshold. A seat that bid below what its
// trumps are worth there, or above, makes the deal less likely, by exp(-shortfall / softness);
// a seat that bought trumps is averaged over which of its trumps it was dealt.
class AuctionModel {
  public:
    // Reads the bid base and the opening threshold of the bid rules in `folder` once; without
    // a readable bid base every deal weighs the same.
    explicit AuctionModel(const std::filesystem::path& folder);

    double Weight(const std::array<TrumpSet, 4>& hands, const AuctionFacts& facts);
    bool Usable() const { return !base_.empty(); }

  private:
    // The expected score of bidding 5..14 with these trumps, 0 for a holding the base lacks.
    const std::array<float, 10>& Expectation(TrumpSet trumps);
    double SeatLikelihood(TrumpSet holds, const SeatBid& bid);
    double BidLikelihood(TrumpSet nine, const SeatBid& bid);

    std::string base_;
    double threshold_ = 7.5;
    std::unordered_map<TrumpSet, std::array<float, 10>> known_;
};

}  // namespace search
