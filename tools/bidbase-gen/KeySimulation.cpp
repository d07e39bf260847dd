#include "KeySimulation.h"

#include <cmath>
#include <optional>

#include "HoldingDeal.h"
#include "RoundChecks.h"
#include "RoundDriver.h"
#include "common/Names.h"
#include "common/ScriptedDialogs.h"
#include "common/SettingsStore.h"
#include "state/SeatPlayer.h"
#include "table/Table.h"

namespace bidbase_gen {

namespace {

inline constexpr int kOtherBidders = 3;

// Every seat's auction and trump: the planned bidder bids, the others pass, and the planned
// colour is trump. The cards are left to the rule files.
class PlannedAuction : public state::SeatPlayer {
  public:
    int bidder = 0;
    int colour = common::kKlover;
    int bid = 7;

    std::optional<state::BidChoice> Bid(const state::SeatView& view) override {
        return state::BidChoice{view.seat == bidder ? bid : 0, colour, {}};
    }
    std::optional<int> Trump(const state::SeatView&) override { return colour; }
    std::optional<state::CardChoice> Card(const state::SeatView&) override { return std::nullopt; }
};

// Points of the key seat's team per round, by who was the bidder (0 the key seat, 1 left,
// 2 partner, 3 right).
struct Takings {
    std::array<std::vector<int>, 4> taken;
};

double Mean(const std::vector<double>& values) {
    double sum = 0.0;
    for (const double v : values) {
        sum += v;
    }
    return values.empty() ? 0.0 : sum / static_cast<double>(values.size());
}

double StandardError(const std::vector<double>& values) {
    if (values.size() < 2) {
        return 0.0;
    }
    const double mean = Mean(values);
    double squares = 0.0;
    for (const double v : values) {
        squares += (v - mean) * (v - mean);
    }
    const double n = static_cast<double>(values.size());
    return std::sqrt(squares / (n - 1) / n);
}

// The bidding team's round score: the points taken, or minus the bid when short.
double BidderScore(int taken, int bid) {
    return taken >= bid ? taken : -bid;
}

float Rounded(double value, double step) {
    return static_cast<float>(std::round(value / step) * step);
}

void FillRecord(const Takings& takings, int play_bid, KeyOutcome& outcome) {
    const std::vector<int>& own = takings.taken[0];
    for (int j = 0; j < bidai::kEaFields; ++j) {
        const int bid = j + bidai::kForcedBidMarker;
        std::vector<double> scores;
        int made = 0;
        for (const int t : own) {
            scores.push_back(BidderScore(t, bid));
            made += t >= bid ? 1 : 0;
        }
        outcome.record.ea[j] = Rounded(Mean(scores), 0.01);
        if (j >= 1) {
            outcome.record.p[j] =
                Rounded(own.empty() ? 0.0 : static_cast<double>(made) / own.size(), 0.001);
        }
        if (bid >= bidai::kLowestBid && bid <= 10) {
            outcome.ea_stderr = std::max(outcome.ea_stderr, StandardError(scores));
        }
    }
    for (int k = 0; k < bidai::kRelativeSeats; ++k) {
        std::vector<double> scores;
        for (const int t : takings.taken[k]) {
            // The key seat's team bids when the key seat or its partner took the bid; as
            // defenders it keeps what it took.
            scores.push_back(k % 2 == 0 ? BidderScore(t, play_bid) : t);
        }
        outcome.record.eauh[k] = Rounded(Mean(scores), 0.01);
    }
}

}  // namespace

std::uint64_t KeySeed(std::uint64_t seed, const std::string& tag, const std::string& key) {
    std::uint64_t hash = 1469598103934665603ULL;  // FNV-1a
    for (const char c : tag + key) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return hash ^ (seed * 0x9E3779B97F4A7C15ULL);
}

KeyOutcome SimulateKey(const KeyHoldings& key, const SimulationSetup& setup) {
    KeyOutcome outcome;
    const std::uint64_t seed = KeySeed(setup.seed, key.tag, key.key);
    common::ScriptedDialogs dialogs;
    common::MemorySettingsStore settings;
    table::Table table(table::TableConfig{setup.folder, seed, true, 0}, dialogs, settings);
    PlannedAuction auction;
    auction.bid = setup.play_bid;
    table.SetTeamPlayer(0, &auction);
    table.SetTeamPlayer(1, &auction);
    common::Random deal_random(seed + 1);
    const int total = setup.deals + kOtherBidders * setup.deals_per_other;
    int index = 0;
    int key_seat = 0;
    int bidder_place = 0;
    int held = 0;
    bool stacked = false;
    table.stack_deck = [&](cards::Packe& deck) {
        const int dealer = table.State().attSaka;
        bidder_place = index < setup.deals ? 0 : 1 + (index - setup.deals) / setup.deals_per_other;
        // The key seat takes each place after the dealer in turn, and each colour.
        key_seat = common::SeatAfter(dealer, 1 + index % common::kSeats);
        auction.colour = common::ColourCode((index / common::kSeats) % common::kSeats);
        auction.bidder = common::SeatAfter(key_seat, bidder_place);
        const auto& holding =
            key.holdings[deal_random.Draw(static_cast<int>(key.holdings.size())) - 1];
        held = static_cast<int>(holding.size());
        stacked = StackHoldingDeal(deck, dealer, key_seat, auction.colour, holding, deal_random);
        return stacked;
    };
    Takings takings;
    table.Start();
    for (index = 0; index < total;) {
        if (!sim::PlayUntilRoundEnd(table)) {
            outcome.problems.push_back(key.key + ": round " + std::to_string(index) + " stalled");
            break;
        }
        const state::RoundState& round = table.State();
        // A seat's trump cards before buying are public for every seat but the dealer.
        const bool dealt =
            stacked && (key_seat == round.harPacko || round.BeforeBuying[key_seat] == held);
        if (!dealt || round.gbBjuditHogst != auction.bidder || round.gbFarg != auction.colour ||
            round.gbHogstaBudet != setup.play_bid) {
            outcome.problems.push_back(key.key + ": round " + std::to_string(index) +
                                       " was not dealt or bid as planned");
        }
        const int vi = sim::TrickPointsVi(round);
        const int de = sim::TrickPointsDe(round);
        takings.taken[bidder_place].push_back(common::IsVi(key_seat) ? vi : de);
        ++outcome.rounds;
        if (++index < total) {
            table.AdvanceMe();
        }
    }
    for (const std::string& message : dialogs.messages) {
        outcome.problems.push_back(key.key + ": " + message);
    }
    FillRecord(takings, setup.play_bid, outcome);
    return outcome;
}

}  // namespace bidbase_gen
