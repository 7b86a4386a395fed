// Package specifications: validation and its defaults, the list dialog's operations and its
// question on a change of selection, stable numbers, display lines, and the binding dialog.
#include "hdl_test_support.h"

#include "hdl/identifier_rules.h"
#include "hdl/package_binding.h"
#include "hdl/package_display.h"
#include "hdl/package_list.h"
#include "hdl/package_validation.h"

namespace {

using namespace zeph;
using hdl_test::HdlTest;
using ui::Answer;
using ui::Shown;
using Lines = std::vector<std::string>;

PackageFields fields(std::string library, std::string package, std::string suffix = "",
                     bool global = false, std::string file = "") {
    return {std::move(library), std::move(package), std::move(suffix), std::move(file), global};
}

class PackageListTest : public HdlTest {
  protected:
    PackageListEditor editor_with(std::vector<PackageFields> entries) {
        std::vector<PackageSpec> specs;
        int number = 1;
        for (const PackageFields& f : entries)
            specs.push_back(make_package_spec(f, number++));
        return PackageListEditor(platform, std::move(specs), number, kRulesVhdl, kKeywordLower);
    }
    static std::vector<int> numbers(const PackageListEditor& e) {
        std::vector<int> n;
        for (const PackageSpec& s : e.specifications())
            n.push_back(s.number);
        return n;
    }
};

TEST_F(PackageListTest, ValidationFillsDefaultsAndChecksInOrder) {
    PackageFields f = fields("", "");
    ASSERT_TRUE(validate_specification(platform, f, true, kRulesVhdl, kKeywordLower, nullptr));
    EXPECT_EQ(f.library, "work");
    EXPECT_EQ(f.suffix, "all") << "ALL in the keyword case in force";
    f = fields("ieee", "std_logic_1164");
    ASSERT_TRUE(validate_specification(platform, f, true, kRulesVhdl, kKeywordUpper, nullptr));
    EXPECT_EQ(f.suffix, "ALL");

    // Suffix first, then library, then package; ALL is a reserved word but allowed.
    f = fields("1lib", "2pkg", "to$x");
    EXPECT_FALSE(validate_specification(platform, f, true, kRulesVhdl, kKeywordLower, nullptr));
    f = fields("1lib", "2pkg", "All");
    EXPECT_FALSE(validate_specification(platform, f, true, kRulesVhdl, kKeywordLower, nullptr));
    f = fields("ieee", "body", "to_integer");
    EXPECT_FALSE(validate_specification(platform, f, true, kRulesVhdl, kKeywordLower, nullptr));
    f = fields("ieee", "body", "to_integer");
    EXPECT_FALSE(validate_specification(platform, f, false, kRulesVhdl, kKeywordLower, nullptr))
        << "silently";
    EXPECT_EQ(platform.shown(Shown::Status),
              (Lines{"Error    45: 'to$x' is not a legal VHDL identifier",
                     "Error    45: '1lib' is not a legal VHDL identifier",
                     "Error    40: 'body' is a VHDL reserved word"}));

    f = fields("mylib", "_pkg", "", false, "");
    EXPECT_TRUE(validate_specification(platform, f, true, kRulesVerilog, kKeywordLower, nullptr));
}

TEST_F(PackageListTest, FileNamesMustResolve) {
    std::vector<std::string> asked;
    PathCheck check = [&](const std::string& path) {
        asked.push_back(path);
        return path.rfind("$NOWHERE", 0) != 0;
    };
    PackageFields f = fields("work", "p", "", false, "$LIB/p.vhd");
    EXPECT_TRUE(validate_specification(platform, f, true, kRulesVhdl, kKeywordLower, check));
    EXPECT_EQ(f.file_name, "$LIB/p.vhd") << "kept as typed, so the logical name survives";
    f.file_name = "$NOWHERE/p.vhd";
    EXPECT_FALSE(validate_specification(platform, f, true, kRulesVhdl, kKeywordLower, check));
    f.file_name = std::string(257, 'f');
    EXPECT_FALSE(validate_specification(platform, f, true, kRulesVhdl, kKeywordLower, nullptr))
        << "would not fit";
    EXPECT_EQ(asked, (Lines{"$LIB/p.vhd", "$NOWHERE/p.vhd"}));
}

TEST_F(PackageListTest, InsertChangeDeleteKeepNumbersStable) {
    PackageListEditor e = editor_with({fields("ieee", "std_logic_1164", "ALL")});
    e.entry() = fields("ieee", "numeric_std");
    ASSERT_TRUE(e.insert()) << "appended: nothing selected";
    EXPECT_EQ(e.selected(), 1u);
    EXPECT_EQ(numbers(e), (std::vector<int>{1, 2}));

    ASSERT_TRUE(e.select(0));
    e.entry() = fields("work", "types");
    ASSERT_TRUE(e.insert()) << "before the selection";
    EXPECT_EQ(numbers(e), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(e.selected(), 0u);

    ASSERT_TRUE(e.select(2));
    e.entry().global = true;
    ASSERT_TRUE(e.change());
    EXPECT_EQ(numbers(e), (std::vector<int>{3, 1, 2})) << "change keeps the number";
    EXPECT_EQ(e.specifications()[2].global, 1);

    ASSERT_TRUE(e.remove());
    EXPECT_EQ(e.selected(), 1u) << "the last one was removed: the one before is selected";
    e.entry() = fields("std", "textio");
    ASSERT_TRUE(e.change());
    ASSERT_TRUE(e.select(std::nullopt));
    e.entry() = fields("ieee", "math_real");
    ASSERT_TRUE(e.change()) << "change without a selection inserts";
    EXPECT_EQ(numbers(e), (std::vector<int>{3, 1, 4})) << "number 2 is never given again";
    EXPECT_EQ(e.next_number(), 5);
    EXPECT_EQ(e.lines(),
              (Lines{"[ ] work.types.all  ", "[ ] std.textio.all  ", "[ ] ieee.math_real.all  "}));
}

TEST_F(PackageListTest, RefusedEntriesChangeNothing) {
    PackageListEditor e = editor_with({fields("ieee", "std_logic_1164", "ALL")});
    e.entry() = fields("ieee", "in");
    EXPECT_FALSE(e.insert());
    EXPECT_EQ(e.specifications().size(), 1u);
    EXPECT_EQ(e.next_number(), 2);
    EXPECT_EQ(e.entry(), fields("ieee", "in")) << "the dialog keeps what was typed";
}

TEST_F(PackageListTest, UpAndDownStopAtTheEnds) {
    PackageListEditor e = editor_with({fields("a", "", "ALL"), fields("b", "", "ALL")});
    e.up();
    ASSERT_TRUE(e.select(0));
    e.up();
    EXPECT_EQ(numbers(e), (std::vector<int>{1, 2}));
    e.down();
    EXPECT_EQ(numbers(e), (std::vector<int>{2, 1}));
    EXPECT_EQ(e.selected(), 1u) << "the selection moves with it";
    e.down();
    EXPECT_EQ(numbers(e), (std::vector<int>{2, 1}));
    PackageListEditor single = editor_with({fields("a", "", "ALL")});
    ASSERT_TRUE(single.select(0));
    single.up();
    single.down();
    EXPECT_EQ(single.selected(), 0u);
}

TEST_F(PackageListTest, EditedEntryAsksOnAChangeOfSelection) {
    PackageListEditor e = editor_with(
        {fields("ieee", "std_logic_1164", "ALL"), fields("ieee", "numeric_std", "ALL")});
    ASSERT_TRUE(e.select(0));
    EXPECT_FALSE(e.edited());
    ASSERT_TRUE(e.select(1)) << "unedited: no question";
    EXPECT_TRUE(platform.shown(Shown::Question).empty());

    e.entry().global = true; // the flag alone counts as an edit
    platform.queue(Answer::Cancel);
    EXPECT_FALSE(e.select(0));
    EXPECT_EQ(e.selected(), 1u);
    EXPECT_TRUE(e.entry().global) << "cancel keeps the edit";

    platform.queue(Answer::No);
    ASSERT_TRUE(e.select(0));
    EXPECT_EQ(e.specifications()[1].global, 0) << "no drops it";
    EXPECT_EQ(e.entry(), fields("ieee", "std_logic_1164", "ALL"));

    e.entry().package = "std_logic_textio";
    platform.queue(Answer::Yes);
    ASSERT_TRUE(e.select(1));
    EXPECT_STREQ(e.specifications()[0].package, "std_logic_textio") << "yes stores it first";
    EXPECT_EQ(e.entry(), fields("ieee", "numeric_std", "ALL"));

    e.entry().package = "in"; // yes with an illegal entry: refused, the selection stays
    platform.queue(Answer::Yes);
    EXPECT_FALSE(e.select(0));
    EXPECT_EQ(e.selected(), 1u);
    EXPECT_EQ(platform.shown(Shown::Question),
              Lines(4, "Current package has been edited.\nDo you want to change it?"));
}

TEST_F(PackageListTest, OkStoresAnEditedEntryAndReplacesTheDesignsList) {
    hdl_test::add_spec(design, "ieee", "std_logic_1164", "ALL", true);
    const int types_number = hdl_test::add_spec(design, "work", "types", "ALL")->number;
    Entity& cpu = hdl_test::add_named_entity(design, "cpu");
    cpu.bound_packages.append(types_number);
    auto bench = new_entity(design, "cpu_tb");
    Architecture& test = add_architecture(*bench, new_architecture(kArchitectureHdlFile, "test"));
    test.hdl_file->skeleton_current = 3;
    set_testbench(cpu, std::move(bench));
    Architecture& rtl = add_architecture(cpu, new_architecture(kArchitectureHdlFile, "rtl", &cpu));
    rtl.hdl_file->skeleton_current = 3;
    int modified = 0;
    events.mark_modified = [&](Design&, bool) { ++modified; };

    PackageListEditor e = design_package_editor(design, events);
    ASSERT_TRUE(e.select(1));
    e.up();
    e.entry().file_name = "types.vhd";
    ASSERT_TRUE(e.accept());
    apply_package_list(design, e, events);

    std::vector<PackageSpec*> specs = design.library_entries.entries();
    ASSERT_EQ(specs.size(), 2u);
    EXPECT_STREQ(specs[0]->package, "types");
    EXPECT_STREQ(specs[0]->file_name, "types.vhd");
    EXPECT_EQ(specs[0]->number, types_number);
    EXPECT_TRUE(cpu.bound_packages.contains(specs[0]->number)) << "bindings survive moves";
    EXPECT_EQ(design.library_entries.next_identifier(), 3);
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(test.hdl_file->skeleton_current, 0u) << "testbench files carry the clauses";
    EXPECT_EQ(rtl.hdl_file->skeleton_current, 3u);

    PackageListEditor refusing = design_package_editor(design, events);
    refusing.entry() = fields("ieee", "in");
    EXPECT_FALSE(refusing.accept()) << "OK validates the edited entry; the dialog stays";
}

TEST_F(PackageListTest, DisplayLines) {
    PackageSpec global =
        make_package_spec(fields("ieee", "std_logic_1164", "ALL", true, "x.vhd"), 1);
    PackageSpec plain = make_package_spec(fields("mylib", "", "ALL"), 2);
    EXPECT_EQ(package_list_line(global), "[G] ieee.std_logic_1164.ALL  x.vhd");
    EXPECT_EQ(package_list_line(plain), "[ ] mylib.ALL  ");
    EXPECT_EQ(package_binding_line(global, 'G'), "[G] ieee.std_logic_1164.ALL");
    EXPECT_EQ(package_binding_line(plain, 'X'), "[X] mylib.ALL");
    PackageListEditor e(platform, std::vector<PackageSpec>{global, plain}, 3, kRulesVhdl,
                        kKeywordLower);
    EXPECT_FALSE(e.view_enabled());
    ASSERT_TRUE(e.select(0));
    EXPECT_TRUE(e.view_enabled());
    ASSERT_TRUE(e.select(1));
    EXPECT_FALSE(e.view_enabled()) << "no file name";
}

TEST_F(PackageListTest, BindingDialogWorksOnCopiesUntilOk) {
    hdl_test::add_spec(design, "ieee", "std_logic_1164", "ALL", true);
    PackageSpec* types = hdl_test::add_spec(design, "work", "types", "ALL");
    Entity& top = hdl_test::add_named_entity(design, "Toplevel");
    design.root = &top;
    Entity& cpu = hdl_test::add_named_entity(design, "cpu");
    hdl_test::add_named_entity(design, "pad").external = true;
    hdl_test::add_named_entity(design, "ram").library_module_path = "/lib/mem.vdp";
    PackageBindingEditor b(design);
    ASSERT_EQ(b.entities(), std::vector<Entity*>{&cpu}) << "no top level, external or library";
    ASSERT_TRUE(b.select_entity(0));
    ASSERT_TRUE(b.select_specification(0));
    EXPECT_FALSE(b.can_add()) << "global";
    EXPECT_FALSE(b.can_remove());
    ASSERT_TRUE(b.select_specification(1));
    EXPECT_TRUE(b.can_add());
    EXPECT_FALSE(b.can_remove());
    ASSERT_TRUE(b.add());
    EXPECT_FALSE(b.can_add());
    EXPECT_EQ(b.lines(), (Lines{"[G] ieee.std_logic_1164.ALL", "[X] work.types.ALL"}));
    EXPECT_FALSE(is_package_used(*types, cpu)) << "not before OK";

    {
        PackageBindingEditor cancelled(design);
        cancelled.select_entity(0);
        cancelled.select_specification(1);
        cancelled.add();
    } // dropped
    EXPECT_FALSE(cpu.bound_packages.contains(types->number));

    EXPECT_TRUE(b.commit());
    EXPECT_TRUE(is_package_used(*types, cpu));
    EXPECT_TRUE(is_package_used(*design.library_entries.entries()[0], top)) << "global";

    PackageBindingEditor again(design);
    again.select_entity(0);
    again.select_specification(1);
    ASSERT_TRUE(again.remove());
    EXPECT_TRUE(again.commit());
    EXPECT_FALSE(is_package_used(*types, cpu));
    EXPECT_FALSE(PackageBindingEditor(design).commit()) << "nothing changed";
}

} // namespace
