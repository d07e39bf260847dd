#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cards/Kort.h"
#include "presentation/Localisation.h"
#include "search/ExpertPlayer.h"
#include "state/SeatPlayer.h"

namespace coach {

// Every legal choice at a decision with its value, best first: the expert's judgement, which
// the hint and the round review ask.
using Judgement =
    std::function<std::vector<search::JudgedChoice>(const state::SeatView&, state::Decision)>;

// The expert's judgement; the expert must outlive it.
Judgement JudgementOf(search::ExpertPlayer& expert);

// Two values closer than this are told as equal: the hint and the review show one decimal.
inline constexpr double kEqualValues = 0.05;

// A card as the player sees it: its face and the symbol of its own suit ("K♥", "5♣").
std::string CardName(const cards::Kort& card);
// "♣", "♦", "♥", "♠" for a colour code; empty for any other number.
std::string ColourSymbol(int colour);
// A bid as the bid panel shows it: "Pass" or the number.
std::string BidName(int bid);
// A number of points with one decimal, in the language's way ("1.2", "1,2").
std::string PointsText(double points, presentation::Language language);

}  // namespace coach
