// The "Labels List" report: widths of the columns, usage words of default labels, texts of
// several lines, labels without text or name, a process machine's title, and the report
// window it fills.
#include "machine_test_support.h"

#include "design/block_diagram.h"
#include "statemachine/labels_list.h"

#include "golden_files.h"

namespace zeph::machine_testing {
namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

class LabelsListTest : public MachineTest {
  protected:
    LabelledMachine owner() { return {*design.root, *architecture, nullptr, machine()}; }
};

TEST_F(LabelsListTest, ActionsWithDefaultsWidenTheUsageColumn) {
    State& s1 = add("s1", {768, 768});
    State& s2 = add("s2", {2304, 768});
    Label& on = action("a_rather_long_name", "y <= '1' ;\nz <= '0' ;");
    add_usage(on, s1);
    add_usage(on, s2);
    action("quiet", "p <= '0' ;", kDefaultOnTransitions);
    action("idle", "busy <= '0' ;", kDefaultOnStates);
    action("", "");
    std::string text = joined(labels_list_lines(owner(), true, false));
    EXPECT_TRUE(testing_support::matches_golden_file("statemachine/labels_list_actions.txt", text));
    EXPECT_NE(text.find("a_rather_long_name |          2 | y <= '1' ;\n"
                        "                                  z <= '0' ;\n"),
              std::string::npos);
    EXPECT_NE(text.find("quiet              | Def.on Tr. | p <= '0' ;"), std::string::npos);
}

TEST_F(LabelsListTest, ConditionsOfAProcessInVerilogAndAnEmptyList) {
    Label& go = condition("go", "go = '1'", "go == 1'b1");
    go.use_count = 3;
    Process process;
    process.name = "ctl";
    LabelledMachine of_process{*design.root, *architecture, &process, machine()};
    std::vector<std::string> lines = labels_list_lines(of_process, false, true);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0],
              "Condition Label of Process 'ctl' of Entity 'Toplevel' of Architecture 'fsm':");
    EXPECT_EQ(lines[2], "Label Name | Usage | Verilog text:");
    EXPECT_EQ(lines[5], std::string(80, '-'));
    EXPECT_EQ(lines[6], "go         |     3 | go == 1'b1");
    // No labels: the header, a rule and an empty line, nothing more.
    std::vector<std::string> empty = labels_list_lines(owner(), true, false);
    EXPECT_EQ(empty.front(), "Action Labels of Entity 'Toplevel' of Architecture 'fsm':");
    EXPECT_EQ(empty.size(), 5u);
    EXPECT_EQ(empty.back(), "");
}

TEST_F(LabelsListTest, ReportWindowIsClearedAndTitled) {
    show_labels_list(platform, {"one", "two"});
    EXPECT_EQ(platform.report_window_title(), "Labels List");
    EXPECT_EQ(platform.report_lines(), (std::vector<std::string>{"one", "two"}));
    std::vector<LabelledMachine> machines = design_machines(design);
    ASSERT_EQ(machines.size(), 1u);
    EXPECT_EQ(&machines.front().machine, &machine());
}

} // namespace
} // namespace zeph::machine_testing
