#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "table/Table.h"

// A kept round played on from its deal to where its game log ends: the computer seats decide
// again (from the random source as it stood after the deal, so as they did), the human's moves
// are read from the log, and every line the table logs on the way must be the log's next line.
// The seats' memory of the round is thus the one they had when the game stopped.
namespace table {

namespace {

// Game time the following may take: far more than any round.
constexpr long long kFollowPatienceMs = 4LL * 60 * 60 * 1000;

constexpr std::string_view kHumanBids = "HUMAN Bids: ";
constexpr std::string_view kHumanColour = "HUMAN Selects color ";

std::string_view LineAt(std::string_view text, std::size_t from) {
    const std::string_view rest = text.substr(std::min(from, text.size()));
    return rest.substr(0, std::min(rest.find('\n'), rest.size()));
}

bool StartsWith(std::string_view line, std::string_view head) {
    return line.substr(0, head.size()) == head;
}

}  // namespace

bool Table::HumanToAct() const {
    const bool colours = std::any_of(ctl_.ImgFargUp.begin(), ctl_.ImgFargUp.end(),
                                     [](const common::Control& c) { return c.Visible; });
    const cards::KortHand& syd = round_.Hand[common::kSyd];
    return ctl_.PBButtonsBackground.Visible || colours ||
           (syd.HandSpelarTyp() == 1 && syd.HandAktivitat == 1);
}

// The human's move that a line of the log records, made if the table waits for it now.
bool Table::FollowHuman(std::string_view line, const std::vector<int>& played) {
    if (ctl_.PBButtonsBackground.Visible && StartsWith(line, kHumanBids)) {
        const std::string_view bid = line.substr(kHumanBids.size());
        const int index = bid == "PASS" ? 0 : std::atoi(std::string(bid).c_str()) - 5;
        if (!BidAllowed(index)) {
            return false;
        }
        PBBid_MouseDown(index);
        PBBid_MouseUp(index);
        return true;
    }
    if (StartsWith(line, kHumanColour)) {
        for (int i = 0; i < 4; ++i) {
            if (ctl_.ImgFargUp[i].Visible && common::ColourDisplayName(common::ColourCode(i)) ==
                                                 line.substr(kHumanColour.size())) {
                ImgFargUp_MouseDown(i);
                ImgFargUp_MouseUp(i);
                return true;
            }
        }
        return false;
    }
    const std::string plays = std::string(common::SeatName(common::kSyd)) + " plays: ";
    const cards::KortHand& syd = round_.Hand[common::kSyd];
    if (!HumanToAct() || syd.HandAktivitat != 1 || !StartsWith(line, plays)) {
        return false;
    }
    // The face names the card, but for the two fives of the trump colour: the record's list of
    // the human's cards tells those apart.
    const std::string_view face = line.substr(plays.size());
    const std::size_t count = static_cast<std::size_t>(round_.PlayedCount[common::kSyd]);
    const int known = count < played.size() ? played[count] : -1;
    int position = 0;
    for (int i = 1; i <= syd.AntalKort(); ++i) {
        const cards::Kort* card = syd.CardAt(i);
        if (card->Typ == face && card->IsOfColour(round_.gbFarg) &&
            (position == 0 || card->Nr == known)) {
            position = i;
        }
    }
    if (position == 0) {
        return false;
    }
    PressHumanCard(position);
    return true;
}

int Table::FollowLoggedRound(const std::string& logged, const std::vector<int>& played) {
    std::size_t matched = 0;
    bool parted = false;
    log_.Watch([&](const std::string& line) {
        if (parted || matched >= logged.size()) {
            return;
        }
        // The log on disk may stop inside the last block the table wrote before it stopped.
        const std::string entry = line + '\n';
        const std::size_t n = std::min(entry.size(), logged.size() - matched);
        parted = logged.compare(matched, n, entry, 0, n) != 0;
        matched += parted ? 0 : entry.size();
    });
    // Whatever happens on the way, the log stops reporting to this function's locals.
    struct StopWatching {
        gamelog::GameLog& log;
        ~StopWatching() { log.Watch({}); }
    } stop_watching{log_};
    // The round is dealt again from the restored deck.
    round_.myGameStatus = 1;
    Run();
    const long long limit = clock_.Now() + kFollowPatienceMs;
    while (!parted && matched < logged.size()) {
        if (FollowHuman(LineAt(logged, matched), played)) {
            continue;
        }
        if (timer1_.Tag == WaitStep::WaitToBuy) {
            AdvanceMe();  // the log goes on: the human clicked to start the buying
        } else if (HumanToAct() || WaitsForClick() || !StepClock(limit)) {
            parted = true;
        }
    }
    if (!parted) {
        return 0;
    }
    const auto upto =
        logged.begin() + static_cast<std::ptrdiff_t>(std::min(matched, logged.size()));
    return static_cast<int>(std::count(logged.begin(), upto, '\n')) + 1;
}

}  // namespace table
