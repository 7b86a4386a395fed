// Generated machines behave: every variant of a machine (assignment, decoding, action
// timings, clock edge) in VHDL and in Verilog is simulated with the same inputs by GHDL and by
// Icarus Verilog, and all of them print the same trace of state output and pulses, cycle by
// cycle; for the traffic light and the sequence detector the trace also equals the one worked
// out by hand for the given inputs.
#include "machine_simulation.h"
#include "text_test_support.h"

#include "foundation/clock.h"

namespace {

using namespace machine_hdl_test;

constexpr int kCycles = 80;

class MachineSimulation : public ::testing::Test {
  protected:
    void SetUp() override {
        zeph::set_fixed_clock(std::time_t{1700000000});
        if (!hdl_text_test::tool_available("ghdl") || !hdl_text_test::tool_available("iverilog"))
            GTEST_SKIP() << "ghdl or iverilog is not installed";
    }
    void TearDown() override { zeph::set_fixed_clock(std::nullopt); }

    SimulationResult simulate(SampleMachine& sample, const Stimulus& stimulus) {
        return simulate_variants(design, sample, all_variants(), stimulus, scratch.path());
    }

    // Every variant in both languages prints the trace of the first VHDL variant.
    static void expect_one_trace(const SimulationResult& r) {
        ASSERT_TRUE(r.ran) << r.failure;
        ASSERT_FALSE(r.names.empty());
        ASSERT_EQ(r.vhdl.size(), r.names.size()) << "VHDL variants that printed nothing";
        ASSERT_EQ(r.verilog.size(), r.names.size()) << "Verilog variants that printed nothing";
        const Trace& reference = r.vhdl.at(0);
        ASSERT_EQ(static_cast<int>(reference.size()), kCycles);
        for (std::size_t i = 0; i < r.names.size(); ++i) {
            int v = static_cast<int>(i);
            if (auto d = first_difference(reference, r.vhdl.at(v)))
                ADD_FAILURE() << "VHDL " << r.names[i] << " differs from " << r.names[0] << " at "
                              << *d;
            if (auto d = first_difference(reference, r.verilog.at(v)))
                ADD_FAILURE() << "Verilog " << r.names[i] << " differs from " << r.names[0]
                              << " at " << *d;
        }
    }

    static void expect_hand_trace(const SimulationResult& r, const Trace& expected) {
        Trace start(r.vhdl.at(0).begin(),
                    r.vhdl.at(0).begin() + static_cast<long>(expected.size()));
        if (auto d = first_difference(expected, start)) ADD_FAILURE() << "hand trace: " << *d;
    }

    Design design;
    hdl_text_test::ScratchDirectory scratch;
};

TEST_F(MachineSimulation, TrafficLightVariantsAgreeWithTheHandTrace) {
    SampleMachine sample = build_traffic_light(design);
    SimulationResult r =
        simulate(sample, make_stimulus(sample, kCycles, 11, {{"car", "0110010011100000"}}));
    expect_one_trace(r);
    EXPECT_EQ(r.refused, 0);
    // 10 assignments and decodings, 8 action timings, 2 edges.
    EXPECT_EQ(r.names.size(), 160u);
    expect_hand_trace(r, {"100 0", "001 1", "010 0", "100 0", "100 0", "001 1", "010 0", "100 0",
                          "001 1", "010 0", "100 0", "100 0", "100 0", "100 0", "100 0", "100 0"});
}

TEST_F(MachineSimulation, SequenceDetectorVariantsAgreeWithTheHandTrace) {
    SampleMachine sample = build_sequence_detector(design);
    SimulationResult r =
        simulate(sample, make_stimulus(sample, kCycles, 12,
                                       {{"x", "1011011010011010"}, {"clear", "0000000000001000"}}));
    expect_one_trace(r);
    EXPECT_EQ(r.refused, 0);
    expect_hand_trace(r, {"01 0", "10 0", "11 1", "01 0", "10 0", "11 1", "01 0", "10 0", "11 1",
                          "10 0", "00 0", "01 0", "00 0", "00 0", "01 0", "10 0"});
}

TEST_F(MachineSimulation, RestStateVariantsAgree) {
    SampleMachine sample = build_rest_machine(design);
    SimulationResult r = simulate(sample, make_stimulus(sample, kCycles, 13));
    expect_one_trace(r);
    // A REST state is superfluous with One Hot and Two Hot: verification refuses those.
    EXPECT_EQ(r.refused, 32);
    for (const std::string& refusal : r.refusals)
        EXPECT_NE(refusal.find("Superfluous REST state"), std::string::npos) << refusal;
}

TEST_F(MachineSimulation, ActiveLowResetWithActionsVariantsAgree) {
    SampleMachine sample = build_reset_actions_machine(design);
    SimulationResult r = simulate(sample, make_stimulus(sample, kCycles, 14));
    expect_one_trace(r);
    // The reset actions ran in every variant, whatever process holds them.
    EXPECT_EQ(r.vhdl.at(0).front().back(), '1');
}

TEST_F(MachineSimulation, RingOfTwentyTwoStatesVariantsAgree) {
    SampleMachine sample = build_ring(design);
    SimulationResult r = simulate(sample, make_stimulus(sample, kCycles, 15));
    expect_one_trace(r);
    // The ring went round once at least: the pulse of its last transition was seen.
    bool wrapped = false;
    for (const std::string& cycle : r.vhdl.at(0))
        wrapped = wrapped || cycle == "00000 1";
    EXPECT_TRUE(wrapped);
}

} // namespace
