// What an Expert decision costs at the table: the Expert plays Vi's seats against the rule
// files for 200 seeded rounds at a given work budget, and the CPU time of each card decision with a
// choice (two trumps or more) and of each judgement of the bids is kept. The figures are the median
// and the 99th percentile of those times, in milliseconds. Then what the round review costs: every
// decision of a seeded round judged by an Expert at the default budget, as the review window does.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "RoundDriver.h"
#include "ScratchFolder.h"
#include "coach/RoundReview.h"
#include "common/ScriptedDialogs.h"
#include "common/SettingsStore.h"
#include "search/ExpertPlayer.h"
#include "search/SeatKnowledge.h"
#include "table/Table.h"

namespace {

constexpr int kRounds = 200;

double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Plays as the Expert does and times its decisions.
class TimedExpert : public state::SeatPlayer {
  public:
    explicit TimedExpert(search::ExpertOptions options) : expert_(std::move(options)) {}

    std::optional<state::BidChoice> Bid(const state::SeatView& view) override {
        const double start = CpuMs();
        benchmark::DoNotOptimize(expert_.JudgeBids(view));
        bids.push_back(CpuMs() - start);
        return expert_.Bid(view);
    }
    std::optional<int> Trump(const state::SeatView& view) override { return expert_.Trump(view); }
    void Seen(const state::SeatView& view, state::Decision decision, int choice) override {
        expert_.Seen(view, decision, choice);
    }
    std::optional<state::CardChoice> Card(const state::SeatView& view) override {
        const double start = CpuMs();
        std::optional<state::CardChoice> card = expert_.Card(view);
        if (search::CountOf(search::TrumpsOf(view.hand, view.round.gbFarg)) >= 2) {
            cards.push_back(CpuMs() - start);
        }
        return card;
    }

    std::vector<double> cards;
    std::vector<double> bids;

  private:
    search::ExpertPlayer expert_;
};

double Quantile(std::vector<double> times, double q) {
    if (times.empty()) {
        return 0;
    }
    std::sort(times.begin(), times.end());
    return times[static_cast<std::size_t>(q * static_cast<double>(times.size() - 1))];
}

// An Expert at a table where every seat bids by the rule files.
search::ExpertOptions BenchOptions(const sim::ScratchFolder& folder) {
    search::ExpertOptions options;
    options.seed = 11;
    options.rule_folder = folder.Path();
    options.models.fill(search::SeatModel::RuleFiles);
    return options;
}

void BM_ExpertDecisions(benchmark::State& bench) {
    sim::ScratchFolder folder(FIVRA_DATA_DIR);
    search::ExpertOptions options = BenchOptions(folder);
    options.rule_play = {false, true, false, true};  // the rule files play Ni
    options.card_budget = bench.range(0);
    TimedExpert expert(options);
    for (auto _ : bench) {
        common::ScriptedDialogs dialogs;
        common::MemorySettingsStore settings;
        table::Table table(table::TableConfig{folder.Path(), 2026, true, 0}, dialogs, settings);
        table.SetTeamPlayer(0, &expert);
        table.Start();
        for (int round = 0; round < kRounds && sim::PlayUntilRoundEnd(table); ++round) {
            table.AdvanceMe();
        }
    }
    bench.counters["card_decisions"] = static_cast<double>(expert.cards.size());
    bench.counters["card_median_ms"] = Quantile(expert.cards, 0.5);
    bench.counters["card_p99_ms"] = Quantile(expert.cards, 0.99);
    bench.counters["bid_judgements"] = static_cast<double>(expert.bids.size());
    bench.counters["bid_median_ms"] = Quantile(expert.bids, 0.5);
}
// The default work budget, and four times it.
BENCHMARK(BM_ExpertDecisions)->Arg(360)->Arg(1440)->Iterations(1)->Unit(benchmark::kSecond);

constexpr int kReviewedRounds = 20;

// The review of each of 20 rounds of the rule files' self-play, timed by CPU time.
void BM_RoundReview(benchmark::State& bench) {
    sim::ScratchFolder folder(FIVRA_DATA_DIR);
    search::ExpertOptions options = BenchOptions(folder);
    options.rule_play.fill(true);  // as in the game, the cards of the rule-file seats are read
    std::vector<double> reviews;
    for (auto _ : bench) {
        common::ScriptedDialogs dialogs;
        common::MemorySettingsStore settings;
        table::Table table(table::TableConfig{folder.Path(), 2026, true, 0}, dialogs, settings);
        coach::RoundRecorder recorder;
        table.decision_taken = [&recorder](const state::SeatView& view, state::Decision kind,
                                           int choice) { recorder.Record(view, kind, choice); };
        table.Start();
        for (int round = 0; round < kReviewedRounds && sim::PlayUntilRoundEnd(table); ++round) {
            search::ExpertPlayer expert(options);
            const double start = CpuMs();
            benchmark::DoNotOptimize(coach::ReviewRound(
                recorder.Decisions(), coach::JudgementOf(expert), {}, nullptr, &expert));
            reviews.push_back(CpuMs() - start);
            recorder.Clear();
            table.AdvanceMe();
        }
    }
    bench.counters["reviews"] = static_cast<double>(reviews.size());
    bench.counters["review_median_ms"] = Quantile(reviews, 0.5);
    bench.counters["review_max_ms"] = Quantile(reviews, 1.0);
}
BENCHMARK(BM_RoundReview)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
