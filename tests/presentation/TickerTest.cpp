#include <gtest/gtest.h>

#include "presentation/Ticker.h"

namespace presentation {
namespace {

struct TickerFixture : ::testing::Test {
    long long now = 0;
    common::Timer TimerAD{now, 20, false};
    common::Control label;
    Ticker ticker;
};

TEST_F(TickerFixture, FortyCharacterLineScrollsInStandsAndScrollsOut) {
    const std::string line = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
    ASSERT_EQ(line.size(), 40u);
    ticker.StartTicker(line, label, TimerAD);
    EXPECT_EQ(label.Caption, std::string(60, ' ') + "012345");
    EXPECT_TRUE(label.Visible);
    EXPECT_TRUE(TimerAD.Enabled());
    EXPECT_EQ(TimerAD.Tag, "60");

    for (int tick = 1; tick <= 60; ++tick) {
        ticker.TimerAD_Timer(label, TimerAD);
    }
    EXPECT_EQ(label.Caption, line) << "fully scrolled in after 60 ticks";
    for (int tick = 1; tick <= 200; ++tick) {
        ticker.TimerAD_Timer(label, TimerAD);
    }
    EXPECT_EQ(label.Caption, line) << "stands still for 200 ticks";
    for (int tick = 1; tick < 40; ++tick) {
        ticker.TimerAD_Timer(label, TimerAD);
    }
    EXPECT_EQ(label.Caption, "D");
    ticker.TimerAD_Timer(label, TimerAD);
    EXPECT_EQ(label.Caption, "");
    EXPECT_FALSE(TimerAD.Enabled()) << "nothing left to scroll";

    ticker.TimerAD_Timer(label, TimerAD);
    EXPECT_EQ(label.Caption, "") << "an empty caption ends the ticking";
}

TEST_F(TickerFixture, StopClearsAndHides) {
    ticker.StartTicker("news", label, TimerAD);
    ticker.StopTicker(label, TimerAD);
    EXPECT_EQ(label.Caption, "");
    EXPECT_EQ(ticker.TickerText(), "");
    EXPECT_FALSE(label.Visible);
    EXPECT_FALSE(TimerAD.Enabled());
}

TEST_F(TickerFixture, SwedishLettersAreNeverCutInHalf) {
    const std::string line = "Kolla för nyheter och uppdateringar på ÅÄÖ-sidan, så får du veta";
    ticker.StartTicker(line, label, TimerAD);
    for (int tick = 0; tick < 400; ++tick) {
        ticker.TimerAD_Timer(label, TimerAD);
        const std::string& shown = label.Caption;
        if (!shown.empty()) {
            ASSERT_NE(static_cast<unsigned char>(shown.front()) & 0xC0, 0x80) << "tick " << tick;
            ASSERT_LT(static_cast<unsigned char>(shown.back()), 0xC0) << "tick " << tick;
        }
    }
    EXPECT_EQ(label.Caption, "");
    EXPECT_EQ(Utf8Prefix("åäö", 2), "åä");
}

}  // namespace
}  // namespace presentation
