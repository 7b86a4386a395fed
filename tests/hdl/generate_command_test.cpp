// The shell's "generate" command on the datapath: refused until a verification allows it,
// its words checked, and a run that writes one file per entity where the script says.
#include "console_session.h"
#include "datapath_design.h"

#include "shell/settings_file.h"
#include "shell/verification_results.h"

namespace {

using namespace hdl_text_test;

// A session whose design is the datapath, marked verified as a verification would leave it.
class GenerateCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        console.session().start_untitled();
        Design& design = *console.session().design();
        design.current_entity = nullptr;
        design.current_architecture = nullptr;
        design.root = nullptr;
        design.entities.clear();
        build_datapath(design, d);
        console.session().settings().environment.overwrite_out_files = true;
        console.session().settings().tools.analysis_tool = 0;
    }
    void allow_generation() {
        console.session().verification().design_verified(*console.session().design());
    }
    std::string run(const std::string& line) {
        console.take_output();
        console.run(line);
        return console.take_output();
    }

    ScratchDirectory dir;
    zeph::testing_support::ConsoleSession console{dir.path(), dir.path() / "zeph.ini"};
    Datapath d;
};

TEST_F(GenerateCommandTest, RefusedBeforeAVerificationAllowsIt) {
    std::string text = run("generate");
    EXPECT_NE(text.find("generate needs a verification of the entire design"), std::string::npos)
        << text;
}

TEST_F(GenerateCommandTest, WordsAreChecked) {
    allow_generation();
    EXPECT_NE(run("generate colour=red").find("unknown option 'colour=red'"), std::string::npos);
    EXPECT_NE(run("generate root=Toplevel").find("'Toplevel' cannot be the root"),
              std::string::npos);
    EXPECT_NE(run("generate arch=none").find("no architecture 'none' of 'datapath'"),
              std::string::npos);
    EXPECT_NE(run("generate split=3").find("split must be 0, 1 or 2"), std::string::npos);
}

TEST_F(GenerateCommandTest, WritesOneFilePerEntityIntoTheChosenDirectory) {
    // The datapath's nets are made by hand, not drawn: the quick verification that a diagram
    // with processes gets before it is written would find them unconnected. This run writes
    // the datapath without its process.
    d.structure->block_diagram->processes.clear();
    d.ctrl = nullptr;
    allow_generation();
    std::filesystem::path chosen = dir.path() / "hdl" / "inv4.vhd";
    std::string text =
        run("generate root=datapath parts=52 split=1 overwrite file=" + chosen.string());
    for (const char* name : {"inv4.vhd", "buf4.vhd", "datapath.vhd"}) {
        EXPECT_TRUE(std::filesystem::exists(dir.path() / "hdl" / name)) << name;
        EXPECT_NE(text.find((dir.path() / "hdl" / name).string()), std::string::npos) << text;
    }
    EXPECT_NE(read_file(dir.path() / "hdl" / "datapath.vhd").find("datapath_structure"),
              std::string::npos);
    EXPECT_EQ(console.session().settings().environment.outputs, (dir.path() / "hdl").string())
        << "a directory other than the project's output directory is remembered";
}

} // namespace
