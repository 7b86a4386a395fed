// The generation run on the datapath: golden files under every file organization, VHDL with
// VHDL93 off and on in all three keyword cases and Verilog, each analysed and elaborated by
// GHDL or compiled by Icarus Verilog; the report lines; and the failures of a run.
#include "generation_test_support.h"

#include "design/status_flags.h"
#include "hdl/hdl_context.h"

namespace {

using namespace hdl_text_test;

struct VhdlVariant {
    const char* golden;
    bool vhdl93;
    int keyword_case;
    int organization;
    unsigned parts;
};

class VhdlGeneration : public GenerationTest, public ::testing::WithParamInterface<VhdlVariant> {};

TEST_P(VhdlGeneration, MatchesGoldenAndAnalysesWithGhdl) {
    const VhdlVariant& v = GetParam();
    design.vhdl93 = v.vhdl93;
    design.keyword_case = v.keyword_case;
    ASSERT_TRUE(write_datapath_files(context(), d));
    std::string text = run_and_gather(request(v.parts, v.organization));
    ASSERT_EQ(last.outcome, RunOutcome::Done) << platform.shown(ui::Shown::Box).size();
    EXPECT_TRUE(matches_golden(v.golden, text));
    if (!tool_available("ghdl")) GTEST_SKIP() << "ghdl is not installed";
    std::string standard = v.vhdl93 ? "--std=93" : "--std=87";
    for (const auto& file : last.files)
        EXPECT_TRUE(
            tool_succeeds({"ghdl", "-a", standard, file.filename().string()}, output_directory()));
    // Every variant binds its components by configuration declaration or specifications;
    // GHDL's strict default binding would leave them open otherwise.
    if (v.parts & kPartConfigurationDeclarations)
        EXPECT_TRUE(tool_succeeds({"ghdl", "-e", standard, "-Werror=binding", "datapath_structure"},
                                  output_directory()));
    else
        EXPECT_TRUE(
            tool_succeeds({"ghdl", "-e", standard, "-Werror=binding", "datapath", "structure"},
                          output_directory()));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, VhdlGeneration,
    ::testing::Values(VhdlVariant{"run/datapath_87_upper_one_file.vhd", false, 1, 0, 52},
                      VhdlVariant{"run/datapath_93_lower_per_entity.txt", true, 0, 1, 52},
                      VhdlVariant{"run/datapath_93_capitalized_per_unit.txt", true, 2, 2, 52},
                      VhdlVariant{"run/datapath_87_lower_specifications.vhd", false, 0, 0,
                                  4 | 8 | 64}));

class VerilogGeneration : public GenerationTest, public ::testing::WithParamInterface<int> {};

TEST_P(VerilogGeneration, MatchesGoldenAndCompilesWithIcarus) {
    use_language(2);
    ASSERT_TRUE(write_datapath_files(context(), d));
    int organization = GetParam();
    std::string text = run_and_gather(request(52, organization));
    ASSERT_EQ(last.outcome, RunOutcome::Done);
    EXPECT_TRUE(matches_golden(
        organization == 0 ? "run/datapath_one_file.v" : "run/datapath_per_entity.txt", text));
    if (!tool_available("iverilog")) GTEST_SKIP() << "iverilog is not installed";
    std::vector<std::string> argv = {"iverilog", "-o", "datapath.vvp"};
    for (const auto& file : last.files)
        argv.push_back(file.filename().string());
    EXPECT_TRUE(tool_succeeds(argv, output_directory()));
}

// Organization 2 does not exist for Verilog: it writes one file per entity.
INSTANTIATE_TEST_SUITE_P(Organizations, VerilogGeneration, ::testing::Values(0, 1, 2));

TEST_F(GenerationTest, ReportListsEveryUnitWithItsFile) {
    design.vhdl93 = true;
    ASSERT_TRUE(write_datapath_files(context(), d));
    run_and_gather(request(52, 2));
    std::vector<std::string> expected = {
        "",
        "Generating output on directory '" + output_directory().string() + "'.",
        std::string("(Time stamp: ") + kFixedTime + ")",
        "",
        "Entity                 Architecture           Filename",
        std::string(68, '='),
        "inv4                                          inv4.ent",
        "inv4                   rtl                    inv4.arc",
        "buf4                                          buf4.ent",
        "buf4                   wiring                 buf4.arc",
        "datapath                                      datapath.ent",
        "datapath               structure              datapath.arc",
        "datapath_structure     -- Configuration --    datapath.cf",
        "",
        "Output generation done.",
    };
    EXPECT_EQ(platform.report_lines(), expected);
    EXPECT_EQ(platform.last_status(),
              "Output generated in file '" + (output_directory() / "inv4.ent").string() + "'.");
}

TEST_F(GenerationTest, FilesAreNamedAfterTheChosenFileThenTheirEntities) {
    ASSERT_TRUE(write_datapath_files(context(), d));
    run_and_gather(request(52, 1));
    EXPECT_EQ(written_names(), (std::vector<std::string>{"inv4.vhd", "buf4.vhd", "datapath.vhd"}));
    // A chosen name that is a later entity's own file (the root's, here) names every file
    // after its entity, so that no file is written twice in one run.
    GenerationRequest r = request(52, 1);
    r.output_file = output_directory() / "datapath.vhd";
    run_and_gather(r);
    EXPECT_EQ(last.outcome, RunOutcome::Done);
    EXPECT_EQ(written_names(), (std::vector<std::string>{"inv4.vhd", "buf4.vhd", "datapath.vhd"}));
    EXPECT_NE(read_file(r.output_file).find("entity datapath is"), std::string::npos);
    EXPECT_EQ(read_file(r.output_file).find("entity inv4 is"), std::string::npos);
}

TEST_F(GenerationTest, ExtensionWithADotIsAppended) {
    ASSERT_TRUE(write_datapath_files(context(), d));
    GenerationRequest r = request(4 | 16, 2);
    r.options.entity_ext = "_e.vhd";
    r.options.architecture_ext = "_a.vhd";
    r.output_file = output_directory() / "top.vhd";
    run_and_gather(r);
    EXPECT_EQ(written_names(),
              (std::vector<std::string>{"top.vhd_e.vhd", "inv4_a.vhd", "buf4_e.vhd", "buf4_a.vhd",
                                        "datapath_e.vhd", "datapath_a.vhd"}));
}

TEST_F(GenerationTest, OnlyRootWritesTheRootAlone) {
    ASSERT_TRUE(write_datapath_files(context(), d));
    std::string text = run_and_gather(request(1 | 8, 0));
    EXPECT_NE(text.find("entity datapath is"), std::string::npos);
    EXPECT_EQ(text.find("entity buf4 is"), std::string::npos);
    EXPECT_NE(text.find("architecture structure of datapath is"), std::string::npos);
    std::string none = run_and_gather(request(8, 0));
    EXPECT_EQ(none.find("entity datapath is"), std::string::npos) << "None: no declaration";
    EXPECT_NE(none.find("architecture structure of datapath is"), std::string::npos);
}

TEST_F(GenerationTest, ArchitecturesWithErrorsOrUnboundAreSkipped) {
    Architecture& spare = add_arch(*d.buf4, kArchitectureBlockDiagram, "spare");
    spare.status = kStatusVerifiedDown;
    std::string bound = run_and_gather(request(4 | 8, 0));
    EXPECT_EQ(bound.find("architecture spare of buf4"), std::string::npos);
    std::string all = run_and_gather(request(4 | 16, 0));
    EXPECT_NE(all.find("architecture spare of buf4"), std::string::npos);
    spare.status = kStatusError;
    std::string broken = run_and_gather(request(4 | 16, 0));
    EXPECT_EQ(broken.find("architecture spare of buf4"), std::string::npos);
}

TEST_F(GenerationTest, AmbiguousBindingAsksAndNoWritesNothing) {
    Architecture& second = add_arch(*d.buf4, kArchitectureBlockDiagram, "second");
    second.status = kStatusVerifiedDown;
    d.structure->block_diagram->components[1]->bound_architecture = &second;
    platform.queue(ui::Answer::No);
    GenerationRequest r = request(4 | 8, 0);
    run_and_gather(r);
    EXPECT_EQ(last.outcome, RunOutcome::Cancelled);
    EXPECT_EQ(platform.shown(ui::Shown::Question),
              (std::vector<std::string>{"Configuration needed to resolve bindings. Continue ?"}));
    EXPECT_FALSE(std::filesystem::exists(r.output_file));
    platform.queue(ui::Answer::Yes);
    run_and_gather(r);
    EXPECT_EQ(last.outcome, RunOutcome::Done);
    platform.clear_transcript();
    run_and_gather(request(4 | 8 | 32, 0));
    EXPECT_TRUE(platform.shown(ui::Shown::Question).empty()) << "a declaration resolves it";
}

TEST_F(GenerationTest, FailuresOfTheOutputAreShownAndEndTheRun) {
    GenerationRequest r = request(52, 0);
    r.output_file = std::filesystem::path("/") / std::string(210, 'd') / "x.vhd";
    run_and_gather(r);
    EXPECT_EQ(last.outcome, RunOutcome::Failed);
    EXPECT_NE(platform.shown(ui::Shown::Box).back().find("Illegal directory."), std::string::npos);

    platform.clear_transcript();
    std::filesystem::create_directories(output_directory() / "buf4.vhd");
    run_and_gather(request(52, 1));
    EXPECT_EQ(last.outcome, RunOutcome::Failed);
    EXPECT_EQ(written_names(), (std::vector<std::string>{"inv4.vhd"}))
        << "the file written before the failure stays";
    ASSERT_FALSE(platform.shown(ui::Shown::Box).empty());
    EXPECT_NE(platform.shown(ui::Shown::Box).back().find("(for writing)"), std::string::npos);
}

TEST_F(GenerationTest, ExistingFileIsReplacedOnlyWhenConfirmed) {
    GenerationRequest r = request(52, 0);
    r.options.overwrite = false;
    write_file(r.output_file, "keep me\n");
    platform.queue(ui::Answer::No);
    run_and_gather(r);
    EXPECT_EQ(last.outcome, RunOutcome::Cancelled);
    EXPECT_EQ(read_file(r.output_file), "keep me\n");
}

TEST_F(GenerationTest, NoRootIsRefused) {
    GenerationRequest r = request(52, 0);
    r.root = nullptr;
    run_and_gather(r);
    EXPECT_EQ(last.outcome, RunOutcome::Failed);
    EXPECT_NE(platform.shown(ui::Shown::Box).back().find("No entity specified."),
              std::string::npos);
}

} // namespace
