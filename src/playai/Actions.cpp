#include "playai/Actions.h"

#include <optional>

#include "common/NumberText.h"
#include "playai/ConditionEvaluator.h"
#include "playai/GameValues.h"
#include "playai/Sorting.h"

namespace playai {

namespace {

inline constexpr std::size_t kSpecificOrderEntries = 6;

// The codes of a list's card names; std::nullopt for an unknown list.
std::optional<std::vector<int>> ListCodes(RuleRun& run, std::string_view name) {
    const CardList* list = run.lists.Find(name);
    if (list == nullptr) {
        return std::nullopt;
    }
    std::vector<int> codes;
    for (int i = 0; i < list->size; ++i) {
        if (!list->entries[i].empty()) {
            codes.push_back(run.CardCode(list->entries[i]));
        }
    }
    return codes;
}

// Plays the argument of a `Play` step; gives the card, or std::nullopt when the step named
// nothing and the next step follows.
std::optional<std::string> PlayStep(RuleRun& run, std::string_view what) {
    std::string& trace = run.work.RuleTrace;
    if (IsCardName(what)) {
        trace.append("*Play ").append(what);
        return std::string(what);
    }
    if (what.size() == 2 && what[0] == 'x' && what[1] >= '0' && what[1] <= '9') {
        const std::string& card = run.CardVariable(what);
        if (card.empty()) {
            return std::nullopt;
        }
        trace.append("*Play x").append(what.substr(1)).append(" ").append(card);
        return card;
    }
    if (what == "Default") {
        trace += "*PlayDefault";
        return CardText(run.trumps.slot[1]);
    }
    if (what == "Random") {
        trace += "*PlayRandom";
        const int k = run.random.Draw(run.trumps.count);
        return CardText(run.trumps.slot[k >= 1 && k <= kTrumpSlots ? k : 1]);
    }
    if (what == "Nothing") {
        run.SkipNote = trace;
        run.played_nothing = true;
        return std::string();
    }
    if (const CardList* list = run.lists.Find(what)) {
        for (int i = 0; i < list->size; ++i) {
            const std::string_view entry = list->entries[i];
            if (!entry.empty() && run.trumps.Holds(run.CardCode(entry))) {
                trace.append("*PlayList:").append(what).append(" Card ").append(entry);
                return std::string(entry);
            }
        }
        return std::nullopt;
    }
    run.CardCode(what);  // tells the rule's author of a name that is no card
    return std::nullopt;
}

void Sort(RuleRun& run, const SortOrder& order) {
    ApplyOrder(order, run.trumps, run.hand, run.view.round.gbFarg);
    if (!order.complete) {
        run.work.RuleTrace += "\nSort FAILED!";
    }
}

void SortSpecificStep(RuleRun& run) {
    run.work.RuleTrace += "*SortSpecificOrder:";
    std::vector<std::string_view> entries = run.ReadUpToBang();
    if (entries.size() > kSpecificOrderEntries) {
        entries.resize(kSpecificOrderEntries);
        run.dialogs.Message("ERROR: SortSpecificOrder - too many cards before ,!,");
    }
    std::vector<int> wanted;
    for (const std::string_view entry : entries) {
        wanted.push_back(run.CodeOf(entry));
    }
    run.Read();
    const auto list = ListCodes(run, run.field);
    Sort(run, OrderSpecific(wanted, list ? &*list : nullptr, run.trumps));
}

// Performs one step; gives the card a play step named. The keyword stays a view of the file's
// text while reading the arguments moves the field on.
std::optional<std::string> PerformStep(RuleRun& run, std::string_view keyword) {
    if (keyword == "Play") {
        run.Read();
        return PlayStep(run, run.field);
    }
    if (keyword == "Sort" || keyword == "SortByOrder") {
        run.Read();
        run.work.RuleTrace.append("*").append(keyword).append(":").append(run.field);
        const auto list = ListCodes(run, run.field);
        const std::vector<int>* codes = list ? &*list : nullptr;
        Sort(run,
             keyword == "Sort" ? OrderByList(codes, run.trumps) : OrderByRank(codes, run.trumps));
    } else if (keyword == "SortFivraLast") {
        run.work.RuleTrace += "*SortFivraLast";
        Sort(run, OrderFivraLast(run.trumps));
    } else if (keyword == "SortSpecificOrder") {
        SortSpecificStep(run);
    }
    return std::nullopt;
}

// A step lost to its chance: its keyword and arguments are read and nothing is done.
void PassOverStep(RuleRun& run) {
    run.Read();
    const std::string_view keyword = run.field;
    if (keyword == "Play" || keyword == "Sort" || keyword == "SortByOrder") {
        run.Read();
    } else if (keyword == "SortSpecificOrder") {
        run.SkipTo("!");
        run.Read();
    }
}

}  // namespace

std::string ExecuteActions(RuleRun& run) {
    bool have_field = run.Read();
    while (have_field && run.field != "END" && run.field != "IF") {
        const float p = static_cast<float>(common::RoundToInt(ChanceValue(run, run.field)));
        if (!ChanceHolds(run, p)) {
            PassOverStep(run);
        } else {
            run.Read();
            if (const auto card = PerformStep(run, run.field)) {
                return *card;
            }
        }
        have_field = run.Read();
    }
    return {};
}

}  // namespace playai
