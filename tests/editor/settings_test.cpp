// The settings file: value conventions, path expansion, case-insensitive lookup and writing
// back without losing the user's other lines.
#include "editor/settings.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

namespace zped {
namespace {

Settings settings_with(test::TempDir& dir, const std::string& text) {
    test::write_file(dir.file("zped.ini"), text);
    Settings settings(dir.file("zped.ini"), "/opt/zped", [](const std::string& name) {
        return name == "HOME_DIR" ? std::string("/home/me") : std::string();
    });
    settings.load();
    return settings;
}

TEST(ZpedSettings, FlagsNumbersAndColours) {
    test::TempDir dir;
    Settings s = settings_with(
        dir, "[Options]\nA=yes\nB=true\nC=no\nD=false\nE=7\nF=0\nG=maybe\n"
             "N = 12 \nBad=12x\nOct=755\n[Colors]\nText=10 20 300\nEmpty=\nBroken=1 2\n");
    EXPECT_TRUE(s.read_bool("Options", "A", false));
    EXPECT_TRUE(s.read_bool("Options", "B", false));
    EXPECT_FALSE(s.read_bool("Options", "C", true));
    EXPECT_FALSE(s.read_bool("Options", "D", true));
    EXPECT_TRUE(s.read_bool("Options", "E", false));
    EXPECT_FALSE(s.read_bool("Options", "F", true));
    EXPECT_TRUE(s.read_bool("Options", "G", true));
    EXPECT_FALSE(s.read_bool("Options", "G", false));
    EXPECT_TRUE(s.read_bool("options", "a", false)) << "keys and sections ignore case";
    EXPECT_EQ(s.read_int("Options", "N", 0), 12);
    EXPECT_EQ(s.read_int("Options", "Bad", 5), 5);
    EXPECT_EQ(s.read_octal("Options", "Oct", 0), 0755);
    EXPECT_EQ(s.read_colour("Colors", "Text", {}), (Colour{10, 20, 255}));
    EXPECT_EQ(s.read_colour("Colors", "Empty", {1, 2, 3}), (Colour{1, 2, 3}));
    EXPECT_EQ(s.read_colour("Colors", "Broken", {1, 2, 3}), (Colour{1, 2, 3}));
    EXPECT_EQ(s.read_string("Nowhere", "Key", "fallback"), "fallback");
}

TEST(ZpedSettings, PathVariables) {
    test::TempDir dir;
    Settings s =
        settings_with(dir, "[Directories]\nTPL=/data/templates\n[Paths]\n"
                           "A=$INSTALL/menu.ini\nB=$TPL\\vhdl.tpl\nC=$HOME_DIR/x\nD=$MISSING/x\n"
                           "E=plain/path\nF=$TPL/$INSTALL\n");
    EXPECT_EQ(s.read_path("Paths", "A", ""), "/opt/zped/menu.ini");
    EXPECT_EQ(s.read_path("Paths", "B", ""), "/data/templates\\vhdl.tpl");
    EXPECT_EQ(s.read_path("Paths", "C", ""), "/home/me/x");
    EXPECT_EQ(s.read_path("Paths", "D", "$INSTALL/default"), "/opt/zped/default");
    EXPECT_EQ(s.read_path("Paths", "E", ""), "plain/path");
    EXPECT_EQ(s.read_path("Paths", "F", ""), "/data/templates//opt/zped");
    EXPECT_EQ(s.read_path("Paths", "None", "$INSTALL"), "/opt/zped");
}

TEST(ZpedSettings, WritingKeepsCommentsAndOtherSections) {
    test::TempDir dir;
    Settings s = settings_with(dir, "; my settings\n[Options]\nTabSize=8\n\n[Mine]\nKeep=this\n");
    s.write_int("Options", "TabSize", 3);
    s.write_bool("Options", "AutoIndent", false);
    s.write_octal("Options", "Mode", 0644);
    s.write_string("Files", "LoadMRUFile1", "/tmp/a.vhd");
    ASSERT_TRUE(s.save());
    EXPECT_EQ(test::read_whole(dir.file("zped.ini")),
              "; my settings\n[Options]\nTabSize=3\nAutoIndent=no\nMode=644\n\n[Mine]\nKeep=this\n"
              "[Files]\nLoadMRUFile1=/tmp/a.vhd\n");
}

TEST(ZpedSettings, AMissingFileIsEmptyAndSavingCreatesItsDirectory) {
    test::TempDir dir;
    Settings s(dir.file("config/zped/zped.ini"), "/opt");
    EXPECT_TRUE(s.load());
    EXPECT_FALSE(s.loaded_from_file());
    EXPECT_EQ(s.read_int("Options", "TabSize", 4), 4);
    s.write_bool("Options", "Colors", true);
    ASSERT_TRUE(s.save());
    EXPECT_EQ(test::read_whole(dir.file("config/zped/zped.ini")), "[Options]\nColors=yes\n");
}

} // namespace
} // namespace zped
