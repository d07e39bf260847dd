#pragma once

#include <gmock/gmock.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bidai/BidEngine.h"
#include "cards/Packe.h"
#include "common/LogSink.h"
#include "common/Names.h"
#include "common/Random.h"
#include "common/ScriptedDialogs.h"
#include "state/RoundState.h"
#include "support/TempFolder.h"

namespace bidai_test {

class RecordingSink : public common::LogSink, public common::TraceSink {
  public:
    void Log(const std::string& line) override { logs.push_back(line); }
    void Trace(const std::string& line) override { traces.push_back(line); }
    bool Logged(std::string_view line) const {
        return std::find(logs.begin(), logs.end(), line) != logs.end();
    }

    std::vector<std::string> logs;
    std::vector<std::string> traces;
};

// A record line of a bid base: EA for bids 5..14 is `value` up to bid `top` and -10 above it;
// P for bid b is b / 100 (written in the file's own order of the P fields); EaUH k is
// `value` + k.
inline std::string RecordLine(std::string_view key, int top, float value) {
    constexpr std::array<int, 9> kPOrder = {2, 8, 7, 5, 1, 4, 9, 3, 6};
    std::string line(key);
    for (int bid = 5; bid <= 14; ++bid) {
        line += "," + std::to_string(bid <= top ? value : -10.0f);
    }
    line += ",x";
    for (const int j : kPOrder) {
        line += "," + std::to_string((j + 5) / 100.0);
    }
    line += ",y";
    for (int k = 0; k < 4; ++k) {
        line += "," + std::to_string(value + k);
    }
    return line + "\n";
}

class BidFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = dir_.Folder();
        round.attSaka = 0;
    }

    void WriteFile(const std::string& name, const std::string& text) const {
        dir_.Write(name, text);
    }
    void WriteRules(const std::string& text) const { WriteFile("FivraBidRulesAI.txt", text); }

    // Cards by face ("A", "2".."10", "J", "Q", "K") and colour code (1, 2, 4, 8).
    void Give(int seat, const std::vector<std::pair<std::string_view, int>>& cards) {
        for (const auto& [face, colour] : cards) {
            round.Hand[seat].AddACardOSort(&deck.Card(CardNr(face, colour)));
        }
    }

    // VAST's usual hand: klöver A K Q, ruter J 10, hjärter 9 8, spader 7 6.
    void GiveUsualHand(int seat) {
        Give(seat, {{"A", 1}, {"K", 1}, {"Q", 1}, {"J", 2}, {"10", 2}});
        Give(seat, {{"9", 4}, {"8", 4}, {"7", 8}, {"6", 8}});
    }
    // A bid base for the usual hand; colour c reaches EA `value[c]` up to bid `top[c]`, and
    // has no key when `top[c]` is 0.
    void WriteUsualBase(std::array<int, 4> top, std::array<float, 4> value) const {
        const auto line = [&](int c, std::string_view key) {
            return top[c] == 0 ? std::string() : RecordLine(key, top[c], value[c]);
        };
        WriteFile("FivraBidBase.txt", "KLARTX\n<2>\n" + line(1, "[_J_10_]") + line(2, "[_9_8_]") +
                                          line(3, "[_7_6_]") + "<3>\n" + line(0, "[_A_K_Q_]"));
    }

    // Reads the bid base for VAST's hand.
    bool ReadBase() { return engine.ReadBidBase(Context(1, 0), "FivraBidBase.txt"); }

    bidai::BidContext Context(int seat, int biggest) {
        round.gbHogstaBudet = biggest;
        return bidai::BidContext{round, round.Hand[seat], deck,  seat, biggest, folder, sink,
                                 sink,  dialogs,          random};
    }

    static int CardNr(std::string_view face, int colour) {
        constexpr std::array<std::string_view, 13> kFaces = {"A", "2", "3",  "4", "5", "6", "7",
                                                             "8", "9", "10", "J", "Q", "K"};
        const int rank =
            static_cast<int>(std::find(kFaces.begin(), kFaces.end(), face) - kFaces.begin());
        return rank * 4 + common::ColourIndex(colour);
    }

    common::Random random{20240611};
    cards::Packe deck{random};
    state::RoundState round;
    common::ScriptedDialogs dialogs;
    RecordingSink sink;
    bidai::BidEngine engine;
    std::string folder;

  private:
    test_support::TempFolder dir_;
};

}  // namespace bidai_test
