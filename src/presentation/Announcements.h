#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "presentation/Localisation.h"

// The one-line announcements of the table: what just happened that a player could miss (a
// forced bid, the auction's winner, the dealer's fill-up, a hand laid down, the round's and the
// game's result), worded from the text table.
namespace presentation {

// The text with each "{word}" replaced by its value; unknown words stay as they are.
std::string FillIn(std::string text,
                   const std::vector<std::pair<std::string_view, std::string>>& words);

class Announcements {
  public:
    Announcements(const Texts& texts, Language language) : texts_(texts), language_(language) {}

    std::string ForcedBid(int dealer) const;
    // `trump` 0 while the colour is not named yet.
    std::string AuctionWon(int bidder, int bid, int trump) const;
    std::string DealerFills(int dealer, int count) const;
    std::string LaysDown(int seat) const;
    // `points` are what the bidding side took in the round.
    std::string RoundResult(bool vi_bid, int bid, int points) const;
    std::string GameWon(bool vi_won, int vi_total, int de_total) const;

  private:
    std::string Seat(int seat) const { return SeatDisplayName(seat, language_); }

    const Texts& texts_;
    Language language_;
};

}  // namespace presentation
