// The replay and the reload readers of a game log.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <variant>

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
