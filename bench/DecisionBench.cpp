// How long one computer seat takes to decide, with the shipped rule and table files read
// anew as the game reads them; and how long a whole round of self-play takes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>

#include "bidai/BidBaseFormat.h"
#include "bidai/BidEngine.h"
#include "cards/Packe.h"
#include "common/FieldReader.h"
#include "common/LogSink.h"
#include "common/ScriptedDialogs.h"
#include "common/SettingsStore.h"
#include "playai/PlayEngine.h"
#include "state/RoundState.h"
#include "table/Table.h"

namespace {

std::string DataFolder() {
    const char* data = std::getenv("FIVRA_DATA_DIR");
    return std::filesystem::absolute(data != nullptr ? data : "data").string() + "/";
}

// Deals nine cards to each seat from a seeded shuffle.
void Deal(cards::Packe& deck, state::RoundState& round) {
    deck.Saka();
    for (int i = 0; i < 36; ++i) {
        round.Hand[i % 4].AddACardOSort(deck.GeKort());
    }
}

void BM_BidDecision(benchmark::State& bench) {
    common::Random random(1);
    cards::Packe deck(random);
    state::RoundState round;
    Deal(deck, round);
    common::NullSink sink;
    common::ScriptedDialogs dialogs;
    bidai::BidEngine engine;
    const bidai::BidContext ctx{round,        round.Hand[1], deck, 1,       0,
                                DataFolder(), sink,          sink, dialogs, random};
    for (auto _ : bench) {
        benchmark::DoNotOptimize(engine.bjud(ctx));
    }
}
BENCHMARK(BM_BidDecision);

void BM_PlayDecision(benchmark::State& bench) {
    common::Random random(1);
    cards::Packe deck(random);
    state::RoundState round;
    deck.Saka();
    round.gbFarg = common::kHjarter;
    round.gbHogstaBudet = 7;
    deck.ValjFarg(round.gbFarg);
    for (int nr : {0, 38, 42, 50, 18, 6}) {  // A, 10, J, K, the five of hjärter, 2
        round.Hand[0].AddACardOSort(&deck.Card(nr));
    }
    common::NullSink sink;
    common::ScriptedDialogs dialogs;
    playai::PlayEngine engine;
    const playai::PlayContext ctx{round, round.Hand[0], 0, DataFolder(), sink, dialogs, random};
    for (auto _ : bench) {
        benchmark::DoNotOptimize(engine.ChoosePlayCard(ctx));
    }
}
BENCHMARK(BM_PlayDecision);

// The floors: reading into memory the files that one decision reads, and nothing else.
void ReadFiles(benchmark::State& bench, std::initializer_list<std::string_view> names) {
    const std::string folder = DataFolder();
    for (auto _ : bench) {
        for (const std::string_view name : names) {
            benchmark::DoNotOptimize(common::ReadWholeFile(folder + std::string(name)));
        }
    }
}

void BM_BidFilesFloor(benchmark::State& bench) {
    ReadFiles(bench, {bidai::kBidBaseFileName, bidai::kBidRulesFileName});
}
BENCHMARK(BM_BidFilesFloor);

void BM_PlayFilesFloor(benchmark::State& bench) {
    ReadFiles(bench, {playai::kPlayRulesFile});
}
BENCHMARK(BM_PlayFilesFloor);

// The floor of a self-play round: the files an average round reads (counted over 20 seeded
// rounds: 14 play decisions, 4 bid decisions) and its game log written a block at a time (about
// 34 KB in 34 blocks), opened anew as each round opens it. Nothing is decided.
void BM_SelfPlayRoundFloor(benchmark::State& bench) {
    const std::string play_rules = DataFolder() + playai::kPlayRulesFile;
    const std::string bid_base = DataFolder() + std::string(bidai::kBidBaseFileName);
    const std::string bid_rules = DataFolder() + std::string(bidai::kBidRulesFileName);
    const std::filesystem::path log = std::filesystem::temp_directory_path() / "fivra-floor.txt";
    const std::string block(1000, 'x');
    for (auto _ : bench) {
        for (int play = 0; play < 14; ++play) {
            benchmark::DoNotOptimize(common::ReadWholeFile(play_rules));
        }
        for (int bid = 0; bid < 4; ++bid) {
            benchmark::DoNotOptimize(common::ReadWholeFile(bid_base));
            benchmark::DoNotOptimize(common::ReadWholeFile(bid_rules));
        }
        std::ofstream out(log, std::ios::binary | std::ios::trunc);
        for (int written = 0; written < 34; ++written) {
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
            out.flush();
        }
    }
    std::filesystem::remove(log);
}
BENCHMARK(BM_SelfPlayRoundFloor)->Unit(benchmark::kMillisecond);

void BM_SelfPlayRound(benchmark::State& bench) {
    common::ScriptedDialogs dialogs;
    common::MemorySettingsStore settings;
    const std::string scratch = std::filesystem::temp_directory_path() / "fivra-bench/";
    std::filesystem::create_directories(scratch);
    for (const auto& entry : std::filesystem::directory_iterator(DataFolder())) {
        std::filesystem::copy_file(entry.path(), scratch + entry.path().filename().string(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    table::Table table(table::TableConfig{scratch, 1, true, 1}, dialogs, settings);
    table.Start();
    for (auto _ : bench) {
        // One round: from the deal until the table waits after the round's end.
        const int status_round = table.State().harPacko;
        while (table.State().harPacko == status_round || table.WaitsForClick()) {
            table.StepClock(table.Now() + 3600 * 1000);
        }
    }
    std::filesystem::remove_all(scratch);
}
BENCHMARK(BM_SelfPlayRound)->Unit(benchmark::kMillisecond);

}  // namespace
