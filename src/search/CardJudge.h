#pragma once

#include <array>
#include <random>
#include <vector>

#include "search/SeatKnowledge.h"

namespace search {

// What a card is worth to the seat's side at the end of the round.
enum class Measure {
    kPointsTaken,      // the points its side takes in the round
    kScoreDifference,  // its side's round score minus the other's, the bid checked
};

struct CardValue {
    int rank = 0;
    double mean = 0;  // mean over the sampled deals, each played out best by both sides
};

// One deal of the unseen trumps to judge on, counted `weight` times in the means.
struct WeightedDeal {
    std::array<TrumpSet, 4> hands{};
    double weight = 1;
};

// Judges each trump card the seat may play on the given deals: plays the card in each and
// solves the rest of the round; a card's mean is weighted by the deals' weights. Equal cards
// are judged once. Highest card first.
std::vector<CardValue> JudgeCardsOn(const SeatKnowledge& knowledge,
                                    const std::vector<WeightedDeal>& deals, Measure measure);

// Judges each trump card the seat may play: samples `samples` deals of the unseen trumps,
// plays the card in each and solves the rest of the round. Equal cards (nothing unseen
// between them, the same points) are judged once and get the same value. Highest card first.
std::vector<CardValue> JudgeCards(const SeatKnowledge& knowledge, int samples, Measure measure,
                                  std::mt19937_64& random);

// How many of the seat's cards are distinct choices (equal cards count once).
int DistinctCards(const SeatKnowledge& knowledge);

// The card with the best mean; of cards judged alike, the lowest.
CardValue BestCard(const std::vector<CardValue>& values);

}  // namespace search
