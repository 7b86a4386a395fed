// Verification edge cases: unconnected ports, unspecified bus-entry indices, complicated
// entry chains, the top-level rules, quick runs, suppressed messages and the run's framing.
#include "verify_test_support.h"

#include "design/status_flags.h"

namespace zeph::verify_testing {
namespace {

// An inverter-like leaf: "a" In on the left, "y" Out on the right.
class EdgeCaseTest : public VerifyTest {
  protected:
    Entity& inv(const std::string& a_default = {}) {
        return leaf("inv", {{"a", kModeIn, kSideLeft, {0, 64}, {}, {}, a_default},
                            {"y", kModeOut, kSideRight, {512, 64}}});
    }
};

TEST_F(EdgeCaseTest, UnconnectedOutputPortIsOneWarningAndNoError) {
    Entity& top = entity("top");
    Entity& cell = inv();
    diagram_port(top, "i", kModeIn, {0, 0});
    Component& u1 = place(top, "u1", cell, {1000, 0});
    wire(top, {pin(top, "i"), pin(u1, "a")});
    verify_diagram(top);
    EXPECT_EQ(count_of(104), 1);
    EXPECT_EQ(report.errors(), 0);
    EXPECT_EQ(report.warnings(), 1);
    EXPECT_NE(
        report_text().find("Warning 104: Component port 'y' of component 'u1' is not connected"),
        std::string::npos)
        << report_text();
}

TEST_F(EdgeCaseTest, UnconnectedInputPortNeedsTypeChecksOrDefault) {
    Entity& top = entity("top");
    Entity& cell = inv();
    diagram_port(top, "o", kModeOut, {3000, 0});
    Component& u1 = place(top, "u1", cell, {1000, 0});
    wire(top, {pin(u1, "y"), pin(top, "o")});

    verify_diagram(top);
    EXPECT_EQ(count_of(15), 1) << report_text();
    EXPECT_EQ(count_of(154), 0);

    options.type_checks = false;
    verify_diagram(top);
    EXPECT_EQ(count_of(15), 0) << report_text();
    EXPECT_EQ(report.errors(), 0);

    options.type_checks = true;
    cell.ports[0]->default_value = "'1'";
    verify_diagram(top);
    EXPECT_EQ(count_of(15), 0);
    EXPECT_EQ(count_of(154), 1) << report_text();
    EXPECT_EQ(report.errors(), 0);
}

TEST_F(EdgeCaseTest, UnspecifiedIndexGivesNineAndNoRangeMessages) {
    Entity& top = entity("top");
    Net& b = bus(top, {{0, 0}, {1000, 0}}, "b", "7", "0");
    entry(b, {500, 0}, {564, 64}, "?");
    verify_diagram(top);
    EXPECT_EQ(count_of(9), 1) << report_text();
    for (int n : {10, 11, 21, 50, 151})
        EXPECT_EQ(count_of(n), 0) << n << "\n" << report_text();
}

TEST_F(EdgeCaseTest, TwoEntriesFeedingAWireWithAPortAreTooComplicated) {
    Entity& top = entity("top");
    Entity& cell = inv();
    diagram_port(top, "q", kModeIn, {0, 400}, "3", "0");
    diagram_port(top, "r", kModeIn, {0, 800}, "3", "0");
    Net& b1 = bus(top, {pin(top, "q"), {1000, 400}}, "b1", "3", "0");
    Net& b2 = bus(top, {pin(top, "r"), {1000, 800}}, "b2", "3", "0");
    entry(b1, {500, 400}, {564, 464}, "0");
    entry(b2, {600, 800}, {664, 864}, "1");
    Component& u1 = place(top, "u1", cell, {2000, 1200});
    // One wire from both stubs to the component's input.
    Net& w = wire(top, {pin(u1, "a"), {564, 464}, {664, 864}});
    (void)w;
    verify_diagram(top);
    EXPECT_EQ(count_of(17), 1) << report_text();
    EXPECT_NE(
        report_text().find("is too complicated (two bus entry destinations and port(s) connected)"),
        std::string::npos)
        << report_text();
}

TEST_F(EdgeCaseTest, QuickVerificationOfACleanDiagramShowsNothing) {
    Entity& top = entity("top");
    Entity& cell = inv();
    diagram_port(top, "i", kModeIn, {0, 0});
    diagram_port(top, "o", kModeOut, {3000, 0});
    Component& u1 = place(top, "u1", cell, {1000, 0});
    wire(top, {pin(top, "i"), pin(u1, "a")});
    wire(top, {pin(u1, "y"), pin(top, "o")});
    quick_verify(design, top, body(top), options, report);
    EXPECT_TRUE(platform.report_lines().empty()) << report_text();
    EXPECT_TRUE(platform.shown(ui::Shown::ReportBringUp).empty());
    EXPECT_EQ(platform.shown(ui::Shown::ReportClose).size(), 1u);
}

TEST_F(EdgeCaseTest, QuickVerificationWithFindingsShowsItsHeading) {
    Entity& top = entity("top");
    Entity& cell = inv();
    place(top, "u1", cell, {1000, 0});
    quick_verify(design, top, body(top), options, report);
    ASSERT_GE(platform.report_lines().size(), 2u);
    EXPECT_EQ(platform.report_lines()[0],
              "Quick Verification of the Architecture to Determine Process Signals:");
    EXPECT_EQ(platform.report_lines()[1], "");
    EXPECT_EQ(platform.report_lines().back(),
              "1 error, 1 warning, and 0 notes in this architecture.");
}

TEST_F(EdgeCaseTest, TopLevelRules) {
    Entity& top = entity("Toplevel");
    design.root = &top;
    Entity& cell = inv();
    Component& u1 = place(top, "u1", cell, {1000, 0});
    std::string text = verify_all();
    EXPECT_EQ(count_of(1), 0) << text;
    EXPECT_EQ(count_of(2), 0) << text;

    place(top, "u2", cell, {3000, 0});
    text = verify_all();
    EXPECT_EQ(count_of(1), 1) << text;
    EXPECT_NE(text.find("Error     1: Number of components in Toplevel Block Diagram must be one"),
              std::string::npos)
        << text;

    wire(top, {pin(u1, "y"), {2000, 64}, {2000, 500}});
    text = verify_all();
    EXPECT_NE(text.find("Error     2: Net not allowed in Toplevel Block Diagram"),
              std::string::npos)
        << text;
    // Unconnected component ports of the top level are not reported.
    EXPECT_EQ(count_of(104), 0) << text;
    EXPECT_EQ(count_of(15), 0) << text;
}

TEST_F(EdgeCaseTest, DisabledWarningsAndNotesStillCountAndMark) {
    Entity& top = entity("top");
    Entity& cell = inv("'0'");
    Component& u1 = place(top, "u1", cell, {1000, 0});
    (void)u1;
    options.disable_warnings = true;
    options.disable_notes = true;
    std::string text = verify_diagram(top);
    EXPECT_EQ(report.warnings(), 1);
    EXPECT_EQ(report.notes(), 1);
    EXPECT_EQ(count_of(104) + count_of(154), 0) << text;
    EXPECT_NE(top.status & kStatusWarning, 0u);
    EXPECT_NE(body(top).status & kStatusNote, 0u);
    EXPECT_EQ(platform.report_lines().back(),
              "0 errors, 1 warning, and 1 note in this architecture.");
}

TEST_F(EdgeCaseTest, RunIsClearedTitledAndStatusBitsAreFresh) {
    Entity& top = entity("top");
    Entity& cell = inv();
    place(top, "u1", cell, {1000, 0});
    verify_diagram(top);
    EXPECT_NE(body(top).status & kStatusError, 0u);
    EXPECT_EQ(platform.report_window_title(), "Architecture Verify");
    // Removing the fault clears the error bit on the next run, and the window starts empty.
    cell.ports[0]->default_value = "'0'";
    verify_diagram(top);
    EXPECT_EQ(body(top).status & kStatusError, 0u);
    EXPECT_NE(body(top).status & kStatusPhase3, 0u);
    EXPECT_EQ(platform.shown(ui::Shown::ReportClear).size(), 2u);
    EXPECT_EQ(platform.report_lines().front(), "");
    verify_all();
    EXPECT_EQ(platform.report_window_title(), "Design Verify");
    EXPECT_EQ(platform.report_lines().back(), "0 errors, 1 warning, and 1 note in this design.");
}

} // namespace
} // namespace zeph::verify_testing

namespace zeph::verify_testing {
namespace {

// Extreme bounds are refused with a message instead of a record per bit, and entry values
// at the ends of the integer range do not overflow.
TEST_F(EdgeCaseTest, HugeBusesAndExtremeEntriesAreReportedNotAnalysed) {
    Entity& top = entity("top");
    Net& huge = bus(top, {{0, 0}, {1000, 0}}, "huge", "2147483647", "0");
    entry(huge, {500, 0}, {564, 64}, "2147483647");
    wire(top, {{564, 64}, {564, 400}});
    std::string text = verify_diagram(top);
    EXPECT_NE(text.find("Error    50: Illegal right range value '0' of net 'huge(2147483647:0)' "
                        "(not an allowed integer)"),
              std::string::npos)
        << text;
    EXPECT_TRUE(huge.bit_connections.empty());

    options.type_checks = false;
    Entity& other = entity("other");
    Net& small = bus(other, {{0, 0}, {1000, 0}}, "small", "3", "0");
    entry(small, {500, 0}, {564, 64}, "2147483647", "-2147483648");
    Net& slice = bus(other, {{564, 64}, {564, 400}}, "", "3", "0");
    (void)slice;
    verify_diagram(other);
    EXPECT_EQ(small.bit_connections.size(), 4u);
}

} // namespace
} // namespace zeph::verify_testing
