// Adding, editing, copying and deleting states: default names, prompts and their refusals,
// REST, number swaps, user codes, and what deleting takes with it.
#include "machine_test_support.h"

#include "statemachine/machine_copy.h"
#include "statemachine/state_codes.h"

namespace zeph::machine_testing {
namespace {

class StateEditsTest : public MachineTest {};

TEST_F(StateEditsTest, DefaultNamesTakeTheSmallestFreeNumber) {
    EXPECT_EQ(default_state_name(machine()), "s1");
    add("s1", {1024, 1024});
    add("s3", {2048, 1024});
    EXPECT_EQ(default_state_name(machine()), "s2");
    add("S2", {3072, 1024}); // the name rule of VHDL ignores case
    EXPECT_EQ(default_state_name(machine()), "s4");
}

TEST_F(StateEditsTest, ThePromptOffersTheDefaultAndAsksAgainAfterARefusedName) {
    add("s1", {1024, 1024});
    platform.queue_text("S1");     // used (VHDL names ignore case)
    platform.queue_text("9lives"); // not an identifier
    platform.queue_text("idle");
    State* added = nullptr;
    EXPECT_EQ(add_state(machine(), context, {2048, 1024}, std::nullopt, &added), Outcome::Done);
    EXPECT_EQ(shown(ui::Shown::Prompt), std::vector<std::string>(3, "Enter state name:"));
    EXPECT_EQ(shown(ui::Shown::Status),
              (std::vector<std::string>{"Error    48: Duplicate state name",
                                        "Error    45: '9lives' is not a legal VHDL identifier"}));
    EXPECT_EQ(names(), (std::vector<std::string>{"1:s1", "2:idle"}));
    EXPECT_EQ(added->box, state_box_at({2048, 1024}));
    EXPECT_EQ(added->name_label.text, "idle");

    // An empty answer or a cancelled prompt adds nothing.
    std::string before = design_text();
    platform.queue_text("");
    EXPECT_EQ(add_state(machine(), context, {3072, 1024}), Outcome::Cancelled);
    platform.queue_cancel();
    EXPECT_EQ(add_state(machine(), context, {3072, 1024}), Outcome::Cancelled);
    EXPECT_EQ(design_text(), before);
}

TEST_F(StateEditsTest, OnlyOneRestStateWhichTakesSlotZero) {
    add("s1", {1024, 1024});
    EXPECT_EQ(add_rest_state(machine(), context, {256, 256}), Outcome::Done);
    ASSERT_TRUE(machine().rest_present());
    EXPECT_EQ(machine().rest->name, "REST");
    EXPECT_EQ(machine().rest->number, 0);
    EXPECT_EQ(add_rest_state(machine(), context, {512, 256}), Outcome::Refused);
    EXPECT_EQ(last_box(), "REST state already present.");
    // The REST state's name is taken for new states too.
    platform.queue_text("rest");
    platform.queue_text("s2");
    EXPECT_EQ(add_state(machine(), context, {2048, 1024}), Outcome::Done);
    EXPECT_EQ(platform.last_status(), "Error    48: Duplicate state name");
}

TEST_F(StateEditsTest, EditStateChecksNameNumberAndCodeInTurn) {
    State& a = add("a", {1024, 1024});
    add("b", {2048, 1024});
    State& c = add("c", {3072, 1024});
    machine().assignment = kAssignmentBinary;
    assign_codes(machine());
    auto refusal = [&](State& state, void (*change)(StateFields&)) {
        StateFields fields = state_fields(state);
        change(fields);
        platform.clear_transcript();
        std::string before = design_text();
        if (edit_state(machine(), context, state, fields).outcome != Outcome::Refused)
            return std::string("accepted");
        EXPECT_EQ(design_text(), before);
        return platform.last_status();
    };
    EXPECT_EQ(refusal(a, [](StateFields& f) { f.name = "B"; }),
              "Error    48: Duplicate state name");
    EXPECT_EQ(refusal(a, [](StateFields& f) { f.name = "end"; }),
              "Error    40: 'end' is a VHDL reserved word");
    EXPECT_EQ(refusal(a, [](StateFields& f) { f.number = 4; }),
              "Error    50: '4' is not a legal value in this context");
    // A bad name is reported before a bad number.
    EXPECT_EQ(refusal(a,
                      [](StateFields& f) {
                          f.name = "x y";
                          f.number = 0;
                      }),
              "Error    45: 'x y' is not a legal VHDL identifier");

    // Numbers swap and the codes follow the new numbers.
    StateFields fields = state_fields(c);
    fields.number = 1;
    EXPECT_EQ(edit_state(machine(), context, c, fields).outcome, Outcome::Done);
    EXPECT_EQ(names(), (std::vector<std::string>{"1:c", "2:b", "3:a"}));
    EXPECT_EQ(c.code, "00");
    EXPECT_EQ(a.code, "10");
    EXPECT_EQ(c.name_label.text, "c\n00");
    // A code typed under Binary is not the user's to change.
    fields = state_fields(a);
    fields.code = "11";
    EXPECT_EQ(edit_state(machine(), context, a, fields).outcome, Outcome::Unchanged);
}

TEST_F(StateEditsTest, UserDefinedCodesFollowTheDefaultVectorType) {
    State& a = add("a", {1024, 1024});
    machine().assignment = kAssignmentUserDefined;
    StateFields fields = state_fields(a);
    fields.code = "1-";
    EXPECT_EQ(edit_state(machine(), context, a, fields).outcome, Outcome::Refused);
    EXPECT_EQ(platform.last_status(), "Error    50: '1-' is not a legal value in this context");
    design.vhdl_vector_type = "std_logic_vector";
    EXPECT_EQ(edit_state(machine(), context, a, fields).outcome, Outcome::Done);
    EXPECT_EQ(a.code, "1-");
    fields.code = std::string(90, '1');
    EXPECT_EQ(edit_state(machine(), context, a, fields).outcome, Outcome::Done);
    EXPECT_EQ(a.code, std::string(80, '1'));
}

TEST_F(StateEditsTest, ImplicitMachinesAndRestKeepTheirNumbers) {
    State& a = add("a", {1024, 1024});
    add("b", {2048, 1024});
    machine().style = kStyleImplicit;
    StateFields fields = state_fields(a);
    fields.number = 2;
    EXPECT_EQ(edit_state(machine(), context, a, fields).outcome, Outcome::Unchanged);
    ASSERT_EQ(add_rest_state(machine(), context, {256, 256}), Outcome::Done);
    fields = state_fields(*machine().rest);
    fields.number = 1;
    fields.name = "idle";
    EXPECT_EQ(edit_state(machine(), context, *machine().rest, fields).outcome, Outcome::Done);
    EXPECT_EQ(machine().rest->number, 0);
    EXPECT_EQ(machine().rest->name, "idle");
}

TEST_F(StateEditsTest, CopyAsksForTheCopysNameAndKeepsTheActions) {
    State& a = add("a", {1024, 1024});
    Label& go = action("go", "go <= '1';");
    add_usage(go, a);
    machine().assignment = kAssignmentOneHot;
    assign_codes(machine());
    platform.queue_text("a");
    platform.queue_text("a2");
    State* copy = nullptr;
    EXPECT_EQ(copy_state(machine(), context, a, {1024, 0}, std::nullopt, &copy), Outcome::Done);
    EXPECT_EQ(shown(ui::Shown::Prompt),
              std::vector<std::string>(2, "Enter name for copy of state 'a':"));
    EXPECT_EQ(copy->box.x1, a.box.x1 + 1024);
    ASSERT_EQ(copy->action_usages.size(), 1u);
    EXPECT_EQ(copy->action_usages[0]->label, &go);
    EXPECT_EQ(copy->action_usages[0]->state, copy);
    EXPECT_EQ(go.use_count, 2);
    // The codes are recomputed for the new number of states.
    EXPECT_EQ(a.code, "01");
    EXPECT_EQ(copy->code, "10");
    ASSERT_EQ(add_rest_state(machine(), context, {256, 256}), Outcome::Done);
    EXPECT_EQ(copy_state(machine(), context, *machine().rest, {512, 0}, "r2"), Outcome::Refused);
    EXPECT_EQ(last_box(), "REST state already present.");
}

TEST_F(StateEditsTest, DeletingAStateTakesItsTransitionsAndClosesTheGap) {
    State& a = add("a", {1024, 1024});
    State& b = add("b", {2048, 1024});
    State& c = add("c", {3072, 1024});
    Label& go = condition("go", "go = '1'");
    Transition& ab = connect(a, b);
    use_label(ab.condition, &go);
    connect(b, c);
    connect(c, a);
    Transition& cc = connect(c, c);
    machine().assignment = kAssignmentGray;
    assign_codes(machine());
    delete_state(machine(), b);
    EXPECT_EQ(names(), (std::vector<std::string>{"1:a", "2:c"}));
    ASSERT_EQ(machine().transitions.size(), 2u);
    EXPECT_EQ(go.use_count, 0);
    // c keeps its transitions, renumbered from 0.
    EXPECT_EQ(machine().transitions[0]->priority, 0);
    EXPECT_EQ(cc.priority, 1);
    EXPECT_EQ(c.code, "1");
    EXPECT_EQ(c.name_label.text, "c\n1");
}

} // namespace
} // namespace zeph::machine_testing
