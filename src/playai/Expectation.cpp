#include "playai/Expectation.h"

#include <algorithm>

#include "common/NumberText.h"

namespace playai {

int CardsLoose(const PlayView& view) {
    int loose = kTrumpCardsInRound - common::RoundToInt(view.memory.JagSer[view.seat]);
    for (int offset = 1; offset < common::kSeats; ++offset) {
        loose -= common::RoundToInt(view.memory.AndraSer[view.SeatAt(offset)]);
    }
    return std::max(loose, 0);
}

bool IsCold(const PlayView& view, int seat) {
    if (view.round.ColdFlag[seat] != 0) {
        return true;
    }
    return CardsLoose(view) == 0 &&
           static_cast<float>(view.round.Round) > view.memory.AndraSer[seat] &&
           view.round.TrickCards[seat] == 0;
}

int CardsUnknown(const PlayView& view) {
    int unknown = 0;
    for (int offset = 1; offset < common::kSeats; ++offset) {
        const int s = view.SeatAt(offset);
        if (!IsCold(view, s)) {
            unknown += std::max(0, kHandSize - common::RoundToInt(view.memory.AndraSer[s]));
        }
    }
    return unknown;
}

float DynExp(const PlayView& view, int seat) {
    const float base = seat == view.seat ? view.memory.JagSer[seat] : view.memory.AndraSer[seat];
    const int unknown = CardsUnknown(view);
    if (unknown == 0 || IsCold(view, seat)) {
        return base;
    }
    // A seat already known to hold six or more has no unknown place to receive loose cards.
    const float places = std::max(0.0f, static_cast<float>(kHandSize) - base);
    return base + places * static_cast<float>(CardsLoose(view)) / static_cast<float>(unknown);
}

void UpdateSeenCounts(PlayMemory& memory, const state::RoundState& round, int seat,
                      int trump_count) {
    memory.JagSer[seat] =
        static_cast<float>(std::max(common::RoundToInt(memory.JagSer[seat]), trump_count));
    for (int s = 0; s < common::kSeats; ++s) {
        memory.AndraSer[s] = static_cast<float>(
            std::max(common::RoundToInt(memory.AndraSer[s]), round.PlayedCount[s]));
    }
}

void ExpectationDump(const PlayView& view, common::LogSink& sink) {
    const int loose = CardsLoose(view);
    const int unknown = CardsUnknown(view);
    common::LineWriter log(sink);
    log.Log("");
    log.Log(" %%%%%%%%%%% Special DynExp DUMP %%%%%%%");
    log.Log("Detta ar av spelare: ", view.seat, " 's synvinkel");
    log.Log("JagSer: ", view.memory.JagSer[view.seat], " i min egen hand");
    log.Log("Driftklover: ", loose);
    log.Log("Obekanta: ", unknown);
    if (unknown != 0) {
        log.Log("Exp ratio/kort: ", static_cast<float>(loose) / static_cast<float>(unknown));
    }
    for (int s = 0; s < common::kSeats; ++s) {
        if (s != view.seat) {
            log.Log(s, ":  AndraSer   ", view.memory.AndraSer[s], "    DynExp   ", DynExp(view, s));
        } else {
            log.Log(s, ":  AndraSer   ", view.memory.AndraSer[s]);
        }
    }
    log.Log(" %%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%");
    log.Log("");
}

}  // namespace playai
