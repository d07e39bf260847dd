#pragma once

#include <string>

namespace common {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// A control of the table as data: the core sets it, tests read it, the view draws it.
struct Control {
    std::string Caption;
    Rgb ForeColor = kBlack;
    bool Visible = false;
    bool Enabled = true;
    std::string Tag;
    bool operator==(const Control&) const = default;
};

}  // namespace common
