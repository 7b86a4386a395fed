// The Edit Port dialog in the order of its checks, its effect on every placement of the port,
// the process port form, and the Edit Process dialog.
#include "diagram_test_support.h"

#include "blockdiagram/diagram_add.h"
#include "blockdiagram/port_dialog.h"
#include "blockdiagram/process_dialog.h"

namespace zeph::diagram_testing {
namespace {

class PortDialogTest : public DiagramTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(add_port(editor, {256, 512}, kModeIn, std::string("clk")), Outcome::Done);
        ASSERT_EQ(add_port(editor, {256, 768}, kModeIn, std::string("d")), Outcome::Done);
        top().ports[0]->special_function = kFunctionClock;
        port.type = DiagramObjectType::DiagramPort;
        port.index = 1;
    }
    // Applies one change to the fields of port d and returns the refusal shown, if any.
    std::string refusal_for(void (*change)(PortFields&)) {
        PortFields fields = port_fields(*top().ports[1]);
        change(fields);
        platform.clear_transcript();
        std::string before = design_text();
        DialogResult<PortField> result = edit_port(editor, port, fields);
        if (result.outcome != Outcome::Refused) return "accepted";
        EXPECT_EQ(design_text(), before);
        return platform.last_refusal();
    }
    DiagramObject port;
};

TEST_F(PortDialogTest, EachCheckShowsItsMessageAndChangesNothing) {
    EXPECT_EQ(refusal_for([](PortFields& f) { f.name = "9d"; }),
              "Error    45: '9d' is not a legal VHDL identifier");
    EXPECT_EQ(refusal_for([](PortFields& f) { f.name = "CLK"; }),
              "Error    48: Duplicate diagram port name");
    EXPECT_EQ(refusal_for([](PortFields& f) { f.type_name = "entity"; }),
              "Error    40: 'entity' is a VHDL reserved word");
    EXPECT_EQ(refusal_for([](PortFields& f) { f.left = "7"; }),
              "Neither or both ranges must specified.");
    EXPECT_EQ(refusal_for([](PortFields& f) {
                  f.left = "7";
                  f.right = "0x";
              }),
              "Error    50: '0x' is not a legal value in this context");
    EXPECT_EQ(refusal_for([](PortFields& f) { f.special_function = kFunctionClock; }),
              "Clock port already present.");
    EXPECT_EQ(refusal_for([](PortFields& f) {
                  f.type_name = "integer";
                  f.default_value = "x";
              }),
              "Error    50: 'x' is not a legal value in this context");
    EXPECT_EQ(refusal_for([](PortFields& f) { f.special_function = kFunctionStateRegister; }),
              "No state regster flag allowed on input mode ports.");
    EXPECT_EQ(refusal_for([](PortFields& f) {
                  f.mode = kModeOut;
                  f.special_function = kFunctionReset;
              }),
              "No clock or reset flag allowed on output ports.");
}

TEST_F(PortDialogTest, TheFirstFailingCheckInTheDialogsOrderIsTheOneShown) {
    // A bad name wins over a bad range, a bad range over a duplicate special function.
    EXPECT_EQ(refusal_for([](PortFields& f) {
                  f.name = "a b";
                  f.left = "1";
                  f.special_function = kFunctionClock;
              }),
              "Error    45: 'a b' is not a legal VHDL identifier");
    EXPECT_EQ(refusal_for([](PortFields& f) {
                  f.left = "1";
                  f.special_function = kFunctionClock;
              }),
              "Neither or both ranges must specified.");
    // With type checks off, a reserved word passes as a type.
    settings.disable_type_checks = true;
    EXPECT_EQ(refusal_for([](PortFields& f) { f.type_name = "entity"; }), "accepted");
}

TEST_F(PortDialogTest, AChangeReachesEveryPlacementAndComponent) {
    Architecture& other = second_architecture();
    Component& instance =
        add_component(*other.block_diagram, other, &top(), architecture, new_component());
    instance.port_instances[1].label.options = 7;
    other.port_placements[1].name_label.options = 7;
    PortFields fields = port_fields(*top().ports[1]);
    fields.name = "data";
    fields.type_name = "BIT_VECTOR";
    fields.left = " ( 7 )";
    fields.right = "0";
    DialogResult<PortField> result = edit_port(editor, port, fields);
    ASSERT_EQ(result.outcome, Outcome::Done);
    const Port& data = *top().ports[1];
    EXPECT_EQ(data.type_name, "Bit_Vector");
    EXPECT_EQ(data.range.left, "7");
    EXPECT_TRUE(data.range.has_range);
    EXPECT_EQ(architecture->port_placements[1].name_label.text, "data(7:0)");
    EXPECT_EQ(other.port_placements[1].name_label.text, "data(7:0)");
    EXPECT_EQ(instance.port_instances[1].label.text, "data(7:0)");
    // Nothing changed: nothing happens, no undo step.
    std::size_t steps = editor.undo_depth();
    EXPECT_EQ(edit_port(editor, port, port_fields(data)).outcome, Outcome::Unchanged);
    EXPECT_EQ(editor.undo_depth(), steps);
}

TEST_F(PortDialogTest, ProcessPortsFollowTheSameFunctionAndModeRules) {
    ASSERT_EQ(add_process(editor, {2000, 2000}, kProcessStateDiagram), Outcome::Done);
    Process& process = *diagram().processes[0];
    ASSERT_EQ(add_port(editor, {2000, 2100}, kModeIn), Outcome::Done);
    ASSERT_EQ(add_port(editor, {2000, 2300}, kModeIn), Outcome::Done);
    ProcessPortFields first = process_port_fields(*process.ports[0]);
    first.special_function = kFunctionReset;
    ASSERT_EQ(edit_process_port(editor, process, 0, first).outcome, Outcome::Done);
    ProcessPortFields second = process_port_fields(*process.ports[1]);
    second.special_function = kFunctionReset;
    EXPECT_EQ(edit_process_port(editor, process, 1, second).outcome, Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Reset port already present.");
    second.special_function = kFunctionStateRegister;
    EXPECT_EQ(edit_process_port(editor, process, 1, second).outcome, Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "No state regster flag allowed on input mode ports.");
    second.mode = kModeOut;
    second.comment = "state";
    EXPECT_EQ(edit_process_port(editor, process, 1, second).outcome, Outcome::Done);
    EXPECT_EQ(process.ports[1]->special_function, kFunctionStateRegister);
}

TEST_F(PortDialogTest, EditProcessNamesAndContents) {
    ASSERT_EQ(add_process(editor, {2000, 2000}, kProcessHdlFile), Outcome::Done);
    ASSERT_EQ(add_process(editor, {3000, 2000}, kProcessHdlFile), Outcome::Done);
    Process& process = *diagram().processes[0];
    EXPECT_TRUE(process_fields(process).sensitivity_list);
    ProcessFields fields = process_fields(process);
    fields.name = "PR1";
    EXPECT_EQ(edit_process(editor, process, fields).outcome, Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Error    48: Duplicate process name");
    fields.name = "ctrl";
    fields.sensitivity_list = false;
    ASSERT_EQ(edit_process(editor, process, fields).outcome, Outcome::Done);
    EXPECT_EQ(process.name_label.text, "ctrl(V)");
    EXPECT_EQ(process.reserved & kSensitivityListActivated, 0);

    // An empty process changes its contents without a question; a filled one asks.
    fields.kind = kProcessStateDiagram;
    ASSERT_EQ(edit_process(editor, process, fields).outcome, Outcome::Done);
    EXPECT_TRUE(platform.shown(ui::Shown::Question).empty());
    EXPECT_NE(process.state_machine, nullptr);
    EXPECT_EQ(process.hdl_file, nullptr);
    process.state_machine->states.push_back(std::make_unique<State>());
    fields.kind = kProcessHdlFile;
    platform.answer_no();
    EXPECT_EQ(edit_process(editor, process, fields).outcome, Outcome::Cancelled);
    EXPECT_EQ(platform.shown(ui::Shown::Question),
              std::vector<std::string>{"Process not empty, are you sure?"});
    EXPECT_EQ(process.kind, kProcessStateDiagram);
    platform.answer_yes();
    ASSERT_EQ(edit_process(editor, process, fields).outcome, Outcome::Done);
    EXPECT_EQ(process.kind, kProcessHdlFile);
    EXPECT_NE(process.hdl_file, nullptr);
    EXPECT_EQ(process.state_machine, nullptr);
    // Undo brings the old machine back, the same record.
    ASSERT_EQ(editor.undo(), Outcome::Done);
    EXPECT_EQ(diagram().processes[0].get(), &process);
    ASSERT_NE(process.state_machine, nullptr);
    EXPECT_EQ(process.state_machine->states.size(), 1u);
}

} // namespace
} // namespace zeph::diagram_testing
