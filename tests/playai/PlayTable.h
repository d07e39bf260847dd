#pragma once

#include <gmock/gmock.h>

#include <string>
#include <string_view>
#include <vector>

#include "cards/Packe.h"
#include "common/LogSink.h"
#include "common/Names.h"
#include "common/Random.h"
#include "common/ScriptedDialogs.h"
#include "playai/PlayEngine.h"
#include "support/TempFolder.h"

namespace playai::test {

class RecordingSink : public common::LogSink {
  public:
    void Log(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

// A trick-play table with hjärter as trump: hands are dealt by card name, plays are recorded
// in the round tables as the table records them, and decisions read a rule text written to a
// folder of the test's own.
class PlayTable {
  public:
    static constexpr int kTrump = common::kHjarter;

    PlayTable() {
        deck.ValjFarg(kTrump);
        round.gbFarg = kTrump;
        round.gbHogstaBudet = 7;
    }

    // The card of trump hjärter with that rule name ("V" the five of hjärter, "v" of ruter).
    cards::Kort& CardNamed(std::string_view name) {
        const int code = *common::TrumpCardCode(name);
        if (code == 5 || code == 4) {
            return deck.Card(4 * 4 + (code == 5 ? 2 : 1));
        }
        static constexpr int kRankIndex[] = {0, 1, 2, 3, 0, 0, 5, 6, 7, 8, 9, 10, 11, 12, 0};
        return deck.Card(kRankIndex[code] * 4 + 2);
    }

    void Give(int seat, const std::vector<std::string_view>& names) {
        for (const std::string_view name : names) {
            round.Hand[seat].AddACardOSort(&CardNamed(name));
        }
    }

    void Play(int seat, std::string_view name) {
        cards::Kort& card = CardNamed(name);
        round.Hand[seat].TakeACard(card.Key());
        round.TrickCards[seat] = card.Rang;
        round.PlayedTrump[card.Rang] = -1;
        ++round.PlayedCount[seat];
        round.TrickHistory[round.Round][seat] = card.Rang;
    }

    // The seats from `first` on play the cards to the current trick in turn.
    void PlayFrom(int first, const std::vector<std::string_view>& names) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            Play(common::SeatAfter(first, static_cast<int>(i)), names[i]);
        }
    }

    void WriteRules(const std::string& text) const { folder_.Write(kPlayRulesFile, text); }

    PlayDecision Decide(int seat, const std::string& rules) {
        WriteRules(rules);
        return DecideWithFile(seat);
    }

    PlayDecision DecideWithFile(int seat) { return DecideBy(Folder(), seat); }

    PlayDecision DecideBy(const std::string& folder, int seat) {
        const PlayContext ctx{round, round.Hand[seat], seat, folder, log, dialogs, rule_random};
        return engine.ChoosePlayCard(ctx);
    }

    std::vector<std::string> HandNames(int seat) const {
        std::vector<std::string> names;
        for (const cards::Kort* card : round.Hand[seat].Cards()) {
            names.emplace_back(*common::TrumpCardName(card->Rang));
        }
        return names;
    }

    const std::string& Folder() const { return folder_.Folder(); }

    common::Random deck_random{1};
    common::Random rule_random{5};
    cards::Packe deck{deck_random};
    state::RoundState round;
    PlayEngine engine;
    common::ScriptedDialogs dialogs;
    RecordingSink log;

  private:
    test_support::TempFolder folder_;
};

inline std::string CardOf(const PlayDecision& d) {
    return std::string(*common::TrumpCardName(d.rank_code));
}

}  // namespace playai::test
