#include "presentation/Ticker.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"

namespace presentation {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte length of the first `count` code points.
std::size_t Utf8Bytes(const std::string& text, int count) {
    std::size_t pos = 0;
    for (int n = 0; n < count && pos < text.size(); ++n) {
        ++pos;
        while (pos < text.size() && IsContinuationByte(text[pos])) {
            ++pos;
        }
    }
    return pos;
}

}  // namespace

std::string Utf8Prefix(const std::string& text, int count) {
    return text.substr(0, Utf8Bytes(text, count));
}

void DropFirstUtf8Character(std::string& text) {
    text.erase(0, Utf8Bytes(text, 1));
}

void Ticker::StartTicker(const std::string& news_line, common::Control& label,
                         common::Timer& TimerAD) {
    text_ = std::string(kLeadingBlanks, ' ') + news_line;
    label.Caption = Utf8Prefix(text_, kShownCharacters);
    TimerAD.SetEnabled(true);
    TimerAD.Tag = std::to_string(kLeadingBlanks);
    label.Visible = true;
}

void Ticker::StopTicker(common::Control& label, common::Timer& TimerAD) {
    label.Caption.clear();
    text_.clear();
    TimerAD.SetEnabled(false);
    label.Visible = false;
}

void Ticker::TimerAD_Timer(common::Control& label, common::Timer& TimerAD) {
    if (label.Caption.empty()) {
        return;
    }
    // A tag that is no number counts as the end of the standing time, so the line scrolls out.
    const double tag = common::LeadingNumber(TimerAD.Tag);
    const int count = std::isfinite(tag) && common::StartsWithNumber(TimerAD.Tag)
                          ? common::RoundToInt(std::clamp(tag, -1e6, 1e6))
                          : -kStandingTicks;
    const int next = count - 1;
    if (count > 0 || next < -kStandingTicks) {
        DropFirstUtf8Character(text_);
    }
    // Held at the scroll-out value so the count cannot run past the end of int.
    TimerAD.Tag = std::to_string(next < -kStandingTicks ? -kStandingTicks - 1 : next);
    label.Caption = Utf8Prefix(text_, kShownCharacters);
    if (label.Caption.empty()) {
        // Scrolled out: nothing is left to tick for.
        TimerAD.SetEnabled(false);
    }
}

}  // namespace presentation
