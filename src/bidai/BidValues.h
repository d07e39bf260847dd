#pragma once

#include <optional>

#include "bidai/AuctionView.h"
#include "bidai/BidTables.h"

// The values of the valuation that the bid rules and the bidding decision ask for.
namespace bidai {

// The largest EA at a bid level (raised to 6) over the colours, -28 when no colour has a
// value above -200; std::nullopt for a level above 15.
std::optional<float> EABestColor(const BidTables& tables, int level);

// The largest P above 0 at a bid level over the colours, or 0; std::nullopt outside 5..15.
std::optional<float> PLevel(const BidTables& tables, int level);

// The worst EaUH over the colours for the seat that now leads the auction (the partner when
// nobody has bid above 5), counting values below 200; -28 when there is none.
float EAuHWorstColor(const BidTables& tables, const AuctionView& auction);

// Index of the colour with the largest EA above -200 at a bid level (5..15), the earlier
// colour on a tie; -1 when there is none or the level is out of bounds.
int BestColourAt(const BidTables& tables, int level);

}  // namespace bidai
