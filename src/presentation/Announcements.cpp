#include "presentation/Announcements.h"

#include "common/Names.h"

namespace presentation {

std::string FillIn(std::string text,
                   const std::vector<std::pair<std::string_view, std::string>>& words) {
    for (const auto& [word, value] : words) {
        const std::string key = "{" + std::string(word) + "}";
        for (std::size_t at = text.find(key); at != std::string::npos;
             at = text.find(key, at + value.size())) {
            text.replace(at, key.size(), value);
        }
    }
    return text;
}

std::string Announcements::ForcedBid(int dealer) const {
    return FillIn(texts_.forced_bid, {{"seat", Seat(dealer)}});
}

std::string Announcements::AuctionWon(int bidder, int bid, int trump) const {
    const std::string colour = ColourInText(trump, language_);
    return FillIn(colour.empty() ? texts_.auction_won : texts_.auction_won_trump,
                  {{"seat", Seat(bidder)}, {"bid", std::to_string(bid)}, {"colour", colour}});
}

std::string Announcements::DealerFills(int dealer, int count) const {
    const std::string& text =
        dealer == common::kSyd ? texts_.dealer_fills_you : texts_.dealer_fills;
    return FillIn(text, {{"seat", Seat(dealer)}, {"count", std::to_string(count)}});
}

std::string Announcements::LaysDown(int seat) const {
    return FillIn(texts_.lays_down, {{"seat", Seat(seat)}});
}

std::string Announcements::RoundResult(bool vi_bid, int bid, int points) const {
    const std::string& text = points > bid    ? texts_.round_made
                              : points == bid ? texts_.round_made_exactly
                                              : texts_.round_lost;
    const int margin = points > bid ? points - bid : bid - points;
    return FillIn(text, {{"team", vi_bid ? texts_.team_vi : texts_.team_de},
                         {"bid", std::to_string(bid)},
                         {"points", std::to_string(points)},
                         {"margin", std::to_string(margin)}});
}

std::string Announcements::GameWon(bool vi_won, int vi_total, int de_total) const {
    return FillIn(texts_.game_won, {{"team", vi_won ? texts_.team_vi : texts_.team_de},
                                    {"vi", std::to_string(vi_total)},
                                    {"de", std::to_string(de_total)}});
}

}  // namespace presentation
