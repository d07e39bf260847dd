// The Expert and the other levels at a real table, the expert's hint and the round review.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <sstream>
#include <tuple>

#include "coach/HintPlayer.h"
#include "coach/RoundReview.h"
#include "search/DealSampler.h"
#include "search/ExpertPlayer.h"
#include "search/GreedyPlayer.h"
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
    ASSERT_TRUE(rig.PlayRounds(6));
    EXPECT_GT(expert.swaps, 10);
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
            CheckDecision(rig.round, seat, random, decisions);
        };
        rig.table.Start();
        ASSERT_TRUE(rig.PlayRounds(15));
        EXPECT_GT(decisions, 100) << "seed " << seed;
    }
}

TEST(Levels, ASeatAtAnotherLevelIsToldOnceAndItsRoundReplaysAndReloads) {
    TableRig rig(RigOptions().Seed(11));
    search::ExpertPlayer expert(search::ExpertOptions{});
    search::GreedyPlayer beginner;
    rig.table.SetSeatPlayer(common::kNord, &expert, "Expert");
    rig.table.SetSeatPlayer(common::kVast, &beginner, "Beginner");
    rig.table.Start();
    ASSERT_TRUE(rig.RunToRoundEnd());
    const std::vector<std::string> log = rig.CloseAndReadLog();
    EXPECT_EQ(std::pair(std::count(log.begin(), log.end(), "NORD: Expert"),
                        std::count(log.begin(), log.end(), "VAST: Beginner")),
              std::pair(1L, 1L));
    EXPECT_TRUE(Contains(rig.ctl.LBTrace, "NORD: Expert"));
    for (const std::string& line : log) {
        EXPECT_NE(line.rfind("OST: ", 0), 0u) << "OST plays by its rule files";
    }
    rig.folder.Write("round.txt", JoinLines(log));
    for (const bool replay : {true, false}) {
        rig.table.TableClick();
        rig.dialogs.file_answers.push_back(rig.folder.File("round.txt"));
        replay ? rig.table.BtnPlaylog_Click() : rig.table.BtnLoadlog_Click();
        ASSERT_TRUE(rig.RunToRoundEnd())
            << (replay ? "the replay" : "the reload") << " from the log";
        EXPECT_TRUE(rig.dialogs.messages.empty()) << rig.dialogs.messages.front();
    }
}

// A judgement that tests can reason about: cards by a fixed mix of their rank, bids lower
// better, colours by code. It lists exactly the choices the seat may make.
std::vector<search::JudgedChoice> FixedJudgement(const state::SeatView& view,
                                                 state::Decision kind) {
    std::vector<search::JudgedChoice> judged;
    if (kind == state::Decision::Card) {
        for (search::TrumpSet rest = search::TrumpsOf(view.hand, view.round.gbFarg); rest != 0;
             rest &= static_cast<search::TrumpSet>(rest - 1)) {
            const int rank = search::Lowest(rest);
            judged.push_back({rank, static_cast<double>((rank * 7) % 5)});
        }
    } else if (kind == state::Decision::Bid) {
        if (view.biggest_bid != 5) {
            judged.push_back({0, 1.0});
        }
        for (const int bid : state::LegalBids(view)) {
            judged.push_back({bid, -bid / 3.0});
        }
    } else {
        for (int index = 0; index < 4; ++index) {
            judged.push_back({common::ColourCode(index), static_cast<double>(index)});
        }
    }
    std::stable_sort(judged.begin(), judged.end(),
                     [](const auto& a, const auto& b) { return a.mean > b.mean; });
    return judged;
}

// Takes the judgement's best choice every time.
class Follower : public state::SeatPlayer {
  public:
    std::optional<state::BidChoice> Bid(const state::SeatView& view) override {
        return state::BidChoice{Best(view, state::Decision::Bid), common::kSpader, "Follower"};
    }
    std::optional<int> Trump(const state::SeatView& view) override {
        return Best(view, state::Decision::Trump);
    }
    std::optional<state::CardChoice> Card(const state::SeatView& view) override {
        return state::CardChoice{Best(view, state::Decision::Card), "[Follower]"};
    }

  private:
    static int Best(const state::SeatView& view, state::Decision kind) {
        return FixedJudgement(view, kind).front().choice;
    }
};

// Plays the rig's first round with every decision kept in `recorder`.
bool PlayRecordedRound(TableRig& rig, coach::RoundRecorder& recorder) {
    rig.table.decision_taken = [&recorder](const state::SeatView& view, state::Decision kind,
                                           int choice) { recorder.Record(view, kind, choice); };
    rig.table.Start();
    return rig.RunToRoundEnd();
}

TEST(RoundReview, TotalsAreTheSumsOfTheLinesAndTheJudgementsChoicesCostNothing) {
    for (const std::uint64_t seed : {3u, 8u, 21u}) {
        TableRig rig(RigOptions().Seed(seed));
        Follower follower;
        rig.table.SetSeatPlayer(common::kSyd, &follower);
        coach::RoundRecorder recorder;
        ASSERT_TRUE(PlayRecordedRound(rig, recorder));
        const coach::RoundReview review = coach::ReviewRound(recorder.Decisions(), FixedJudgement);
        ASSERT_TRUE(review.complete);
        std::array<double, 4> sums{};
        int own_cards = 0;
        for (const coach::ReviewLine& line : review.lines) {
            sums[line.seat] += line.cost;
            EXPECT_GE(line.cost, 0.0);
            if (line.seat == common::kSyd) {
                EXPECT_EQ(line.cost, 0.0) << "seed " << seed << ": " << line.made;
                EXPECT_EQ(line.made, line.expert) << "seed " << seed;
                own_cards += line.kind == state::Decision::Card ? 1 : 0;
            }
        }
        for (int seat = 0; seat < common::kSeats; ++seat) {
            EXPECT_DOUBLE_EQ(review.given_away[seat], sums[seat]) << "seed " << seed;
        }
        EXPECT_GT(own_cards, 0) << "seed " << seed;
        EXPECT_GT(std::accumulate(sums.begin(), sums.end(), 0.0), 0.0)
            << "the rule files part from this judgement somewhere";

        // The kept views do not follow the cards into the next deal.
        rig.table.TableClick();
        ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
        const coach::RoundReview later = coach::ReviewRound(recorder.Decisions(), FixedJudgement);
        ASSERT_EQ(later.tricks.size(), review.tricks.size());
        for (std::size_t t = 0; t < review.tricks.size(); ++t) {
            EXPECT_EQ(std::tie(later.tricks[t].cards, later.tricks[t].winner),
                      std::tie(review.tricks[t].cards, review.tricks[t].winner))
                << "trick " << t + 1;
        }
    }
}

// SYD plays the expert's hints all round; the review's expert, told the round's decisions in
// turn, judges them as the hint's expert did at the table (which read the cards the rule-file
// seats played), so SYD gave nothing away.
TEST(RoundReview, TheExpertsChoicesAtTheTableCostNothingInTheReview) {
    for (const std::uint64_t seed : {5u, 12u}) {
        TableRig rig(RigOptions().Seed(seed));
        search::ExpertOptions options;
        options.seed = 7;
        options.rule_folder = rig.folder.Path();
        options.models.fill(search::SeatModel::RuleFiles);
        options.rule_play = {false, true, true, true};
        options.card_budget = 60;
        search::ExpertPlayer at_table(options);
        coach::HintPlayer hint(coach::JudgementOf(at_table), presentation::Language::English,
                               &at_table);
        rig.table.SetSeatPlayer(common::kSyd, &hint);
        coach::RoundRecorder recorder;
        ASSERT_TRUE(PlayRecordedRound(rig, recorder));
        search::ExpertPlayer reviewer(options);
        const coach::RoundReview review = coach::ReviewRound(
            recorder.Decisions(), coach::JudgementOf(reviewer), {}, nullptr, &reviewer);
        for (const coach::ReviewLine& line : review.lines) {
            if (line.seat == common::kSyd && line.kind == state::Decision::Card) {
                EXPECT_EQ(line.made, line.expert) << "seed " << seed << ", trick " << line.trick;
            }
        }
        EXPECT_DOUBLE_EQ(review.given_away[common::kSyd], 0.0) << "seed " << seed;
    }
}

TEST(ExpertHint, SaysWhatTheCardKeepsAndNeverMoreThanTheJudgementSaid) {
    const cards::Kort king{common::kHjarter, 13, "K", Nr("K", common::kHjarter)};
    using presentation::Language;
    const std::vector<search::JudgedChoice> apart{{13, 2.0}, {6, 0.77}};
    EXPECT_EQ(coach::CardHint(apart, king, Language::English),
              "K♥ keeps about 1.2 points more than your next best card");
    EXPECT_EQ(coach::CardHint(apart, king, Language::Svenska),
              "K♥ behåller ungefär 1,2 poäng mer än ditt näst bästa kort");
    EXPECT_EQ(coach::CardHint({{13, 0.51}, {6, 0.5}}, king, Language::English),
              "K♥ is as good as your next best card");
    EXPECT_EQ(coach::CardHint({{13, 0.0}}, king, Language::English), "K♥ is your only card");
}

}  // namespace
}  // namespace table_test
