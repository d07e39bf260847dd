#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace gui {

// How the game is started, from the environment: FIVRA_SEED fixes the random seed,
// FIVRA_SPEED runs every timer that many times faster, FIVRA_SCREENSHOT (with
// FIVRA_SCREENSHOT_AFTER_MS) saves a picture of the window and quits, FIVRA_DEMO lets the
// game play itself.
struct LaunchOptions {
    std::optional<std::uint64_t> seed;
    double speed = 1.0;
    bool speed_from_environment = false;  // FIVRA_SPEED overrides the player's speed setting
    QString screenshot;                   // empty: none
    int screenshot_after_ms = 2000;
    bool demo = false;
    std::vector<std::string> problems;  // variables that were set but could not be used
};

// Reads the options through `lookup` (the environment in the game); a value that cannot be
// used keeps the default and is named in `problems`.
LaunchOptions ReadLaunchOptions(
    const std::function<std::optional<std::string>(const char*)>& lookup);

// The pause before a wait for the human's click goes on by itself in the demo, in table time.
inline constexpr int kDemoContinueMs = 2500;

}  // namespace gui
