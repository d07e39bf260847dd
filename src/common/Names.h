#pragma once

#include <optional>
#include <string>
#include <string_view>

// The game's fixed vocabulary, kept in one place: seats, colours and trump card names.
namespace common {

inline constexpr int kSeats = 4;
inline constexpr int kSyd = 0;
inline constexpr int kVast = 1;
inline constexpr int kNord = 2;
inline constexpr int kOst = 3;

// The seat after s in dealing, bidding and play.
constexpr int NextSeat(int seat) {
    return (seat + 1) & 3;
}
// Seat k places after s (k = 1 left, 2 partner, 3 right).
constexpr int SeatAfter(int seat, int k) {
    return (seat + k) & 3;
}
// How many places after `from` the seat `other` sits (0..3).
constexpr int RelativeSeat(int from, int other) {
    return (other - from) & 3;
}
// Seats 0 and 2 are Vi, seats 1 and 3 De.
constexpr bool IsVi(int seat) {
    return (seat & 1) == 0;
}

// "SYD", "VAST", "NORD", "OST"; empty for any other number.
std::string_view SeatName(int seat);
std::optional<int> SeatFromName(std::string_view name);

// Colour codes 1 klöver, 2 ruter, 4 hjärter, 8 spader; colour index 0..3 in the same order.
inline constexpr int kKlover = 1;
inline constexpr int kRuter = 2;
inline constexpr int kHjarter = 4;
inline constexpr int kSpader = 8;
constexpr int ColourCode(int index) {
    return 1 << index;
}
// Index 0..3 of a single colour code, -1 for anything else.
int ColourIndex(int code);
// "KLOVER", "RUTER", "HJARTER", "SPADER": the words of the game log's tagged blocks.
std::string_view ColourWord(int code);
std::optional<int> ColourFromWord(std::string_view word);
// "Klöver", "Ruter", "Hjärter", "Spader": the colour's name in the seats' own lines.
std::string_view ColourDisplayName(int code);

// Trump card names by rank code: 14 "A", 13 "K", 12 "Q", 11 "J", 10..6 their face,
// 5 "V" (the five of trump), 4 "v" (the other fivra card), 3 "4", 2 "3", 1 "2", 0 "".
inline constexpr int kRankCodes = 15;
// The name of a rank code; std::nullopt outside 0..14.
std::optional<std::string_view> TrumpCardName(int code);
// The rank code of a name; std::nullopt for a name that is no trump card ("" gives 0).
std::optional<int> TrumpCardCode(std::string_view name);

}  // namespace common
