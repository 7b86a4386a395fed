// New state names, conditions, actions and priorities take the label settings of the
// settings file: text sizes, the state names' option word, and the object's or the
// foreground colour; a machine drawn in the session shows them.
#include "console_session.h"
#include "test_files.h"

#include "design/architecture.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "shell/machine_settings.h"

#include <gtest/gtest.h>

namespace {

using namespace zeph;
using shell_test::ScratchDir;
using shell_test::write_file;
using testing_support::ConsoleSession;

class MachineSettingsTest : public ::testing::Test {
  protected:
    ScratchDir root;
};

TEST_F(MachineSettingsTest, DefaultsGiveTheDocumentedStyles) {
    write_file(root / "zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n");
    ConsoleSession s{root.path(), root / "zeph.ini"};
    StateDiagramSettings settings = state_diagram_settings(s.session());
    EXPECT_EQ(settings, StateDiagramSettings{}); // every label in the foreground colour 15
}

TEST_F(MachineSettingsTest, LabelSettingsReachNewLabelsOfADrawnMachine) {
    write_file(root / "zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n"
                                  "[TextSize]\nStates=14\nConditions=18\nActions=20\n"
                                  "Priorities=8\n"
                                  "[LabelFormats]\nStates=1\n"
                                  "[LabelColours]\nStates=yes\nConditions=yes\nActions=no\n"
                                  "Priorities=yes\n"
                                  "[ColoursRef]\nStates=4\nTransitions=2\nActions=6\n"
                                  "Foreground=9\n"
                                  "[StateDiagrams]\nArrowLength=6\nThickStateBorder=no\n");
    ConsoleSession s{root.path(), root / "zeph.ini"};
    StateDiagramSettings settings = state_diagram_settings(s.session());
    EXPECT_EQ(settings.state_names, (LabelStyle{14, 1, 4}));
    EXPECT_EQ(settings.conditions, (LabelStyle{18, 1, 2}));
    EXPECT_EQ(settings.actions, (LabelStyle{20, 1, 9}));
    EXPECT_EQ(settings.priorities, (LabelStyle{8, 1, 2}));
    EXPECT_EQ(settings.arrow_length, 48);
    EXPECT_FALSE(settings.thick_state_border);

    s.session().start_untitled();
    ASSERT_TRUE(s.run({"add-component 640 640 u0 light state", "diagram light a0",
                       "add-state 1024 1024 one", "add-state 2560 1024 two",
                       "new-label condition go vhdl=\"go = '1'\"",
                       "new-label action lamp vhdl=\"lamp <= '1';\"", "add-curve one two",
                       "edit-transition 0 condition=go", "add-action state two lamp"}))
        << s.take_output();
    const StateMachine& m =
        *find_entity(*s.session().design(), "light")->architectures.front()->state_machine;
    const LabelDisplay& name = m.states[0]->name_label;
    EXPECT_EQ(name.size, 14);
    EXPECT_EQ(name.colour, 4);
    EXPECT_EQ(name.options, 1u);
    const LabelDisplay& condition = m.transitions[0]->condition.display;
    EXPECT_EQ(condition.size, 18);
    EXPECT_EQ(condition.colour, 2);
    const LabelDisplay& action = m.states[1]->action_usages[0]->display;
    EXPECT_EQ(action.size, 20);
    EXPECT_EQ(action.colour, 9);
}

} // namespace
