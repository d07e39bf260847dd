#pragma once

#include <string>

#include "common/Control.h"
#include "common/Timer.h"

namespace presentation {

// The news line that scrolls in after a won game, stands still a while and scrolls out.
// TimerAD's tag counts the ticks: from 60 down to 0 the line scrolls in, down to -200 it
// stands, below that it scrolls out.
class Ticker {
  public:
    static constexpr int kShownCharacters = 66;
    static constexpr int kLeadingBlanks = 60;
    static constexpr int kStandingTicks = 200;

    void StartTicker(const std::string& news_line, common::Control& label, common::Timer& TimerAD);
    void StopTicker(common::Control& label, common::Timer& TimerAD);
    void TimerAD_Timer(common::Control& label, common::Timer& TimerAD);

    const std::string& TickerText() const { return text_; }

  private:
    std::string text_;
};

// The first `count` characters of UTF-8 text (whole code points, never half a letter).
std::string Utf8Prefix(const std::string& text, int count);
// The text without its first character (code point).
void DropFirstUtf8Character(std::string& text);

}  // namespace presentation
