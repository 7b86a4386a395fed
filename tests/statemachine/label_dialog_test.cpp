// The labels dialog: naming labels, texts without labels, deleting with its questions,
// defaults, usages on states and transitions, line wrapping, and "Edit Transition".
#include "machine_test_support.h"

#include "statemachine/label_list_dialog.h"

namespace zeph::machine_testing {
namespace {

class LabelDialogTest : public MachineTest {
  protected:
    LabelDialogTest() {
        a = &add("a", {1024, 1024});
        b = &add("b", {2048, 1024});
    }
    State* a = nullptr;
    State* b = nullptr;
};

TEST_F(LabelDialogTest, NewLabelsAndTheirNames) {
    action("go", "go <= '1';");
    LabelListDialog dialog(machine(), context, LabelDialogPurpose::ActionLabels);
    platform.queue_text("go"); // in the list already
    platform.queue_text("stop");
    EXPECT_EQ(dialog.press_new(), Outcome::Done);
    EXPECT_EQ(shown(ui::Shown::Prompt), std::vector<std::string>(2, "Enter label name:"));
    EXPECT_EQ(platform.last_status(), "Error    48: Duplicate label name");
    EXPECT_EQ(dialog.set_text("go <= '0';"), Outcome::Done);
    // Texts per language: the view switches which one is edited.
    dialog.view(true);
    EXPECT_EQ(dialog.set_text("go = 0;"), Outcome::Done);
    // Renaming keeps the entry; names are cut to 16 characters.
    EXPECT_EQ(dialog.press_edit(std::string("a_very_long_label_name")), Outcome::Done);
    EXPECT_EQ(machine().action_labels.size(), 1u); // nothing stored before OK
    EXPECT_EQ(dialog.confirm().outcome, Outcome::Done);
    ASSERT_EQ(machine().action_labels.size(), 2u);
    const Label& stop = *machine().action_labels[1];
    EXPECT_EQ(stop.name, "a_very_long_labe");
    EXPECT_EQ(stop.vhdl_text, "go <= '0';");
    EXPECT_EQ(stop.verilog_text, "go = 0;");
    EXPECT_EQ(stop.number, 2);
}

TEST_F(LabelDialogTest, ATextWithoutALabel) {
    LabelListDialog dialog(machine(), context, LabelDialogPurpose::ConditionLabels);
    platform.queue(ui::Answer::Yes);
    EXPECT_EQ(dialog.set_text("start = '1'"), Outcome::Cancelled);
    EXPECT_TRUE(dialog.entries().empty());
    platform.queue(ui::Answer::No);
    EXPECT_EQ(dialog.set_text("start = '1'"), Outcome::Done);
    EXPECT_EQ(shown(ui::Shown::Question),
              std::vector<std::string>(2, "No label defined for current text. Delete text?"));
    // "&New" may give the nameless text its name.
    platform.queue_text("start");
    platform.queue(ui::Answer::Yes);
    EXPECT_EQ(dialog.press_new(), Outcome::Done);
    EXPECT_EQ(shown(ui::Shown::Question).back(), "Add this name to existing text?");
    ASSERT_EQ(dialog.entries().size(), 1u);
    EXPECT_EQ(dialog.entries()[0].name, "start");
    // A nameless label is kept as such when the answer is No.
    platform.queue(ui::Answer::No);
    ASSERT_EQ(dialog.select(std::nullopt), Outcome::Done);
    EXPECT_EQ(dialog.set_text("stop = '1'"), Outcome::Done);
    platform.queue_text("stop");
    platform.queue(ui::Answer::No);
    EXPECT_EQ(dialog.press_new(), Outcome::Done);
    EXPECT_EQ(dialog.entries().size(), 3u);
    EXPECT_EQ(dialog.confirm().outcome, Outcome::Done);
    EXPECT_EQ(machine().condition_labels[1]->name, "");
    EXPECT_EQ(machine().condition_labels[1]->vhdl_text, "stop = '1'");
}

TEST_F(LabelDialogTest, DeletingAUsedDefaultActionAsksTwiceAndNoKeepsEverything) {
    machine().style = kStyleExplicit;
    Label& go = action("go", "go <= '1';", kDefaultOnStates);
    add_usage(go, *a);
    Transition& ab = connect(*a, *b);
    add_usage(go, ab);
    std::string before = design_text();
    {
        LabelListDialog dialog(machine(), context, LabelDialogPurpose::ActionLabels);
        ASSERT_EQ(dialog.select(0), Outcome::Done);
        platform.queue(ui::Answer::Yes);
        platform.queue(ui::Answer::No);
        EXPECT_EQ(dialog.press_delete(), Outcome::Cancelled);
        EXPECT_EQ(shown(ui::Shown::Question),
                  (std::vector<std::string>{"This label is still in use.\nDelete all uses?",
                                            "This label is default on states.\nDelete?"}));
        EXPECT_EQ(dialog.confirm().outcome, Outcome::Unchanged);
    }
    EXPECT_EQ(design_text(), before);
    EXPECT_EQ(go.use_count, 2);

    // Yes to both: on OK the label goes with every use.
    LabelListDialog dialog(machine(), context, LabelDialogPurpose::ActionLabels);
    ASSERT_EQ(dialog.select(0), Outcome::Done);
    platform.queue(ui::Answer::Yes);
    platform.queue(ui::Answer::Yes);
    EXPECT_EQ(dialog.press_delete(), Outcome::Done);
    EXPECT_EQ(machine().action_labels.size(), 1u); // until OK
    EXPECT_EQ(dialog.confirm().outcome, Outcome::Done);
    EXPECT_TRUE(machine().action_labels.empty());
    EXPECT_TRUE(a->action_usages.empty());
    EXPECT_TRUE(ab.action_usages.empty());
}

TEST_F(LabelDialogTest, DeletingAConditionEmptiesItsTransitions) {
    Label& go = condition("go", "go = '1'");
    Transition& ab = connect(*a, *b);
    ASSERT_EQ(edit_transition(machine(), context, ab, {&go, false, 0}).outcome, Outcome::Done);
    LabelListDialog dialog(machine(), context, LabelDialogPurpose::ConditionLabels);
    ASSERT_EQ(dialog.select(0), Outcome::Done);
    platform.queue(ui::Answer::Yes);
    EXPECT_EQ(dialog.press_delete(), Outcome::Done);
    EXPECT_EQ(dialog.confirm().outcome, Outcome::Done);
    EXPECT_EQ(ab.condition.label, nullptr);
    EXPECT_TRUE(machine().condition_labels.empty());
}

TEST_F(LabelDialogTest, UsagesOfActionsOnStatesAndTransitions) {
    Label& go = action("go", "go <= '1';");
    action("all", "done <= '0';", kDefaultOnTransitions);
    Transition& ab = connect(*a, *b);
    LabelListDialog on_state(machine(), context, LabelDialogPurpose::AddUsage, {a});
    EXPECT_EQ(on_state.select(1), Outcome::Refused);
    EXPECT_EQ(last_box(), "Selected label is default on transitions.");
    ASSERT_EQ(on_state.select(0), Outcome::Done);
    EXPECT_EQ(on_state.confirm().outcome, Outcome::Done);
    ASSERT_EQ(a->action_usages.size(), 1u);
    EXPECT_EQ(a->action_usages[0]->label, &go);
    EXPECT_EQ(a->action_usages[0]->state, a);
    EXPECT_EQ(a->action_usages[0]->display.text, "go");
    EXPECT_EQ(go.use_count, 1);

    LabelListDialog again(machine(), context, LabelDialogPurpose::AddUsage, {a});
    ASSERT_EQ(again.select(0), Outcome::Done);
    EXPECT_EQ(again.confirm().outcome, Outcome::Refused);
    EXPECT_EQ(last_box(), "Action already used by this state.");

    LabelListDialog on_transition(machine(), context, LabelDialogPurpose::AddUsage, {nullptr, &ab});
    ASSERT_EQ(on_transition.select(0), Outcome::Done);
    EXPECT_EQ(on_transition.confirm().outcome, Outcome::Done);
    LabelListDialog twice(machine(), context, LabelDialogPurpose::AddUsage, {nullptr, &ab});
    ASSERT_EQ(twice.select(0), Outcome::Done);
    EXPECT_EQ(twice.confirm().outcome, Outcome::Refused);
    EXPECT_EQ(last_box(), "Action already used by this transition.");

    // "Edit Usage of Action": a new label made in the dialog takes the usage over.
    LabelListDialog edit(machine(), context, LabelDialogPurpose::EditUsage,
                         {a, nullptr, a->action_usages[0].get()});
    EXPECT_EQ(edit.selected(), std::optional<std::size_t>(0));
    platform.queue_text("halt");
    ASSERT_EQ(edit.press_new(), Outcome::Done);
    EXPECT_EQ(edit.set_text("go <= '0';"), Outcome::Done);
    EXPECT_EQ(edit.confirm().outcome, Outcome::Done);
    EXPECT_EQ(a->action_usages[0]->label->name, "halt");
    EXPECT_EQ(go.use_count, 1);
    EXPECT_EQ(machine().action_labels[2]->use_count, 1);
}

TEST_F(LabelDialogTest, LongLinesAreWrappedOnce) {
    LabelListDialog dialog(machine(), context, LabelDialogPurpose::ActionLabels);
    platform.queue_text("long");
    ASSERT_EQ(dialog.press_new(), Outcome::Done);
    std::string text = std::string(600, 'a') + "\nshort\n" + std::string(300, 'b');
    EXPECT_EQ(dialog.set_text(text), Outcome::Done);
    EXPECT_EQ(shown(ui::Shown::Box), std::vector<std::string>{"zeph|Line(s) wrapped."});
    EXPECT_EQ(dialog.entries()[0].vhdl_text,
              std::string(256, 'a') + "\n" + std::string(256, 'a') + "\n" + std::string(88, 'a') +
                  "\nshort\n" + std::string(256, 'b') + "\n" + std::string(44, 'b'));
    // A character of several bytes is never split.
    std::string wide = std::string(255, 'c') + "\xc3\xa9" + "d";
    platform.clear_transcript();
    EXPECT_EQ(dialog.set_text(wide), Outcome::Done);
    EXPECT_EQ(dialog.entries()[0].vhdl_text, std::string(255, 'c') + "\n\xc3\xa9" + "d");
}

TEST_F(LabelDialogTest, EditTransitionSetsConditionResetAndPriority) {
    Transition& reset = global_to(*a, {256, 256});
    Transition& g = global_to(*b, {2048, 256});
    LabelListDialog dialog(machine(), context, LabelDialogPurpose::EditTransition,
                           {nullptr, &reset});
    EXPECT_FALSE(dialog.asynchronous);
    EXPECT_EQ(dialog.priority, 0);
    platform.queue_text("rst");
    ASSERT_EQ(dialog.press_new(), Outcome::Done);
    EXPECT_EQ(dialog.set_text("rst = 0 + 1"), Outcome::Done);
    dialog.asynchronous = true;
    auto refused = dialog.confirm();
    EXPECT_EQ(refused.outcome, Outcome::Refused);
    EXPECT_EQ(refused.field, LabelDialogField::Condition);
    EXPECT_EQ(last_box(), "Illegal Reset condition.");
    EXPECT_TRUE(machine().condition_labels.empty()); // nothing stored by a refused OK
    EXPECT_EQ(dialog.set_text("rst = 0"), Outcome::Done);
    EXPECT_EQ(dialog.confirm().outcome, Outcome::Done);
    ASSERT_EQ(machine().condition_labels.size(), 1u);
    EXPECT_EQ(machine().condition_labels[0]->vhdl_text, "rst=0");
    EXPECT_EQ(reset.condition.label, machine().condition_labels[0].get());
    EXPECT_EQ(machine().reset_transition, &reset);
    EXPECT_EQ(g.priority, 0);
}

} // namespace
} // namespace zeph::machine_testing
