// The library and use clauses of an entity, byte for byte against golden files, and analysed
// by GHDL in front of a small entity.
#include "hdl_test_support.h"

#include "foundation/strings.h"
#include "hdl/context_clauses.h"
#include "hdl/identifier_rules.h"
#include "hdl/package_list.h"
#include "hdl/package_validation.h"

#include <algorithm>
#include <cstdlib>

namespace {

using namespace zeph;
using hdl_test::HdlTest;

// Long library names, so that the LIBRARY clause wraps twice.
const std::vector<std::string> kLongLibraries = {
    "arithmetic_units_lib", "bus_interfaces_lib", "clock_generation_lib", "dma_engines_lib",
    "ethernet_mac_lib",     "fifo_buffers_lib",   "gpio_blocks_lib",      "hash_units_lib"};

class ContextClausesTest : public HdlTest {
  protected:
    // Validated like the list dialog does, so that an empty suffix takes ALL in the keyword
    // case in force.
    PackageSpec* add(const char* library, const char* package, const char* suffix = "",
                     bool global = true) {
        PackageFields f{library, package, suffix, "", global};
        EXPECT_TRUE(validate_specification(platform, f, true, kRulesVhdl, keyword_case, nullptr))
            << library;
        PackageSpec* spec = new_package_spec();
        store_fields(*spec, f);
        design.library_entries.append(spec);
        return spec;
    }

    // Every case of the golden files, each for its own entity.
    void build_cases() {
        keyword_case = kKeywordUpper;
        add("work", "globals"); // global, and of library work: named by no LIBRARY clause
        PackageSpec* logic = add("ieee", "std_logic_1164", "", false);
        PackageSpec* numeric = add("ieee", "numeric_std", "", false);
        PackageSpec* types = add("work", "types", "", false);
        PackageSpec* textio = add("STD", "textio", "", false);
        std::vector<PackageSpec*> long_specs;
        for (const std::string& lib : kLongLibraries)
            long_specs.push_back(add(lib.c_str(), "pkg", "", false));
        PackageSpec* math = add("IEEE", "math_real", "", false);

        two_ieee = &hdl_test::add_named_entity(design, "two_ieee");
        for (PackageSpec* spec : {math, numeric, logic}) // list order counts, not binding order
            two_ieee->bound_packages.append(spec->number);
        work_only = &hdl_test::add_named_entity(design, "work_only");
        work_only->bound_packages.append(types->number);
        work_only->bound_packages.append(textio->number);
        wrapped = &hdl_test::add_named_entity(design, "wrapped");
        wrapped->bound_packages.append(logic->number);
        for (PackageSpec* spec : long_specs)
            wrapped->bound_packages.append(spec->number);
        plain = &hdl_test::add_named_entity(design, "plain");
    }

    std::string clauses(const Entity& entity) {
        return context_clauses(KeywordTable(keyword_case), design.library_entries, entity);
    }

    int keyword_case = kKeywordUpper;
    Entity* two_ieee = nullptr;
    Entity* work_only = nullptr;
    Entity* wrapped = nullptr;
    Entity* plain = nullptr;
};

TEST_F(ContextClausesTest, SuffixFilledAsAllInTheKeywordCase) {
    keyword_case = kKeywordUpper;
    add("ieee", "std_logic_1164");
    Entity& e = hdl_test::add_named_entity(design, "e");
    EXPECT_EQ(clauses(e), "\nLIBRARY ieee ;\nUSE ieee.std_logic_1164.ALL ;\n");
}

TEST_F(ContextClausesTest, GoldenTexts) {
    build_cases();
    EXPECT_TRUE(hdl_test::matches_golden("clauses_global_work.vhd", clauses(*plain)));
    EXPECT_TRUE(hdl_test::matches_golden("clauses_two_ieee.vhd", clauses(*two_ieee)));
    EXPECT_TRUE(hdl_test::matches_golden("clauses_work_only.vhd", clauses(*work_only)));
    EXPECT_TRUE(hdl_test::matches_golden("clauses_wrapped.vhd", clauses(*wrapped)));
    keyword_case = kKeywordCapitalized;
    EXPECT_TRUE(hdl_test::matches_golden("clauses_capitalized.vhd", clauses(*two_ieee)));
}

TEST_F(ContextClausesTest, WrapsWhenTheRunningLengthPassesTheMargin) {
    build_cases();
    std::string text = clauses(*wrapped);
    std::size_t start = text.find("LIBRARY");
    std::size_t end = text.find(" ;\n", start);
    std::string clause = text.substr(start, end - start);
    // "LIBRARY ieee" is 12 characters; each further name adds its length plus 2.
    std::size_t length = 12, lines = 1;
    for (const std::string& lib : kLongLibraries) {
        length += lib.size() + 2;
        if (length > kClauseMargin) {
            length = lib.size() + 2;
            ++lines;
        }
    }
    EXPECT_EQ(static_cast<std::size_t>(std::count(clause.begin(), clause.end(), '\n')) + 1, lines);
    EXPECT_EQ(clause.find("\n  , "), clause.find('\n')) << "continuations start with the comma";
}

TEST_F(ContextClausesTest, EmptyListWritesNothingAndUnusedListOnlyTheBlankLine) {
    Entity& e = hdl_test::add_named_entity(design, "e");
    EXPECT_EQ(clauses(e), "");
    add("ieee", "numeric_std", "", false);
    EXPECT_EQ(clauses(e), "\n");
}

TEST_F(ContextClausesTest, MovingASpecificationUpReordersTheUseLines) {
    build_cases();
    PackageListEditor editor = design_package_editor(design, events);
    ASSERT_TRUE(editor.select(2)); // ieee.numeric_std
    editor.up();
    ASSERT_TRUE(editor.accept());
    apply_package_list(design, editor, events);
    EXPECT_EQ(clauses(*two_ieee), "\nLIBRARY ieee ;\n"
                                  "USE work.globals.ALL ;\n"
                                  "USE ieee.numeric_std.ALL ;\n"
                                  "USE ieee.std_logic_1164.ALL ;\n"
                                  "USE IEEE.math_real.ALL ;\n");
}

// ---- analysis by GHDL ------------------------------------------------------------------

bool ghdl_available() {
    return std::system("ghdl --version > /dev/null 2>&1") == 0;
}

// Runs a command line in `dir`, its output into `log`; true on exit status 0.
bool run_in(const std::filesystem::path& dir, const std::string& command, std::string& log) {
    std::filesystem::path out = dir / "ghdl.log";
    int status = std::system(
        ("cd '" + dir.string() + "' && " + command + " > '" + out.string() + "' 2>&1").c_str());
    log += "$ " + command + "\n" + hdl_test::read_file(out);
    return status == 0;
}

const char* kEntityText = "entity %s is\nend %s;\n\narchitecture a of %s is\nbegin\nend a;\n";

TEST_F(ContextClausesTest, GhdlAnalysesTheClausesBeforeAnEntity) {
    if (!ghdl_available())
        GTEST_SKIP() << "ghdl is not installed (scripts/install-deps.sh installs it); the "
                        "analysis of the context clauses is skipped";
    build_cases();
    hdl_test::ScratchDirectory dir;
    std::string log;
    const std::string ghdl = "ghdl -a --std=93 --workdir=. -P.";
    // The libraries and packages the clauses name.
    for (std::string package : {"types", "globals"}) {
        hdl_test::write_file(dir.path() / (package + ".vhd"),
                             "package " + package + " is\nend " + package + ";\n");
        ASSERT_TRUE(run_in(dir.path(), ghdl + " " + package + ".vhd", log)) << log;
    }
    for (const std::string& lib : kLongLibraries) {
        hdl_test::write_file(dir.path() / (lib + ".vhd"), "package pkg is\nend pkg;\n");
        ASSERT_TRUE(run_in(dir.path(), ghdl + " --work=" + lib + " " + lib + ".vhd", log)) << log;
    }
    // The harness must see a failing analysis.
    hdl_test::write_file(dir.path() / "bad.vhd",
                         "\nLIBRARY missing_lib ;\n" + format_text(kEntityText, "b", "b", "b"));
    std::string ignored;
    EXPECT_FALSE(run_in(dir.path(), ghdl + " bad.vhd", ignored));
    for (int each_case : {kKeywordUpper, kKeywordLower, kKeywordCapitalized}) {
        keyword_case = each_case;
        for (Entity* e : {plain, two_ieee, work_only, wrapped}) {
            const char* n = e->name.c_str();
            std::string file = e->name + std::to_string(keyword_case) + ".vhd";
            hdl_test::write_file(dir.path() / file,
                                 clauses(*e) + format_text(kEntityText, n, n, n));
            EXPECT_TRUE(run_in(dir.path(), ghdl + " " + file, log)) << log;
        }
    }
}

} // namespace
