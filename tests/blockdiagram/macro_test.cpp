// Macros in a real scratch project: saving a subtree, loading it back as a new component with
// its directories, and every failure of a load (a file that cannot be opened, a corrupt one, an
// expired version, a directory that cannot be copied) leaving the design as it was.
#include "diagram_test_support.h"

#include "blockdiagram/diagram_add.h"
#include "blockdiagram/hierarchy_removal.h"
#include "blockdiagram/instantiate.h"
#include "blockdiagram/macros.h"

#include <filesystem>
#include <fstream>

namespace zeph::diagram_testing {
namespace {

namespace fs = std::filesystem;

// "Toplevel" -> u0 of "mid", which holds w0 of "leaf"; the subtree of u0 is saved as the
// macro "m.vmp", then "mid" and "leaf" are removed so that the macro can come back.
class MacroTest : public DiagramTest {
  protected:
    MacroTest() {
        root = fs::temp_directory_path() /
               ("zeph_macro_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "work");
        previous = fs::current_path();
        fs::current_path(root);
        EXPECT_EQ(add_component_of_new_entity(editor, {1024, 1024}, NewEntityKind::BlockDiagram,
                                              "u0", std::string("mid")),
                  Outcome::Done);
        Entity& mid = entity_named("mid");
        EXPECT_TRUE(editor.open(design, *mid.architectures[0]));
        EXPECT_EQ(add_component_of_new_entity(editor, {0, 0}, NewEntityKind::HdlFile, "w0",
                                              std::string("leaf")),
                  Outcome::Done);
        EXPECT_TRUE(editor.open(design, *architecture));
        fs::create_directories(root / "work/leaf/a0");
        std::ofstream(root / "work/leaf/a0/leaf.vhd") << "-- leaf\n";
        EXPECT_EQ(save_macro(platform, design, component(0), (root / "m.vmp").string(),
                             std::string("two levels")),
                  Outcome::Done);
        discard_entity(platform, design, entity_named("mid"));
        discard_entity(platform, design, entity_named("leaf"));
        editor.hierarchy_changed();
        platform.clear_transcript();
    }
    ~MacroTest() override {
        fs::current_path(previous);
        fs::remove_all(root);
    }

    std::string macro_text() const {
        std::ifstream in(root / "m.vmp/macro.vmf");
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void write_macro(const std::string& text) const {
        std::ofstream(root / "m.vmp/macro.vmf", std::ios::binary | std::ios::trunc) << text;
    }
    // A failed load leaves the design's text, entities and counter as they were.
    void expect_refused_unchanged(const std::string& path) {
        std::string before = design_text();
        int counter = design.entity_directory_counter;
        EXPECT_EQ(load_macro(editor, path, {3000, 1024}, std::string("m0")), Outcome::Refused);
        EXPECT_EQ(design_text(), before);
        EXPECT_EQ(design.entity_directory_counter, counter);
        EXPECT_EQ(find_entity(design, "mid"), nullptr);
    }

    fs::path root, previous;
};

TEST_F(MacroTest, SavedSubtreeComesBackAsANewComponentWithItsDirectories) {
    EXPECT_TRUE(fs::exists(root / "m.vmp/leaf/a0/leaf.vhd"));
    EXPECT_EQ(macro_text().substr(0, macro_text().find('\n') + 1), "ZEPH/HDL Version 3.0   6\n");
    fs::remove_all(root / "work/leaf");
    ASSERT_EQ(load_macro(editor, (root / "m.vmp").string(), {3000, 1024}, std::string("m0")),
              Outcome::Done);
    EXPECT_EQ(platform.shown(ui::Shown::Status).front(), "Loading 'mid'...");
    Entity* mid = find_entity(design, "mid");
    Entity* leaf = find_entity(design, "leaf");
    ASSERT_NE(mid, nullptr);
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(mid->architectures[0]->block_diagram->components[0]->entity, leaf);
    ASSERT_EQ(diagram().components.size(), 1u);
    EXPECT_EQ(component(0).name, "m0");
    EXPECT_EQ(component(0).entity, mid);
    EXPECT_EQ(component(0).bound_architecture, mid->architectures[0].get());
    EXPECT_TRUE(fs::exists(root / "work/leaf/a0/leaf.vhd"));
    // The names are taken now: loading again stops before anything is added.
    std::string before = design_text();
    EXPECT_EQ(load_macro(editor, (root / "m.vmp").string(), {3000, 3000}, std::string("m1")),
              Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Entity 'mid' already exists. Loading aborted.");
    EXPECT_EQ(design_text(), before);
}

TEST_F(MacroTest, ReadErrorsAreMessagesFourHundredTwoAndThreeAndChangeNothing) {
    expect_refused_unchanged((root / "none.vmp").string());
    std::string text = macro_text();
    // A component record naming an architecture "mid" does not have.
    std::string corrupt = text;
    std::size_t at = corrupt.find("Component: a0 w0 leaf");
    ASSERT_NE(at, std::string::npos);
    corrupt.replace(at, 13, "Component: zz");
    write_macro(corrupt);
    expect_refused_unchanged((root / "m.vmp").string());
    std::string expired = text;
    expired.replace(0, expired.find('\n'), "ZEPH/HDL Version 0.3   1");
    write_macro(expired);
    expect_refused_unchanged((root / "m.vmp").string());
    std::vector<std::string> shown;
    for (const ui::TranscriptEntry& e : platform.transcript())
        if (e.kind == ui::Shown::Box || (e.kind == ui::Shown::Status && e.beep))
            shown.push_back(e.text);
    ASSERT_GE(shown.size(), 3u);
    EXPECT_NE(shown[0].find("Error     4: Cannot open file '" + (root / "none.vmp").string()),
              std::string::npos)
        << shown[0];
    EXPECT_NE(shown[1].find("Warning 102: Input file '" + (root / "m.vmp/macro.vmf").string() +
                            "' incorrect at line"),
              std::string::npos)
        << shown[1];
    EXPECT_NE(shown.back().find("Warning 103: Expired version of input file"), std::string::npos)
        << shown.back();
}

TEST_F(MacroTest, ADirectoryThatCannotBeCopiedTakesTheLoadBack) {
    // The working copy holds a "leaf" directory already: the copy of the macro's is refused.
    EXPECT_FALSE(fs::exists(root / "work/leaf")); // removed with its entity
    fs::create_directories(root / "work/leaf");
    expect_refused_unchanged((root / "m.vmp").string());
    EXPECT_EQ(find_entity(design, "leaf"), nullptr);
    EXPECT_FALSE(fs::exists(root / "work/mid"));
    std::vector<std::string> boxes = platform.shown(ui::Shown::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("already exists"), std::string::npos) << boxes[0];
}

} // namespace
} // namespace zeph::diagram_testing
