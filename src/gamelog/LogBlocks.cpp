#include "gamelog/LogBlocks.h"

#include "common/Names.h"

namespace gamelog {

namespace {

void Log(common::LogSink& log, std::string_view line) {
    log.Log(std::string(line));
}

}  // namespace

std::string ForeKopTag(int seat) {
    return "<" + std::string(common::SeatName(seat)) + "_FORE_KOP>";
}

std::string BuyTag(int seat) {
    return "<" + std::string(common::SeatName(seat)) + "_KOPER>";
}

std::string CardLine(const cards::Kort& card, int trump) {
    if (card.Typ != "5") {
        return card.Typ;
    }
    return card.OwnColour() == trump ? "V" : "v";
}

std::string DeckLine(const cards::Kort& card) {
    return std::to_string(card.Nr) + " , " + card.Typ + " , " + std::to_string(card.OwnColour());
}

void LogRoundStart(common::LogSink& log, int gbVi, int gbDe, const cards::Packe& deck) {
    Log(log, kTagVi);
    log.Log(std::to_string(gbVi));
    Log(log, kTagDe);
    log.Log(std::to_string(gbDe));
    Log(log, kColourLegend);
    Log(log, kTagPackeKomplett);
    for (const cards::Kort* card : deck.DeckCards()) {
        log.Log(DeckLine(*card));
    }
    Log(log, kTagEnd);
    log.Log("");
    log.EndBlock();
}

void LogAuctionBlock(common::LogSink& log, int bidder, int bid, int dealer) {
    Log(log, kStars60);
    Log(log, kTagBjuditHogst);
    Log(log, common::SeatName(bidder));
    Log(log, kTagBud);
    log.Log(std::to_string(bid));
    Log(log, kTagPacke);
    Log(log, common::SeatName(dealer));
    log.EndBlock();
}

void LogTrumpBlock(common::LogSink& log, int trump) {
    Log(log, kTagFarg);
    Log(log, common::ColourWord(trump));
    Log(log, kStars60);
    log.EndBlock();
}

void LogForeKop(common::LogSink& log, const state::RoundState& round) {
    Log(log, kEquals35);
    for (int seat = 0; seat < common::kSeats; ++seat) {
        log.Log(ForeKopTag(seat));
        for (const cards::Kort* card : round.Hand[seat].Cards()) {
            if (card->IsOfColour(round.gbFarg)) {
                log.Log(CardLine(*card, round.gbFarg));
            }
        }
        Log(log, kTagEnd);
        log.Log("");
    }
    Log(log, kEquals35);
    log.EndBlock();
}

std::string SeatLevelLine(int seat, std::string_view level) {
    return std::string(common::SeatName(seat)) + ": " + std::string(level);
}

void LogDebugComment(common::LogSink& log, const std::string& comment) {
    Log(log, kStars60);
    Log(log, kDebugBanner);
    Log(log, kStars60);
    log.Log(comment);
    Log(log, kStars60);
    Log(log, kStars60);
    log.EndBlock();
}

}  // namespace gamelog
