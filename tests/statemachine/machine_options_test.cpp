// The "State Machine Options" dialog: which fields are enabled, the action timing lists, the
// two refusals on OK in their order, and what OK stores.
#include "machine_test_support.h"

#include "statemachine/machine_options.h"
#include "statemachine/state_codes.h"

namespace zeph::machine_testing {
namespace {

class MachineOptionsTest : public MachineTest {
  protected:
    DialogResult<MachineOptionsField> ok(void (*change)(MachineOptionsFields&)) {
        MachineOptionsFields fields = machine_options_fields(machine());
        change(fields);
        platform.clear_transcript();
        return apply_machine_options(machine(), context, fields);
    }
};

TEST_F(MachineOptionsTest, ImplicitDisablesTheExplicitOptionsAndHotCodesTheDecoding) {
    MachineOptionsFields fields;
    MachineOptionsEnabling e = machine_options_enabling(fields, false);
    EXPECT_TRUE(e.style && e.assignment && e.decoding && e.block_separation && e.edge_functions);
    fields.assignment = kAssignmentTwoHot;
    e = machine_options_enabling(fields, false);
    EXPECT_FALSE(e.decoding);
    EXPECT_TRUE(e.assignment);
    fields.style = kStyleImplicit;
    fields.assignment = kAssignmentBinary;
    e = machine_options_enabling(fields, false);
    EXPECT_FALSE(e.assignment || e.transition_actions || e.state_actions || e.block_separation ||
                 e.identifier_suffix || e.decoding);
    EXPECT_TRUE(e.edge_functions);
    // Verilog has no implicit style, edge functions or VHDL blocks.
    fields.style = kStyleExplicit;
    e = machine_options_enabling(fields, true);
    EXPECT_FALSE(e.style || e.edge_functions || e.block_separation);
    EXPECT_TRUE(e.decoding && e.identifier_suffix);
}

TEST(ActionTimingTest, ListPositionsAndStoredValues) {
    EXPECT_EQ(action_timing_choices(false),
              (std::vector<std::string>{"Combinational", "Comb.(in 1 Process)", "Clocked"}));
    EXPECT_EQ(action_timing_choices(true)[1], "Comb.(in 1 Always Block)");
    EXPECT_EQ(action_timing_value(1), kActionsCombinedProcess);
    EXPECT_EQ(action_timing_value(2), kActionsClocked);
    EXPECT_EQ(action_timing_position(kActionsClocked), 2);
    EXPECT_EQ(action_timing_position(kActionsClockedDelayed), -1);
}

TEST_F(MachineOptionsTest, TooManyStatesForHotCodesIsRefusedFirst) {
    for (int i = 0; i < 81; ++i)
        add("s" + std::to_string(i + 1), {1024 + 512 * (i % 9), 1024 + 512 * (i / 9)});
    std::string before = design_text();
    auto result = ok([](MachineOptionsFields& f) {
        f.assignment = kAssignmentOneHot;
        f.transition_actions = kActionsClocked;
        f.state_actions = kActionsCombinedProcess;
    });
    EXPECT_EQ(result.outcome, Outcome::Refused);
    EXPECT_EQ(result.field, MachineOptionsField::Assignment);
    EXPECT_EQ(last_box(), "Too many states for 'One Hot' encoding.");
    EXPECT_EQ(design_text(), before);
    // Two Hot takes up to 160 states.
    EXPECT_EQ(ok([](MachineOptionsFields& f) { f.assignment = kAssignmentTwoHot; }).outcome,
              Outcome::Done);
    EXPECT_EQ(machine().code_width, 14);
}

TEST_F(MachineOptionsTest, ClockedTransitionActionsWithCombinedStateActions) {
    auto result = ok([](MachineOptionsFields& f) {
        f.transition_actions = kActionsClocked;
        f.state_actions = kActionsCombinedProcess;
    });
    EXPECT_EQ(result.outcome, Outcome::Refused);
    EXPECT_EQ(last_box(), "Clocked actions on transitions and Comb.(in 1 Process) actions on "
                          "states not allowed.");
    design.target_language = 2;
    ok([](MachineOptionsFields& f) {
        f.transition_actions = kActionsClocked;
        f.state_actions = kActionsCombinedProcess;
    });
    EXPECT_EQ(last_box(), "Clocked actions on transitions and Comb.(in 1 Always Block) actions "
                          "on states not allowed.");
    // The other way round is allowed.
    EXPECT_EQ(ok([](MachineOptionsFields& f) {
                  f.transition_actions = kActionsCombinedProcess;
                  f.state_actions = kActionsClocked;
              }).outcome,
              Outcome::Done);
}

TEST_F(MachineOptionsTest, OkStoresTheValuesAndRecodesOnlyForStyleOrAssignment) {
    add("a", {1024, 1024});
    add("b", {2048, 1024});
    EXPECT_EQ(ok([](MachineOptionsFields&) {}).outcome, Outcome::Unchanged);
    EXPECT_EQ(ok([](MachineOptionsFields& f) {
                  f.clock_edge = kClockFallingEdge;
                  f.edge_functions = true;
                  f.decoding = kDecodingIfElse;
                  f.block_separation = true;
                  f.identifier_suffix = "_ctl";
              }).outcome,
              Outcome::Done);
    EXPECT_EQ(machine().clock_edge, kClockFallingEdge);
    EXPECT_TRUE(machine().edge_functions && machine().block_separation);
    EXPECT_EQ(machine().identifier_suffix, "_ctl");
    EXPECT_EQ(machine().states[0]->code, "");
    EXPECT_EQ(ok([](MachineOptionsFields& f) { f.assignment = kAssignmentOneHot; }).outcome,
              Outcome::Done);
    EXPECT_EQ(machine().states[1]->code, "10");
    // A suffix must stay one word of the design file.
    auto refused = ok([](MachineOptionsFields& f) { f.identifier_suffix = "a b"; });
    EXPECT_EQ(refused.field, MachineOptionsField::IdentifierSuffix);
    EXPECT_EQ(platform.last_status(), "Error    50: 'a b' is not a legal value in this context");
    EXPECT_EQ(machine().identifier_suffix, "_ctl");
}

} // namespace
} // namespace zeph::machine_testing
