// The undo history of state diagrams: every edit undoes back to the byte-identical design
// text, a refused or abandoned edit leaves nothing behind, the depth limit, histories of
// freed machines, and the included texts that undo leaves alone.
#include "machine_test_support.h"

#include "statemachine/label_list_dialog.h"
#include "statemachine/machine_history.h"
#include "statemachine/machine_options.h"

#include <functional>
#include <stdexcept>

namespace zeph::machine_testing {
namespace {

class MachineHistoryTest : public MachineTest {
  protected:
    Outcome edited(const std::function<Outcome()>& operation, int max_depth = 50) {
        MachineEdit edit(histories, machine(), "edit", max_depth);
        return edit.finish(operation());
    }
    // Runs the edit, remembering the text before it.
    void step(const std::function<Outcome()>& operation) {
        std::string before = design_text();
        ASSERT_EQ(edited(operation), Outcome::Done) << "edit " << texts.size();
        ASSERT_NE(design_text(), before) << "edit " << texts.size();
        texts.push_back(before);
    }
    State& named(const char* name) { return *find_state(machine(), name, context.rules()); }
    Transition& transition(std::size_t i) { return *machine().transitions[i]; }

    MachineHistories histories;
    std::vector<std::string> texts;
};

TEST_F(MachineHistoryTest, EveryEditUndoesBackToTheDesignTextBeforeIt) {
    platform.queue(ui::Answer::Yes); // "This label is still in use. Delete all uses?"
    step([&] { return add_state(machine(), context, {1024, 1024}, std::string("red")); });
    step([&] { return add_state(machine(), context, {2560, 1024}, std::string("green")); });
    step([&] { return add_state(machine(), context, {1792, 2304}, std::string("yellow")); });
    step([&] { return add_rest_state(machine(), context, {3584, 2304}); });
    step([&] {
        return add_curved_transition(machine(), context, box_centre(named("red").box),
                                     box_centre(named("green").box));
    });
    step([&] {
        return add_transition(machine(), context, {{256, 256}, box_centre(named("red").box)});
    });
    step([&] {
        LabelListDialog dialog(machine(), context, LabelDialogPurpose::ConditionLabels);
        dialog.press_new(std::string("rst"));
        dialog.set_text("rst = '1'");
        return dialog.confirm().outcome;
    });
    step([&] {
        LabelListDialog dialog(machine(), context, LabelDialogPurpose::EditTransition,
                               {nullptr, &transition(1), nullptr});
        dialog.select(dialog.find("rst"));
        dialog.asynchronous = true;
        return dialog.confirm().outcome;
    });
    step([&] {
        LabelListDialog dialog(machine(), context, LabelDialogPurpose::ActionLabels);
        dialog.press_new(std::string("lamp"));
        dialog.set_text("lamp <= '1';");
        return dialog.confirm().outcome;
    });
    step([&] {
        LabelListDialog dialog(machine(), context, LabelDialogPurpose::AddUsage,
                               {&named("green"), nullptr, nullptr});
        dialog.select(dialog.find("lamp"));
        return dialog.confirm().outcome;
    });
    step([&] {
        MachineOptionsFields options = machine_options_fields(machine());
        options.assignment = kAssignmentGray;
        return apply_machine_options(machine(), context, options).outcome;
    });
    step([&] { return edit_state(machine(), context, named("yellow"), {"amber", 1, ""}).outcome; });
    step([&] { return move_transition_point(machine(), context, transition(0), 25, {1800, 600}); });
    step([&] {
        LabelListDialog dialog(machine(), context, LabelDialogPurpose::ActionLabels);
        dialog.select(dialog.find("lamp"));
        dialog.press_delete();
        return dialog.confirm().outcome;
    });
    step([&] {
        delete_state(machine(), named("red"));
        return Outcome::Done;
    });
    ASSERT_EQ(histories.depth(machine()), texts.size());

    for (std::size_t i = texts.size(); i-- > 0;) {
        ASSERT_TRUE(histories.undo(machine())) << "undo " << i;
        EXPECT_EQ(design_text(), texts[i]) << "undo " << i;
    }
    EXPECT_FALSE(histories.undo(machine()));
    EXPECT_EQ(histories.depth(machine()), 0u);
}

TEST_F(MachineHistoryTest, RefusedAbandonedAndUnchangedEditsLeaveNothingBehind) {
    add("red", {1024, 1024});
    std::string before = design_text();
    // A refusal after a partial change: the state added first goes again.
    EXPECT_EQ(edited([&] {
                  add_state(machine(), context, {2560, 1024}, std::string("green"));
                  return Outcome::Refused;
              }),
              Outcome::Refused);
    EXPECT_EQ(design_text(), before);
    // An edit abandoned by an exception (an unanswered question of a script).
    EXPECT_THROW(
        {
            MachineEdit edit(histories, machine(), "edit", 50);
            add_state(machine(), context, {2560, 1024}, std::string("green"));
            throw std::runtime_error("question not answered");
        },
        std::runtime_error);
    EXPECT_EQ(design_text(), before);
    // The model's own refusal: a second REST state after the first.
    ASSERT_EQ(edited([&] {
                  return add_rest_state(machine(), context, {3584, 2304});
              }),
              Outcome::Done);
    before = design_text();
    EXPECT_EQ(edited([&] {
                  return add_rest_state(machine(), context, {3584, 3584});
              }),
              Outcome::Refused);
    EXPECT_EQ(last_box(), "REST state already present.");
    EXPECT_EQ(design_text(), before);
    EXPECT_EQ(histories.depth(machine()), 1u);
}

TEST_F(MachineHistoryTest, DepthIsLimitedAndHistoriesOfFreedMachinesGo) {
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(edited(
                      [&] {
                          return add_state(machine(), context, {1024 + 640 * i, 1024},
                                           "s" + std::to_string(i + 1));
                      },
                      2),
                  Outcome::Done);
    EXPECT_EQ(histories.depth(machine()), 2u);
    EXPECT_EQ(histories.newest(machine()), "edit");
    // A depth below 1 keeps one step.
    ASSERT_EQ(edited(
                  [&] {
                      return add_state(machine(), context, {1024, 2048}, std::string("t"));
                  },
                  0),
              Outcome::Done);
    EXPECT_EQ(histories.depth(machine()), 1u);
    histories.retain([&](const StateMachine* m) { return m != &machine(); });
    EXPECT_EQ(histories.depth(machine()), 0u);
    EXPECT_EQ(histories.newest(machine()), "");
}

TEST_F(MachineHistoryTest, UndoLeavesTheIncludedTextsAsTheyAreNow) {
    ASSERT_EQ(edited([&] {
                  return add_state(machine(), context, {1024, 1024}, std::string("one"));
              }),
              Outcome::Done);
    machine().process_comment = "written after the edit";
    machine().process_declarations = "signal t : integer;";
    ASSERT_TRUE(histories.undo(machine()));
    EXPECT_TRUE(machine().states.empty());
    EXPECT_EQ(machine().process_comment, "written after the edit");
    EXPECT_EQ(machine().process_declarations, "signal t : integer;");
}

} // namespace
} // namespace zeph::machine_testing
