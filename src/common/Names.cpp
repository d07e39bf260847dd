#include "common/Names.h"

#include <array>

namespace common {

namespace {

constexpr std::array<std::string_view, kSeats> kSeatNames = {"SYD", "VAST", "NORD", "OST"};
constexpr std::array<std::string_view, 4> kColourWords = {"KLOVER", "RUTER", "HJARTER", "SPADER"};
constexpr std::array<std::string_view, 4> kColourNames = {"Klöver", "Ruter", "Hjärter", "Spader"};
constexpr std::array<std::string_view, kRankCodes> kTrumpNames = {
    "", "2", "3", "4", "v", "V", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};

}  // namespace

std::string_view SeatName(int seat) {
    return seat >= 0 && seat < kSeats ? kSeatNames[seat] : std::string_view{};
}

std::optional<int> SeatFromName(std::string_view name) {
    for (int s = 0; s < kSeats; ++s) {
        if (kSeatNames[s] == name) {
            return s;
        }
    }
    return std::nullopt;
}

int ColourIndex(int code) {
    for (int i = 0; i < 4; ++i) {
        if (code == ColourCode(i)) {
            return i;
        }
    }
    return -1;
}

std::string_view ColourWord(int code) {
    const int i = ColourIndex(code);
    return i < 0 ? std::string_view{} : kColourWords[i];
}

std::optional<int> ColourFromWord(std::string_view word) {
    for (int i = 0; i < 4; ++i) {
        if (kColourWords[i] == word) {
            return ColourCode(i);
        }
    }
    return std::nullopt;
}

std::string_view ColourDisplayName(int code) {
    const int i = ColourIndex(code);
    return i < 0 ? std::string_view{} : kColourNames[i];
}

std::optional<std::string_view> TrumpCardName(int code) {
    if (code < 0 || code >= kRankCodes) {
        return std::nullopt;
    }
    return kTrumpNames[code];
}

std::optional<int> TrumpCardCode(std::string_view name) {
    for (int c = 0; c < kRankCodes; ++c) {
        if (kTrumpNames[c] == name) {
            return c;
        }
    }
    return std::nullopt;
}

}  // namespace common
