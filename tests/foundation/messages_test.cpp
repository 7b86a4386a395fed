// System and framework messages, and the object-kind vocabulary.
#include "foundation/kind_vocabulary.h"
#include "foundation/message_table.h"
#include "foundation/system_message.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

namespace {

using namespace zeph;

constexpr int V = kLanguageVhdl;
constexpr int L = kLanguageVerilog;

TEST(Vocabulary, PluralsInBothLanguages) {
    EXPECT_EQ(kind_name(V, kKindEntity, 0, 2), "entities");
    EXPECT_EQ(kind_name(V, kKindArchitecture, 0, 2), "architectures");
    EXPECT_EQ(kind_name(V, kKindProcess, 0, 2), "processes");
    EXPECT_EQ(kind_name(V, kKindBusEntry, 0, 2), "bus entries");
    EXPECT_EQ(kind_name(V, kKindBus, 0, 0), "buses");
    EXPECT_EQ(kind_name(V, kKindTestbench, 0, 3), "testbenches");
    EXPECT_EQ(kind_name(V, kKindNet, 0, 2), "nets");
    EXPECT_EQ(kind_name(L, kKindEntity, 0, 2), "modules");
    EXPECT_EQ(kind_name(L, kKindArchitecture, 0, 2), "module bodies");
    EXPECT_EQ(kind_name(L, kKindProcess, 0, 2), "always blocks");
    EXPECT_EQ(kind_name(L, kKindProcessPort, 0, 1), "task port");
    EXPECT_EQ(kind_name(L, kKindComponentGeneric, 0, 1), "instance parameter");
}

TEST(Vocabulary, CapitalAndSingular) {
    EXPECT_EQ(kind_name(V, kKindBusEntry, kKindCapital, 2), "Bus entries");
    EXPECT_EQ(kind_name(V, kKindDiagramPort, kKindCapital, 1), "Diagram port");
    EXPECT_EQ(kind_name(V, kKindConnectByName, 0, 1), "connect-by-name");
    EXPECT_EQ(kind_name(V, 99, 0, 1), "");
    EXPECT_EQ(kind_name(0, kKindEntity, 0, 1), "entity") << "anything but Verilog is VHDL";
}

TEST(MessageTable, SeverityByNumber) {
    EXPECT_EQ(severity_of(1), Severity::Error);
    EXPECT_EQ(severity_of(100), Severity::Error);
    EXPECT_EQ(severity_of(101), Severity::Warning);
    EXPECT_EQ(severity_of(150), Severity::Warning);
    EXPECT_EQ(severity_of(151), Severity::Note);
}

class SystemMessages : public ::testing::Test {
  protected:
    ui::ScriptedPlatform p;
};

TEST_F(SystemMessages, TextsAndPrefixes) {
    EXPECT_EQ(system_message_text(4, 1, "work/design.vdf"),
              "Error     4: Cannot open file 'work/design.vdf' (for writing)");
    EXPECT_EQ(system_message_text(4, 0, "x"), "Error     4: Cannot open file 'x' (for reading)");
    EXPECT_EQ(system_message_text(102, 17, "design.vdf"),
              "Warning 102: Input file 'design.vdf' incorrect at line 17");
    EXPECT_EQ(system_message_text(102, -2, "a.vdf"),
              "Warning 102: Input file 'a.vdf' incorrect (not an ZEPH/HDL design file)");
    EXPECT_EQ(system_message_text(103, 0, nullptr), "Warning 103: Expired version of input file");
    EXPECT_EQ(system_message_text(40, 0, "entity"),
              "Error    40: 'entity' is a VHDL reserved word");
    EXPECT_EQ(system_message_text(48, kKindPort, nullptr), "Error    48: Duplicate port name");
    EXPECT_EQ(system_message_text(110, 5, "z"), "Warning 110: Unknown error or warning (5)(z)");
    EXPECT_EQ(system_message_text(1501, 3, "net"), "Error   1501: Internal error (3)(net)");
}

TEST_F(SystemMessages, WhereEachIsShown) {
    system_message(p, 4, 0, "f");
    system_message(p, 7, 0, "g");
    ASSERT_EQ(p.shown(ui::Shown::Box).size(), 1u);
    EXPECT_EQ(p.shown(ui::Shown::Box)[0], "zeph|Error     4: Cannot open file 'f' (for reading)\n");
    ASSERT_EQ(p.transcript().back().kind, ui::Shown::Status);
    EXPECT_TRUE(p.transcript().back().beep);
    EXPECT_EQ(p.last_status(), "Error     7: Error(s) writing file 'g'");

    p.clear_transcript();
    system_message(p, 102, 3, "d.vdf");
    ASSERT_EQ(p.shown(ui::Shown::Box).size(), 1u);
    EXPECT_EQ(p.shown(ui::Shown::Box)[0],
              "zeph|Please send a bug report with a copy\nof this file to CALDERWYNE Support.");
    p.clear_transcript();
    system_message(p, 102, -2, "d.vdf");
    EXPECT_TRUE(p.shown(ui::Shown::Box).empty());
}

TEST_F(SystemMessages, FrameworkTextsIncludeTheirPrefix) {
    EXPECT_EQ(framework_message_text(5, 0, "ZEPH"),
              "Error     5: Environment variable 'ZEPH' is not set");
    EXPECT_EQ(framework_message_text(31, 0, "HOME"),
              "Warning  31: Environment variable 'HOME' is not set");
    EXPECT_EQ(framework_message_text(48, 126, "drv"),
              "Error    48: Unable to load library for driver 'drv'\n(Loading error 126)");
    EXPECT_EQ(framework_message_text(42, 0, nullptr), "Error    42: No spoolscript present");
    EXPECT_EQ(framework_message_text(77, 0, nullptr), "Error    77: Unknown error or warning");
    framework_message(p, 52, 0, "mauve");
    EXPECT_EQ(p.shown(ui::Shown::Box).at(0), "zeph|Warning  52: Colour 'mauve' unknown");
}

} // namespace
