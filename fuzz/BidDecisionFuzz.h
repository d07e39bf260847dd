#pragma once

#include "FuzzRound.h"
#include "bidai/BidEngine.h"

namespace fuzz {

// One whole bidding decision, as the table asks it, with the data files as they stand.
inline void BidOnce(const Split& split) {
    FuzzRound t(split.seed, split.trump, /*trumps_only=*/false);
    bidai::BidEngine engine;
    // Once as a seat in the auction and once as the dealer forced to bid: only the dealer is
    // ever handed the forced marker 5.
    for (const int biggest : {7, 5}) {
        t.round.attSaka = biggest == 5 ? split.seat : 3;
        t.round.gbHogstaBudet = biggest;
        const bidai::BidContext ctx{t.round,   t.round.Hand[split.seat],
                                    t.deck,    split.seat,
                                    biggest,   ProgramFolder(),
                                    t.sink,    t.sink,
                                    t.dialogs, t.random};
        const bidai::BidDecision decision = engine.bjud(ctx);
        const bool real_bid = decision.bid == 0 || (decision.bid >= 6 && decision.bid <= 14);
        if (!real_bid || (biggest == 5 && decision.bid != 6)) {
            __builtin_trap();
        }
    }
}

}  // namespace fuzz
