// Drives the package list dialog with an operation sequence taken from the input: selections
// (with their questions answered from the input), entry edits with legal and illegal names,
// insert, change, delete, up, down and OK. After every step the numbers stay unique and below
// the next number and the selection inside the list; after OK the list survives its guarded
// copy, every stored entry passes validation unchanged, and the context clauses written for
// an entity name each used specification once.
#include "design/design.h"
#include "design/design_constructors.h"
#include "hdl/context_clauses.h"
#include "hdl/identifier_rules.h"
#include "hdl/package_binding.h"
#include "hdl/package_list.h"
#include "hdl/vhdl_keywords.h"
#include "ui/scripted_platform.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

const char* const kWords[] = {"",
                              "ieee",
                              "work",
                              "std",
                              "IEEE",
                              "std_logic_1164",
                              "in",
                              "a__b",
                              "_x",
                              "ALL",
                              "all",
                              "x$y",
                              "numeric_std",
                              "9z",
                              "body",
                              "Lib_1",
                              "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"};
constexpr std::size_t kWordCount = sizeof(kWords) / sizeof(kWords[0]);

void check(bool ok) {
    if (!ok) std::abort();
}

void check_invariants(const zeph::PackageListEditor& e) {
    std::set<int> numbers;
    for (const zeph::PackageSpec& s : e.specifications()) {
        check(s.number >= 1 && s.number < e.next_number());
        check(numbers.insert(s.number).second);
    }
    check(!e.selected() || *e.selected() < e.specifications().size());
}

void check_accepted(ui::Platform& platform, const zeph::PackageListEditor& e, int rules) {
    zeph::Design design;
    zeph::replace_package_list(design.library_entries, e.specifications(), e.next_number());
    std::vector<zeph::PackageSpec> back = zeph::package_values(design.library_entries);
    check(back.size() == e.specifications().size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        check(std::memcmp(&back[i], &e.specifications()[i], sizeof back[i]) == 0);
        zeph::PackageFields f = zeph::fields_of(back[i]);
        zeph::PackageFields again = f;
        check(zeph::validate_specification(platform, again, false, rules, zeph::kKeywordLower,
                                           nullptr) &&
              again == f);
    }
    zeph::Entity& entity = zeph::add_entity(design, zeph::new_entity(design, "e"));
    std::size_t used = 0;
    for (std::size_t i = 0; i < back.size(); ++i) {
        if (i % 2 == 0) entity.bound_packages.append(back[i].number);
        if (zeph::is_package_used(back[i], entity)) ++used;
    }
    std::string text = zeph::context_clauses(zeph::KeywordTable(zeph::kKeywordLower),
                                             design.library_entries, entity);
    std::size_t use_lines = 0;
    for (std::size_t at = 0; (at = text.find("\nuse ", at)) != std::string::npos; ++at)
        ++use_lines;
    check(use_lines == used);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ui::ScriptedPlatform platform;
    int rules = size > 0 ? 1 + data[0] % 3 : 1;
    zeph::PackageListEditor e(platform, {}, 1, rules, zeph::kKeywordLower);
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        std::uint8_t op = data[i], arg = data[i + 1];
        std::size_t count = e.specifications().size();
        const char* word = kWords[arg % kWordCount];
        switch (op % 11) {
        case 0: {
            platform.queue(static_cast<ui::Answer>(arg % 3));
            std::optional<std::size_t> index;
            if (arg % (count + 1) < count) index = arg % (count + 1);
            e.select(index);
            break;
        }
        case 1:
            e.entry().library = word;
            break;
        case 2:
            e.entry().package = word;
            break;
        case 3:
            e.entry().suffix = word;
            break;
        case 4:
            e.entry().global = !e.entry().global;
            break;
        case 5:
            e.insert();
            break;
        case 6:
            e.change();
            break;
        case 7:
            e.remove();
            break;
        case 8:
            e.up();
            break;
        case 9:
            e.down();
            break;
        default:
            if (e.accept()) check_accepted(platform, e, rules);
            break;
        }
        check_invariants(e);
    }
    return 0;
}
