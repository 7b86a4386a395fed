// Where the HDL files named in a design file are found, and the external editor started as a
// real child process.
#include "design/design_constructors.h"
#include "design/external_editor.h"
#include "design/hdl_file_location.h"
#include "design/process.h"
#include "design/project_paths.h"
#include "foundation/kind_vocabulary.h"
#include "project_test_fixture.h"

#include <sys/stat.h>

namespace {

using namespace zeph;
using namespace zeph::testing;

class HdlFileLocation : public ProjectTest {
  protected:
    void SetUp() override {
        ProjectTest::SetUp();
        std::filesystem::create_directories(at("cpu.vdp/work"));
        project = at("cpu.vdp");
        entity = &add_entity(design, new_entity(design, "Counter"));
        architecture =
            &add_architecture(*entity, new_architecture(kArchitectureHdlFile, "rtl", entity));
        arch_dir = at("cpu.vdp/" + architecture_directory(design, *entity, *architecture));
    }
    std::string locate(const std::string& name, const Process* process = nullptr,
                       int language = 1) {
        return locate_hdl_file(platform, kLanguageVhdl, project, *entity, *architecture, process,
                               name, language);
    }

    Design design;
    Entity* entity = nullptr;
    Architecture* architecture = nullptr;
    std::string project;
    std::string arch_dir;
};

TEST_F(HdlFileLocation, NamesAreClassified) {
    EXPECT_EQ(classify_hdl_file_name("count.vhd"), HdlFileName::Bare);
    EXPECT_EQ(classify_hdl_file_name("sub\\count.vhd"), HdlFileName::Relative);
    EXPECT_EQ(classify_hdl_file_name("sub/count.v"), HdlFileName::Relative);
    EXPECT_EQ(classify_hdl_file_name("$LIB\\count.vhd"), HdlFileName::Fixed);
    EXPECT_EQ(classify_hdl_file_name("C:\\hdl\\count.vhd"), HdlFileName::Fixed);
    EXPECT_EQ(classify_hdl_file_name("\\hdl\\count.vhd"), HdlFileName::Fixed);
    EXPECT_EQ(classify_hdl_file_name("/hdl/count.vhd"), HdlFileName::Fixed);
}

TEST_F(HdlFileLocation, AFileInTheArchitectureDirectoryStays) {
    write(arch_dir + "/count.vhd", "-- mine\n");
    EXPECT_EQ(locate("count.vhd"), "count.vhd");
    EXPECT_TRUE(shown().empty());
}

TEST_F(HdlFileLocation, AFileBesideTheProjectIsCopiedIn) {
    write(at("count.vhd"), "-- beside\n");
    write(at("src/alu.v"), "// in a sub directory\n");
    EXPECT_EQ(locate("count.vhd"), "count.vhd");
    EXPECT_EQ(read(arch_dir + "/count.vhd"), "-- beside\n");
    EXPECT_EQ(locate("src\\alu.v", nullptr, 2), "alu.v");
    EXPECT_EQ(read(arch_dir + "/alu.v"), "// in a sub directory\n");
    EXPECT_TRUE(exists(at("count.vhd")));
}

TEST_F(HdlFileLocation, AConflictingNameIsRefusedAndTheOtherFileKept) {
    write(at("src/count.vhd"), "-- from elsewhere\n");
    write(arch_dir + "/count.vhd", "-- already here\n");
    std::unique_ptr<Process> process = new_process("counting", 1);
    EXPECT_EQ(locate("src/count.vhd", process.get()), "src/count.vhd");
    EXPECT_EQ(read(arch_dir + "/count.vhd"), "-- already here\n");
    std::vector<std::string> boxes = platform.shown(ui::Shown::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "zeph|Cannot copy Vhdl file 'src/count.vhd' of process 'counting' "
                        "to\n'work/counter/rtl' because of conflicting file names.");
}

TEST_F(HdlFileLocation, FixedNamesStayAndMissingOnesAreDropped) {
    EXPECT_EQ(locate("$LIB\\count.vhd"), "$LIB\\count.vhd");
    EXPECT_EQ(locate("/nowhere/count.vhd"), "/nowhere/count.vhd");
    EXPECT_EQ(locate("missing.vhd"), "");
    EXPECT_EQ(locate("sub/missing.vhd"), "");
    EXPECT_EQ(locate(""), "");
    EXPECT_FALSE(exists(arch_dir));
}

TEST_F(HdlFileLocation, TheEditorGetsTheFileAsItsOnlyArgument) {
    std::string editor = at("editor.sh");
    write(editor, "#!/bin/sh\necho \"$#:$1\" > \"" + at("called.txt") + "\"\n");
    chmod(editor.c_str(), 0755);
    EXPECT_TRUE(launch_editor(platform, editor, at("file with blanks.vhd")));
    EXPECT_EQ(read(at("called.txt")), "1:" + at("file with blanks.vhd") + "\n");
    EXPECT_TRUE(shown().empty());

    EXPECT_FALSE(launch_editor(platform, at("no-such-editor"), at("x.vhd")));
    EXPECT_EQ(shown(),
              std::vector<std::string>{"status: Unable to execute editor (Shell error 2)."});
    EXPECT_FALSE(launch_editor(platform, "", at("x.vhd")));
    EXPECT_EQ(shown(),
              std::vector<std::string>{"status: Unable to execute editor (Shell error 2)."});
}

} // namespace
