#include "Duplicate.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iomanip>
#include <sstream>
#include <thread>

namespace sim {

DuplicateSummary RunDuplicate(const SimOptions& options, std::ostream& progress) {
    SimOptions first = options;
    first.stacked_deals = true;
    SimOptions second = first;
    std::swap(second.policy_vi, second.policy_de);
    std::swap(second.data_vi, second.data_de);
    if (!options.logs_dir.empty()) {  // each seating keeps its own logs
        first.logs_dir = (std::filesystem::path(options.logs_dir) / "seating-1").string();
        second.logs_dir = (std::filesystem::path(options.logs_dir) / "seating-2").string();
    }
    DuplicateSummary summary;
    // The two seatings share nothing (each has its table, its players and its folders; the
    // solver's table is one a thread), so on two threads they play exactly as one after the
    // other. The audit is one judge for both and stays on one thread.
    if (options.jobs >= 2 && options.audit == nullptr) {
        std::thread other([&] { summary.second = RunSelfPlay(second, progress); });
        summary.first = RunSelfPlay(first, progress);
        other.join();
    } else {
        summary.first = RunSelfPlay(first, progress);
        summary.second = RunSelfPlay(second, progress);
    }
    return summary;
}

std::string DuplicateSummary::ToJson(const SimOptions& options) const {
    const SimSummary& a = first;
    const SimSummary& b = second;
    const std::size_t deals = std::min(a.round_leads.size(), b.round_leads.size());
    double sum = 0;
    double squares = 0;
    for (std::size_t n = 0; n < deals; ++n) {
        const double gain = (a.round_leads[n] - b.round_leads[n]) / 2.0;
        sum += gain;
        squares += gain * gain;
    }
    const double count = deals > 0 ? static_cast<double>(deals) : 1.0;
    const double gain = sum / count;
    const double variance = std::max(0.0, squares / count - gain * gain);
    const double error = deals > 1 ? std::sqrt(variance / (count - 1)) : 0.0;
    const double rounds = 2.0 * count;
    std::ostringstream out;
    out << "{\"policy_vi\": \"" << options.policy_vi << "\", \"policy_de\": \"" << options.policy_de
        << "\", \"deals\": " << deals << ", \"games\": " << a.games + b.games
        << ", \"games_won_vi\": " << a.games_won_vi + b.games_won_de
        << ", \"games_won_de\": " << a.games_won_de + b.games_won_vi
        << ", \"bids_made\": " << a.bids_made + b.bids_made
        << ", \"bids_failed\": " << a.bids_failed + b.bids_failed
        << ", \"forced_bids\": " << a.forced_bids + b.forced_bids
        << ", \"bids_vi\": " << a.bids_vi + b.bids_de
        << ", \"bids_made_vi\": " << a.bids_made_vi + b.bids_made_de
        << ", \"bids_de\": " << a.bids_de + b.bids_vi
        << ", \"bids_made_de\": " << a.bids_made_de + b.bids_made_vi << std::fixed
        << std::setprecision(4)
        << ", \"points_per_round_vi\": " << (a.points_vi + b.points_de) / rounds
        << ", \"points_per_round_de\": " << (a.points_de + b.points_vi) / rounds
        << ", \"gain_vi_per_deal\": " << gain << ", \"gain_stderr_paired\": " << error
        << ", \"plays\": " << a.plays + b.plays
        << ", \"default_plays\": " << a.default_plays + b.default_plays
        << ", \"messages\": " << a.messages + b.messages
        << ", \"invariant_failures\": " << a.invariant_failures + b.invariant_failures
        << ", \"seconds\": " << std::setprecision(3) << a.seconds + b.seconds << "}";
    return out.str();
}

}  // namespace sim
