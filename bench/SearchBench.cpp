// How long the exact solver takes for the rest of a round from the first trick (the largest
// positions it meets), and one sampled judgement of a seat's cards as the search player
// makes it at every card.
#include <benchmark/benchmark.h>

#include <random>

#include "search/CardJudge.h"
#include "search/Solver.h"

namespace {

// Six trumps for the leader and the rest of the fourteen spread over the others, as after a
// buying in which nothing was given up.
std::vector<search::OpenPosition> FirstTrickPositions(int count) {
    std::mt19937 random(7);
    std::vector<search::OpenPosition> positions;
    for (int n = 0; n < count; ++n) {
        std::vector<int> ranks;
        for (int r = 1; r <= 14; ++r) {
            ranks.push_back(r);
        }
        std::shuffle(ranks.begin(), ranks.end(), random);
        search::OpenPosition p;
        for (std::size_t i = 0; i < ranks.size(); ++i) {
            const int seat = i < 6 ? 0 : 1 + static_cast<int>(i % 3);
            p.hands[seat] |= search::Bit(ranks[i]);
        }
        positions.push_back(p);
    }
    return positions;
}

void BM_SolveFromFirstTrick(benchmark::State& bench) {
    const std::vector<search::OpenPosition> positions = FirstTrickPositions(64);
    std::size_t next = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(search::SolveViPoints(positions[next++ % positions.size()]));
    }
}
BENCHMARK(BM_SolveFromFirstTrick);

void BM_JudgeFirstLead(benchmark::State& bench) {
    search::SeatKnowledge k;
    k.seat = 0;
    k.own = search::Bit(14) | search::Bit(12) | search::Bit(10) | search::Bit(5) | search::Bit(7) |
            search::Bit(2);
    k.unseen = static_cast<search::TrumpSet>(search::kAllTrumps & ~k.own);
    for (int s = 1; s < 4; ++s) {
        k.shown[s] = search::SeatShown{1, 5, 6, 0, 6, false};
    }
    k.bid = 8;
    std::mt19937_64 random(3);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(
            search::JudgeCards(k, 40, search::Measure::kScoreDifference, random));
    }
}
BENCHMARK(BM_JudgeFirstLead)->Unit(benchmark::kMillisecond);

}  // namespace
