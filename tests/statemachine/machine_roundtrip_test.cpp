// A machine drawn with the editing operations is saved, read back and saved again byte for
// byte; a deep copy writes the same text as its original, shares nothing with it, and put
// back in place after further edits restores the saved text.
#include "machine_test_support.h"

#include "golden_files.h"

#include "design/block_diagram.h"
#include "statemachine/label_list_dialog.h"
#include "statemachine/machine_copy.h"
#include "statemachine/machine_options.h"

namespace zeph::machine_testing {
namespace {

class MachineRoundTripTest : public MachineTest {
  protected:
    // A traffic light: three states and REST, a reset transition, a global transition, a
    // condition without a name, actions on states and transitions.
    void draw() {
        State& red = add("red", {1024, 1024});
        State& green = add("green", {2560, 1024});
        State& yellow = add("yellow", {1792, 2304});
        ASSERT_EQ(add_rest_state(machine(), context, {3584, 2304}), Outcome::Done);
        MachineOptionsFields options = machine_options_fields(machine());
        options.assignment = kAssignmentGray;
        options.identifier_suffix = "_tl";
        ASSERT_EQ(apply_machine_options(machine(), context, options).outcome, Outcome::Done);

        Label& go = condition("go", "timer = 0", "timer == 0");
        condition("", "emergency = '1'", "emergency");
        Label& rst = condition("rst", "reset = '1'", "reset == 1");
        Label& lamp = action("lamp", "lamp <= '1';", 0);
        action("", "count <= 0;", kDefaultOnTransitions);
        Transition& rg = connect(red, green);
        Transition& gy = connect(green, yellow);
        connect(yellow, red);
        Transition* drawn = nullptr;
        ASSERT_EQ(
            add_transition(machine(), context, {{1024, 1024}, {512, 2304}, {1792, 2304}}, &drawn),
            Outcome::Done);
        Transition& reset = global_to(red, {256, 256});
        Transition& emergency = global_to(red, {256, 1792});
        ASSERT_EQ(edit_transition(machine(), context, reset, {&rst, true, 0}).outcome,
                  Outcome::Done);
        ASSERT_EQ(edit_transition(machine(), context, rg, {&go, false, rg.priority}).outcome,
                  Outcome::Done);
        ASSERT_EQ(edit_transition(machine(), context, emergency,
                                  {machine().condition_labels[1].get(), false, 0})
                      .outcome,
                  Outcome::Done);
        add_usage(lamp, green);
        add_usage(lamp, gy);
        architecture->sheet.texts.push_back(
            styled_label(settings.conditions, {512, 3072}, kAlignPlain));
        architecture->sheet.texts.back().text = "traffic light";
    }
};

TEST_F(MachineRoundTripTest, SavedReadAndSavedAgainByteForByte) {
    draw();
    std::string saved = design_text();
    EXPECT_TRUE(testing_support::matches_golden_file("statemachine/traffic_light.vdf", saved));
    Design reread;
    ASSERT_EQ(read_design_text(saved, reread), 0);
    EXPECT_EQ(design_file_text(reread), saved);
    const StateMachine& m = *reread.root->architectures[0]->state_machine;
    EXPECT_TRUE(m.rest_present());
    ASSERT_NE(m.reset_transition, nullptr);
    EXPECT_EQ(m.reset_transition->to->name, "red");
    EXPECT_EQ(m.condition_labels[1]->name, "");
    EXPECT_EQ(m.action_labels[0]->use_count, 2);
    EXPECT_EQ(m.states[2]->code, "11");
}

TEST_F(MachineRoundTripTest, ACopyWritesTheSameTextAndSharesNothing) {
    draw();
    std::string saved = design_text();
    std::unique_ptr<StateMachine> copy = copy_machine(machine());
    std::unique_ptr<StateMachine> original = std::move(architecture->state_machine);
    architecture->state_machine = std::move(copy);
    EXPECT_EQ(design_text(), saved);
    const StateMachine& c = machine();
    for (const auto& t : c.transitions) {
        EXPECT_TRUE(t->from == nullptr || t->from == c.rest.get() ||
                    std::any_of(c.states.begin(), c.states.end(),
                                [&](const auto& s) { return s.get() == t->from; }));
        EXPECT_TRUE(t->condition.label == nullptr ||
                    std::any_of(c.condition_labels.begin(), c.condition_labels.end(),
                                [&](const auto& l) { return l.get() == t->condition.label; }));
        EXPECT_EQ(t->condition.transition, t.get());
    }
    EXPECT_EQ(c.reset_transition->priority, kResetPriority);
    EXPECT_NE(c.reset_transition, original->reset_transition);
    // Editing the copy leaves the original alone.
    delete_state(machine(), *machine().states[0]);
    architecture->state_machine = std::move(original);
    EXPECT_EQ(design_text(), saved);
}

TEST_F(MachineRoundTripTest, ACopyTakenBeforeEditsRestoresTheFile) {
    draw();
    std::string saved = design_text();
    std::unique_ptr<StateMachine> before = copy_machine(machine());
    platform.queue_text("amber");
    ASSERT_EQ(copy_state(machine(), context, *machine().states[2], {0, 1024}), Outcome::Done);
    LabelListDialog dialog(machine(), context, LabelDialogPurpose::ActionLabels);
    ASSERT_EQ(dialog.select(0), Outcome::Done);
    platform.queue(ui::Answer::Yes);
    ASSERT_EQ(dialog.press_delete(), Outcome::Done);
    ASSERT_EQ(dialog.confirm().outcome, Outcome::Done);
    remove_transition(machine(), *machine().transitions[0]);
    ASSERT_NE(design_text(), saved);
    architecture->state_machine = std::move(before);
    EXPECT_EQ(design_text(), saved);
}

TEST_F(MachineRoundTripTest, ProcessMachinesRoundTripToo) {
    Entity& top = *design.root;
    Architecture& block =
        add_architecture(top, new_architecture(kArchitectureBlockDiagram, "struct", &top));
    Process& process =
        add_process(*block.block_diagram, block, new_process("ctl", kProcessStateDiagram));
    process.box = {512, 512, 1536, 1536};
    process.name_label = styled_label({16, 3, 15}, {1024, 448}, kAlignCentred);
    process.name_label.text = "ctl";
    StateMachine& m = *process.state_machine;
    State* s1 = nullptr;
    State* s2 = nullptr;
    ASSERT_EQ(add_state(m, context, {1024, 1024}, std::string("s1"), &s1), Outcome::Done);
    ASSERT_EQ(add_state(m, context, {2048, 1024}, std::string("s2"), &s2), Outcome::Done);
    ASSERT_EQ(add_curved_transition(m, context, box_centre(s1->box), box_centre(s2->box)),
              Outcome::Done);
    std::string saved = design_text();
    Design reread;
    ASSERT_EQ(read_design_text(saved, reread), 0);
    EXPECT_EQ(design_file_text(reread), saved);
}

} // namespace
} // namespace zeph::machine_testing
