#include "gui/window/LaunchOptions.h"

#include <charconv>

namespace gui {

namespace {

template <class Number>
std::optional<Number> WholeNumber(const std::string& text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> PositiveNumber(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end || !(value > 0) || value > 1000) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

LaunchOptions ReadLaunchOptions(
    const std::function<std::optional<std::string>(const char*)>& lookup) {
    LaunchOptions options;
    const auto problem = [&options](const char* name, const std::string& value) {
        options.problems.push_back(std::string(name) + "=" + value);
    };
    if (const auto seed = lookup("FIVRA_SEED")) {
        options.seed = WholeNumber<std::uint64_t>(*seed);
        if (!options.seed) {
            problem("FIVRA_SEED", *seed);
        }
    }
    if (const auto speed = lookup("FIVRA_SPEED")) {
        if (const auto value = PositiveNumber(*speed)) {
            options.speed = *value;
            options.speed_from_environment = true;
        } else {
            problem("FIVRA_SPEED", *speed);
        }
    }
    if (const auto file = lookup("FIVRA_SCREENSHOT"); file && !file->empty()) {
        options.screenshot = QString::fromStdString(*file);
    }
    if (const auto after = lookup("FIVRA_SCREENSHOT_AFTER_MS")) {
        const auto value = WholeNumber<int>(*after);
        if (value && *value >= 0) {
            options.screenshot_after_ms = *value;
        } else {
            problem("FIVRA_SCREENSHOT_AFTER_MS", *after);
        }
    }
    if (const auto demo = lookup("FIVRA_DEMO")) {
        options.demo = !demo->empty() && *demo != "0";
    }
    return options;
}

}  // namespace gui
