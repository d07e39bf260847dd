#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cards/Kort.h"
#include "common/Names.h"

// Readers of a game log for the replay and the reload of a round. They check the whole file
// before the caller touches the table, so a bad log leaves the table exactly as it was.
namespace gamelog {

// The work tables hold ten lines per list; a log written by the game holds at most nine.
inline constexpr int kMaxListLines = 10;
// Game totals beyond this are taken for a corrupted number, not a score.
inline constexpr int kMaxTotal = 100000;

// What a replay from the log restores: the totals before the round, the auction, the trump
// and each seat's trump cards before the buying and bought, as card lines ("A" .. "2", "V",
// "v"). Empty lines inside a list carry no card and are left out.
struct ReplayLog {
    int gbVi = 0;
    int gbDe = 0;
    int bidder = 0;
    int bid = 0;
    int dealer = 0;
    int trump = 0;
    std::array<std::vector<std::string>, common::kSeats> fore_kop;
    std::array<std::vector<std::string>, common::kSeats> koper;
};

// What a reload restores: the totals, the dealer and the deck order. order[i] (1..52) is the
// card number of deck position i in its key form ("0" .. "51"); order[0] is unused.
struct ReloadLog {
    int gbVi = 0;
    int gbDe = 0;
    int dealer = 0;
    std::array<std::string, cards::kDeckSize + 1> order;
};

// One message for the player that names the file and what is wrong with it.
struct LogError {
    std::string message;
};

std::variant<ReplayLog, LogError> ReadReplayLog(const std::string& path);
std::variant<ReloadLog, LogError> ReadReloadLog(const std::string& path);

// The same readers on a log already in memory; `path` names it in messages.
std::variant<ReplayLog, LogError> ParseReplayLog(std::string_view text, const std::string& path);
std::variant<ReloadLog, LogError> ParseReloadLog(std::string_view text, const std::string& path);

// The deal of a round that may have been interrupted: the totals and the deck as the reload
// reads them; the dealer, logged only once the auction is over, is -1 when it is not there.
std::variant<ReloadLog, LogError> ReadRoundDeal(const std::string& path);
std::variant<ReloadLog, LogError> ParseRoundDeal(std::string_view text, const std::string& path);

}  // namespace gamelog
