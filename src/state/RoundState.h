#pragma once

#include <array>
#include <string>

#include "cards/KortHand.h"
#include "common/Names.h"

namespace state {

inline constexpr int kRanks = common::kRankCodes;  // per-rank tables 0..14
inline constexpr int kTricks = 7;                  // per-trick tables 0..6, tricks 1..6

// The round's public state: the hands and the round variables and tables that the table
// drives and that the AI, the log and the scoreboard read. The table is its only writer.
struct RoundState {
    // Seat hands, table spots (the card each seat played to the trick, and its discards) and
    // the pile of surplus trumps put out of play.
    std::array<cards::KortHand, common::kSeats> Hand;
    std::array<cards::KortHand, common::kSeats> Bord;
    cards::KortHand KortKilled;

    int myGameStatus = 0;
    bool GamePlaying = false;
    int attSaka = 0;        // dealer
    int attBjuda = 0;       // seat whose turn it is to bid
    int harPacko = 0;       // the round's dealer, who holds the forced bid
    int gbHogstaBudet = 0;  // highest bid so far; 5 marks the dealer's forced bid
    int gbBjuditHogst = 0;  // seat of the highest bidder
    int gbFarg = 0;         // trump colour code
    int gbVi = 0;           // game totals
    int gbDe = 0;
    bool bReplay = false;
    bool bSuggest = false;
    bool bLogging = true;
    bool gbDEBUGCapture = false;

    // The card just played, handed from PlayIt to PlayNext.
    int gbTmpRang = 0;
    int gbTmpPoang = 0;
    std::string gbTmpTyp;

    // Deal.
    int DealStep = 0;
    int DealSeat = 0;

    // Trick play.
    int PlaySeat = 0;
    int TrickLeader = 0;
    int Round = 1;  // current trick, 1..6
    int PointsLeft = 14;
    int PointsLeftNoAceTwo = 12;
    int HighestUnplayed = 14;
    int PointsVi = 0;  // points taken this round
    int PointsDe = 0;
    int CardsPlayed = 0;                           // cards played this round
    std::array<int, common::kSeats> TrickCards{};  // Rang each seat played to this trick
    std::array<int, common::kSeats> TrickPoints{};
    std::array<std::string, common::kSeats> TrickTyp{};
    std::array<int, kRanks> PlayedTrump{};          // -1 once the rank has been played or killed
    std::array<int, kRanks> RankTrick{};            // trick in which each rank fell; -1 before
    std::array<int, common::kSeats> PlayedCount{};  // trump cards each seat has played
    std::array<std::array<int, common::kSeats>, kTricks> TrickHistory{};  // Rang per trick, seat
    std::array<int, kTricks> TrickPointsVi{};
    std::array<int, kTricks> TrickPointsDe{};
    std::array<int, common::kSeats> ColdFlag{};      // -1 once a seat laid its hand down
    std::array<int, common::kSeats> BeforeBuying{};  // trumps held before buying

    // Points each side took this round, seen from `seat`.
    int PointsUs(int seat) const { return common::IsVi(seat) ? PointsVi : PointsDe; }
    int PointsThem(int seat) const { return common::IsVi(seat) ? PointsDe : PointsVi; }
};

}  // namespace state

namespace state {

// A seat's role relative to the seat that won the auction, as the play rules read it:
// "BIDDER" (the seat itself), "B_DEFENCE" (the bidder is its LEFT: it plays just before the
// bidder), "BIDRESPONSE" (the bidder's partner), "A_DEFENCE" (the bidder is its RIGHT: it plays
// just after the bidder). A for after, B for before, as in "A_BLOCK" and "B_BLOCK".
inline std::string RoleBid(int seat, int bidder) {
    switch (common::RelativeSeat(seat, bidder)) {
        case 0:
            return "BIDDER";
        case 1:
            return "B_DEFENCE";
        case 2:
            return "BIDRESPONSE";
        default:
            return "A_DEFENCE";
    }
}

}  // namespace state
