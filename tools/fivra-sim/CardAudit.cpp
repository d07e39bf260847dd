#include "CardAudit.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "common/Names.h"
#include "search/CardJudge.h"

namespace sim {

std::string RuleName(const std::string& trace) {
    const std::size_t open = trace.find('[');
    const std::size_t close = trace.find(']', open == std::string::npos ? 0 : open);
    if (open == std::string::npos || close == std::string::npos) {
        return trace.substr(0, trace.find('\n'));
    }
    return trace.substr(open + 1, close - open - 1);
}

namespace {

// What a line says of the situation, so that losing decisions can be read and grouped: the
// seat's side to the bid, the cards in the trick from the leader on, the trumps the seat cannot
// see, and the judged value of every card it could play (highest first).
std::string_view SideWord(const search::SeatKnowledge& k) {
    return k.bidder == k.seat                         ? "bidder"
           : k.bidder == common::SeatAfter(k.seat, 2) ? "partner"
                                                      : "defence";
}

std::string Names(search::TrumpSet set) {
    std::string text;
    for (int rank = 14; rank >= 1; --rank) {
        if (search::Holds(set, rank)) {
            text += (text.empty() ? "" : " ");
            text += common::TrumpCardName(rank).value_or("?");
        }
    }
    return text.empty() ? "-" : text;
}

std::string TrickCards(const search::SeatKnowledge& k) {
    std::string text;
    for (int step = 0, seat = k.leader; seat != k.seat && step < 4;
         ++step, seat = common::SeatAfter(seat, 1)) {
        text += (text.empty() ? "" : " ");
        text += k.trick[seat] > 0 ? common::TrumpCardName(k.trick[seat]).value_or("?") : "0";
    }
    return text.empty() ? "-" : text;
}

std::string Values(const std::vector<search::CardValue>& values) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(3);
    for (const search::CardValue& v : values) {
        text << (&v == &values.front() ? "" : " ") << common::TrumpCardName(v.rank).value_or("?")
             << '=' << v.mean;
    }
    return text.str();
}

}  // namespace

CardAudit::CardAudit(std::ostream* out, std::uint64_t seed, int samples)
    : out_(out), samples_(samples), random_(seed) {
    if (out_ != nullptr) {
        *out_
            << "round\tseat\ttrick\trule\tchosen\tbest\tloss\tside\ttrick cards\tunseen\tvalues\n";
    }
}

double CardAudit::Judge(const state::RoundState& round, int seat,
                        const playai::PlayDecision& decision, int round_number) {
    const search::SeatKnowledge knowledge = search::KnowledgeOf(round, round.Hand[seat], seat);
    if (search::CountOf(knowledge.own) < 2) {
        return 0;
    }
    const std::vector<search::CardValue> values =
        search::JudgeCards(knowledge, samples_, search::Measure::kPointsTaken, random_);
    const auto chosen = std::find_if(values.begin(), values.end(),
                                     [&](const auto& v) { return v.rank == decision.rank_code; });
    if (chosen == values.end()) {
        return 0;
    }
    const search::CardValue best = search::BestCard(values);
    const double loss = std::max(0.0, best.mean - chosen->mean);
    RuleLoss& rule = by_rule_[RuleName(decision.RuleTrace)];
    ++rule.decisions;
    rule.loss += loss;
    if (out_ != nullptr) {
        *out_ << round_number << '\t' << common::SeatName(seat) << '\t' << round.Round << '\t'
              << RuleName(decision.RuleTrace) << '\t'
              << common::TrumpCardName(chosen->rank).value_or("?") << '\t'
              << common::TrumpCardName(best.rank).value_or("?") << '\t' << std::fixed
              << std::setprecision(3) << loss << '\t' << SideWord(knowledge) << '\t'
              << TrickCards(knowledge) << '\t' << Names(knowledge.unseen) << '\t' << Values(values)
              << '\n';
    }
    return loss;
}

void CardAudit::Summary(std::ostream& out, int rounds) const {
    const double n = rounds > 0 ? rounds : 1;
    std::vector<std::pair<std::string, RuleLoss>> rules(by_rule_.begin(), by_rule_.end());
    std::sort(rules.begin(), rules.end(),
              [](const auto& a, const auto& b) { return a.second.loss > b.second.loss; });
    double total = 0;
    out << "rule\tdecisions\tloss a decision\tloss a round\n" << std::fixed << std::setprecision(3);
    for (const auto& [name, rule] : rules) {
        out << name << '\t' << rule.decisions << '\t' << rule.loss / std::max(1, rule.decisions)
            << '\t' << rule.loss / n << '\n';
        total += rule.loss;
    }
    out << "all rules\t\t\t" << total / n << " (" << total / n / 2 << " a team)\n";
}

}  // namespace sim
