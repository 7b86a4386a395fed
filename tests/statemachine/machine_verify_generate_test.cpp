// The road from a drawn machine to its HDL with the real zeph program: a clean explicit
// machine passes verification without error 60, so the generate command is enabled and
// writes its text, which GHDL and Icarus Verilog accept; an implicit machine is verified and
// written as a WAIT-statement process in VHDL, and as a module with a notice in Verilog.
#include "machine_verify_support.h"

#include "ui/child_process.h"

namespace zeph::machine_verify_testing {
namespace {

class MachineGenerateTest : public MachineVerifyTest {
  protected:
    // A blinker: two states that alternate, an active-low reset and an output per state.
    void draw_blinker(bool implicit = false) {
        std::vector<std::string> ports = {"in clk clock", "in nrst reset", "out y"};
        // An implicit machine exports no state register.
        if (!implicit) ports.push_back("out q state-register");
        ASSERT_NO_FATAL_FAILURE(draw_blocks(machine_entity(0, "blink", ports, true)));
        for (auto& e : design.entities)
            if (e->name == "blink")
                for (auto& port : e->ports)
                    if (port->name == "y") port->register_flag = true;
        MachineDrawing m = draw("blink");
        if (implicit)
            m.options(kStyleImplicit, kAssignmentNone);
        else
            m.options(kStyleExplicit, kAssignmentBinary);
        State& off = m.state("dark");
        State& on = m.state("lit");
        m.connect(off, on);
        m.connect(on, off);
        m.use(m.action("dark", "y <= '0' ;", 0, "y = 1'b0 ;"), off);
        m.use(m.action("light", "y <= '1' ;", 0, "y = 1'b1 ;"), on);
        m.reset(off, m.condition("reset", "nrst='0'", "nrst==0"));
        m.finish();
        save_design();
    }

    std::string output_of(const std::string& commands) {
        shell_test::ZephResult r = zeph({"fsm"}, commands + "exit\n");
        return r.out + r.err;
    }

    bool accepted_by(const std::vector<std::string>& argv) {
        ui::ChildResult result = ui::run_child_process({argv, (dir / "fsm.vdp/output")});
        EXPECT_EQ(result.exit_code, 0) << result.output;
        return result.started && result.exit_code == 0;
    }
};

TEST_F(MachineGenerateTest, ExplicitMachineIsVerifiedAndWritten) {
    ASSERT_NO_FATAL_FAILURE(draw_blinker());
    std::string out = output_of("verify-design\ngenerate overwrite\n");
    EXPECT_EQ(out.find("Error    60"), std::string::npos) << out;
    EXPECT_NE(out.find("0 errors"), std::string::npos) << out;
    std::string vhdl = shell_test::read_file(dir / "fsm.vdp/output/blink.vhd");
    EXPECT_NE(vhdl.find("  constant dark : Bit := '0' ;"), std::string::npos) << out;
    EXPECT_NE(vhdl.find("  q <= cur_state ;"), std::string::npos);
    if (!accepted_by({"ghdl", "-a", "blink.vhd"})) return;
    accepted_by({"ghdl", "-e", "blink"});
}

TEST_F(MachineGenerateTest, VerilogOfTheSameMachineCompiles) {
    ASSERT_NO_FATAL_FAILURE(draw_blinker());
    std::string out =
        output_of("setup language verilog rules verilog\nverify-design\ngenerate overwrite\n");
    std::string verilog = shell_test::read_file(dir / "fsm.vdp/output/blink.v");
    ASSERT_NE(verilog.find("  always @ (posedge clk or negedge nrst) \n"), std::string::npos)
        << out;
    // An active-low reset is tested inverted in the always block.
    EXPECT_NE(verilog.find("    if (!nrst)\n"), std::string::npos) << verilog;
    accepted_by({"iverilog", "-o", "blink.vvp", "blink.v"});
}

TEST_F(MachineGenerateTest, ImplicitMachineIsVerifiedAndWrittenAsAWaitProcess) {
    ASSERT_NO_FATAL_FAILURE(draw_blinker(true));
    std::string out = output_of("verify-design\ngenerate overwrite\n");
    EXPECT_NE(out.find("0 errors"), std::string::npos) << out;
    std::string vhdl = shell_test::read_file(dir / "fsm.vdp/output/blink.vhd");
    EXPECT_NE(vhdl.find("    wait until (nrst='0') ;\n\n    resetloop : loop\n"), std::string::npos)
        << out << vhdl;
    EXPECT_NE(vhdl.find("      y <= '1' ;\n      wait until (clk'event and (clk = '1')) or "
                        "(nrst='0') ;  -- lit\n"),
              std::string::npos)
        << vhdl;
    if (!accepted_by({"ghdl", "-a", "blink.vhd"})) return;
    accepted_by({"ghdl", "-e", "blink"});

    // Verilog has no such process: the module holds the notice and still compiles.
    out = output_of("setup language verilog rules verilog\nverify-design\ngenerate overwrite\n");
    std::string verilog = shell_test::read_file(dir / "fsm.vdp/output/blink.v");
    EXPECT_NE(verilog.find("\n// Implicit State Diagrams not implemented in Verilog.\n"),
              std::string::npos)
        << out << verilog;
    accepted_by({"iverilog", "-o", "blink.vvp", "blink.v"});
}

} // namespace
} // namespace zeph::machine_verify_testing
