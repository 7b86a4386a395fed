// The menu dialogs on real widgets: Sheet Defaults, Design Setup, Label Options and Generate,
// each compared with the shell's command on a twin session (listings, setups, saved design
// files and generated HDL); their refusals show the shell's text and keep the dialog open.
#include "twin_sessions.h"

#include "blockdiagram/view_highlight.h"
#include "dialogs/command_dialogs.h"
#include "shell/drawing_options.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using namespace zeph;
using namespace gui_test;
using shell_test::read_file;
using testing_support::ConsoleSession;

const std::vector<std::string> kLeaf = {
    "save-as leafy.vdp",
    "add-component 640 640 u0 leaf block",
    "diagram leaf",
    "add-port in 64 128 a",
    "add-port out 6000 128 z",
    "wire 128 128 5936 128",
};

class CommandDialogs : public TwinSessions {
  protected:
    CommandDialogs() : TwinSessions(kLeaf) {}

    std::string shown(ConsoleSession& s, const std::string& command) {
        s.take_output();
        EXPECT_TRUE(s.run(command)) << command;
        return s.take_output();
    }

    std::string in(const char* side, const char* file) {
        return read_file(root / (std::string(side) + "/leafy.vdp/" + file));
    }

    // The refusal of the dialog, with the text it showed; the shell's command must show it too.
    void expect_refusal(const char* command, CommandId id, const char* focused,
                        const std::function<void(FormDialog&)>& fill) {
        SCOPED_TRACE(command);
        EXPECT_FALSE(shell.run(command));
        const std::string shell_text = shell.take_output();
        std::string dialog_text;
        EXPECT_EQ(dialog(id,
                         [&](FormDialog& d) {
                             fill(d);
                             gui.take_output();
                             press_ok(d);
                             dialog_text = gui.take_output();
                             EXPECT_TRUE(d.isVisible());
                             if (focused != nullptr) {
                                 EXPECT_EQ(d.focusWidget(), d.find_field(focused));
                             }
                             press_cancel(d);
                         }),
                  DialogOutcome::Cancelled);
        EXPECT_FALSE(dialog_text.empty());
        EXPECT_NE(shell_text.find(dialog_text), std::string::npos)
            << "dialog: " << dialog_text << "shell: " << shell_text;
    }
};

TEST_F(CommandDialogs, OptionDialogsChangeTheDesignAsTheShellCommandsDo) {
    ASSERT_TRUE(shell.run("sheet-defaults size=3 grid=no factor=2"));
    EXPECT_EQ(dialog(CommandId::OptionsSheetDefaults,
                     [](FormDialog& d) {
                         EXPECT_EQ(d.windowTitle(), "Sheet Defaults");
                         set_number(d, "Grid Factor:", 2);
                         toggle(d, "&Display grid");
                         auto* sizes = field<QComboBox>(d, " Sheet size: ");
                         ASSERT_NE(sizes, nullptr);
                         ASSERT_EQ(sizes->count(), 8);
                         sizes->setCurrentIndex(2);
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);
    EXPECT_EQ(shown(gui, "list-diagram"), shown(shell, "list-diagram"));

    ASSERT_TRUE(shell.run("label-options Components size=20 apply=yes"));
    EXPECT_EQ(dialog(CommandId::OptionsLabelOptions,
                     [](FormDialog& d) {
                         choose(d, "&Object:", "Components");
                         set_number(d, "&Size:", 20);
                         toggle(d, "A&pply to diagram");
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);

    ASSERT_TRUE(shell.run("setup designer Ada keyword-case uppercase vhdl93 yes"));
    EXPECT_EQ(dialog(CommandId::DesignSetup,
                     [](FormDialog& d) {
                         EXPECT_EQ(d.windowTitle(), "Design Setup");
                         type(d, "&Designer:", "Ada");
                         choose(d, "&Keywords:", "Uppercase");
                         toggle(d, "Generate VHDL93 &compliant code");
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);
    EXPECT_EQ(shown(gui, "setup"), shown(shell, "setup"));
    ASSERT_TRUE(gui.run("save"));
    ASSERT_TRUE(shell.run("save"));
    EXPECT_EQ(in("gui", "design/design.vdf"), in("shell", "design/design.vdf"));
}

TEST_F(CommandDialogs, RefusalsShowTheShellsTextAndChangeNothing) {
    const std::string setup_before = shown(gui, "setup");
    expect_refusal("setup signal-type 9bad", CommandId::DesignSetup, nullptr,
                   [](FormDialog& d) { type(d, "&Signal type:", "9bad"); });
    EXPECT_EQ(shown(gui, "setup"), setup_before);
    expect_refusal("label-options Components size=30", CommandId::OptionsLabelOptions, nullptr,
                   [](FormDialog& d) {
                       choose(d, "&Object:", "Components");
                       set_number(d, "&Size:", 30);
                   });
    // Generation waits for a verification of the entire design.
    EXPECT_EQ(run_command_dialog(nullptr, gui.session(), CommandId::DesignGenerate),
              DialogOutcome::NoDialog);
    ASSERT_TRUE(gui.run("verify-design"));
    ASSERT_TRUE(shell.run("verify-design"));
    expect_refusal("generate root=leaf library=9lib", CommandId::DesignGenerate,
                   "&Working library:", [](FormDialog& d) {
                       choose(d, "Root entity:", "leaf");
                       type(d, "&Working library:", "9lib");
                   });
}

TEST_F(CommandDialogs, PackagesDialogEditsTheDesignListAsTheShellDoes) {
    ASSERT_TRUE(shell.run("packages insert ieee.numeric_std")) << shell.take_output();
    auto press = [](FormDialog& d, const char* label) {
        for (QPushButton* button : d.findChildren<QPushButton*>())
            if (button->text() == label) QTest::mouseClick(button, Qt::LeftButton);
    };
    EXPECT_EQ(dialog(CommandId::DesignPackages,
                     [&](FormDialog& d) {
                         EXPECT_EQ(d.windowTitle(), "Design Libraries and Packages");
                         type(d, "&Library:", "ieee");
                         type(d, "&Package:", "numeric_std");
                         press(d, "&Insert");
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);
    EXPECT_EQ(shown(gui, "packages list"), shown(shell, "packages list"));

    // A refused entry: the shell's text, the dialog stays, the list stays.
    EXPECT_FALSE(shell.run("packages insert 9lib.pkg"));
    const std::string shell_text = shell.take_output();
    std::string dialog_text;
    EXPECT_EQ(dialog(CommandId::DesignPackages,
                     [&](FormDialog& d) {
                         type(d, "&Library:", "9lib");
                         type(d, "&Package:", "pkg");
                         gui.take_output();
                         press(d, "&Insert");
                         dialog_text = gui.take_output();
                         EXPECT_TRUE(d.isVisible());
                         press_cancel(d);
                     }),
              DialogOutcome::Cancelled);
    EXPECT_FALSE(dialog_text.empty());
    EXPECT_NE(shell_text.find(dialog_text), std::string::npos) << dialog_text << shell_text;
    EXPECT_EQ(shown(gui, "packages list"), shown(shell, "packages list"));
}

TEST_F(CommandDialogs, GenerateWritesWhatTheShellsGenerateWrites) {
    ASSERT_TRUE(gui.run("verify-design"));
    ASSERT_TRUE(shell.run("verify-design"));
    ASSERT_TRUE(shell.run("generate root=leaf split=1 overwrite")) << shell.take_output();
    EXPECT_EQ(dialog(CommandId::DesignGenerate,
                     [](FormDialog& d) {
                         EXPECT_EQ(d.windowTitle(), "Generate Vhdl");
                         choose(d, "Root entity:", "leaf");
                         choose(d, " File organization: ", "Entities with Architectures");
                         toggle(d, "Overwrite output file without asking to replace");
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);
    const std::string generated = in("gui", "output/leaf.vhd");
    EXPECT_NE(generated.find("entity leaf is"), std::string::npos) << generated;
    EXPECT_EQ(generated, in("shell", "output/leaf.vhd"));
}

TEST_F(CommandDialogs, HighlightNetFindsWhatTheShellFindsAndRefusesWithItsText) {
    expect_refusal("highlight-net nosuch", CommandId::DiagramHighlightNet, nullptr,
                   [](FormDialog& d) { type(d, "&Net name or number:", "nosuch"); });
    EXPECT_FALSE(highlighted_net(gui.session().editor().diagram()).has_value());

    ASSERT_TRUE(shell.run("highlight-net Net_0"));
    EXPECT_EQ(dialog(CommandId::DiagramHighlightNet,
                     [](FormDialog& d) {
                         type(d, "&Net name or number:", "Net_0");
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);
    DiagramEditor& editor = gui.session().editor();
    EXPECT_EQ(highlighted_net(editor.diagram()), 0u);
    EXPECT_EQ(editor.view().area, shell.session().editor().view().area);

    // The highlight lasts until the selection or the diagram changes, in the shell as well.
    for (ConsoleSession* s : {&shell, &gui}) {
        ASSERT_TRUE(s->run("select-none"));
        EXPECT_FALSE(highlighted_net(s->session().editor().diagram()).has_value());
        ASSERT_TRUE(s->run("highlight-net Net_0"));
        ASSERT_TRUE(s->run("add-text 3000 2000 note"));
        EXPECT_FALSE(highlighted_net(s->session().editor().diagram()).has_value());
        // Leaving the diagram ends it too: coming back shows no highlight.
        BlockDiagram& leaf = s->session().editor().diagram();
        ASSERT_TRUE(s->run("highlight-net Net_0"));
        ASSERT_TRUE(s->run("up"));
        EXPECT_FALSE(highlighted_net(leaf).has_value());
    }
}

TEST_F(CommandDialogs, ColoursDialogSetsTheBlockStructureAndStateDiagramLists) {
    Session& session = gui.session();
    const Settings::Colours before = session.settings().colours;
    EXPECT_EQ(dialog(CommandId::OptionsColors,
                     [](FormDialog& d) {
                         EXPECT_EQ(d.windowTitle(), "Colors");
                         set_number(d, "Wires", 12);
                         set_number(d, "Component", 6); // the capitalised kind word
                         set_number(d, "Highlight", 9);
                         set_number(d, "Transitions", 13);
                         set_number(d, "StateBackground", 7);
                         press_ok(d);
                     }),
              DialogOutcome::Accepted);
    EXPECT_EQ(session.diagram_settings().colour(DiagramColour::Wires), 12);
    const Settings::Colours& c = session.settings().colours;
    EXPECT_EQ(c.component_leaves, 6);
    EXPECT_EQ(c.highlight_leaf, 9);
    EXPECT_EQ(c.transitions, 13);
    EXPECT_EQ(c.state_background, 7);
    EXPECT_EQ(c.states, before.states);
    // State diagrams are drawn in the new colours.
    DrawingOptions options = session_drawing_options(session);
    EXPECT_EQ(options.state_colours.transitions, 13);
    EXPECT_EQ(options.state_colours.state_background, 7);

    // Cancel keeps every list as it was.
    const Settings::Colours accepted = c;
    EXPECT_EQ(dialog(CommandId::OptionsColors,
                     [](FormDialog& d) {
                         set_number(d, "Actions", 2);
                         set_number(d, "Current", 2);
                         press_cancel(d);
                     }),
              DialogOutcome::Cancelled);
    EXPECT_EQ(session.settings().colours, accepted);
}

} // namespace
