#pragma once

#include <string>
#include <string_view>

#include "cards/Kort.h"
#include "cards/Packe.h"
#include "common/LogSink.h"
#include "state/RoundState.h"

// The tagged blocks of the game log. The replay and reload readers depend on their exact form,
// so every writer of a tag goes through here.
namespace gamelog {

// The line that closes the auction, the trump choice and every trick.
inline constexpr std::string_view kStars60 =
    "************************************************************";
// The line that frames the fore-buy block and the play parameter dump.
inline constexpr std::string_view kEquals35 = "===================================";

inline constexpr std::string_view kTagVi = "<VI>";
inline constexpr std::string_view kTagDe = "<DE>";
inline constexpr std::string_view kTagPackeKomplett = "<PACKE_KOMPLETT>";
inline constexpr std::string_view kTagBjuditHogst = "<BJUDIT_HOGST>";
inline constexpr std::string_view kTagBud = "<BUD>";
inline constexpr std::string_view kTagPacke = "<PACKE>";
inline constexpr std::string_view kTagFarg = "<FARG>";
inline constexpr std::string_view kTagEnd = "<END>";
inline constexpr std::string_view kColourLegend = "1-klover,2-ruter,4-hjarter,8-spader";
inline constexpr std::string_view kDebugBanner =
    "***************** DEBUG ************************************";

// "<SYD_FORE_KOP>" .. "<OST_FORE_KOP>": the seat's trump cards before the discard.
std::string ForeKopTag(int seat);
// "<SYD_KOPER>" .. "<OST_KOPER>": the trump cards the seat bought.
std::string BuyTag(int seat);

// A trump card as the hand and buy blocks name it: its face label, except the five of the
// trump suit ("V") and the other five of the trump's colour ("v").
std::string CardLine(const cards::Kort& card, int trump);
// A deck line: "Nr , Typ , colour" with the colour of the card's own suit.
std::string DeckLine(const cards::Kort& card);

// The totals before the round and the whole deck, top card first.
void LogRoundStart(common::LogSink& log, int gbVi, int gbDe, const cards::Packe& deck);
// Highest bidder, bid and dealer.
void LogAuctionBlock(common::LogSink& log, int bidder, int bid, int dealer);
// "<FARG>", the colour word and the closing stars.
void LogTrumpBlock(common::LogSink& log, int trump);
// Every seat's trump cards, seats 0..3, before anybody discards.
void LogForeKop(common::LogSink& log, const state::RoundState& round);
// "NORD: Expert": a seat that plays at another level than its rule files'. The readers pass
// over it, as over every line that is no tag.
std::string SeatLevelLine(int seat, std::string_view level);
// The human's comment for a debug report, framed by stars.
void LogDebugComment(common::LogSink& log, const std::string& comment);

}  // namespace gamelog
