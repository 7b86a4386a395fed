// The state-diagram dialogs on real widgets: "Edit State", "Edit Transition", the usage of an
// action, the condition list and "State Machine Options", each compared with the shell's
// command on a twin session (listings and saved design files); refusals show the shell's text
// and keep the dialog open on the named field.
#include "twin_sessions.h"

#include "dialogs/command_dialogs.h"
#include "dialogs/labels_dialog.h"
#include "dialogs/object_dialogs.h"

#include "shell/machine_command_args.h"
#include "shell/session.h"
#include "shell/state_diagram_edits.h"
#include "statemachine/diagram_geometry.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using namespace zeph;
using namespace gui_test;
using shell_test::read_file;
using testing_support::ConsoleSession;

const std::vector<std::string> kLamp = {
    "save-as lamp.vdp",
    "add-component 640 640 u0 lamp state",
    "add-port in 640 704 clk",
    "add-port in 640 832 rst",
    "add-port in 640 960 button",
    "add-port out 1152 704 light",
    "edit-port 640 704 function=clock",
    "edit-port 640 832 function=reset",
    "diagram lamp a0",
    "add-state 1024 1024 off",
    "add-state 2560 1024 lit",
    "new-label condition reset vhdl=\"rst = '1'\" verilog=\"rst == 1\"",
    "new-label condition pressed vhdl=\"button = '1'\" verilog=\"button == 1\"",
    "new-label action light_on vhdl=\"light <= '1';\" verilog=\"light = 1;\"",
    "new-label action light_off vhdl=\"light <= '0';\" verilog=\"light = 0;\"",
    "add-transition 320 320 off",
    "edit-transition 0 asynchronous=yes condition=reset",
    "add-curve off lit",
    "edit-transition 1 condition=pressed",
    "add-curve lit off",
    "edit-transition 2 condition=pressed",
    "add-action state off light_off",
    "add-action state lit light_on",
};

class MachineDialogs : public TwinSessions {
  protected:
    MachineDialogs() : TwinSessions(kLamp) {}

    StateMachine& machine() { return *machine_commands::current_machine(gui.session()); }

    std::string listing(ConsoleSession& s) {
        s.take_output();
        EXPECT_TRUE(s.run("list-diagram"));
        return s.take_output();
    }

    std::string saved(ConsoleSession& s, const char* name) {
        EXPECT_TRUE(s.run("save")) << s.take_output();
        return read_file(root / (std::string(name) + "/lamp.vdp/design/design.vdf"));
    }

    static void confirm(LabelsDialog& d) {
        auto* box = d.findChild<QDialogButtonBox*>();
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
};

// A free text on the state diagram: "Edit Text" on a double-click at it, edit-text in the shell,
// each one undo step of the machine with the checks of a block diagram's text.
TEST_F(MachineDialogs, FreeTextsAreEditedByTheTextDialogAsInTheShell) {
    for (ConsoleSession* s : {&shell, &gui})
        ASSERT_TRUE(s->run("add-text 3840 2560 a note")) << s->take_output();
    ASSERT_TRUE(shell.run("edit-text 3840 2560 text=the_note scale=20"));
    when_form_shown([](FormDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Text");
        type(d, "S&tring:", "the_note");
        set_number(d, "&Scale:", 20);
        press_ok(d);
    });
    EXPECT_EQ(edit_object_at(nullptr, gui.session(), {3840, 2560}), DialogOutcome::Accepted);
    auto texts_of = [](ConsoleSession& s) -> const std::vector<LabelDisplay>& {
        return current_state_diagram(s.session())->sheet.texts;
    };
    const std::vector<LabelDisplay>& texts = texts_of(shell);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "the_note");
    EXPECT_EQ(texts[0].size, 20);
    EXPECT_EQ(texts_of(gui).at(0).text, "the_note");
    EXPECT_EQ(texts_of(gui).at(0).size, 20);
    for (ConsoleSession* s : {&shell, &gui}) {
        ASSERT_TRUE(s->run("undo")) << s->take_output();
        EXPECT_EQ(texts_of(*s).at(0).text, "a note");
    }
    EXPECT_EQ(saved(gui, "gui"), saved(shell, "shell"));

    const int background = shell.session().diagram_settings().colour(DiagramColour::Background);
    shell.take_output();
    EXPECT_FALSE(shell.run("edit-text 3840 2560 colour=" + std::to_string(background)));
    EXPECT_NE(shell.take_output().find("Specified color equals background."), std::string::npos);
    ASSERT_TRUE(shell.run("edit-text 3840 2560 text="));
    EXPECT_TRUE(texts.empty()) << "an emptied string deletes the text";
    EXPECT_FALSE(shell.run("edit-text 3840 2560 scale=4"));
}

TEST_F(MachineDialogs, DialogsChangeTheMachineAsTheShellCommandsDo) {
    // "Edit State" on a double-click inside the state.
    ASSERT_TRUE(shell.run("edit-state off name=idle"));
    when_form_shown([](FormDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit State");
        type(d, "&Name:", "idle");
        press_ok(d);
    });
    EXPECT_EQ(edit_object_at(nullptr, gui.session(), {1024, 1024}), DialogOutcome::Accepted);
    EXPECT_EQ(listing(gui), listing(shell));

    // "Edit Transition" on a point of the curve from idle to lit: no condition any more.
    ASSERT_TRUE(shell.run("edit-transition 1 condition="));
    const Point on_curve = machine().transitions[1]->points[kCurvePoints / 2];
    when_shown<LabelsDialog>([](LabelsDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Transition");
        ASSERT_NE(d.asynchronous(), nullptr);
        EXPECT_FALSE(d.asynchronous()->isChecked());
        EXPECT_EQ(d.list()->selectedItems().size(), 1);
        d.list()->clearSelection();
        confirm(d);
    });
    EXPECT_EQ(edit_object_at(nullptr, gui.session(), on_curve), DialogOutcome::Accepted);
    EXPECT_EQ(listing(gui), listing(shell));

    // The usage of an action, on a double-click at its label.
    ASSERT_TRUE(shell.run("change-action state lit light_on light_off"));
    State* lit = machine().states[1].get();
    const Point action = lit->action_usages.front()->display.anchor;
    when_shown<LabelsDialog>([](LabelsDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Usage of Action");
        EXPECT_TRUE(d.select_label("light_off"));
        confirm(d);
    });
    EXPECT_EQ(edit_object_at(nullptr, gui.session(), action), DialogOutcome::Accepted);
    EXPECT_EQ(listing(gui), listing(shell));

    // A new condition label from the Condition Labels list, its name asked by "&New".
    ASSERT_TRUE(shell.run("new-label condition idle vhdl=\"button = '0'\""));
    when_shown<LabelsDialog>([this](LabelsDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Condition Labels");
        gui.console().queue_answer("idle");
        QTest::mouseClick(d.button("&New"), Qt::LeftButton);
        QTest::keyClicks(d.text(), "button = '0'");
        confirm(d);
    });
    EXPECT_EQ(run_command_dialog(nullptr, gui.session(), CommandId::DiagramConditionLabels),
              DialogOutcome::Accepted);
    EXPECT_EQ(listing(gui), listing(shell));

    // "State Machine Options": Gray codes, falling edge.
    ASSERT_TRUE(shell.run("machine-options assignment=gray clock-edge=falling"));
    when_form_shown([](FormDialog& d) {
        EXPECT_EQ(d.windowTitle(), "State Machine Options");
        choose(d, "S&tate assignment:", "Gray");
        choose(d, "Clock", "Falling edge");
        press_ok(d);
    });
    EXPECT_EQ(run_command_dialog(nullptr, gui.session(), CommandId::DiagramOptions),
              DialogOutcome::Accepted);
    EXPECT_EQ(listing(gui), listing(shell));
    EXPECT_EQ(saved(gui, "gui"), saved(shell, "shell"));
}

TEST_F(MachineDialogs, RefusalsKeepTheDialogOpenOnTheirField) {
    const std::string before = listing(gui);
    // A state name used by another state.
    EXPECT_FALSE(shell.run("edit-state off name=lit"));
    std::string shell_text = shell.take_output();
    std::string dialog_text;
    when_form_shown([&](FormDialog& d) {
        type(d, "&Name:", "lit");
        gui.take_output();
        press_ok(d);
        dialog_text = gui.take_output();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), d.find_field("&Name:"));
        press_cancel(d);
    });
    EXPECT_EQ(edit_object_at(nullptr, gui.session(), {1024, 1024}), DialogOutcome::Cancelled);
    EXPECT_FALSE(dialog_text.empty());
    EXPECT_NE(shell_text.find(dialog_text), std::string::npos) << dialog_text << shell_text;

    // Clocked actions on transitions with actions in one process on states.
    EXPECT_FALSE(shell.run("machine-options transition-actions=clocked state-actions=combined"));
    shell_text = shell.take_output();
    when_form_shown([&](FormDialog& d) {
        choose(d, "&On transitions:", "Clocked");
        choose(d, "O&n states:", "Comb.(in 1 Process)");
        gui.take_output();
        press_ok(d);
        dialog_text = gui.take_output();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), d.find_field("&On transitions:"));
        press_cancel(d);
    });
    EXPECT_EQ(run_command_dialog(nullptr, gui.session(), CommandId::DiagramOptions),
              DialogOutcome::Cancelled);
    EXPECT_FALSE(dialog_text.empty());
    EXPECT_NE(shell_text.find(dialog_text), std::string::npos) << dialog_text << shell_text;

    // A second asynchronous transition.
    EXPECT_FALSE(shell.run("edit-transition 1 asynchronous=yes"));
    shell_text = shell.take_output();
    const Point on_curve = machine().transitions[1]->points[kCurvePoints / 2];
    when_shown<LabelsDialog>([&](LabelsDialog& d) {
        QTest::keyClick(d.asynchronous(), Qt::Key_Space);
        gui.take_output();
        confirm(d);
        dialog_text = gui.take_output();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), d.asynchronous());
    });
    EXPECT_EQ(edit_object_at(nullptr, gui.session(), on_curve), DialogOutcome::Cancelled);
    EXPECT_FALSE(dialog_text.empty());
    EXPECT_NE(shell_text.find(dialog_text), std::string::npos) << dialog_text << shell_text;

    EXPECT_EQ(listing(gui), before);
    EXPECT_EQ(edit_object_at(nullptr, gui.session(), {5000, 3000}), DialogOutcome::NoDialog);
    // Block-diagram dialogs have nothing to work on here.
    EXPECT_EQ(run_command_dialog(nullptr, gui.session(), CommandId::OptionsSheetDefaults),
              DialogOutcome::NoDialog);
}

} // namespace
