// Testbenches: the proposed names and the name prompt, creation with its skeleton and its
// removal when cancelled, the VHDL text of the testbench file (byte for byte, and analysed
// and elaborated by GHDL against the entity under test).
#include "text_test_support.h"

#include "design/design_constructors.h"
#include "design/status_flags.h"
#include "hdl/hdl_file_place.h"
#include "hdl/testbench.h"
#include "hdl/vhdl_entity.h"

#include <sstream>

namespace {

using namespace hdl_text_test;
using ui::Answer;
using ui::Shown;

class TestbenchTest : public TextTest {
  protected:
    void SetUp() override {
        TextTest::SetUp();
        counter = &add_entity_named(design, "counter");
        add_generic(*counter, "width", 4, "8", 0, "bits of the count");
        add_generic(*counter, "period", kGenericTypeTime, "10", 3);
        add_port(*counter, "clk", kModeIn).special_function = kFunctionClock;
        add_port(*counter, "rst", kModeIn).comment = "clears the count";
        add_port(*counter, "q", kModeOut, make_range("7", "0"));
        add_port(*counter, "carry", kModeBuffer);
        add_hdl_arch(*counter, "rtl");
    }

    Entity* create(Entity& entity, const std::string& name, Answer skeleton = Answer::Yes,
                   const std::string& library = "") {
        platform.queue(skeleton);
        HdlContext c = context();
        c.working_library = library;
        return create_testbench(c, design, entity, name, name + ".vhd", DesignDefaults{});
    }

    std::filesystem::path file_of(const Entity& testbench) {
        const Architecture& architecture = *testbench.architectures.front();
        return hdl_file_path(context().place, testbench, architecture, *architecture.hdl_file, 1);
    }

    Entity* counter = nullptr;
};

TEST_F(TestbenchTest, ProposalsCutTheNameAndCountWhileTaken) {
    Entity& long_name = add_entity_named(design, std::string(31, 'a'));
    EXPECT_EQ(proposed_testbench_name(design, long_name), std::string(29, 'a') + "_tb");

    EXPECT_EQ(proposed_testbench_name(design, *counter), "counter_tb");
    add_entity_named(design, "counter_tb");
    EXPECT_EQ(proposed_testbench_name(design, *counter), "counter_tb0");
    // A testbench's name counts as taken too, whatever its case (VHDL rules).
    Entity& other = add_entity_named(design, "other");
    ASSERT_NE(create(other, "COUNTER_TB0"), nullptr);
    EXPECT_EQ(proposed_testbench_name(design, *counter), "counter_tb1");

    // With the counter the whole still fits 32 characters.
    Entity& widest = add_entity_named(design, std::string(32, 'w'));
    add_entity_named(design, std::string(29, 'w') + "_tb");
    EXPECT_EQ(proposed_testbench_name(design, widest), std::string(28, 'w') + "_tb0");
}

TEST_F(TestbenchTest, PromptRepeatsAfterDuplicateAndIllegalNames) {
    add_entity_named(design, "counter_tb");
    platform.queue_text("counter_tb");
    platform.queue_text("9lives");
    platform.queue_text("bench");
    std::optional<std::string> name = name_testbench(context(), *counter);
    ASSERT_TRUE(name);
    EXPECT_EQ(*name, "bench");
    std::vector<std::string> prompts = platform.shown(Shown::Prompt);
    ASSERT_EQ(prompts.size(), 3u);
    EXPECT_NE(prompts[0].find("Enter name for testbench of entity 'counter':"), std::string::npos)
        << prompts[0];
    std::vector<std::string> refusals = platform.shown(Shown::Status);
    ASSERT_EQ(refusals.size(), 2u);
    EXPECT_EQ(refusals[0], "Error    48: Duplicate testbench name");

    platform.queue_cancel();
    EXPECT_FALSE(name_testbench(context(), *counter));
    EXPECT_FALSE(name_testbench(context(), *counter, std::string("counter_tb")))
        << "a given name is checked once";
}

TEST_F(TestbenchTest, CreationLinksBothWaysAndWritesTheSkeleton) {
    Entity* testbench = create(*counter, "counter_tb", Answer::Yes, "mylib");
    ASSERT_NE(testbench, nullptr);
    EXPECT_EQ(counter->testbench.get(), testbench);
    EXPECT_EQ(testbench->tested_entity, counter);
    ASSERT_EQ(testbench->architectures.size(), 1u);
    EXPECT_EQ(testbench->architectures[0]->name, "test");
    EXPECT_EQ(testbench->architectures[0]->kind, kArchitectureHdlFile);
    EXPECT_TRUE(testbench->ports.empty());
    EXPECT_TRUE(matches_golden("testbench/counter_tb.vhd", read_file(file_of(*testbench))));
    EXPECT_TRUE(testbench_reachable(design, *counter) == false) << "not verified yet";
    counter->status |= kStatusVerifiedDown;
    EXPECT_TRUE(testbench_reachable(design, *counter));
    use_language(2);
    EXPECT_FALSE(testbench_reachable(design, *counter)) << "VHDL only";
}

TEST_F(TestbenchTest, CancelledSkeletonLeavesTheDesignAsBefore) {
    Entity& long_named = add_entity_named(design, "accumulator");
    int counter_before = design.entity_directory_counter;
    EXPECT_EQ(create(long_named, "accumulator_tb", Answer::Cancel), nullptr);
    EXPECT_EQ(long_named.testbench, nullptr);
    EXPECT_EQ(design.entity_directory_counter, counter_before);
    EXPECT_FALSE(std::filesystem::exists(project.path() / "work")) << "no directory is left";
    EXPECT_EQ(proposed_testbench_name(design, long_named), "accumulator_tb");
}

TEST_F(TestbenchTest, EdgeCasesOfTheText) {
    Entity& inputs_only = add_entity_named(design, "sink");
    add_port(inputs_only, "d", kModeIn);
    add_hdl_arch(inputs_only, "rtl");
    Entity* testbench = create(inputs_only, "sink_tb");
    ASSERT_NE(testbench, nullptr);
    // The design writes its keywords in lower case.
    std::string text = read_file(file_of(*testbench));
    EXPECT_NE(text.find("\n stimuli: process  begin\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("constant"), std::string::npos) << "no generics, no constants";

    design.vhdl93 = true;
    Entity& wide = add_entity_named(design, "wide");
    for (int i = 0; i < 6; ++i)
        add_port(wide, "a_rather_long_output_name_" + std::to_string(i), kModeOut);
    add_hdl_arch(wide, "rtl");
    testbench = create(wide, "wide_tb");
    ASSERT_NE(testbench, nullptr);
    text = read_file(file_of(*testbench));
    EXPECT_NE(text.find("\n end component ;\n"), std::string::npos) << "no name, even in VHDL93";
    EXPECT_NE(text.find("end architecture test ; -- of wide_tb"), std::string::npos);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 76u) << line; // the sensitivity list breaks before column 75
    EXPECT_TRUE(matches_golden("testbench/wide_tb.vhd", text));
}

// The skeleton is legal VHDL: GHDL analyses it after the entity under test and elaborates it.
TEST_F(TestbenchTest, SkeletonAnalysesAndElaboratesInGhdl) {
    if (!tool_available("ghdl")) GTEST_SKIP() << "ghdl not installed";
    Entity* testbench = create(*counter, "counter_tb", Answer::Yes, "work");
    ASSERT_NE(testbench, nullptr);
    std::string tested = text_of([&](std::ostream& out) {
        write_entity_declaration(out, context(), *counter);
        out << "ARCHITECTURE rtl OF counter IS\nBEGIN\n  q <= (OTHERS => '0');\n"
               "  carry <= '0';\nEND rtl;\n";
    });
    write_file(project.path() / "counter.vhd", tested);
    std::filesystem::copy_file(file_of(*testbench), project.path() / "counter_tb.vhd");
    EXPECT_TRUE(
        tool_succeeds({"ghdl", "-a", "--std=87", "counter.vhd", "counter_tb.vhd"}, project.path()));
    EXPECT_TRUE(tool_succeeds({"ghdl", "-e", "--std=87", "counter_tb"}, project.path()));
}

} // namespace
