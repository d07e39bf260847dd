#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace playai {

inline constexpr int kCardLists = 31;
inline constexpr int kListEntries = 15;
inline constexpr int kNamedValues = 51;

// A card list of the rule file: its name and up to 15 card names, empty where not filled.
// They are views of the rule file's text, which outlives the reading.
struct CardList {
    std::string_view name;
    std::array<std::string_view, kListEntries> entries{};
    int size = 0;
};

// The lists a rule file defines, in file order; a lookup finds the first of a name.
class CardListTable {
  public:
    // False when the table is full; the list is then not kept.
    bool Add(const CardList& list);
    const CardList* Find(std::string_view name) const;

  private:
    std::array<CardList, kCardLists> lists_{};
    int count_ = 0;
};

struct NamedValue {
    std::string name;
    std::string value;
};

// The game values followed by the rule file's own `Set` entries. Most lookups take the
// latest entry of a name, so a `Set` can stand in for a game value.
class NamedValueTable {
  public:
    // False when the table is full; the entry is then not kept.
    bool Add(std::string name, std::string value);
    // Views of the entry's value, valid while the table holds it.
    std::optional<std::string_view> Latest(std::string_view name) const;
    std::optional<std::string_view> First(std::string_view name) const;
    // Entries 0 to LastUsed() are filled; -1 when empty.
    int LastUsed() const { return count_ - 1; }
    const NamedValue& At(int index) const { return entries_.at(index); }

  private:
    std::array<NamedValue, kNamedValues> entries_{};
    int count_ = 0;
};

}  // namespace playai
