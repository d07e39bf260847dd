#include "bidai/BidEngine.h"

#include <algorithm>
#include <functional>

#include "bidai/AuctionView.h"
#include "bidai/BidBaseFormat.h"
#include "bidai/BidRuleRun.h"
#include "bidai/BidValues.h"
#include "common/FieldReader.h"
#include "common/Names.h"
#include "common/NumberText.h"

namespace bidai {

namespace {

const std::string kRevision = "Jag ar sist och reviderar mitt ursprungliga bud: ";

std::string Explanation(const BidDecision& decision) {
    std::string text = "Budet: " + std::to_string(decision.bid) +
                       " med EA: " + common::NumberText(decision.ea) + "\r\n";
    if (decision.MinFarg != -1) {
        text += "Farg: " + std::string(common::ColourDisplayName(decision.MinFarg)) + "\r\n";
    }
    return text;
}

}  // namespace

BidDecision BidEngine::bjud(const BidContext& ctx) {
    BidDecision decision;
    const std::string seat_name = std::string(common::SeatName(ctx.seat)) + " ";
    ctx.log.Log("****************");
    ctx.log.Log(seat_name + "BJUDER");
    ctx.log.Log("****************");
    bool valued = ReadBidBase(ctx, std::string(kBidBaseFileName));
    if (valued) {
        const std::string outcome = RunBidRules(ctx, ctx.folder + std::string(kBidRulesFileName));
        valued = !rules_.error;
        FollowOutcome(ctx, outcome, seat_name, decision);
    }
    if (ctx.biggest_bid == kForcedBidMarker && decision.bid == 0) {
        ctx.log.Log("Pakkobud");
        decision.bid = kLowestBid;
        decision.MinFarg = ForcedColour(ctx, valued);
    }
    decision.explanation = Explanation(decision);
    ctx.log.Log(decision.explanation);
    ctx.hand.PutBud(decision.bid);
    return decision;
}

std::string BidEngine::RunBidRules(const BidContext& ctx, const std::string& path) {
    const std::optional<std::string> text = common::ReadWholeFile(path);
    if (!text) {
        rules_ = RuleOutcome{};
        rules_.outcome = "ERROR";
        rules_.error = BidFileError{
            path, 0, "the bid rules cannot be read (" + common::WhyUnreadable(path) + ")"};
    } else {
        const AuctionView auction = ViewOfAuction(ctx.round, ctx.seat);
        rules_ = BidRuleRun(*text, path, auction, tables_, ctx.random).Run();
    }
    for (const BidFileNote& note : rules_.notes) {
        ctx.log.Log(note.Text(path));
    }
    for (const std::string& message : rules_.messages) {
        ctx.dialogs.Message(message);
    }
    if (rules_.error) {
        TellFileProblem(ctx, *rules_.error, text.value_or(std::string()));
    } else {
        told_.erase(path);
    }
    return rules_.outcome;
}

// A file that stays missing or broken is told once, not at every decision of every seat: again
// only when the problem or the file's text changes, or after the file was read well.
void BidEngine::TellFileProblem(const BidContext& ctx, const BidFileError& error,
                                std::string_view text) {
    ctx.log.Log(error.Text());
    const std::string told =
        error.Text() + "#" + std::to_string(std::hash<std::string_view>{}(text));
    std::string& last = told_[error.file];
    if (last != told) {
        last = told;
        ctx.dialogs.Message(error.Text());
    }
}

void BidEngine::FollowOutcome(const BidContext& ctx, const std::string& outcome,
                              const std::string& seat_name, BidDecision& decision) {
    std::string mode;
    if (outcome == "EA") {
        mode = "BidMode - EA: " + common::NumberText(rules_.threshold);
    } else if (outcome == "PASS") {
        mode = "BidMode - PASS";
    } else if (outcome == "BID") {
        mode = "BidMode - BID: " + std::to_string(rules_.Bid);
    } else {
        return;
    }
    ctx.log.Log(mode);
    ctx.log.Log("Rule: " + rules_.fired_rule);
    ctx.trace.Trace(seat_name);
    ctx.trace.Trace(rules_.fired_rule);
    ctx.trace.Trace(mode);
    if (outcome == "EA") {
        decision.ea = BjudEnligtEA(ctx, rules_.threshold, decision);
    } else if (outcome == "BID") {
        FollowRuleBid(ctx, decision);
    }
}

void BidEngine::FollowRuleBid(const BidContext& ctx, BidDecision& decision) {
    const int bid = rules_.Bid;
    // Only a real bid counts, whatever the rule file says.
    const bool in_range = bid >= kLowestBid && bid <= kHighestBid;
    if (!in_range || !(bid > ctx.biggest_bid || bid == kHighestBid)) {
        return;
    }
    ctx.log.Log("Bid in valid range");
    if (ctx.seat == ctx.round.attSaka) {
        decision.bid = ctx.biggest_bid + 1;
        ctx.log.Log(kRevision + std::to_string(decision.bid));
        decision.bid = std::min(decision.bid, kHighestBid);
    } else {
        decision.bid = bid;
    }
    decision.MinFarg = BestColourCode(decision.bid);
}

float BidEngine::BjudEnligtEA(const BidContext& ctx, float cEA, BidDecision& decision) {
    std::array<int, kColours> reach{};
    std::array<float, kColours> value{};
    ctx.log.Log("Looking for cEA >= " + common::NumberText(cEA));
    for (int c = 0; c < kColours; ++c) {
        for (int level = kHighestBid; level >= kLowestBid && reach[c] == 0; --level) {
            if (tables_.EA[c][level - kForcedBidMarker] >= cEA) {
                reach[c] = level;
                value[c] = tables_.EA[c][level - kForcedBidMarker];
            }
        }
        ctx.log.Log("Color " + std::to_string(c) + " Bid: " + std::to_string(reach[c]) +
                    " with EA " + common::NumberText(value[c]));
    }
    float result = ChooseReachedLevel(ctx.biggest_bid, reach, value, decision);
    if (ctx.biggest_bid == kForcedBidMarker) {
        decision.bid = kLowestBid;
        decision.MinFarg = ForcedColour(ctx, true);
        const int c = common::ColourIndex(decision.MinFarg);
        result = c < 0 ? 0.0f : tables_.EA[c][kLowestBid - kForcedBidMarker];
    }
    if (ctx.seat == ctx.round.attSaka && decision.bid > ctx.biggest_bid) {
        ctx.log.Log(kRevision + std::to_string(decision.bid));
        decision.bid = ctx.biggest_bid + 1;
    }
    return result;
}

float BidEngine::ChooseReachedLevel(int biggest_bid, const std::array<int, kColours>& reach,
                                    const std::array<float, kColours>& value,
                                    BidDecision& decision) const {
    const int start = biggest_bid >= kHighestBid ? kHighestBid : biggest_bid + 1;
    for (int level = kHighestBid; level >= start; --level) {
        for (int c = 0; c < kColours; ++c) {
            if (reach[c] == level && value[c] > kNoEaBelow) {
                decision.bid = level;
                decision.MinFarg = common::ColourCode(c);
                return value[c];
            }
        }
    }
    return 0.0f;
}

int BidEngine::BestColourCode(int level) const {
    const int c = BestColourAt(tables_, level);
    return c < 0 ? -1 : common::ColourCode(c);
}

// The colour of a forced bid: the best at level 6 when the hand was valued, else (or when no
// colour has a value) the colour the seat holds most cards of.
int BidEngine::ForcedColour(const BidContext& ctx, bool valued) const {
    const int best = valued ? BestColourCode(kLowestBid) : -1;
    if (best != -1) {
        return best;
    }
    int most = common::kKlover;
    for (int c = 1; c < kColours; ++c) {
        const int code = common::ColourCode(c);
        if (ctx.hand.AntalKortIFarg(code) > ctx.hand.AntalKortIFarg(most)) {
            most = code;
        }
    }
    return most;
}

}  // namespace bidai
