// Diagrams drawn with mouse events alone, compared with the same diagrams drawn by the shell
// scripts through the real zeph program: the saved design files must be the same byte for
// byte. The dialogs that the window opens on a double-click are played by the edit hook,
// which runs the dialog's operation on the object at the point it is given.
#include "mouse_session.h"

#include <gtest/gtest.h>

namespace {

using namespace zeph;
using mouse_test::MouseSession;
using shell_test::read_file;

// The datapath example with the mouse: components, ports, wires (vertical first with Shift),
// bus entries, tags and a text placed by clicks; names, types, ranges and indices given in
// the dialogs of a double-click.
void draw_datapath(MouseSession& m) {
    m.shell("save-as datapath.vdp");
    m.shell("setup signal-type std_logic vector-type std_logic_vector");
    m.shell("packages insert ieee.std_logic_1164 global");
    m.tool(CommandId::AddComponent, 0);
    m.answer("u0");
    m.click(640, 640);
    m.answer("no"); // renames the new entity
    m.dialog(700, 700, "edit-instance u0 entity=datapath");
    m.tool(CommandId::ToolLevel);
    m.click(700, 700);

    m.tool(CommandId::AddPort, 0);
    m.click(64, 1024);
    m.dialog(64, 1024,
             "edit-port {at} name=din type=std_logic_vector left=7 right=0 direction=downto");
    m.tool(CommandId::AddWire);
    m.click(128, 1024);
    m.click(1344, 1024);
    m.double_click(1344, 1024);
    m.dialog(1000, 1024, "edit-net {at} name=din_bus");

    m.tool(CommandId::AddComponent, 1);
    m.answer("u0");
    m.click(1280, 1280);
    m.answer("no");
    m.dialog(1400, 1400, "edit-instance u0 entity=add4");
    const std::string nibble = " type=std_logic_vector left=3 right=0 direction=downto";
    m.tool(CommandId::AddPort, 0);
    m.click(1280, 1344);
    m.dialog(1280, 1344, "edit-port {at} name=x" + nibble);
    m.click(1280, 1600);
    m.dialog(1280, 1600, "edit-port {at} name=y" + nibble);
    m.tool(CommandId::AddPort, 1);
    m.click(1792, 1344);
    m.dialog(1792, 1344, "edit-port {at} name=s" + nibble);

    m.tool(CommandId::AddBusEntry);
    m.click(512, 1024);
    m.dialog(544, 1056, "edit-entry {at} slice=yes left=3 right=0");
    m.click(896, 1024);
    m.dialog(928, 1056, "edit-entry {at} slice=yes left=7 right=4");
    m.click(1344, 1024);
    m.dialog(1376, 1056, "edit-entry {at} index=0");
    m.tool(CommandId::AddWire);
    m.click(960, 1088);
    m.click(1216, 1344, true); // ends on the port x
    m.dialog(1100, 1344, "edit-net {at} name=high");
    m.click(576, 1088);
    m.click(1216, 1600, true);
    m.dialog(1000, 1600, "edit-net {at} name=low");

    m.tool(CommandId::AddPort, 1);
    m.click(2560, 1088);
    m.dialog(2560, 1088, "edit-port {at} name=lsb");
    m.tool(CommandId::AddWire);
    m.click(1408, 1088);
    m.click(2496, 1088);
    m.dialog(2000, 1088, "edit-net {at} name=bit0 type=std_logic");
    m.tool(CommandId::AddPort, 1);
    m.click(2560, 1344);
    m.dialog(2560, 1344,
             "edit-port {at} name=sum type=std_logic_vector left=3 right=0 direction=downto");
    m.tool(CommandId::AddWire);
    m.click(1856, 1344);
    m.click(2496, 1344);

    m.tool(CommandId::AddPort, 0);
    m.click(64, 2048);
    m.dialog(64, 2048, "edit-port {at} name=mode");
    m.tool(CommandId::AddConnectLabel);
    m.click(128, 2048);
    m.tool(CommandId::AddPort, 1);
    m.click(2560, 2048);
    m.dialog(2560, 2048, "edit-port {at} name=mode_o");
    m.tool(CommandId::AddConnectLabel);
    m.click(2496, 2048);
    m.dialog(2496, 2048, "edit-tag {at} mode");
    m.tool(CommandId::AddText);
    m.answer("sum = din(7 downto 4) + din(3 downto 0), lsb = din(0), mode_o = mode");
    m.click(640, 2560);

    m.answer("yes");
    m.shell("hdl-file add4 a0 vhdl add4.vhd");
    m.answer("yes");
    m.shell("hdl-file add4 a0 verilog add4.v");
    m.shell("save");
}

TEST(MouseDrawing, TheDatapathExampleDrawnByMouseSavesTheFileTheShellScriptSaves) {
    MouseSession m;
    std::string script = read_file(std::string(ZEPH_SOURCE_DIR) + "/examples/datapath/draw.zeph");
    std::string shell_out = m.run_reference_script(script);

    draw_datapath(m);
    EXPECT_EQ(m.pending_answers(), 0u);
    EXPECT_EQ(m.beeps(), std::vector<std::string>{}) << "no refusals while drawing";
    std::string design = read_file(m.mouse_dir() + "/datapath.vdp/design/design.vdf");
    for (const char* name : {"din_bus", "add4", "mode_o", "bit0", "sum = din(7 downto 4)"})
        EXPECT_NE(design.find(name), std::string::npos) << name;
    for (const char* file : {"design/design.vdf", "design/config.cfg"})
        EXPECT_EQ(read_file(m.mouse_dir() + "/datapath.vdp/" + file),
                  read_file(m.shell_dir() + "/datapath.vdp/" + file))
            << file << "\n"
            << shell_out;
}

// The lamp of the README's state-diagram section (its "on" state is "lit": "on" is a reserved
// word of VHDL): states placed by clicks, the reset
// transition drawn from the free sheet onto a state, curved transitions by two clicks and by
// a drag, an action by the action tool; the labels and options from their menu dialogs.
const char* const kLampScript = R"(save-as lamp.vdp
add-component 640 640 u0 lamp state
add-port in 640 704 clk
add-port in 640 832 rst
add-port in 640 960 button
add-port out 1152 704 light
edit-port 640 704 function=clock
edit-port 640 832 function=reset
diagram lamp a0
add-state 1024 1024 off
add-state 2560 1024 lit
new-label condition reset vhdl="rst = '1'" verilog="rst == 1"
new-label condition pressed vhdl="button = '1'" verilog="button == 1"
new-label action light_on vhdl="light <= '1';" verilog="light = 1;"
new-label action light_off vhdl="light <= '0';" verilog="light = 0;"
add-transition 320 320 off
edit-transition 0 asynchronous=yes condition=reset
add-curve off lit
edit-transition 1 condition=pressed
add-curve lit off
edit-transition 2 condition=pressed
add-action state off light_off
add-action state lit light_on
machine-options assignment=binary
save
exit
)";

TEST(MouseDrawing, TheLampStateMachineDrawnByMouseSavesTheFileTheShellScriptSaves) {
    MouseSession m;
    std::string shell_out = m.run_reference_script(kLampScript);

    m.shell("save-as lamp.vdp");
    m.tool(CommandId::AddComponent, 2);
    m.answer("u0");
    m.click(640, 640);
    m.answer("no");
    m.dialog(900, 900, "edit-instance u0 entity=lamp");
    m.tool(CommandId::AddPort, 0);
    for (int y : {704, 832, 960})
        m.click(640, y);
    m.tool(CommandId::AddPort, 1);
    m.click(1152, 704);
    m.dialog(640, 704, "edit-port {at} name=clk function=clock");
    m.dialog(640, 832, "edit-port {at} name=rst function=reset");
    m.dialog(640, 960, "edit-port {at} name=button");
    m.dialog(1152, 704, "edit-port {at} name=light");
    m.tool(CommandId::ToolLevel);
    m.click(900, 900);

    m.tool(CommandId::AddState);
    m.answer("off");
    m.click(1024, 1024);
    m.answer("lit");
    m.click(2560, 1024);
    for (const char* label :
         {"new-label condition reset vhdl=\"rst = '1'\" verilog=\"rst == 1\"",
          "new-label condition pressed vhdl=\"button = '1'\" verilog=\"button == 1\"",
          "new-label action light_on vhdl=\"light <= '1';\" verilog=\"light = 1;\"",
          "new-label action light_off vhdl=\"light <= '0';\" verilog=\"light = 0;\""})
        m.shell(label);
    m.tool(CommandId::AddTransition, 0);
    m.click(320, 320);
    m.click(1100, 1000); // inside the state "off": ends the transition there
    m.dialog(320, 320, "edit-transition 0 asynchronous=yes condition=reset");
    m.tool(CommandId::AddTransition, 1);
    m.click(1000, 1050);
    m.click(2600, 1000);
    m.dialog(1800, 900, "edit-transition 1 condition=pressed");
    m.drag_from_to({2500, 1100}, {1024, 1024});
    m.dialog(1800, 1100, "edit-transition 2 condition=pressed");
    m.tool(CommandId::AddAction);
    m.action(1024, 1024, "add-action {target} light_off");
    m.action(2560, 1024, "add-action {target} light_on");
    m.shell("machine-options assignment=binary");
    m.shell("save");

    EXPECT_EQ(m.pending_answers(), 0u);
    EXPECT_EQ(m.beeps(), std::vector<std::string>{});
    std::string design = read_file(m.mouse_dir() + "/lamp.vdp/design/design.vdf");
    for (const char* name : {"lit", "light_on", "button = '1'", "Fsm:"})
        EXPECT_NE(design.find(name), std::string::npos) << name;
    EXPECT_EQ(design, read_file(m.shell_dir() + "/lamp.vdp/design/design.vdf")) << shell_out;
}

} // namespace
