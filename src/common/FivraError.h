#pragma once

#include <stdexcept>
#include <string>

namespace common {

// The card controls' application-defined errors: "Card exists in Deck" (1016, source "Deck"),
// "Card already available" (1001) and "Card not available " (1002, source "KortHand").
class FivraError : public std::runtime_error {
  public:
    FivraError(std::string source, int number, const std::string& text)
        : std::runtime_error(text), source_(std::move(source)), number_(number) {}

    const std::string& Source() const { return source_; }
    int Number() const { return number_; }

  private:
    std::string source_;
    int number_;
};

}  // namespace common
