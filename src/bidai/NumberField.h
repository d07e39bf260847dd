#pragma once

#include <cmath>
#include <string_view>

#include "common/NumberText.h"

namespace bidai {

// A decimal value as the single-precision value the tables hold; values beyond what single
// precision can hold are kept at its edge instead of overflowing.
inline float Single(double value) {
    constexpr double kEdge = 1e30;
    if (!(value > -kEdge)) {
        return static_cast<float>(-kEdge);
    }
    return static_cast<float>(value < kEdge ? value : kEdge);
}

inline float SingleField(std::string_view field) {
    return Single(common::LeadingNumber(field));
}

// The integer part (towards minus infinity) of a register, kept within int's reach.
inline int IntegerPart(float value) {
    constexpr double kEdge = 1e9;
    const double v = std::floor(static_cast<double>(value));
    if (std::isnan(v)) {
        return 0;
    }
    return static_cast<int>(v < -kEdge ? -kEdge : (v > kEdge ? kEdge : v));
}

}  // namespace bidai
