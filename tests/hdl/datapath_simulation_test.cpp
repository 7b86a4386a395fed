// The generated datapath behaves: our own self-checking testbenches drive x and compare y, z,
// p and w with what the wiring must give, simulated by GHDL (ghdl -r) and Icarus (vvp).
#include "generation_test_support.h"

#include "ui/child_process.h"

namespace {

using namespace hdl_text_test;

const char* const kVhdlBench = R"vhdl(ENTITY tb IS END tb ;
ARCHITECTURE check OF tb IS
  SIGNAL x, y : Bit_Vector(7 DOWNTO 0) ;
  SIGNAL z, p, q : Bit ;
  SIGNAL w : Bit_Vector(3 DOWNTO 0) ;
  SIGNAL io : Bit_Vector(1 DOWNTO 0) ;
BEGIN
  -- The generated configuration binds every component below the datapath.
  dut : CONFIGURATION work.datapath_structure PORT MAP (x, y, z, p, w, io, q) ;
  stimulus : PROCESS
    TYPE vectors IS ARRAY (Natural RANGE <>) OF Bit_Vector(7 DOWNTO 0) ;
    CONSTANT tests : vectors := (X"00", X"A5", X"3C", X"FF", X"12", X"C3") ;
  BEGIN
    FOR i IN tests'RANGE LOOP
      x <= tests(i) ;
      WAIT FOR 10 ns ;
      ASSERT y = tests(i) REPORT "y differs from x" SEVERITY FAILURE ;
      ASSERT z = tests(i)(0) REPORT "z differs from x(0)" SEVERITY FAILURE ;
      ASSERT p = NOT tests(i)(1) REPORT "p differs from NOT x(1)" SEVERITY FAILURE ;
      ASSERT w = NOT tests(i)(3 DOWNTO 0) REPORT "w differs" SEVERITY FAILURE ;
    END LOOP ;
    REPORT "datapath passed" ;
    WAIT ;
  END PROCESS ;
END check ;
)vhdl";

const char* const kVerilogBench = R"v(module tb ;
  reg [7:0] x ;
  wire [7:0] y ;
  wire z, p, q ;
  wire [3:0] w ;
  wire [1:0] io ;
  integer i, errors ;
  reg [7:0] v ;
  datapath dut (.x(x), .y(y), .z(z), .p(p), .w(w), .io(io), .q(q)) ;
  initial begin
    errors = 0 ;
    for (i = 0 ; i < 6 ; i = i + 1) begin
      v = i * 8'h35 + 8'h0f ;
      x = v ;
      #10 ;
      if (y !== v) begin errors = errors + 1 ; $display("y %h for x %h", y, v) ; end
      if (z !== v[0]) begin errors = errors + 1 ; $display("z %b for x %h", z, v) ; end
      if (p !== ~v[1]) begin errors = errors + 1 ; $display("p %b for x %h", p, v) ; end
      if (w !== ~v[3:0]) begin errors = errors + 1 ; $display("w %h for x %h", w, v) ; end
    end
    if (errors == 0) $display("datapath passed") ; else $display("datapath failed") ;
    $finish ;
  end
endmodule
)v";

class DatapathSimulation : public GenerationTest {};

TEST_F(DatapathSimulation, GhdlRunsTheVhdlAgainstTheTestbench) {
    if (!tool_available("ghdl")) GTEST_SKIP() << "ghdl is not installed";
    design.vhdl93 = true;
    ASSERT_TRUE(write_datapath_files(context(), d));
    run_and_gather(request(4 | 8 | 32, 0));
    ASSERT_EQ(last.outcome, RunOutcome::Done);
    write_file(output_directory() / "tb.vhd", kVhdlBench);
    const std::filesystem::path& dir = output_directory();
    ASSERT_TRUE(tool_succeeds({"ghdl", "-a", "--std=93", "datapath.vhd", "tb.vhd"}, dir));
    ASSERT_TRUE(tool_succeeds({"ghdl", "-e", "--std=93", "tb"}, dir));
    ui::ChildResult run = ui::run_child_process({{"ghdl", "-r", "--std=93", "tb"}, dir.string()});
    EXPECT_EQ(run.exit_code, 0) << run.output;
    EXPECT_NE(run.output.find("datapath passed"), std::string::npos) << run.output;
}

TEST_F(DatapathSimulation, IcarusRunsTheVerilogAgainstTheTestbench) {
    if (!tool_available("iverilog")) GTEST_SKIP() << "iverilog is not installed";
    use_language(2);
    ASSERT_TRUE(write_datapath_files(context(), d));
    run_and_gather(request(4 | 8, 0));
    ASSERT_EQ(last.outcome, RunOutcome::Done);
    const std::filesystem::path& dir = output_directory();
    write_file(dir / "tb.v", kVerilogBench);
    ASSERT_TRUE(tool_succeeds({"iverilog", "-o", "tb.vvp", "datapath.v", "tb.v"}, dir));
    ui::ChildResult run = ui::run_child_process({{"vvp", "tb.vvp"}, dir.string()});
    EXPECT_EQ(run.exit_code, 0) << run.output;
    EXPECT_NE(run.output.find("datapath passed"), std::string::npos) << run.output;
}

} // namespace
