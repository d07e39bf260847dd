// The Expert at a real table: it reads only what its seat can see, and a match played on two
// threads is the match played on one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "Duplicate.h"
#include "search/ExpertPlayer.h"
#include "search/SeatKnowledge.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

// Plays as the Expert; at each card it also judges the same moment with one trump of one other
// seat swapped for one trump of another, which the seat cannot tell apart, and at each bid it
// checks the judged bids.
class SwappingExpert : public state::SeatPlayer {
  public:
    explicit SwappingExpert(search::ExpertOptions options) : expert_(std::move(options)) {}
    // Every legal bid is judged, and the pass unless the bid is forced.
    std::optional<state::BidChoice> Bid(const state::SeatView& view) override {
        std::vector<int> legal = state::LegalBids(view);
        if (view.biggest_bid != 5) {
            legal.insert(legal.begin(), 0);
        }
        std::vector<int> judged;
        for (const search::JudgedChoice& c : expert_.JudgeBids(view)) {
            judged.push_back(c.choice);
        }
        std::sort(judged.begin(), judged.end());
        EXPECT_EQ(judged, legal);
        return expert_.Bid(view);
    }
    std::optional<int> Trump(const state::SeatView& view) override { return expert_.Trump(view); }
    void Seen(const state::SeatView& view, state::Decision decision, int choice) override {
        expert_.Seen(view, decision, choice);
    }
    std::optional<state::CardChoice> Card(const state::SeatView& view) override {
        const std::vector<search::JudgedChoice> judged = expert_.JudgeCards(view);
        state::RoundState other = view.round;
        if (SwapTrumps(other, view.seat)) {
            const auto again = expert_.JudgeCards(
                state::SeatView{other, other.Hand[view.seat], view.seat, view.biggest_bid});
            EXPECT_EQ(Text(judged), Text(again)) << "trick " << view.round.Round;
            ++swaps;
        }
        return expert_.Card(view);
    }
    int swaps = 0;

  private:
    static std::string Text(const std::vector<search::JudgedChoice>& choices) {
        std::ostringstream out;
        for (const search::JudgedChoice& c : choices) {
            out << c.choice << "=" << c.mean << " ";
        }
        return out.str();
    }
    static cards::Kort* FirstTrump(const state::RoundState& round, int seat) {
        for (cards::Kort* card : round.Hand[seat].Cards()) {
            if (card->IsOfColour(round.gbFarg)) {
                return card;
            }
        }
        return nullptr;
    }
    static bool SwapTrumps(state::RoundState& round, int seat) {
        const int a = common::SeatAfter(seat, 1);
        for (const int b : {common::SeatAfter(seat, 2), common::SeatAfter(seat, 3)}) {
            cards::Kort* from_a = FirstTrump(round, a);
            cards::Kort* from_b = FirstTrump(round, b);
            if (from_a != nullptr && from_b != nullptr) {
                round.Hand[a].TakeACard(from_a->Key());
                round.Hand[b].TakeACard(from_b->Key());
                round.Hand[a].AddACard(from_b);
                round.Hand[b].AddACard(from_a);
                return true;
            }
        }
        return false;
    }
    search::ExpertPlayer expert_;
};

TEST(ExpertPlayer, NeverReadsACardItsSeatCannotSee) {
    TableRig rig(RigOptions{}.Seed(41));
    search::ExpertOptions options;
    options.seed = 3;
    options.rule_folder = rig.folder.Path();
    options.models.fill(search::SeatModel::RuleFiles);
    options.rule_play = {true, false, true, false};  // the cards the rules played are read too
    options.card_budget = 60;
    SwappingExpert expert(options);
    rig.table.SetTeamPlayer(1, &expert);
    rig.table.Start();
    for (int round = 0; round < 6; ++round) {
        ASSERT_TRUE(rig.RunToRoundEnd());
        rig.table.AdvanceMe();
    }
    EXPECT_GT(expert.swaps, 10);
}

TEST(ExpertPlayer, AMatchOnTwoThreadsIsTheMatchOnOne) {
    std::ostringstream progress;
    std::array<std::string, 2> json;
    std::array<ProgramFolder, 2> logs;
    for (int jobs = 1; jobs <= 2; ++jobs) {
        sim::SimOptions options;
        options.rounds = 8;
        options.seed = 17;
        options.data_dir = DataDir();
        options.policy_vi = "expert";
        options.players.expert_budget = 40;
        options.jobs = jobs;
        options.logs_dir = logs[jobs - 1].Path();
        const std::string text = sim::RunDuplicate(options, progress).ToJson(options);
        json[jobs - 1] = text.substr(0, text.find("seconds"));
    }
    EXPECT_EQ(json[0], json[1]);
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(logs[0].Path())) {
        if (entry.is_regular_file() && entry.path().filename().string().rfind("round-", 0) == 0) {
            const auto relative = std::filesystem::relative(entry.path(), logs[0].Path());
            EXPECT_EQ(test_support::FileText(entry.path()),
                      test_support::FileText(logs[1].Path() / relative))
                << relative;
            ++files;
        }
    }
    EXPECT_EQ(files, 16) << "eight rounds of each seating";
}

}  // namespace
}  // namespace table_test
