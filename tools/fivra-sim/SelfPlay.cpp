#include "SelfPlay.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>
#include <iomanip>
#include <memory>
#include <random>
#include <sstream>

#include "CardAudit.h"
#include "RoundChecks.h"
#include "RoundDriver.h"
#include "RuleMutator.h"
#include "ScratchFolder.h"
#include "common/Random.h"
#include "common/ScriptedDialogs.h"
#include "common/SettingsStore.h"
#include "table/Table.h"

namespace sim {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFailuresKept = 20;

// A team's rule folder: the program's data files with the team's own files laid over them, so
// that a rule set may hold only the files it changes. None when no team has a folder.
std::unique_ptr<ScratchFolder> TeamFolder(const SimOptions& options, const std::string& own) {
    if (options.data_vi.empty() && options.data_de.empty()) {
        return nullptr;
    }
    auto folder = std::make_unique<ScratchFolder>(options.data_dir);
    if (!own.empty()) {
        folder->AddFiles(own);
    }
    return folder;
}

table::TableConfig ConfigFor(const std::string& folder, const SimOptions& options,
                             const ScratchFolder* vi, const ScratchFolder* de) {
    table::TableConfig config{folder, options.seed, true, 0};
    if (vi != nullptr && de != nullptr) {
        config.team_folders = std::array<std::string, 2>{vi->Path(), de->Path()};
    }
    return config;
}

// A seed of its own for each use of the run's seed.
std::uint64_t Mix(std::uint64_t seed, std::uint64_t salt) {
    return common::SplitMix64(seed + 0x9E3779B97F4A7C15ULL * salt);
}

// Lays deal n from the seed and n: the same cards whoever sits where.
bool StackDeal(cards::Packe& deck, std::uint64_t seed, int deal) {
    std::array<int, cards::kDeckSize> order{};
    for (int i = 0; i < cards::kDeckSize; ++i) {
        order[i] = i;
        deck.Card(i).Kop = false;
    }
    std::mt19937_64 random(Mix(seed, 1000 + static_cast<std::uint64_t>(deal)));
    std::shuffle(order.begin(), order.end(), random);
    for (int i = 0; i < cards::kDeckSize; ++i) {
        deck.TweakPacke(i + 1, std::to_string(order[i]));
    }
    return deck.SakaRestore();
}

// How an expert explains each seat: a seat that bids by rule files (the rules, or a
// searching player that leaves its bids to them) by the rule files, any other as unknown.
std::array<search::SeatModel, 4> SeatModels(const SimOptions& options) {
    std::array<search::SeatModel, 4> models{};
    for (int s = 0; s < 4; ++s) {
        const std::string& policy = s % 2 == 0 ? options.policy_vi : options.policy_de;
        const bool rule_bids = policy == "rules" || policy == "normal" || policy == "expert" ||
                               (policy == "search" && !options.players.search_bids);
        models[static_cast<std::size_t>(s)] =
            rule_bids ? search::SeatModel::RuleFiles : search::SeatModel::Unknown;
    }
    return models;
}

// The seats whose cards the team's rule files choose: a team at `rules` or `normal`.
std::array<bool, 4> RulePlay(const SimOptions& options) {
    std::array<bool, 4> by_rules{};
    for (int s = 0; s < 4; ++s) {
        const std::string& policy = s % 2 == 0 ? options.policy_vi : options.policy_de;
        by_rules[static_cast<std::size_t>(s)] = policy == "rules" || policy == "normal";
    }
    return by_rules;
}

std::unique_ptr<state::SeatPlayer> TeamPlayer(const SimOptions& options, int team,
                                              const std::string& other_team_folder) {
    bool known = false;
    const std::string& policy = team == 0 ? options.policy_vi : options.policy_de;
    PlayerOptions players = options.players;
    players.rule_folder = other_team_folder;
    players.models = SeatModels(options);
    players.rule_play = RulePlay(options);
    return MakePlayer(policy, players, Mix(options.seed, team), known);
}

class SelfPlay {
  public:
    SelfPlay(const SimOptions& options, std::ostream& progress)
        : options_(options),
          progress_(progress),
          scratch_(options.data_dir),
          vi_folder_(TeamFolder(options, options.data_vi)),
          de_folder_(TeamFolder(options, options.data_de)),
          table_(ConfigFor(scratch_.Path(), options, vi_folder_.get(), de_folder_.get()), dialogs_,
                 settings_),
          players_{TeamPlayer(options, 0, FolderOf(de_folder_.get())),
                   TeamPlayer(options, 1, FolderOf(vi_folder_.get()))} {
        table_.SetTeamPlayer(0, players_[0].get());
        table_.SetTeamPlayer(1, players_[1].get());
        if (options.stacked_deals) {
            table_.stack_deck = [this](cards::Packe& deck) {
                return StackDeal(deck, options_.seed, deals_++);
            };
        }
        if (options.audit != nullptr) {
            table_.card_chosen = [this](int seat, const playai::PlayDecision& decision) {
                options_.audit->Judge(table_.State(), seat, decision, summary_.rounds + 1);
            };
        }
        if (options.mutate_rules) {
            mutator_ = std::make_unique<RuleMutator>(scratch_.Path(), options.seed);
        }
    }

    SimSummary Run();

  private:
    std::string FolderOf(const ScratchFolder* team) const {
        return team != nullptr ? team->Path() : scratch_.Path();
    }
    bool Finished() const;
    void StartFromLog();
    void FinishRound();
    void CountRound();
    void CountGameEnd();
    void KeepLog();
    void Fail(const std::string& what);

    const SimOptions& options_;
    std::ostream& progress_;
    ScratchFolder scratch_;
    std::unique_ptr<ScratchFolder> vi_folder_;
    std::unique_ptr<ScratchFolder> de_folder_;
    std::unique_ptr<RuleMutator> mutator_;
    common::ScriptedDialogs dialogs_;
    common::MemorySettingsStore settings_;
    table::Table table_;
    std::array<std::unique_ptr<state::SeatPlayer>, 2> players_;
    int deals_ = 0;
    SimSummary summary_;
    GameTrack track_;
    bool replayed_ = false;
    bool stopped_ = false;
};

bool SelfPlay::Finished() const {
    if (stopped_ || (replayed_ && summary_.rounds > 0)) {
        return true;
    }
    if (options_.rounds > 0 && summary_.rounds >= options_.rounds) {
        return true;
    }
    return options_.games > 0 && summary_.games >= options_.games;
}

void SelfPlay::StartFromLog() {
    const bool reload = !options_.reload_file.empty();
    dialogs_.file_answers.push_back(reload ? options_.reload_file : options_.replay_file);
    if (reload) {
        table_.BtnLoadlog_Click();
    } else {
        table_.BtnPlaylog_Click();
    }
    replayed_ = table_.State().bReplay;
    if (!replayed_) {
        stopped_ = true;
        Fail("the log could not be played: " +
             (dialogs_.messages.empty() ? std::string("no message") : dialogs_.messages.back()));
    }
    track_.vi_before = table_.State().gbVi;
    track_.de_before = table_.State().gbDe;
}

SimSummary SelfPlay::Run() {
    const auto started = std::chrono::steady_clock::now();
    for (const ScratchFolder* folder : {&scratch_, vi_folder_.get(), de_folder_.get()}) {
        if (folder != nullptr && !folder->Problem().empty()) {
            summary_.setup_problem = "the program folder could not be set up: " + folder->Problem();
            return summary_;
        }
    }
    table_.Start();
    if (!options_.reload_file.empty() || !options_.replay_file.empty()) {
        StartFromLog();
    }
    while (!Finished()) {
        const std::function<void()> between_steps = [this] {
            if (mutator_) {
                mutator_->Step();
            }
        };
        if (!PlayUntilRoundEnd(table_, between_steps)) {
            Fail("the round stalled in state " + std::to_string(table_.State().myGameStatus) +
                 " with Timer1 tag '" + std::string(table::WaitStepName(table_.Timer1().Tag)) +
                 "'");
            break;
        }
        FinishRound();
    }
    summary_.messages = static_cast<int>(dialogs_.messages.size());
    summary_.plays = table_.Stats().plays;
    summary_.default_plays = table_.Stats().default_plays;
    summary_.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return summary_;
}

void SelfPlay::FinishRound() {
    ++summary_.rounds;
    for (const std::string& problem : CheckFinishedRound(table_, track_, replayed_)) {
        Fail(problem);
    }
    if (!replayed_) {
        CountRound();
        CountGameEnd();
    }
    KeepLog();
    if (options_.progress && summary_.rounds % 1000 == 0) {
        progress_ << "fivra-sim: " << summary_.rounds << " rounds, " << summary_.games << " games"
                  << std::endl;
    }
    track_.previous_dealer = table_.State().harPacko;
    if (Finished()) {
        return;
    }
    table_.AdvanceMe();
    track_.vi_before = table_.State().gbVi;
    track_.de_before = table_.State().gbDe;
}

void SelfPlay::CountRound() {
    const state::RoundState& round = table_.State();
    const bool vi_bid = common::IsVi(round.gbBjuditHogst);
    const int taken = vi_bid ? TrickPointsVi(round) : TrickPointsDe(round);
    const bool made = taken >= round.gbHogstaBudet;
    (made ? summary_.bids_made : summary_.bids_failed) += 1;
    (vi_bid ? summary_.bids_vi : summary_.bids_de) += 1;
    (vi_bid ? summary_.bids_made_vi : summary_.bids_made_de) += made ? 1 : 0;
    bool forced = true;
    for (int s = 0; s < common::kSeats; ++s) {
        forced = forced && (s == round.harPacko || round.Hand[s].GeBud() == 0);
    }
    summary_.forced_bids += forced ? 1 : 0;
    const int vi = round.gbVi - track_.vi_before;
    const int de = round.gbDe - track_.de_before;
    summary_.points_vi += vi;
    summary_.points_de += de;
    summary_.points_diff_squares += static_cast<double>(vi - de) * (vi - de);
    summary_.round_leads.push_back(vi - de);
}

void SelfPlay::CountGameEnd() {
    const state::RoundState& round = table_.State();
    if (round.gbVi <= 61 && round.gbDe <= 61) {
        return;
    }
    ++summary_.games;
    const bool both = round.gbVi > 61 && round.gbDe > 61;
    const bool vi_won = both ? common::IsVi(round.gbBjuditHogst) : round.gbVi > 61;
    (vi_won ? summary_.games_won_vi : summary_.games_won_de) += 1;
    const int stored_vi = std::stoi(settings_.RegReadSetting("user", "Statistic", "TotalVi", "0"));
    const int stored_de = std::stoi(settings_.RegReadSetting("user", "Statistic", "TotalDe", "0"));
    if (stored_vi != summary_.games_won_vi || stored_de != summary_.games_won_de) {
        Fail("the games-won statistics say " + std::to_string(stored_vi) + " : " +
             std::to_string(stored_de) + " after " + std::to_string(summary_.games_won_vi) + " : " +
             std::to_string(summary_.games_won_de) + " games won");
    }
}

void SelfPlay::KeepLog() {
    if (options_.logs_dir.empty()) {
        return;
    }
    table_.CloseLogFile();
    std::ostringstream name;
    name << "round-" << std::setw(6) << std::setfill('0') << summary_.rounds << ".txt";
    std::error_code error;
    fs::create_directories(options_.logs_dir, error);
    fs::copy_file(scratch_.Path() + "Fivralog.txt", fs::path(options_.logs_dir) / name.str(),
                  fs::copy_options::overwrite_existing, error);
}

void SelfPlay::Fail(const std::string& what) {
    ++summary_.invariant_failures;
    if (summary_.failures.size() < kFailuresKept) {
        summary_.failures.push_back("round " + std::to_string(summary_.rounds) + " (seed " +
                                    std::to_string(options_.seed) + "): " + what);
    }
}

}  // namespace

namespace {

// Mean and standard error of Vi's lead per round: a difference of two rule sets is worth
// believing when it is several standard errors from zero.
void TeamComparisonJson(const SimSummary& summary, std::ostream& out) {
    const double n = summary.rounds > 0 ? summary.rounds : 1;
    const double diff = static_cast<double>(summary.points_vi - summary.points_de) / n;
    const double variance = std::max(0.0, summary.points_diff_squares / n - diff * diff);
    const double error = summary.rounds > 1 ? std::sqrt(variance / (n - 1)) : 0.0;
    out << ", \"points_per_round_vi\": " << summary.points_vi / n
        << ", \"points_per_round_de\": " << summary.points_de / n
        << ", \"points_diff_per_round\": " << diff << ", \"points_diff_stderr\": " << error
        << ", \"bids_vi\": " << summary.bids_vi << ", \"bids_made_vi\": " << summary.bids_made_vi
        << ", \"bids_de\": " << summary.bids_de << ", \"bids_made_de\": " << summary.bids_made_de;
}

}  // namespace

std::string SimSummary::ToJson() const {
    std::ostringstream out;
    const double default_share = plays > 0 ? static_cast<double>(default_plays) / plays : 0.0;
    out << "{\"rounds\": " << rounds << ", \"games\": " << games
        << ", \"games_won_vi\": " << games_won_vi << ", \"games_won_de\": " << games_won_de
        << ", \"bids_made\": " << bids_made << ", \"bids_failed\": " << bids_failed
        << ", \"forced_bids\": " << forced_bids << ", \"points_vi\": " << points_vi
        << ", \"points_de\": " << points_de << std::fixed << std::setprecision(4);
    TeamComparisonJson(*this, out);
    out << ", \"plays\": " << plays << ", \"default_plays\": " << default_plays
        << ", \"default_share\": " << default_share << ", \"messages\": " << messages
        << ", \"invariant_failures\": " << invariant_failures
        << ", \"seconds\": " << std::setprecision(3) << seconds << "}";
    return out.str();
}

SimSummary RunSelfPlay(const SimOptions& options, std::ostream& progress) {
    SelfPlay play(options, progress);
    return play.Run();
}

}  // namespace sim
