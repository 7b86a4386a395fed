// The shell's setup, packages and binding commands, run as a script against a small design;
// the printed session is compared with a golden transcript.
#include "console_session.h"
#include "hdl_test_support.h"

#include "hdl/design_events.h"
#include "shell/settings_file.h"
#include "shell/setup_commands.h"

namespace {

using namespace zeph;

// A session on an untitled design with the entities cpu and alu beside its Toplevel.
class SetupCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        console.session().start_untitled();
        Design& design = *console.session().design();
        hdl_test::add_named_entity(design, "cpu");
        hdl_test::add_named_entity(design, "alu");
        console.shell().set_title_source({}); // the transcript shows no title lines
        console.take_output();
    }
    void run(std::initializer_list<const char*> lines) {
        for (const char* line : lines)
            console.run(line);
    }
    Settings& settings() { return console.session().settings(); }

    hdl_test::ScratchDirectory dir;
    testing_support::ConsoleSession console{dir.path(), dir.path() / "zeph.ini"};
};

TEST_F(SetupCommandsTest, SessionMatchesTheGoldenTranscript) {
    run({
        "setup",
        "setup signal-type std_ulogic designer \"Ada Lovelace\"",
        "setup vector-type Entity",
        "setup keyword-case upper",
        "setup colour red",
        "setup company",
        "setup designer 123456789012345678901234567890123456789012345678901",
        "setup language verilog rules both synthesis-tool core vhdl93 yes",
        "setup vhdl-header /nonexistent/header.vhd",
        "setup",
        "packages insert ieee.std_logic_1164 global",
        "packages insert ieee.numeric_std",
        "packages insert work.types file=$NOWHERE/types.vhd",
        "packages insert before=2 work.types",
        "packages insert work.util before=9",
        "packages insert ieee.body",
        "packages insert std.textio.all extra",
        "packages up 3",
        "packages change 3 work.types.word_t global",
        "packages insert mylib.old",
        "packages delete 4",
        "packages down 4",
        "packages frobnicate 1",
        "packages",
        "packages default insert ieee.std_logic_1164 global",
        "packages default insert mylib..all file=lib/mylib.vhd",
        "packages default down 1",
        "packages default",
        "bindings",
        "bind cpu 3",
        "bind cpu 1",
        "bind Toplevel 2",
        "bind cpu 3",
        "bind alu 9",
        "bindings cpu",
        "unbind cpu 3",
        "unbind cpu 3",
    });
    EXPECT_TRUE(hdl_test::matches_golden("setup_session.txt", console.take_output()));
    EXPECT_EQ(settings().packages.size(), 2u);
    EXPECT_EQ(settings().packages[0].library, "mylib");
    EXPECT_TRUE(console.session().project().modified());
}

TEST_F(SetupCommandsTest, OverlongDefaultEntriesAreNotCutByAnEdit) {
    std::string long_library(40, 'l');
    settings().packages.push_back({long_library, "p", "ALL", false, ""});
    EXPECT_FALSE(console.run("packages default insert ieee.std_logic_1164"));
    ASSERT_EQ(settings().packages.size(), 1u);
    EXPECT_EQ(settings().packages[0].library, long_library);
    EXPECT_NE(console.take_output().find(
                  "error: packages: default entry 1 of the settings file is too long"),
              std::string::npos);
}

TEST(SetupCommandsWithoutDesign, TheDesignCommandsRefuse) {
    hdl_test::ScratchDirectory dir;
    testing_support::ConsoleSession console{dir.path(), dir.path() / "zeph.ini"};
    for (const char* line : {"setup", "packages", "bindings", "bind a 1", "unbind a 1"})
        EXPECT_FALSE(console.run(line)) << line;
    EXPECT_TRUE(console.run("packages default")) << "the default list needs no design";
    EXPECT_NE(console.take_output().find("error: setup: no design is open"), std::string::npos);
}

TEST_F(SetupCommandsTest, NewDesignDefaultsComeFromTheSettings) {
    Settings s;
    s.miscellaneous.signal_type = "std_logic";
    s.miscellaneous.vector_type = "std_logic_vector";
    s.miscellaneous.company = "Calderwyne";
    s.miscellaneous.default_language = "Verilog";
    s.tools.synthesis_tool = 7;
    s.packages.push_back({"ieee", "std_logic_1164", "", true, ""});
    NewDesignDefaults d = new_design_defaults(s);
    Design fresh;
    ui::ScriptedPlatform platform;
    DesignEvents events(platform);
    reset_design_setup(fresh, d, events);
    EXPECT_EQ(fresh.vhdl_signal_type, "std_logic");
    EXPECT_EQ(fresh.vhdl_vector_type, "std_logic_vector");
    EXPECT_EQ(fresh.company, "Calderwyne");
    EXPECT_EQ(fresh.target_language, 2);
    EXPECT_EQ(fresh.synthesis_tool, 7);
    ASSERT_EQ(fresh.library_entries.count(), 1);
    EXPECT_STREQ(fresh.library_entries.entries()[0]->suffix, "ALL");
}

} // namespace
