#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "state/SeatPlayer.h"

namespace search {

// How the Expert explains the seats it cannot see.
enum class SeatModel { RuleFiles, Human, Unknown };

struct ExpertOptions {
    std::uint64_t seed = 0;
    std::filesystem::path rule_folder;  // the rule files the RuleFiles seats play by
    std::array<SeatModel, 4> models{};  // by seat number (0 SYD ... 3 OST); all RuleFiles
    // The seats whose cards the play rule files choose, by seat number: their cards seen tell
    // of their hands. A seat that bids by the rules may play otherwise.
    std::array<bool, 4> rule_play{};
    // The work budget of one card decision: the deals solved times the distinct cards judged
    // on each (at least 40 deals, at most 1,000). A count of work rather than wall time, so
    // that seeded games repeat exactly on any machine. Zero takes the default (360), chosen
    // by measurement.
    std::int64_t card_budget = 0;
};

// One legal choice with its value by the expert's judgement: the mean round-score
// difference for the seat's side over the weighted samples.
struct JudgedChoice {
    int choice = 0;  // a card's Rang, a bid (0 pass, 6..14) or a colour code (1,2,4,8)
    double mean = 0;
};

// The strongest computer seat: it samples the hands it cannot see, weights each sample by how
// well it explains what the other seats did (their bids, passes, trump and cards), solves the
// weighted samples with all hands open and plays the choice with the best mean.
class ExpertPlayer : public state::SeatPlayer {
  public:
    explicit ExpertPlayer(ExpertOptions options);
    ~ExpertPlayer() override;
    ExpertPlayer(const ExpertPlayer&) = delete;
    ExpertPlayer& operator=(const ExpertPlayer&) = delete;

    std::optional<state::BidChoice> Bid(const state::SeatView& view) override;
    std::optional<int> Trump(const state::SeatView& view) override;
    std::optional<state::CardChoice> Card(const state::SeatView& view) override;
    void Seen(const state::SeatView& view, state::Decision decision, int choice) override;

    // Every legal choice at this decision, best first. They read only what the seat can see.
    std::vector<JudgedChoice> JudgeCards(const state::SeatView& view);
    std::vector<JudgedChoice> JudgeBids(const state::SeatView& view);
    std::vector<JudgedChoice> JudgeTrumps(const state::SeatView& view);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace search
