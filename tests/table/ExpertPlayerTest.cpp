// The Expert at a real table: it reads only what its seat can see, a match played on two threads
// is the match played on one, and its sampler of hidden trumps, checked at every computer card
// against the hands the table really holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>

#include "Duplicate.h"
#include "search/DealSampler.h"
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

using search::TrumpSet;

// Checks one decision: every drawn deal gives each seat only cards it can hold, hands out
// exactly the unseen trumps, and the real deal is among those the sampler can draw.
void CheckDecision(const state::RoundState& round, int seat, std::mt19937_64& random,
                   int& decisions) {
    const search::SeatKnowledge k = search::KnowledgeOf(round, round.Hand[seat], seat);
    TrumpSet gone = 0;
    for (int r = 1; r <= 14; ++r) {
        gone |= round.PlayedTrump[r] != 0 ? search::Bit(r) : 0;
    }
    const search::DealSampler sampler(k);
    std::array<int, 4> real{};
    for (int s = 0; s < 4; ++s) {
        real[s] = s == seat ? 0 : search::CountOf(search::TrumpsOf(round.Hand[s], round.gbFarg));
    }
    ASSERT_TRUE(sampler.Allows(real)) << "the real deal must be possible, seat " << seat;
    for (int n = 0; n < 20; ++n) {
        const std::array<TrumpSet, 4> hands = sampler.Draw(random);
        TrumpSet dealt = 0;
        for (int s = 0; s < 4; ++s) {
            ASSERT_EQ(hands[s] & gone, 0) << "a played or killed card was dealt";
            if (s == seat) {
                ASSERT_EQ(hands[s], k.own);
                continue;
            }
            ASSERT_EQ(hands[s] & k.own, 0) << "the seat's own card was dealt to another";
            ASSERT_EQ(dealt & hands[s], 0) << "a card was dealt twice";
            if (round.ColdFlag[s] != 0) {
                ASSERT_EQ(hands[s], 0) << "a seat out of trumps was dealt one";
            }
            ASSERT_LE(search::CountOf(hands[s]), round.Hand[s].AntalKort());
            dealt |= hands[s];
        }
        ASSERT_EQ(dealt, k.unseen) << "every unseen trump goes to some seat";
    }
    ++decisions;
}

TEST(SearchSampler, DealsOnlyCardsASeatCanHold) {
    for (std::uint64_t seed : {11u, 12u, 13u}) {
        TableRig rig(RigOptions{}.Seed(seed));
        std::mt19937_64 random(seed);
        int decisions = 0;
        rig.table.card_chosen = [&](int seat, const playai::PlayDecision&) {
            CheckDecision(rig.table.State(), seat, random, decisions);
        };
        rig.table.Start();
        for (int round = 0; round < 15; ++round) {
            ASSERT_TRUE(rig.RunToRoundEnd());
            rig.table.AdvanceMe();
        }
        EXPECT_GT(decisions, 100) << "seed " << seed;
    }
}

}  // namespace
}  // namespace table_test
