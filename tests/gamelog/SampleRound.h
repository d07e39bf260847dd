#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cards/Packe.h"
#include "common/LogSink.h"
#include "common/Random.h"
#include "gamelog/LogBlocks.h"
#include "state/RoundState.h"

namespace gamelog_test {

// The facts of a round written by the log blocks, as the readers should give them back.
struct SampleRound {
    int gbVi = 0;
    int gbDe = 0;
    int bidder = 0;
    int bid = 0;
    int dealer = 0;
    int trump = 0;
    std::array<std::string, 53> order;
    std::array<std::vector<std::string>, 4> fore_kop;
    std::array<std::vector<std::string>, 4> koper;
};

// One seat's buying: trumps beyond six give a tag directly followed by "<END>", exactly six
// give no block, fewer buy up to six (all that is left for the dealer).
inline void Buy(common::LogSink& log, cards::Packe& deck, state::RoundState& round, int seat,
                bool dealer, SampleRound& sample) {
    const int held = round.Hand[seat].AntalKortIFarg(round.gbFarg);
    const int wanted = dealer ? deck.KortIPacken() : 6 - held;
    if ((dealer && wanted == 0) || (!dealer && held == 6)) {
        return;
    }
    log.Log(gamelog::BuyTag(seat));
    for (int i = 0; i < wanted; ++i) {
        cards::Kort* card = deck.GeKort();
        if (!card->IsNoCard() && card->IsOfColour(round.gbFarg)) {
            log.Log(gamelog::CardLine(*card, round.gbFarg));
            sample.koper[seat].push_back(gamelog::CardLine(*card, round.gbFarg));
        }
    }
    log.Log("<END>");
}

// Shuffles a deck with `seed`, deals, and logs a whole round through the block writers with
// informational lines between the blocks, as the table does.
inline SampleRound WriteSampleRound(common::LogSink& log, std::uint64_t seed) {
    common::Random random(seed);
    cards::Packe deck(random);
    deck.Saka();
    SampleRound sample;
    sample.gbVi = static_cast<int>(seed % 50) - 20;
    sample.gbDe = static_cast<int>(seed % 37);
    sample.dealer = static_cast<int>(seed % 4);
    sample.bidder = static_cast<int>((seed / 4) % 4);
    sample.bid = 6 + static_cast<int>(seed % 9);
    sample.trump = 1 << ((seed / 16) % 4);
    sample.order = deck.OrderRecord();
    gamelog::LogRoundStart(log, sample.gbVi, sample.gbDe, deck);

    state::RoundState round;
    round.gbFarg = sample.trump;
    log.Log("DELAR UT KORT - (6)=Röd Fivra, (9)=Svart Fivra");
    log.Log("");
    for (int card = 0; card < 36; ++card) {
        round.Hand[(sample.dealer + 1 + card / 3) & 3].AddACardOSort(deck.GeKort());
    }
    log.Log("HUMAN Bids: PASS");
    gamelog::LogAuctionBlock(log, sample.bidder, sample.bid, sample.dealer);
    gamelog::LogTrumpBlock(log, sample.trump);
    deck.ValjFarg(sample.trump);
    gamelog::LogForeKop(log, round);
    for (int seat = 0; seat < 4; ++seat) {
        for (const cards::Kort* card : round.Hand[seat].Cards()) {
            if (card->IsOfColour(sample.trump)) {
                sample.fore_kop[seat].push_back(gamelog::CardLine(*card, sample.trump));
            }
        }
    }
    for (int k = 1; k <= 4; ++k) {
        Buy(log, deck, round, (sample.dealer + k) & 3, k == 4, sample);
    }
    log.Log("SYD plays: A");
    gamelog::LogDebugComment(log, "a comment that mentions <BUD>");
    log.Log(std::string(gamelog::kStars60));
    return sample;
}

struct LinesSink : common::LogSink {
    void Log(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

}  // namespace gamelog_test
