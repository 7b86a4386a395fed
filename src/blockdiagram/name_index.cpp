// Sets of names under the design's name rule.
#include "blockdiagram/name_index.h"

#include "design/name_limits.h"
#include "foundation/strings.h"
#include "hdl/identifier_rules.h"

namespace zeph {

// Equal keys exactly for names that names_equal takes as equal.
std::string NameIndex::key_of(std::string_view name) const {
    if ((rules_ & kRulesVerilog) != 0) return std::string(name);
    std::string key(name);
    for (char& c : key)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return key;
}

std::string NameIndex::first_free(std::string_view prefix) {
    int& floor = floors_[key_of(prefix)];
    for (;; ++floor) {
        std::string candidate = bounded(std::string(prefix) + std::to_string(floor), kMaxHdlName);
        if (!contains(candidate) || candidate.size() <= prefix.size()) return candidate;
    }
}

} // namespace zeph
