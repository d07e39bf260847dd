// The replay and the reload readers of a game log.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "common/Names.h"
#include "gamelog/LogReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto replay = gamelog::ParseReplayLog(text, "fuzz.txt");
    if (const auto* log = std::get_if<gamelog::ReplayLog>(&replay)) {
        // What the replay acts on must be sound, whatever the file held.
        if (log->bid < 6 || log->bid > 14 || log->bidder < 0 || log->bidder > 3 ||
            log->dealer < 0 || log->dealer > 3 || common::ColourIndex(log->trump) < 0) {
            __builtin_trap();
        }
        // Each listed card a trump card, listed once, no list longer than a hand.
        std::set<std::string> listed;
        for (const auto* lists : {&log->fore_kop, &log->koper}) {
            for (const std::vector<std::string>& list : *lists) {
                if (list.size() > static_cast<std::size_t>(gamelog::kMaxListLines)) {
                    __builtin_trap();
                }
                for (const std::string& card : list) {
                    if (common::TrumpCardCode(card).value_or(0) <= 0 ||
                        !listed.insert(card).second) {
                        __builtin_trap();
                    }
                }
            }
        }
    }
    const auto reload = gamelog::ParseReloadLog(text, "fuzz.txt");
    if (const auto* log = std::get_if<gamelog::ReloadLog>(&reload)) {
        const std::set<std::string> cards(log->order.begin() + 1, log->order.end());
        if (cards.size() != 52 || log->dealer < 0 || log->dealer > 3) {
            __builtin_trap();
        }
    }
    return 0;
}
