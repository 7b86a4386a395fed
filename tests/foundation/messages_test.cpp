// System and framework messages, and the object-kind vocabulary.
#include "foundation/kind_vocabulary.h"
#include "foundation/message_table.h"
#include "foundation/system_message.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

namespace {

using namespace zeph;

int g_language = kLanguageVhdl;
int language() { return g_language; }

class Vocabulary : public ::testing::Test {
  protected:
    void SetUp() override { set_language_source(language); }
    void TearDown() override {
        g_language = kLanguageVhdl;
        set_language_source(nullptr);
    }
};

TEST_F(Vocabulary, PluralsInBothLanguages) {
    EXPECT_STREQ(kind_name(kKindEntity, 0, 2), "entities");
    EXPECT_STREQ(kind_name(kKindArchitecture, 0, 2), "architectures");
    EXPECT_STREQ(kind_name(kKindProcess, 0, 2), "processes");
    EXPECT_STREQ(kind_name(kKindBusEntry, 0, 2), "bus entries");
    EXPECT_STREQ(kind_name(kKindBus, 0, 0), "buses");
    EXPECT_STREQ(kind_name(kKindTestbench, 0, 3), "testbenches");
    EXPECT_STREQ(kind_name(kKindNet, 0, 2), "nets");
    g_language = kLanguageVerilog;
    EXPECT_STREQ(kind_name(kKindEntity, 0, 2), "modules");
    EXPECT_STREQ(kind_name(kKindArchitecture, 0, 2), "module bodies");
    EXPECT_STREQ(kind_name(kKindProcess, 0, 2), "always blocks");
    EXPECT_STREQ(kind_name(kKindProcessPort, 0, 1), "task port");
    EXPECT_STREQ(kind_name(kKindComponentGeneric, 0, 1), "instance parameter");
}

TEST_F(Vocabulary, CapitalAndSingular) {
    EXPECT_STREQ(kind_name(kKindBusEntry, kKindCapital, 2), "Bus entries");
    EXPECT_STREQ(kind_name(kKindDiagramPort, kKindCapital, 1), "Diagram port");
    EXPECT_STREQ(kind_name(kKindConnectByName, 0, 1), "connect-by-name");
    EXPECT_STREQ(kind_name(99, 0, 1), "");
}

TEST_F(Vocabulary, ThreeResultsStayIntactTheFourthReusesTheFirst) {
    const char* a = kind_name(kKindEntity, 0, 1);
    const char* b = kind_name(kKindPort, 0, 2);
    const char* c = kind_name(kKindNet, kKindCapital, 1);
    EXPECT_STREQ(a, "entity");
    EXPECT_STREQ(b, "ports");
    EXPECT_STREQ(c, "Net");
    const char* d = kind_name(kKindWire, 0, 1);
    EXPECT_EQ(d, a);
    EXPECT_STREQ(a, "wire");
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
    void SetUp() override { ui::set_platform(&p); }
    void TearDown() override { ui::set_platform(nullptr); }
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
    EXPECT_EQ(system_message_text(40, 0, "entity"), "Error    40: 'entity' is a VHDL reserved word");
    EXPECT_EQ(system_message_text(48, kKindPort, nullptr), "Error    48: Duplicate port name");
    EXPECT_EQ(system_message_text(110, 5, "z"), "Warning 110: Unknown error or warning (5)(z)");
    EXPECT_EQ(system_message_text(1501, 3, "net"), "Error   1501: Internal error (3)(net)");
}

TEST_F(SystemMessages, WhereEachIsShown) {
    system_message(4, 0, "f");
    system_message(7, 0, "g");
    ASSERT_EQ(p.shown(ui::Shown::Box).size(), 1u);
    EXPECT_EQ(p.shown(ui::Shown::Box)[0], "zeph|Error     4: Cannot open file 'f' (for reading)\n");
    ASSERT_EQ(p.transcript().back().kind, ui::Shown::Status);
    EXPECT_TRUE(p.transcript().back().beep);
    EXPECT_EQ(p.last_status(), "Error     7: Error(s) writing file 'g'");

    p.clear_transcript();
    system_message(102, 3, "d.vdf");
    ASSERT_EQ(p.shown(ui::Shown::Box).size(), 1u);
    EXPECT_EQ(p.shown(ui::Shown::Box)[0],
              "zeph|Please send a bug report with a copy\nof this file to CALDERWYNE Support.");
    p.clear_transcript();
    system_message(102, -2, "d.vdf");
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
    framework_message(52, 0, "mauve");
    EXPECT_EQ(p.shown(ui::Shown::Box).at(0), "zeph|Warning  52: Colour 'mauve' unknown");
}

} // namespace
