// What the generator writes is real HDL: an entity declaration followed by an HDL-file
// architecture whose user part is a counter (refreshed once, so that the system lines are the
// generator's), an HDL-file process inside a hand-written architecture, and a configuration
// declaration, analysed and elaborated by GHDL as VHDL 87 and VHDL 93; the Verilog module of
// the same HDL-file path and an always block compiled by Icarus Verilog.
#include "text_test_support.h"

#include "hdl/architecture_text.h"
#include "hdl/configuration_text.h"
#include "hdl/file_header.h"
#include "hdl/hdl_file_inclusion.h"
#include "hdl/hdl_file_place.h"
#include "hdl/meta_comment.h"
#include "hdl/process_heading.h"
#include "hdl/skeleton.h"
#include "hdl/verilog_module.h"
#include "hdl/vhdl_entity.h"

#include <sstream>

namespace {

using namespace hdl_text_test;

const char* const kCounterVhdl = R"(  SIGNAL count : Integer RANGE 0 TO 255 := 0 ;
BEGIN
  counting : PROCESS (clk, rst)
  BEGIN
    IF rst = '1' THEN
      count <= 0 ;
    ELSIF clk'EVENT AND clk = '1' THEN
      IF count = 255 THEN count <= 0 ; ELSE count <= count + 1 ; END IF ;
    END IF ;
  END PROCESS counting ;
  output : PROCESS (count)
    VARIABLE v : Integer ;
  BEGIN
    v := count ;
    FOR i IN 0 TO width - 1 LOOP
      IF v MOD 2 = 1 THEN q(i) <= '1' ; ELSE q(i) <= '0' ; END IF ;
      v := v / 2 ;
    END LOOP ;
  END PROCESS output ;
)";

const char* const kToggleVhdl = R"(    VARIABLE bit0 : Bit := '0' ;
  BEGIN
    IF rst = '1' THEN
      bit0 := '0' ;
    ELSIF clk'EVENT AND clk = '1' THEN
      bit0 := NOT bit0 ;
    END IF ;
    q <= "0000000" & bit0 ;
)";

const char* const kCounterVerilog = R"(  always @(posedge clk or posedge rst)
    if (rst) q <= 0 ; else q <= q + 1 ;
)";

const char* const kToggleVerilog = "    if (rst) q <= 0 ; else q <= q + 1 ;\n";

class HdlCompileTest : public TextTest {
  protected:
    void SetUp() override {
        TextTest::SetUp();
        counter = &add_entity_named(design, "counter");
        add_generic(*counter, "width", 4, "8", 0, "bits of the count");
        add_port(*counter, "clk", kModeIn).special_function = kFunctionClock;
        add_port(*counter, "rst", kModeIn).special_function = kFunctionReset;
        Port& q = add_port(*counter, "q", kModeOut, make_range("7", "0"));
        q.register_flag = true;
        q.comment = "the count";
        rtl = &add_hdl_arch(*counter, "rtl");
        structure = &add_arch(*counter, kArchitectureBlockDiagram, "structure");
        ctrl = &add_hdl_process(*structure, "ctrl");
        add_process_port(*ctrl, "clk", kModeIn, 2);
        add_process_port(*ctrl, "rst", kModeIn, 2);
        add_process_port(*ctrl, "q", kModeOut, 0).range = make_range("7", "0");
    }

    std::filesystem::path path_of(Architecture& a, Process* p) {
        const HdlFile& file = p ? *p->hdl_file : *a.hdl_file;
        return hdl_file_path(context().place, *counter, a, file, design.target_language);
    }

    // The user's file: meta comment, start line, the user's text, end line, all rewritten by
    // one refresh.
    void write_user_file(Architecture& a, Process* p, const std::string& start,
                         const std::string& user, const std::string& end) {
        std::ostringstream meta;
        write_meta_comment(meta, context(), *counter, a, p);
        write_file(path_of(a, p), meta.str() + "\n" + start + user + end);
        HdlFile& file = p ? *p->hdl_file : *a.hdl_file;
        file.skeleton_current = 0;
        ASSERT_TRUE(ensure_skeleton(context(), path_of(a, p), *counter, nullptr, a, p))
            << read_file(path_of(a, p));
    }

    std::string vhdl_netlist() {
        return text_of([&](std::ostream& out) {
            write_file_header(out, context());
            write_entity_declaration(out, context(), *counter);
            write_architecture_heading(out, context(), *counter, *rtl, true);
            write_architecture(out, context(), *counter, *rtl);
            out << "\nARCHITECTURE structure OF counter IS\nBEGIN\n";
            write_hdl_file_text(out, context(), *counter, *structure, ctrl);
            out << "END structure ;\n";
            write_configuration(out, context(), *counter, *rtl, nullptr);
        });
    }

    Entity* counter = nullptr;
    Architecture* rtl = nullptr;
    Architecture* structure = nullptr;
    Process* ctrl = nullptr;
};

TEST_F(HdlCompileTest, GhdlAnalysesAndElaboratesTheVhdlInBothStandards) {
    if (!tool_available("ghdl"))
        GTEST_SKIP() << "ghdl is not installed (scripts/install-deps.sh installs it)";
    for (bool vhdl93 : {false, true}) {
        design.vhdl93 = vhdl93;
        design.keyword_case = vhdl93 ? 2 : 1;
        write_user_file(*rtl, nullptr, "architecture rtl of counter is\n", kCounterVhdl,
                        "end rtl;\n");
        write_user_file(*structure, ctrl, "ctrl: process (clk) -- ZEPH/VHDL sens.list\n",
                        kToggleVhdl, "end process ctrl;\n");
        std::string netlist = vhdl_netlist();
        std::filesystem::path dir = project.path() / (vhdl93 ? "vhdl93" : "vhdl87");
        write_file(dir / "counter.vhd", netlist);
        std::string standard = vhdl93 ? "--std=93" : "--std=87";
        EXPECT_TRUE(tool_succeeds({"ghdl", "-a", standard, "counter.vhd"}, dir)) << netlist;
        EXPECT_TRUE(tool_succeeds({"ghdl", "-e", standard, "counter_rtl"}, dir));
        EXPECT_TRUE(tool_succeeds({"ghdl", "-e", standard, "counter", "structure"}, dir));
    }
}

TEST_F(HdlCompileTest, IcarusCompilesTheVerilogModuleAndAlwaysBlock) {
    if (!tool_available("iverilog"))
        GTEST_SKIP() << "iverilog is not installed (scripts/install-deps.sh installs it)";
    use_language(2);
    write_user_file(*rtl, nullptr, "", kCounterVerilog, "");
    write_user_file(*structure, ctrl, "  always @(clk)\n  begin : ctrl // ZEPH/Verilog sens.list\n",
                    kToggleVerilog, "  end // ctrl\n");
    std::string netlist = text_of([&](std::ostream& out) {
        write_file_header(out, context());
        write_module(out, context(), *counter, *rtl);
        out << "module toggle (clk, rst, q) ;\n  input clk ;\n  input rst ;\n"
               "  output [7:0] q ;\n  reg [7:0] q ;\n";
        write_hdl_file_text(out, context(), *counter, *structure, ctrl);
        out << "endmodule\n";
    });
    EXPECT_NE(netlist.find("  always @(posedge clk or posedge rst) \n  begin : ctrl"),
              std::string::npos);
    write_file(project.path() / "counter.v", netlist);
    EXPECT_TRUE(tool_succeeds({"iverilog", "-o", "counter.vvp", "counter.v"}, project.path()))
        << netlist;
}

} // namespace
