// The verification modes: what a process run and an architecture run cover, and where the
// checks of other parts (HDL-file skeletons, state machines) are called.
#include "verify_test_support.h"

#include "design/status_flags.h"

#include <algorithm>
#include <vector>

namespace zeph::verify_testing {
namespace {

class ModeTest : public VerifyTest {
  protected:
    Entity& inv() {
        return leaf("inv", {{"a", kModeIn, kSideLeft, {0, 64}, {}, {}, "'0'"},
                            {"y", kModeOut, kSideRight, {512, 64}}});
    }
};

TEST_F(ModeTest, ProcessRunCoversTheProcessOnly) {
    Entity& top = entity("top");
    Process& empty = process(top, "p", {});
    place(top, "u1", inv(), {1000, 0}); // unconnected ports: not looked at in a process run
    design.current_entity = &top;
    design.current_architecture = &body(top);
    design.current_process = &empty;
    verify_current(design, options, report);
    std::vector<std::string> expected = {
        "", "Process 'p' in Architecture 'a' of Entity 'top':", "Error     3: No process ports", "",
        "1 error, 0 warnings, and 0 notes in this process."};
    EXPECT_EQ(platform.report_lines(), expected);
    EXPECT_EQ(platform.report_window_title(), "Process Verify");
    EXPECT_NE(empty.status & kStatusError, 0u);
}

TEST_F(ModeTest, ArchitectureRunLeavesOtherArchitecturesAlone) {
    Entity& top = entity("top");
    Architecture& other =
        add_architecture(top, new_architecture(kArchitectureBlockDiagram, "b", &top));
    other.entity = &top;
    auto component = new_component();
    component->name = "9bad";
    add_component(*other.block_diagram, other, &inv(), nullptr, std::move(component));
    place(top, "u1", *find_entity(design, "inv"), {1000, 0});
    std::string text = verify_diagram(top);
    EXPECT_EQ(text.find("9bad"), std::string::npos) << text;
    EXPECT_EQ(report.errors(), 0) << text;
    text = verify_all();
    EXPECT_NE(text.find("Error    45: Component name '9bad' is not a legal VHDL identifier"),
              std::string::npos)
        << text;
}

TEST_F(ModeTest, HooksAreCalledWhereOtherChecksBelong) {
    std::vector<std::string> calls;
    options.hooks.refresh_skeletons = [&](Report& r, Entity& e, Architecture& a) {
        calls.push_back("skeleton " + e.name + "/" + a.name);
        r.report(157, 0, 0, 1, "x.vhd", nullptr, nullptr, &e, &a, nullptr);
    };
    options.hooks.refresh_process_skeleton = [&](Report&, Entity&, Architecture&, Process& p) {
        calls.push_back("process skeleton " + p.name);
    };
    options.hooks.state_machine_names = [&](Report&, Entity& e, Architecture&, Process* p) {
        calls.push_back("machine names " + (p != nullptr ? p->name : e.name));
    };
    options.hooks.state_machine_checks = [&](Report&, Entity& e, Architecture&, Process* p) {
        calls.push_back("machine " + (p != nullptr ? p->name : e.name));
    };
    Entity& coded = entity("coded", kArchitectureHdlFile);
    (void)coded;
    Entity& top = entity("top");
    Entity& cell = inv();
    Process& hdl = process(top, "ph", {{"", kModeIn, kSideLeft, {3000, 0}}}, kProcessHdlFile);
    Component& u1 = place(top, "u1", cell, {1000, 0});
    wire(top, {pin(u1, "y"), pin(hdl, 0)}, "yy");
    std::string text = verify_all();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "machine names inv"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "machine inv"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "skeleton coded/a"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "process skeleton ph"), calls.end());
    EXPECT_NE(text.find("Note    157: Skeleton of Vhdl file 'x.vhd' automaticly refreshed due to "
                        "changed features"),
              std::string::npos)
        << text;
    // A quick run never reaches the processes' own checks.
    calls.clear();
    quick_verify(design, top, body(top), options, report);
    EXPECT_TRUE(calls.empty());
}

} // namespace
} // namespace zeph::verify_testing
