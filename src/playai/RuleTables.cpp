#include "playai/RuleTables.h"

namespace playai {

bool CardListTable::Add(const CardList& list) {
    if (count_ >= kCardLists) {
        return false;
    }
    lists_[count_++] = list;
    return true;
}

const CardList* CardListTable::Find(std::string_view name) const {
    for (int i = 0; i < count_; ++i) {
        if (lists_[i].name == name) {
            return &lists_[i];
        }
    }
    return nullptr;
}

bool NamedValueTable::Add(std::string name, std::string value) {
    if (count_ >= kNamedValues) {
        return false;
    }
    entries_[count_++] = {std::move(name), std::move(value)};
    return true;
}

std::optional<std::string_view> NamedValueTable::Latest(std::string_view name) const {
    for (int i = count_ - 1; i >= 0; --i) {
        if (entries_[i].name == name) {
            return entries_[i].value;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> NamedValueTable::First(std::string_view name) const {
    for (int i = 0; i < count_; ++i) {
        if (entries_[i].name == name) {
            return entries_[i].value;
        }
    }
    return std::nullopt;
}

}  // namespace playai
