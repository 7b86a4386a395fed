// Verification report: headings, counts, status bits, suppression, summary and message texts.
#include "design/design.h"
#include "design/process.h"
#include "design/report.h"
#include "design/status_flags.h"
#include "foundation/kind_vocabulary.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

namespace {

using namespace zeph;

class ReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        report.start(ReportScope::Design, design.target_language);
        counter.name = "counter";
        rtl.name = "rtl";
        rtl.kind = kArchitectureBlockDiagram;
        behav.name = "behav";
        top.name = "Toplevel";
    }
    const std::vector<std::string>& lines() const { return platform.report_lines(); }
    // The text of one message, without prefix.
    std::string text(Finding f) { return report_message_text(f, design.target_language); }

    ui::ScriptedPlatform platform;
    Design design;
    Report report{platform};
    Entity counter, top;
    Architecture rtl, behav;
};

TEST_F(ReportTest, OneHeadingPerArchitecture) {
    report.set_context(&counter, &rtl, nullptr);
    report.report(48, kKindComponent, 0, 0, "u1", nullptr, nullptr, &counter, &rtl, nullptr);
    report.report(48, kKindNet, 0, 0, "n", nullptr, nullptr, &counter, &rtl, nullptr);
    report.set_context(&counter, &behav, nullptr);
    report.report(3, kKindComponent, 0, 0, nullptr, nullptr, nullptr, &counter, &behav, nullptr);
    report.summary();
    EXPECT_EQ(lines(), (std::vector<std::string>{
                           "",
                           "Architecture 'rtl' of Entity 'counter':",
                           "Error    48: Duplicate component name 'u1'",
                           "Error    48: Duplicate net name 'n'",
                           "",
                           "Architecture 'behav' of Entity 'counter':",
                           "Error     3: No components",
                           "",
                           "3 errors, 0 warnings, and 0 notes in this design.",
                       }));
}

TEST_F(ReportTest, HeadingFormsForEntityToplevelAndProcess) {
    Process p;
    p.name = "ctrl";
    EXPECT_EQ(report_heading(&counter, nullptr, nullptr, design.target_language),
              "Entity 'counter':");
    EXPECT_EQ(report_heading(&top, &rtl, nullptr, design.target_language),
              "Toplevel Block Diagram:");
    EXPECT_EQ(report_heading(&counter, &rtl, &p, design.target_language),
              "Process 'ctrl' in Architecture 'rtl' of Entity 'counter':");
    EXPECT_EQ(report_heading(&top, &rtl, &p, design.target_language),
              "Process 'ctrl' in Toplevel Block Diagram:");
    design.target_language = kLanguageVerilog;
    EXPECT_EQ(report_heading(&counter, &rtl, &p, design.target_language),
              "Always block 'ctrl' in Module body 'rtl' of Module 'counter':");
    EXPECT_EQ(report_heading(nullptr, &rtl, nullptr, design.target_language), "");
}

TEST_F(ReportTest, StatusBitsBySeverity) {
    Process p;
    report.report(104, kKindDiagramPort, 0, 0, "a", nullptr, nullptr, &counter, nullptr, nullptr);
    report.report(154, 0, 0, 0, "a", "u", nullptr, nullptr, &rtl, &p);
    report.report(9, kKindPort, 0, 0, "x", nullptr, nullptr, nullptr, nullptr, &p);
    EXPECT_EQ(counter.status, kStatusWarning);
    EXPECT_EQ(rtl.status, kStatusNote);
    EXPECT_EQ(p.status, kStatusNote | kStatusError);
    EXPECT_EQ(report.errors(), 1);
    EXPECT_EQ(report.warnings(), 1);
    EXPECT_EQ(report.notes(), 1);
}

TEST_F(ReportTest, DisabledWarningsAndNotesCountAndMarkButWriteNothing) {
    report.disable_warnings = true;
    report.disable_notes = true;
    report.set_context(&counter, &rtl, nullptr);
    report.report(110, kKindPort, 0, kKindPort, "a", "b", nullptr, &counter, &rtl, nullptr);
    report.report(157, 0, 0, 1, "f.vhd", nullptr, nullptr, &counter, &rtl, nullptr);
    EXPECT_TRUE(lines().empty());
    EXPECT_EQ(report.warnings(), 1);
    EXPECT_EQ(report.notes(), 1);
    EXPECT_EQ(rtl.status, kStatusWarning | kStatusNote);
    report.report(48, kKindPort, 0, 0, "p", nullptr, nullptr, &counter, &rtl, nullptr);
    EXPECT_EQ(lines().size(), 3u) << "the heading comes with the first written message";
}

TEST_F(ReportTest, SummaryPluralsAndScopes) {
    report.report(1, 0, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    report.report(151, 1, kKindPort, kKindGeneric, "N", "p", nullptr, nullptr, nullptr, nullptr);
    report.report(153, kKindPort, 0, 0, "p", nullptr, nullptr, nullptr, nullptr, nullptr);
    report.summary();
    EXPECT_EQ(lines().back(), "1 error, 0 warnings, and 2 notes in this design.");
    report.start(ReportScope::Process, design.target_language);
    report.report(101, kKindState, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    report.summary();
    EXPECT_EQ(lines().back(), "0 errors, 1 warning, and 0 notes in this process.");
    design.target_language = kLanguageVerilog;
    report.start(ReportScope::Architecture, design.target_language);
    report.summary();
    EXPECT_EQ(lines().back(), "0 errors, 0 warnings, and 0 notes in this module body.");
}

TEST_F(ReportTest, SummaryForgetsThePrintedHeading) {
    report.set_context(&counter, &rtl, nullptr);
    report.report(3, kKindNet, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    report.summary();
    report.report(3, kKindNet, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(lines()[lines().size() - 2], "Architecture 'rtl' of Entity 'counter':");
}

TEST_F(ReportTest, UndocumentedNumberPrintsItsValues) {
    report.report(4, 1, 2, 3, "a", nullptr, "c", nullptr, nullptr, nullptr);
    EXPECT_EQ(lines().back(),
              "Error     4: Undocumented message. Please print this report, save the design, and "
              "notify your distributor (1)(2)(3)(a)()(c)");
}

TEST_F(ReportTest, TopLevelAndNamingTexts) {
    EXPECT_EQ(text({1}), "Number of components in Toplevel Block Diagram must be one");
    EXPECT_EQ(text({2, kKindNet, 2}), "Nets not allowed in Toplevel Block Diagram");
    EXPECT_EQ(text({2, kKindProcess, 1}), "Process not allowed in Toplevel Block Diagram");
    EXPECT_EQ(text({5, kKindState, kKindDiagramGeneric, 0, "clk"}),
              "State name 'clk' also used as diagram generic name");
    EXPECT_EQ(text({6, kKindPort, 0, 0, "a", "u1"}),
              "Port name 'a' also used as entity name of component 'u1'");
    EXPECT_EQ(text({40, kKindEntity, 0, 0, "Entity"}),
              "Entity name 'Entity' is a VHDL reserved word");
    EXPECT_EQ(text({47, kKindPort, 0, 0, "1a"}),
              "Port name '1a' is not a legal Verilog identifier");
    EXPECT_EQ(text({35, 0, 0, 0, "_x", "p1", "p2"}),
              "Duplicate postfix name '_x' found in processes p1 and p2 of architecture ");
}

TEST_F(ReportTest, ConnectionTexts) {
    EXPECT_EQ(text({8, 2, 0, 0, "n1"}), "Bus entries not allowed at non-bus net 'n1'");
    EXPECT_EQ(text({11, 4, 9, 0, "e1", "[9]", "b"}),
              "Index value '9' of bus entry 'e1' [9] of net 'b' is out of range");
    EXPECT_EQ(text({13, kKindPort, 1, kKindComponentPort, "a", "b"}),
              "Port 'a' and component port 'b' have same types (although bus vs. non-bus)");
    EXPECT_EQ(text({13, kKindPort, 0, kKindPort, "a", "b"}),
              "Port 'a' and port 'b' have different types");
    EXPECT_EQ(text({14, 0, 0, 0, "sig", "n"}),
              "sig is connected-by-name and cannot be connected to net 'n'");
    EXPECT_EQ(text({14, 0, 1, 0, "e", "[3]", "b"}),
              "Bus entry 'e' [3] is circularly connected to its net 'b'");
    EXPECT_EQ(text({15, 1, 3, 0, nullptr, "p"}),
              "Inout process port of process 'p' is not connected");
    EXPECT_EQ(
        text({15, 0, 0, 0, "d", "u1"}),
        "Input component port 'd' of component 'u1' is not connected and has no default value");
    EXPECT_EQ(text({17, -1, kKindNet, 2, "n"}),
              "Net 'n' is too complicated (two bus entry destinations and port(s) connected)");
    EXPECT_EQ(text({17, 3, 0, 0, "b"}), "Wire '3' of bus 'b' is too complicated (both source(s) "
                                        "and destination(s) of bus entries connected)");
    EXPECT_EQ(
        text({17, -1, kKindNet, 1, "n"}),
        "Net 'n' is too complicated (both bus entry destination and Inout diagram port connected)");
    EXPECT_EQ(text({20, -1, kKindNet, 1, "n"}),
              "Net 'n' is connected to a Inout diagram port and to other diagram ports");
    EXPECT_EQ(text({20, -1, kKindNet, 0, "n"}),
              "Net 'n' is connected to a Buffer port with more than one driving source");
    EXPECT_EQ(text({21, 0, 7, kKindPort, "To", "a"}), "NULL range for port 'a' (0 To 7)");
    EXPECT_EQ(text({103, 0, 0, 0, "n", "(10, 20)"}), "Dangling wire in net 'n' (10, 20)");
    EXPECT_EQ(text({104, kKindComponentPort, 0, 0, "q", "u1"}),
              "Component port 'q' of component 'u1' is not connected");
    EXPECT_EQ(text({104, kKindDiagramPort, 0, 0, "q"}), "Diagram port 'q' is not connected");
    EXPECT_EQ(text({104, kKindProcessPort, 1, 0, "Net_3", "p"}),
              "Local signal net 'Net_3' is connected to a process port of process 'p' but has no "
              "proper name");
    EXPECT_EQ(text({118, -1, kKindNet, 0, "n"}), "Net 'n' is not connected to a receiving port");
    EXPECT_EQ(text({155, 2, 0, 0, "b"}),
              "Wire '2' of bus 'b' needs a resolution function (multiple driving sources)");
    EXPECT_EQ(text({156, -1, kKindNet, 0, "n"}),
              "Proper name of net 'n' not used because net is not a local signal");
    EXPECT_EQ(text({154, 0, 0, 0, "en", "u2"}),
              "In port 'en' of component 'u2' is not connected; default value used");
}

TEST_F(ReportTest, ValueTexts) {
    EXPECT_EQ(text({50, 2, kKindPort, 1, "x", "a"}),
              "Illegal left range value 'x' of port 'a' (not an allowed integer)");
    EXPECT_EQ(
        text({50, 0, kKindComponentPort, 2, "W", "a"}),
        "Illegal default value 'W' of component port 'a' (referenced diagram generic not found)");
    EXPECT_EQ(text({50, 0, kKindPort, 3, "W", "a"}),
              "Illegal default value 'W' of port 'a' (referenced generic has not matching type)");
    EXPECT_EQ(text({110, kKindPort, 0, kKindComponentPort, "a", "b"}),
              "Port 'a' and component port 'b' have ranges referring to different generics, which "
              "might cause elaboration problems");
    EXPECT_EQ(text({111, 3, kKindComponentPort, 0, "N-1", "a"}),
              "Right range value 'N-1' of component port 'a' not successfully verified, but "
              "ignored for external entity");
    EXPECT_EQ(text({151, 2, kKindPort, kKindGeneric, "N", "a"}),
              "Left range value 'N' of port 'a' not computed due to referenced generic");
    EXPECT_EQ(text({102, 0, 0, 2, "f.v"}), "Verilog file 'f.v' not found in file system");
    EXPECT_EQ(text({102, 0, 0, 1}), "No Vhdl file specified");
    EXPECT_EQ(text({34, 0, 0, 1, "a.vhd"}), "Error(s) during automatic refresh (due to changed "
                                            "features) of skeleton of Vhdl file 'a.vhd'");
}

TEST_F(ReportTest, StateMachineTexts) {
    EXPECT_EQ(text({23, 0}),
              "Reset state needed for Implicit state machine with more than one state");
    EXPECT_EQ(text({24, 1, 0, 0, "rst =\t'1'"}), "Illegal reset condition 'rst = '1''");
    EXPECT_EQ(text({24, 1, 0, 0, "a_condition_that_is_too_long_for_the_report"}),
              "Illegal reset condition 'a_condition_that_is_too_long_f...'");
    EXPECT_EQ(text({24, 0, 0, 0, "Reset", "(1, 2)"}), "Reset transition (1, 2) has no condition");
    EXPECT_EQ(text({25, 1, 0, 2}), "Clock port flag defined on 2 ports");
    EXPECT_EQ(text({25, 2, 0, 0, "rst"}), "Reset port 'rst' not found (see reset condition)");
    EXPECT_EQ(text({25, 1, 0, 0}), "Clock port flag not found");
    EXPECT_EQ(text({25, 3, 4, 1, "q"}),
              "State Register port 'q' has incorrect size (bus of 4 bits required)");
    EXPECT_EQ(text({25, 1, -1, 1, "clk"}), "Clock port 'clk' has incorrect size");
    EXPECT_EQ(text({25, 2, 1, 1, "r", "rst"}),
              "Reset port flag found on port named 'r' while reset condition requests name 'rst'");
    EXPECT_EQ(text({25, 2, 0, 1, "r"}), "Reset port flag superfluously defined on port 'r'");
    EXPECT_EQ(text({25, 2, 0, 1, "_r"}), "Reset port flag superfluously defined");
    EXPECT_EQ(text({27, 4}),
              "Superfluous REST state for Explicit state machine with 'One Hot' assignment");
    EXPECT_EQ(text({109, 0}), "REST state not allowed for Implicit state machine");
    EXPECT_EQ(text({28, 4, 1}), "Too many states (1) for 'One Hot' assignment");
    EXPECT_EQ(text({28, 0, 2, 1, "s1"}),
              "State code of state 's1' has 1 bit, while longest state code has 2 bits");
    Finding invalid{28, 0, 0, 0, "s1", "1Z"};
    invalid.form = form28::kInvalidCode;
    EXPECT_EQ(text(invalid), "Invalid (user defined) state code \"1Z\" for state 's1'");
    EXPECT_EQ(text({28, 0, 0, 0, "a", "b"}),
              "State assignment conflict for state 'a' and state 'b'");
    EXPECT_EQ(text({29, 1, 3, 2, "s"}), "Unreachable transitions from state 's' after transition "
                                        "with empty condition and priority 3");
    EXPECT_EQ(text({29, 0, 1, 0, "(5, 5)"}), "Transition starting in sheet (5, 5) not allowed");
    EXPECT_EQ(text({30, 1, 0, 0, "s"}), "No entry to state 's'");
    EXPECT_EQ(text({107, 0, 0, 0, "s"}), "No exit from state 's'");
    EXPECT_EQ(text({108, 2}), "Explicit state machine divided into 2 independent parts");
    EXPECT_EQ(text({32, 1, 2, 0, "global ", "", "s"}),
              "Duplicate condition label for global transition with priority 1 and transition with "
              "priority 2 starting at state 's'");
    EXPECT_EQ(text({33, 100, 0, 0, "s"}),
              "Reached maximum recursion depth (100) in Implicit state machine at state 's'");
    EXPECT_EQ(text({105, 1, kKindAction, 0, "a"}), "Action 'a' has no action text");
    EXPECT_EQ(text({105, 0, kKindCondition, 0, "{no_name}"}), "Condition '{no_name}' never used");
    EXPECT_EQ(text({106, 0, 0, 0, "s1", "s2", "go"}),
              "Action 'go' both on transition from state 's1' to state 's2' and on this state");
    EXPECT_EQ(text({106, 0, 0, 0, nullptr, "s2", "go"}),
              "Action 'go' both on global transition to state 's2' and on this state");
}

} // namespace
