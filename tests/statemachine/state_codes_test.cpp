// Code widths and codes of every assignment, their recomputation, and the check of the
// assignment that verification runs (messages 27, 28 and 109).
#include "machine_test_support.h"

#include "design/block_diagram.h"

#include "design/report.h"
#include "statemachine/assignment_check.h"
#include "statemachine/machine_options.h"
#include "statemachine/state_codes.h"

namespace zeph::machine_testing {
namespace {

using Codes = std::vector<std::string>;

TEST(CodeWidthTest, EachAssignmentGrowsAsDocumented) {
    struct Case {
        int assignment, states, width;
    };
    for (Case c : {Case{kAssignmentBinary, 1, 1}, Case{kAssignmentBinary, 2, 1},
                   Case{kAssignmentBinary, 3, 2}, Case{kAssignmentBinary, 5, 3},
                   Case{kAssignmentGray, 4, 2}, Case{kAssignmentUserDefined, 9, 4},
                   Case{kAssignmentEnumerate, 8, 3}, Case{kAssignmentOneHot, 3, 3},
                   Case{kAssignmentOneHot, 80, 80}, Case{kAssignmentTwoHot, 1, 2},
                   Case{kAssignmentTwoHot, 3, 3}, Case{kAssignmentTwoHot, 4, 4},
                   Case{kAssignmentTwoHot, 10, 5}, Case{kAssignmentTwoHot, 11, 6}})
        EXPECT_EQ(code_width_for(c.assignment, c.states), c.width)
            << c.assignment << " with " << c.states << " states";
}

TEST(CodeAssignmentTest, CodesOfTheComputingAssignments) {
    EXPECT_EQ(computed_codes(kAssignmentBinary, 3, 2), (Codes{"00", "01", "10"}));
    EXPECT_EQ(computed_codes(kAssignmentBinary, 1, 1), (Codes{"0"}));
    EXPECT_EQ(computed_codes(kAssignmentGray, 4, 2), (Codes{"00", "01", "11", "10"}));
    EXPECT_EQ(computed_codes(kAssignmentGray, 8, 3),
              (Codes{"000", "001", "011", "010", "110", "111", "101", "100"}));
    EXPECT_EQ(computed_codes(kAssignmentOneHot, 3, 3), (Codes{"001", "010", "100"}));
    EXPECT_EQ(computed_codes(kAssignmentTwoHot, 3, 3), (Codes{"110", "101", "011"}));
    EXPECT_EQ(computed_codes(kAssignmentTwoHot, 1, 2), (Codes{"11"}));
    Codes ten = computed_codes(kAssignmentTwoHot, 10, 5);
    ASSERT_EQ(ten.size(), 10u);
    EXPECT_EQ(ten.front(), "11000");
    EXPECT_EQ(ten.back(), "00011");
    EXPECT_TRUE(computed_codes(kAssignmentEnumerate, 3, 2).empty());
}

class AssignmentTest : public MachineTest {
  protected:
    void states(int n) {
        for (int i = 0; i < n; ++i)
            add("s" + std::to_string(i + 1), {1024 + 640 * (i % 10), 1024 + 640 * (i / 10)});
    }
    Codes codes() {
        Codes result;
        for (const auto& state : machine().states)
            result.push_back(state->code);
        return result;
    }
    // The report lines of the check, with the fill-ins of a VHDL design.
    std::vector<std::string> check() {
        platform.clear_transcript();
        Report report(platform);
        report.start(ReportScope::Architecture);
        check_state_assignment(machine(),
                               assignment_rules(design.language_checking, design.vhdl_vector_type),
                               report, design.root, architecture, nullptr);
        std::vector<std::string> lines;
        for (const std::string& line : platform.shown(ui::Shown::ReportLine))
            if (line.rfind("Error", 0) == 0 || line.rfind("Warning", 0) == 0) lines.push_back(line);
        return lines;
    }
};

TEST_F(AssignmentTest, OneTwoHotStateAndTheWidthAfterStateChanges) {
    states(1);
    machine().assignment = kAssignmentTwoHot;
    assign_codes(machine());
    EXPECT_EQ(machine().code_width, 2);
    EXPECT_EQ(codes(), (Codes{"11"}));
    // Adding states recomputes width and codes; so does deleting them.
    states(0);
    add("t", {1024, 4096});
    add("u", {2048, 4096});
    EXPECT_EQ(machine().code_width, 3);
    EXPECT_EQ(codes(), (Codes{"110", "101", "011"}));
    delete_state(machine(), *machine().states[0]);
    EXPECT_EQ(machine().code_width, 3);
    EXPECT_EQ(codes(), (Codes{"110", "101"}));
    delete_state(machine(), *machine().states[0]);
    EXPECT_EQ(machine().code_width, 2);
    EXPECT_EQ(codes(), (Codes{"11"}));
}

TEST_F(AssignmentTest, LeavingUserDefinedForBinaryOverwritesTheTypedCodes) {
    states(4);
    MachineOptionsFields fields = machine_options_fields(machine());
    fields.assignment = kAssignmentUserDefined;
    ASSERT_EQ(apply_machine_options(machine(), context, fields).outcome, Outcome::Done);
    const char* typed[] = {"0001", "0010", "0100", "1000"};
    for (std::size_t i = 0; i < 4; ++i)
        machine().states[i]->code = typed[i];
    machine().code_width = 2; // what Binary would give: the width alone does not decide
    fields.assignment = kAssignmentBinary;
    ASSERT_EQ(apply_machine_options(machine(), context, fields).outcome, Outcome::Done);
    EXPECT_EQ(machine().code_width, 2);
    EXPECT_EQ(codes(), (Codes{"00", "01", "10", "11"}));
    EXPECT_EQ(machine().states[3]->name_label.text, "s4\n11");
}

TEST_F(AssignmentTest, ImplicitAndEnumeratedMachinesKeepTheirCodes) {
    states(2);
    machine().states[0]->code = "kept";
    recompute_codes(machine()); // Enumerate assigns nothing
    EXPECT_EQ(machine().states[0]->code, "kept");
    machine().assignment = kAssignmentBinary;
    machine().style = kStyleImplicit;
    recompute_codes(machine());
    EXPECT_EQ(machine().states[0]->code, "kept");
}

TEST_F(AssignmentTest, RestStatesAndMissingAssignments) {
    states(4);
    ASSERT_EQ(add_rest_state(machine(), context, {256, 256}), Outcome::Done);
    machine().style = kStyleImplicit;
    EXPECT_EQ(check(), (std::vector<std::string>{
                           "Error    27: REST state not allowed for Implicit state machine"}));
    machine().style = kStyleExplicit;
    machine().assignment = kAssignmentNone;
    EXPECT_EQ(check(), (std::vector<std::string>{
                           "Error    28: No valid state assignment for Explicit state machine"}));
    machine().assignment = kAssignmentOneHot;
    EXPECT_EQ(check(), (std::vector<std::string>{"Error    27: Superfluous REST state for "
                                                 "Explicit state machine with 'One Hot' "
                                                 "assignment"}));
    // Four states fill two bits: nothing is left for REST.
    machine().assignment = kAssignmentGray;
    assign_codes(machine());
    EXPECT_EQ(check(), (std::vector<std::string>{"Warning 109: Superfluous REST state for "
                                                 "Explicit state machine with 'Gray code' "
                                                 "assignment"}));
    add("s5", {4096, 4096});
    EXPECT_EQ(check(), std::vector<std::string>());
}

TEST_F(AssignmentTest, TooManyStatesFromADesignFile) {
    states(81);
    machine().assignment = kAssignmentOneHot;
    EXPECT_EQ(check(), (std::vector<std::string>{
                           "Error    28: Too many states (1) for 'One Hot' assignment"}));
    machine().assignment = kAssignmentTwoHot;
    EXPECT_EQ(check(), std::vector<std::string>());
}

TEST_F(AssignmentTest, UserDefinedCodes) {
    states(3);
    machine().assignment = kAssignmentUserDefined;
    design.vhdl_vector_type = "std_logic_vector";
    auto with = [&](const char* a, const char* b, const char* c) {
        machine().states[0]->code = a;
        machine().states[1]->code = b;
        machine().states[2]->code = c;
        return check();
    };
    EXPECT_EQ(with("1-", "10", "00"),
              (std::vector<std::string>{
                  "Error    28: State assignment conflict for state 's1' and state 's2'"}));
    EXPECT_EQ(machine().code_width, 2);
    EXPECT_EQ(with("1-", "01", "00"), std::vector<std::string>());
    EXPECT_EQ(
        with("", "01", "00"),
        (std::vector<std::string>{"Error    28: State 's1' has no (user defined) state code"}));
    EXPECT_EQ(with("1", "0", "X"),
              (std::vector<std::string>{
                  "Error    28: At least 2 bits required for (user defined) state codes",
              }));
    EXPECT_EQ(with("100", "01", "0Z1"),
              (std::vector<std::string>{
                  "Error    28: State code of state 's2' has 2 bits, while longest state code "
                  "has 3 bits",
                  "Error    28: Invalid (user defined) state code \"0Z1\" for state 's3'"}));
    EXPECT_EQ(machine().code_width, 3);
    // Bit_Vector codes hold no '-'.
    design.vhdl_vector_type = "";
    EXPECT_EQ(with("1-", "01", "00"),
              (std::vector<std::string>{
                  "Error    28: Invalid (user defined) state code \"1-\" for state 's1'"}));
}

TEST_F(AssignmentTest, EveryMachineOfTheDesignIsRecoded) {
    states(3);
    machine().assignment = kAssignmentOneHot;
    Architecture& block = add_architecture(
        *design.root, new_architecture(kArchitectureBlockDiagram, "struct", design.root));
    Process& process =
        add_process(*block.block_diagram, block, new_process("ctl", kProcessStateDiagram));
    StateMachine& inner = *process.state_machine;
    ASSERT_EQ(add_state(inner, context, {1024, 1024}, std::string("x")), Outcome::Done);
    ASSERT_EQ(add_state(inner, context, {2048, 1024}, std::string("y")), Outcome::Done);
    inner.assignment = kAssignmentGray;
    recompute_design_state_codes(design);
    EXPECT_EQ(codes(), (Codes{"001", "010", "100"}));
    EXPECT_EQ(inner.states[1]->code, "1");
}

TEST(CodeConflictTest, DontCaresMatchAnything) {
    EXPECT_TRUE(codes_conflict("1-", "10"));
    EXPECT_FALSE(codes_conflict("1-", "00"));
    EXPECT_TRUE(codes_conflict("X1", "11"));
    EXPECT_FALSE(codes_conflict(" 01", "00"));
}

} // namespace
} // namespace zeph::machine_testing
