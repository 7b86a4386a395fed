// The names of one kind of record of one owner (the entities of the design, the components or
// processes of a diagram) as a set, so that a script adding record after record finds a used
// name and the first free default name ("u0", "u1", ...) at the same cost however many
// records there are. The set holds names as the design's name rule compares them; the
// smallest free number per prefix only grows while names are only added.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace zeph {

class NameIndex {
  public:
    explicit NameIndex(int rules) : rules_(rules) {}

    template <class Records> static NameIndex of(const Records& records, int rules) {
        NameIndex index(rules);
        for (const auto& record : records)
            index.insert(record->name);
        return index;
    }

    bool contains(std::string_view name) const { return keys_.contains(key_of(name)); }
    void insert(std::string_view name) { keys_.insert(key_of(name)); }
    // The prefix and the smallest number n >= 0 whose name is not in the set, cut to 32
    // characters (a prefix of 32 characters leaves no room for a number).
    std::string first_free(std::string_view prefix);

  private:
    std::string key_of(std::string_view name) const;

    int rules_;
    std::unordered_set<std::string> keys_;
    std::unordered_map<std::string, int> floors_; // by prefix: every smaller number is used
};

} // namespace zeph
