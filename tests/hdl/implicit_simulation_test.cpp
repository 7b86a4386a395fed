// Implicit machines behave like their explicit twins: each machine below is written as a
// WAIT-statement process and as every explicit variant whose transition actions are Clocked,
// all instances of one testbench that GHDL runs with the same random inputs, and every trace
// must equal the first explicit one.
//
// Why the traces are comparable: the WAIT of a state returns on the active clock edge, and in
// that same instant the process takes the transition (its actions) and enters the next state
// (its actions), exactly when the explicit machine's clocked process assigns its state
// register and its clocked transition actions. The testbench samples o, p and r one ns after
// the edge, where the explicit machine's state output (combinational from the new state, or
// clocked) and its clocked pulse have settled too. Both start from the reset state after the
// reset pulse that precedes the first edge.
#include "machine_simulation.h"
#include "text_test_support.h"

#include "foundation/clock.h"
#include "ui/child_process.h"

#include <set>

namespace {

using namespace machine_hdl_test;
using hdl_text_test::tool_available;
using hdl_text_test::tool_succeeds;

constexpr int kImplicitCycles = 80;

class ImplicitSimulation : public ::testing::Test {
  protected:
    void SetUp() override {
        zeph::set_fixed_clock(std::time_t{1700000000});
        if (!tool_available("ghdl")) GTEST_SKIP() << "ghdl is not installed";
        design.vhdl93 = true;
    }
    void TearDown() override { zeph::set_fixed_clock(std::nullopt); }

    // Both implicit edges first, then the explicit variants with clocked transition actions
    // (every assignment, decoding and state action timing).
    static std::vector<MachineVariant> variants() {
        std::vector<MachineVariant> list;
        for (int edge : {kClockRisingEdge, kClockFallingEdge}) {
            MachineVariant implicit;
            implicit.style = kStyleImplicit;
            implicit.transition_actions = kActionsClocked;
            implicit.clock_edge = edge;
            list.push_back(implicit);
        }
        for (const MachineVariant& v : all_variants())
            if (v.transition_actions == kActionsClocked) list.push_back(v);
        return list;
    }

    // Every variant's trace equals the first explicit one; returns it.
    Trace simulate(SampleMachine& sample, const Stimulus& stimulus) {
        std::vector<MachineVariant> list = variants();
        std::vector<BenchUnit> units;
        std::string vhdl;
        for (std::size_t i = 0; i < list.size(); ++i) {
            std::vector<std::string> errors;
            bool accepted = prepare_variant(design, sample, list[i], &errors);
            if (!accepted && list[i].style == kStyleExplicit &&
                errors.front().find("Superfluous REST state") != std::string::npos)
                continue;
            EXPECT_TRUE(accepted) << list[i].label() << ": " << errors.front();
            if (!accepted) continue;
            std::string name = sample.name + "_" + std::to_string(i);
            sample.entity->name = name;
            vhdl += variant_text(design, *sample.entity, kLanguageVhdl);
            sample.entity->name = sample.name;
            units.push_back({name, list[i]});
        }
        hdl_text_test::write_file(scratch.path() / "variants.vhd", vhdl);
        hdl_text_test::write_file(scratch.path() / "tb.vhd",
                                  vhdl_testbench(sample, units, stimulus));
        EXPECT_TRUE(
            tool_succeeds({"ghdl", "-a", "--std=93", "variants.vhd", "tb.vhd"}, scratch.path()));
        EXPECT_TRUE(tool_succeeds({"ghdl", "-e", "--std=93", "tb"}, scratch.path()));
        ui::ChildResult run =
            ui::run_child_process({{"ghdl", "-r", "--std=93", "tb"}, scratch.path().string()});
        EXPECT_EQ(run.exit_code, 0) << run.output.substr(0, 4000);
        std::map<int, Trace> traces = parse_traces(run.output);
        const int reference = 2; // the first explicit variant
        if (traces.size() != units.size() || traces.at(reference).size() != kImplicitCycles) {
            ADD_FAILURE() << "variants that printed nothing or too little:\n"
                          << run.output.substr(0, 4000);
            return {};
        }
        for (std::size_t u = 0; u < units.size(); ++u)
            if (auto d = first_difference(traces.at(reference), traces.at(static_cast<int>(u))))
                ADD_FAILURE() << units[u].variant.label() << " differs from "
                              << units[reference].variant.label() << " at " << *d;
        return traces.at(reference);
    }

    Design design;
    hdl_text_test::ScratchDirectory scratch;
};

TEST_F(ImplicitSimulation, TrafficLightFollowsTheHandTrace) {
    SampleMachine sample = build_implicit_traffic_light(design);
    Trace trace =
        simulate(sample, make_stimulus(sample, kImplicitCycles, 21, {{"car", "0110010011100000"}}));
    ASSERT_GE(trace.size(), 8u);
    Trace expected = {"100 0", "001 1", "010 0", "100 0", "100 0", "001 1", "010 0", "100 0"};
    EXPECT_EQ(Trace(trace.begin(), trace.begin() + 8), expected);
}

TEST_F(ImplicitSimulation, ActiveLowResetActionsAndAConditionalStay) {
    SampleMachine sample = build_implicit_runner(design);
    Trace trace = simulate(sample, make_stimulus(sample, kImplicitCycles, 22));
    ASSERT_FALSE(trace.empty());
    // The reset actions ran: r is 1 from the start.
    EXPECT_EQ(trace.front().back(), '1');
}

TEST_F(ImplicitSimulation, RingOfTwentyTwoStatesGoesRound) {
    SampleMachine sample = build_implicit_ring(design);
    Trace trace = simulate(sample, make_stimulus(sample, kImplicitCycles, 23));
    bool wrapped = false;
    for (const std::string& cycle : trace)
        wrapped = wrapped || cycle == "00000 1";
    EXPECT_TRUE(wrapped);
}

TEST_F(ImplicitSimulation, GroupsAndLoopsTakeTheSameBranches) {
    SampleMachine sample = build_implicit_mixer(design);
    Trace trace = simulate(sample, make_stimulus(sample, 80, 24));
    // Every state was visited: the codes 0 to 7 all appear.
    std::set<std::string> codes;
    for (const std::string& cycle : trace)
        codes.insert(cycle.substr(0, 3));
    EXPECT_EQ(codes.size(), 8u);
}

} // namespace
