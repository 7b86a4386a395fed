// Picture files: a picture is written completely or not at all, file names cannot lead out of
// their folder, and a whole design gives one picture per block diagram.
#include "picture_test_support.h"

#include "design/design_file.h"
#include "drawing/picture_files.h"

#include <filesystem>

namespace zeph::picture_testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> folder_entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class PictureFilesTest : public PictureTest {};

TEST_F(PictureFilesTest, WritesCompletelyOrNotAtAll) {
    std::string error;
    std::string path = scratch / "one.svg";
    ASSERT_TRUE(write_picture_file(path, "first", &error)) << error;
    ASSERT_TRUE(write_picture_file(path, "second, longer", &error)) << error;
    EXPECT_EQ(shell_test::read_file(path), "second, longer");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);

    // A folder in the way: refused, the folder stays and no temporary file is left behind.
    fs::create_directory(scratch / "taken.svg");
    EXPECT_FALSE(write_picture_file(scratch / "taken.svg", "x", &error));
    EXPECT_EQ(error.rfind("cannot write '" + (scratch / "taken.svg") + "': ", 0), 0u) << error;
    EXPECT_TRUE(fs::is_directory(scratch / "taken.svg"));
    EXPECT_EQ(folder_entries(scratch.path()), (std::vector<std::string>{"one.svg", "taken.svg"}));

    EXPECT_FALSE(write_picture_file(scratch / "missing/x.svg", "x", &error));
    EXPECT_EQ(error,
              "cannot write '" + (scratch / "missing/x.svg") + "': No such file or directory");
}

TEST_F(PictureFilesTest, FileNamesStayInTheirFolder) {
    Entity& odd = entity("../up");
    odd.architectures.front()->name = "a/b c";
    EXPECT_EQ(picture_file_name(odd, *odd.architectures.front()), "___up.a_b_c.svg");
    EXPECT_EQ(picture_file_name(*design.root, *architecture), "Toplevel.a0.svg");
    odd.name.clear();
    EXPECT_EQ(picture_file_name(odd, *odd.architectures.front()), "_.a_b_c.svg");
}

TEST_F(PictureFilesTest, OnePicturePerBlockDiagramOfTheDesign) {
    Entity& cell = entity("cell"); // its only architecture is an HDL file
    Architecture& second =
        add_architecture(cell, new_architecture(kArchitectureBlockDiagram, "struct", &cell));
    component(cell, "u0", {1024, 1024});
    second.sheet.texts.push_back(
        make_label(style(), LabelKind::FreePlacedText, {512, 512}, "inside cell"));

    std::string folder = scratch / "pictures";
    PicturesWritten written = write_design_pictures(design, folder, DrawingOptions{});
    ASSERT_TRUE(written.ok()) << written.error;
    EXPECT_EQ(written.files,
              (std::vector<std::string>{folder + "/Toplevel.a0.svg", folder + "/cell.struct.svg"}));
    EXPECT_EQ(folder_entries(folder),
              (std::vector<std::string>{"Toplevel.a0.svg", "cell.struct.svg"}));
    EXPECT_NE(shell_test::read_file(folder + "/cell.struct.svg").find(">inside cell<"),
              std::string::npos);
    EXPECT_NE(shell_test::read_file(folder + "/Toplevel.a0.svg").find(">cell</text>"),
              std::string::npos);
    for (const std::string& file : written.files)
        expect_valid_svg(file, scratch / "check.png");

    // Again into the existing folder: the same files, replaced.
    EXPECT_TRUE(write_design_pictures(design, folder, DrawingOptions{}).ok());
    EXPECT_EQ(folder_entries(folder).size(), 2u);
}

TEST_F(PictureFilesTest, FolderThatCannotBeUsed) {
    shell_test::write_file(scratch / "plain", "x");
    PicturesWritten onto_file = write_design_pictures(design, scratch / "plain", DrawingOptions{});
    EXPECT_EQ(onto_file.error, "'" + (scratch / "plain") + "' is not a folder");
    EXPECT_TRUE(onto_file.files.empty());
    PicturesWritten nested = write_design_pictures(design, scratch / "no/such", DrawingOptions{});
    EXPECT_EQ(nested.error, "cannot create the folder '" + (scratch / "no/such") +
                                "': No such file or directory");
}

TEST_F(PictureFilesTest, SelectionOnlyOnItsOwnDiagram) {
    Entity& cell = entity("cell");
    Architecture& second =
        add_architecture(cell, new_architecture(kArchitectureBlockDiagram, "struct", &cell));
    Component& u0 = component(cell, "u0", {1024, 1024});
    settings.colours[static_cast<int>(DiagramColour::SelectedBackground)] = 13;
    Selection selection;
    DiagramObject o;
    o.component = &u0;
    selection.push_back(o);
    DrawingOptions options = this->options();
    options.selection = &selection;
    std::string folder = scratch / "sel";
    ASSERT_TRUE(write_design_pictures(design, folder, options, &second).ok());
    EXPECT_EQ(shell_test::read_file(folder + "/Toplevel.a0.svg").find("#ff55ff"),
              std::string::npos);
    ASSERT_TRUE(write_design_pictures(design, folder, options, architecture).ok());
    EXPECT_NE(shell_test::read_file(folder + "/Toplevel.a0.svg").find("#ff55ff"),
              std::string::npos);
}

} // namespace
} // namespace zeph::picture_testing

namespace zeph::picture_testing {
namespace {

// Every diagram of a design read from a design file gives a valid picture.
TEST(DesignFilePictures, SampleDesign) {
    Design design;
    ASSERT_EQ(
        read_design_file(std::string(ZEPH_SOURCE_DIR) + "/tests/golden/design/sample.vdf", design),
        0);
    shell_test::ScratchDir scratch;
    PicturesWritten written = write_design_pictures(design, scratch / "pictures", DrawingOptions{});
    ASSERT_TRUE(written.ok()) << written.error;
    EXPECT_FALSE(written.files.empty());
    for (const std::string& file : written.files)
        expect_valid_svg(file, scratch / "check.png");
}

} // namespace
} // namespace zeph::picture_testing
