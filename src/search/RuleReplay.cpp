#include "search/RuleReplay.h"

#include <algorithm>

#include "cards/KortHand.h"
#include "common/FieldReader.h"
#include "playai/GameValues.h"

namespace search {

namespace {

// The highest rank still out when trick `trick` started: 14 at the first trick, as the table
// counts it; then the highest rank neither put out of play nor played in an earlier trick.
int HighestAtStart(const state::RoundState& moment, int trick) {
    if (trick <= 1) {
        return 14;
    }
    for (int r = state::kRanks - 1; r > 0; --r) {
        if (moment.PlayedTrump[r] == 0 || moment.RankTrick[r] >= trick) {
            return r;
        }
    }
    return 0;
}

}  // namespace

RuleReplay::RuleReplay(const std::filesystem::path& folder) {
    folder_ = folder.string();
    if (folder_.empty() || folder_.back() != '/') {
        folder_ += '/';
    }
    if (auto text = common::ReadWholeFile(folder_ + playai::kPlayRulesFile)) {
        engine_.KeepRuleText(std::move(*text));
        usable_ = true;
    }
}

void RuleReplay::UseTrump(int colour) {
    if (colour == colour_) {
        return;
    }
    colour_ = colour;
    deck_.ValjFarg(colour);
    trump_cards_.fill(nullptr);
    for (int nr = 0; nr < cards::kDeckSize; ++nr) {
        cards::Kort& card = deck_.Card(nr);
        if (card.IsOfColour(colour) && card.Rang > 0 && card.Rang < state::kRanks) {
            trump_cards_[static_cast<std::size_t>(card.Rang)] = &card;
        }
    }
}

// As the table keeps it: the trumps each seat showed before buying (the dealer's only when
// it gave up a surplus) or played since, the deciding seat's own count at the start of play,
// and each finished trick's highest card with the highest card out when it started.
void RuleReplay::RebuildMemory(const state::RoundState& moment, int seat, int held) {
    playai::PlayMemory& memory = engine_.Memory();
    for (std::size_t s = 0; s < 4; ++s) {
        memory.AndraSer[s] = static_cast<float>(std::max(0, moment.BeforeBuying[s]));
        memory.JagSer[s] = memory.AndraSer[s];
        memory.NoFivraFlag[s] = 0;
    }
    memory.JagSer[static_cast<std::size_t>(seat)] =
        static_cast<float>(std::max(moment.BeforeBuying[seat], held + moment.PlayedCount[seat]));
    for (int trick = 1; trick < state::kTricks; ++trick) {
        auto& highs = memory.TrickHighHistory[static_cast<std::size_t>(trick)];
        if (trick >= moment.Round) {
            highs = {};
            continue;
        }
        const auto& cards = moment.TrickHistory[static_cast<std::size_t>(trick)];
        highs = {playai::CardText(*std::max_element(cards.begin(), cards.end())),
                 playai::CardText(HighestAtStart(moment, trick))};
    }
}

int RuleReplay::Card(const state::RoundState& moment, int seat, TrumpSet hand, std::uint64_t seed) {
    UseTrump(moment.gbFarg);
    cards::KortHand held;
    for (TrumpSet rest = hand; rest != 0; rest &= static_cast<TrumpSet>(rest - 1)) {
        if (cards::Kort* card = trump_cards_[static_cast<std::size_t>(Lowest(rest))]) {
            held.AddACard(card);
        }
    }
    RebuildMemory(moment, seat, CountOf(hand));
    common::Random chances(seed);
    const playai::PlayContext context{moment, held, seat, folder_, log_, dialogs_, chances};
    const int card = engine_.ChoosePlayCard(context).rank_code;
    dialogs_.messages.clear();
    return card;
}

}  // namespace search
