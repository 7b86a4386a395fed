// Two sessions in one process, their commands interleaved: each builds, verifies, generates
// and saves its own design in its own project, in its own language, with its own undo
// history and its own verification state.
#include "console_session.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

using namespace zeph;
using shell_test::read_file;
using shell_test::ScratchDir;
using shell_test::write_file;
using testing_support::ConsoleSession;

class TwoSessions : public ::testing::Test {
  protected:
    // Runs the line in the session and expects it to succeed.
    static void ok(ConsoleSession& s, const std::string& line) {
        EXPECT_TRUE(s.run(line)) << line << "\n" << s.take_output();
    }

    ScratchDir root;
    // Each session starts in its own directory with its own settings; b's designs are Verilog.
    bool settings_written = (write_file(root / "a/zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n"),
                             write_file(root / "b/zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n"
                                                             "[Miscellaneous]\n"
                                                             "DefaultLanguage=Verilog\n"),
                             true);
    ConsoleSession a{root / "a", root / "a/zeph.ini"};
    ConsoleSession b{root / "b", root / "b/zeph.ini"};
};

TEST_F(TwoSessions, BuildVerifyAndGenerateTwoDesignsWithoutMeeting) {
    a.session().start_untitled();
    b.session().start_untitled();
    ok(a, "save-as alpha.vdp");
    ok(b, "save-as beta.vdp");
    ok(a, "add-component 640 640 u0 leaf block");
    ok(b, "add-component 640 640 v0 other block");
    ok(a, "diagram leaf");
    ok(b, "diagram other");
    ok(a, "add-port in 64 128 a");
    ok(b, "add-port out 64 128 z");
    ok(b, "add-port in 64 384 spare");
    ok(b, "undo"); // undoes b's last port only
    EXPECT_EQ(a.session().design()->current_entity->ports.size(), 1u);
    EXPECT_EQ(b.session().design()->current_entity->ports.size(), 1u);

    ok(a, "verify-design");
    ok(b, "verify-design");
    ok(b, "add-port in 64 384 late"); // an edit in b after its verification
    a.take_output();
    ok(a, "generate root=leaf overwrite"); // a's verification still stands
    EXPECT_FALSE(b.run("generate root=other overwrite"));
    EXPECT_NE(b.take_output().find("error: generate needs a verification"), std::string::npos);
    ok(b, "verify-design");
    ok(b, "generate root=other overwrite");
    ok(a, "save");
    ok(b, "save");

    std::string vhdl = read_file(root / "a/alpha.vdp/output/leaf.vhd");
    EXPECT_NE(vhdl.find("entity leaf is"), std::string::npos) << vhdl;
    EXPECT_NE(vhdl.find("a : in"), std::string::npos) << vhdl;
    std::string verilog = read_file(root / "b/beta.vdp/output/other.v");
    EXPECT_NE(verilog.find("module other"), std::string::npos) << verilog;
    EXPECT_NE(verilog.find("late"), std::string::npos) << verilog;
    EXPECT_EQ(verilog.find("spare"), std::string::npos) << verilog;
    for (const char* stray :
         {"a/alpha.vdp/output/other.v", "b/beta.vdp/output/leaf.vhd", "a/beta.vdp", "b/alpha.vdp"})
        EXPECT_FALSE(std::filesystem::exists(root / stray)) << stray;
    EXPECT_NE(read_file(root / "a/alpha.vdp/design/design.vdf").find("leaf"), std::string::npos);
    EXPECT_EQ(read_file(root / "a/alpha.vdp/design/design.vdf").find("other"), std::string::npos);
    EXPECT_NE(read_file(root / "b/beta.vdp/design/design.vdf").find("other"), std::string::npos);
    EXPECT_EQ(a.session().title(), "ZEPH/HDL - " + (root / "a/alpha.vdp"));
    EXPECT_EQ(b.session().title(), "ZEPH/HDL - " + (root / "b/beta.vdp"));
}

} // namespace
