#include "coach/Judgement.h"

#include <array>
#include <cmath>

#include "common/Names.h"
#include "common/NumberText.h"

namespace coach {

Judgement JudgementOf(search::ExpertPlayer& expert) {
    return [&expert](const state::SeatView& view, state::Decision decision) {
        switch (decision) {
            case state::Decision::Bid:
                return expert.JudgeBids(view);
            case state::Decision::Trump:
                return expert.JudgeTrumps(view);
            case state::Decision::Card:
                break;
        }
        return expert.JudgeCards(view);
    };
}

std::string ColourSymbol(int colour) {
    static constexpr std::array<const char*, 4> kSymbols = {"♣", "♦", "♥", "♠"};
    const int index = common::ColourIndex(colour);
    return index < 0 ? std::string() : kSymbols[static_cast<std::size_t>(index)];
}

std::string CardName(const cards::Kort& card) {
    return card.Typ + ColourSymbol(card.OwnColour());
}

std::string BidName(int bid) {
    return bid > 0 ? std::to_string(bid) : "Pass";
}

std::string PointsText(double points, presentation::Language language) {
    std::string result = common::FixedText(std::abs(points) < kEqualValues ? 0.0 : points, 1);
    if (language == presentation::Language::Svenska) {
        for (char& c : result) {
            c = c == '.' ? ',' : c;
        }
    }
    return result;
}

}  // namespace coach
