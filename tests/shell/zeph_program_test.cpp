// Scenarios with the real zeph program: options, scripted sessions from a batch file and from
// piped standard input, the answer syntax, the settings file through the settings commands and
// at exit, command-line refusals and a start without a current directory.
#include "test_files.h"
#include "zeph_process.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sstream>
#include <thread>

namespace {

using shell_test::read_file;
using shell_test::replaced;
using shell_test::run_zeph;
using shell_test::ScratchDir;
using shell_test::write_file;
using shell_test::ZephResult;
using shell_test::ZephRun;

// A session of one "exit" on the untitled design of the start: nothing changed, so the
// untitled project is removed without a question.
constexpr const char* kUntitledSession = "title: ZEPH/HDL - [Untitled]\n"
                                         "command: exit\n"
                                         "status: Removing old '@DIR@/untitled.vdp'...\n";

class ZephProgramTest : public ::testing::Test {
  protected:
    std::string settings_path() const { return dir / "config/zeph/zeph.ini"; }
    // A run in the scratch directory with its own configuration directory.
    ZephRun in_scratch(std::vector<std::string> args, std::string input = "") const {
        ZephRun run;
        run.args = std::move(args);
        run.input = std::move(input);
        run.cwd = dir.path();
        run.env = {{"XDG_CONFIG_HOME", dir / "config"}, {"HOME", dir.path()}};
        return run;
    }
    ZephResult script(const std::string& commands) {
        write_file(dir / "run.zeph", commands);
        return run_zeph(in_scratch({"--batch", dir / "run.zeph"}));
    }
    std::string scrubbed(const std::string& text) const {
        return replaced(text, dir.path(), "@DIR@");
    }

    ScratchDir dir;
};

TEST_F(ZephProgramTest, VersionHelpAndBadOptions) {
    ZephResult version = run_zeph(in_scratch({"--version"}));
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("zeph ", 0), 0u);
    ZephResult help = run_zeph(in_scratch({"--help"}));
    EXPECT_EQ(help.status, 0);
    shell_test::expect_golden("usage.txt", help.out);
    ZephResult bad = run_zeph(in_scratch({"--frobnicate"}));
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "zeph: unknown option '--frobnicate'\n" + help.out);
    ZephResult missing = run_zeph(in_scratch({"--batch", dir / "none.zeph"}));
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(scrubbed(missing.err),
              "zeph: cannot open batch file '@DIR@/none.zeph': No such file or directory\n");
}

// The lines of the program's own vocabulary (start, file and settings commands); the editing
// commands of the diagram areas are checked by their own tests.
std::string core_lines(const std::string& out) {
    static const char* const core[] = {"help ", "answer ", "wait ",          "exit ",
                                       "new ",  "open ",   "save ",          "save-as ",
                                       "view ", "touch ",  "load-settings ", "save-settings "};
    std::istringstream in(out);
    std::string kept;
    for (std::string line; std::getline(in, line);) {
        bool keep = !line.starts_with("help: ");
        for (const char* name : core)
            keep = keep || line.compare(6, std::strlen(name), name) == 0;
        if (keep) kept += line + "\n";
    }
    return kept;
}

TEST_F(ZephProgramTest, HelpListsTheCommands) {
    write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\n");
    ZephResult r = script("help\n");
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    shell_test::expect_golden("help_session.txt", scrubbed(core_lines(r.out)));
}

// The same commands typed into a pipe and read from a batch file give the same transcript.
TEST_F(ZephProgramTest, PipedInputIsAScriptToo) {
    const std::string commands = "# settings round trip\nanswer yes\nsave-settings\n"
                                 "answer no\nload-settings\nexit\n";
    ZephResult piped = run_zeph(in_scratch({}, commands));
    std::filesystem::remove(settings_path());
    ZephResult batch = script(commands);
    EXPECT_EQ(piped.status, 0) << piped.out << piped.err;
    EXPECT_EQ(piped.out, batch.out);
    EXPECT_EQ(scrubbed(piped.out),
              "beep: Error    32: Cannot open settings file '@DIR@/config/zeph/zeph.ini'\n"
              "title: ZEPH/HDL - [Untitled]\n"
              "command: save-settings\n"
              "question: Save settings file '@DIR@/config/zeph/zeph.ini'? [yes/no]\n"
              "answer: yes\n"
              "command: load-settings\n"
              "question: Load settings file '@DIR@/config/zeph/zeph.ini'? [yes/no]\n"
              "answer: no\n"
              "command: exit\n"
              "status: Removing old '@DIR@/untitled.vdp'...\n");
    EXPECT_TRUE(piped.err.empty()) << piped.err;
    shell_test::expect_golden("default_zeph.ini", read_file(settings_path()));
}

TEST_F(ZephProgramTest, AnUnansweredQuestionAbortsThatCommandAndTheScriptGoesOn) {
    write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\nGridFactor=4\n");
    ZephResult r = script("save-settings\nhelp exit\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(scrubbed(r.out),
              "title: ZEPH/HDL - [Untitled]\n"
              "command: save-settings\n"
              "question: Save settings file '@DIR@/config/zeph/zeph.ini'? [yes/no]\n"
              "error: save-settings abandoned: question not answered: Save settings file "
              "'@DIR@/config/zeph/zeph.ini'?\n"
              "command: help exit\n"
              "help: exit                     Exit the application\n"
              "status: Removing old '@DIR@/untitled.vdp'...\n");
    EXPECT_EQ(read_file(settings_path()), "[GUI]\nSaveSettingsOnExit=no\nGridFactor=4\n");
}

TEST_F(ZephProgramTest, SettingsEdgeCasesAreWrittenBackCorrected) {
    write_file(settings_path(), "; kept\n[GUI]\nGridFactor=0\nMaxUndos=0\nSaveSettingsOnExit=no\n"
                                "[Environment]\nBackupTime=45\nVhdlExt=v\nVerilogExt=v\n"
                                "EntityExt=e\n[Tools]\nSynthesisTool=CORE\n[Other]\nkey=value\n");
    ZephResult r = script("answer yes\nsave-settings\n");
    EXPECT_EQ(r.status, 0) << r.out;
    std::string text = read_file(settings_path());
    for (const char* line :
         {"; kept\n[GUI]\nGridFactor=1\nMaxUndos=1\n", "\nBackupTime=30\n", "\nVhdlExt=vhd\n",
          "\nEntityExt=ent\n", "\nArchitectureExt=arc\n", "\nConfigurationExt=cf\n",
          "\nVerilogExt=v\n", "\nSynthesisTool=Galileo\n", "[Other]\nkey=value\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin:\n" << text;
}

TEST_F(ZephProgramTest, ExitWritesTheSettingsOnlyWhenAskedTo) {
    write_file(settings_path(), "[Environment]\nBackupTime=45\n");
    EXPECT_EQ(script("exit\n").status, 0);
    EXPECT_NE(read_file(settings_path()).find("BackupTime=30\n"), std::string::npos);

    write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\n[Environment]\nBackupTime=45\n");
    EXPECT_EQ(script("").status, 0);
    EXPECT_EQ(read_file(settings_path()),
              "[GUI]\nSaveSettingsOnExit=no\n[Environment]\nBackupTime=45\n");
}

TEST_F(ZephProgramTest, ADamagedSettingsFileIsReportedAndKeptWhole) {
    write_file(settings_path(), "[GUI]\nGridFactor=3\nthis is not a setting\n");
    ZephResult r = script("exit\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(scrubbed(r.out),
              "box: [zeph] Settings file '@DIR@/config/zeph/zeph.ini' has 1 line that cannot be "
              "read (the first is line 3).\n"
              "box: The defaults stand for them; the lines are kept in the file.\n"
              "title: ZEPH/HDL - [Untitled]\n"
              "command: exit\n"
              "status: Removing old '@DIR@/untitled.vdp'...\n");
    EXPECT_NE(read_file(settings_path()).find("GridFactor=3\nthis is not a setting\n"),
              std::string::npos);
}

TEST_F(ZephProgramTest, TheSettingsFileBesideTheProgramComesFirst) {
    std::filesystem::copy_file(ZEPH_PROGRAM, dir / "zeph");
    write_file(dir / "zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n");
    ZephRun run = in_scratch({}, "answer no\nsave-settings\n");
    run.program = dir / "zeph";
    ZephResult r = run_zeph(run);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(scrubbed(r.out), "title: ZEPH/HDL - [Untitled]\n"
                               "command: save-settings\n"
                               "question: Save settings file '@DIR@/zeph.ini'? [yes/no]\n"
                               "answer: no\n"
                               "status: Removing old '@DIR@/untitled.vdp'...\n");
}

TEST_F(ZephProgramTest, CommandLineRefusals) {
    write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\n");
    struct Case {
        const char* argument;
        const char* box;
    } cases[] = {
        {"designs\\cpu", "box: [zeph] Path not allowed in command line argument.\n"
                         "box: Design project must be on current working directory or\n"
                         "box: on Design Projects Directory or will be created there.\n"},
        {"sub/cpu.vdp", "box: [zeph] Path not allowed in command line argument.\n"
                        "box: Design project must be on current working directory or\n"
                        "box: on Design Projects Directory or will be created there.\n"},
        {"lib.vmp", "box: [zeph] Only design projects can be loaded as command line argument.\n"},
        {"old.vdf", "box: [zeph] Only design projects can be loaded as command line argument.\n"},
    };
    for (const Case& c : cases) {
        ZephResult r = run_zeph(in_scratch({c.argument}, "exit\n"));
        EXPECT_EQ(r.status, 0) << c.argument;
        EXPECT_EQ(scrubbed(r.out), std::string(c.box) + kUntitledSession) << c.argument;
    }
    // A plain name is accepted; an undefined designs directory refuses it with its message.
    write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\n[Environment]\nDesigns=$NOWHERE\n");
    ZephResult r = run_zeph(in_scratch({"cpu"}, "exit\n"));
    EXPECT_EQ(scrubbed(r.out), "beep: No definition for logical directory 'NOWHERE'.\n" +
                                   std::string(kUntitledSession));
}

TEST_F(ZephProgramTest, WithoutACurrentDirectoryTheProgramEnds) {
    std::filesystem::create_directory(dir / "gone");
    ZephRun run = in_scratch({}, "exit\n");
    run.cwd = dir / "gone";
    run.remove_cwd_first = true;
    ZephResult r = run_zeph(run);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "box: [zeph] Illegal pwd.\n");
}

TEST_F(ZephProgramTest, TheSampleReportStillWorks) {
    ZephResult r = run_zeph(in_scratch({"--sample-report"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("report-title: Design Verify\n"), std::string::npos) << r.out;
}

// Scenarios of design projects with real directories and real zeph processes.
class ZephProjectTest : public ZephProgramTest {
  protected:
    void SetUp() override { write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\n"); }
    ZephResult zeph(std::vector<std::string> args, const std::string& commands) {
        write_file(dir / "run.zeph", commands);
        args.insert(args.begin(), {"--batch", dir / "run.zeph"});
        return run_zeph(in_scratch(args));
    }
    // A saved project "cpu.vdp" whose design information is `information`.
    void make_project(const std::string& information) {
        ZephResult r = zeph({}, "save-as cpu.vdp\ntouch " + information + "\nsave\nexit\n");
        ASSERT_EQ(r.status, 0) << r.out << r.err;
        ASSERT_FALSE(std::filesystem::exists(dir / "cpu.vdp/work"));
    }
    std::string information_of(const std::string& design_file) const {
        std::istringstream in(read_file(design_file));
        std::string line;
        std::getline(in, line);
        std::getline(in, line);
        return line;
    }
};

TEST_F(ZephProjectTest, CreateSaveAndOpenAgain) {
    ZephResult created = zeph({"cpu"}, "touch first\nsave\nexit\n");
    EXPECT_EQ(created.status, 0) << created.out;
    EXPECT_EQ(scrubbed(created.out), "status: Creating new project '@DIR@/cpu.vdp'...\n"
                                     "status: Saving 'work/design.vdf'...\n"
                                     "status: Saving 'work/config.cfg'...\n"
                                     "status: Renaming 'work' to 'design'...\n"
                                     "status:\n"
                                     "status: Copying 'design' to 'work'...\n"
                                     "status: Loading 'work/design.vdf'...\n"
                                     "status: Loading 'work/config.cfg'...\n"
                                     "status: Language: Vhdl  |  Verification: VHDL rules\n"
                                     "title: ZEPH/HDL - @DIR@/cpu.vdp\n"
                                     "command: touch first\n"
                                     "touch: first\n"
                                     "title: ZEPH/HDL - @DIR@/cpu.vdp [Modified]\n"
                                     "command: save\n"
                                     "status: Saving 'work/design.vdf'...\n"
                                     "status: Saving 'work/config.cfg'...\n"
                                     "status: Renaming 'design' to 'design.old'...\n"
                                     "status: Copying 'work' to 'design'...\n"
                                     "status:\n"
                                     "title: ZEPH/HDL - @DIR@/cpu.vdp\n"
                                     "command: exit\n"
                                     "status: Removing old 'work'...\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "cpu.vdp/lockfile"));
    ZephResult opened = zeph({"cpu.vdp"}, "touch\nexit\n");
    EXPECT_EQ(opened.status, 0);
    EXPECT_NE(opened.out.find("command: touch\ntouch: first\n"), std::string::npos) << opened.out;
}

TEST_F(ZephProjectTest, TheSecondProgramSeesTheLockOfTheFirst) {
    make_project("shared");
    ZephResult first;
    std::thread holder([&] {
        ZephRun run = in_scratch({"cpu"}, "wait 4\nexit\n");
        first = run_zeph(run);
    });
    std::string lock = dir / "cpu.vdp/lockfile";
    // The lock file is created first and its line written after: wait for the line.
    std::string line;
    for (int i = 0; i < 400 && (line = read_file(lock)).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ZephResult second = zeph({"cpu"}, "answer no\ntouch\nexit\n");
    holder.join();
    ASSERT_FALSE(line.empty());
    line.pop_back(); // its line feed
    EXPECT_TRUE(line.starts_with("ZEPH/HDL lockfile by ")) << line;
    EXPECT_EQ(scrubbed(second.out), "question: Project '@DIR@/cpu.vdp' is locked.\n"
                                    "question: Lockfile contents:\n"
                                    "question:\n"
                                    "question:  \"" +
                                        line +
                                        "\"\n"
                                        "question:\n"
                                        "question: Do you want to remove the lockfile ? [yes/no]\n"
                                        "answer: no\n"
                                        "title: ZEPH/HDL - [Untitled]\n"
                                        "command: touch\n"
                                        "touch:\n"
                                        "command: exit\n"
                                        "status: Removing old '@DIR@/untitled.vdp'...\n");
    EXPECT_EQ(first.status, 0) << first.out;
    EXPECT_FALSE(std::filesystem::exists(lock));
}

TEST_F(ZephProjectTest, UntitledNamesAndSaveAsRefusals) {
    std::filesystem::create_directory(dir / "untitled.vdp");
    std::filesystem::create_directory(dir / "untitle0.vdp");
    std::string long_name = std::string(225 - dir.path().size(), 'x') + ".vdp";
    ZephResult r =
        zeph({}, "save-as untitl12.vdp\nsave-as " + long_name + "\nsave-as myuntitled.vdp\nexit\n");
    EXPECT_EQ(r.status, 1); // the two refusals
    EXPECT_EQ(scrubbed(r.out),
              "title: ZEPH/HDL - [Untitled]\n"
              "command: save-as untitl12.vdp\n"
              "box: [zeph] 'untitled' directory not allowed.\n"
              "command: save-as " +
                  long_name +
                  "\n"
                  "box: [zeph] Illegal directory '@DIR@/" +
                  long_name +
                  "'\n"
                  "box: (path too long).\n"
                  "command: save-as myuntitled.vdp\n"
                  "status: Copying '@DIR@/untitle1.vdp' to '@DIR@/myuntitled.vdp'...\n"
                  "status: Saving 'work/design.vdf'...\n"
                  "status: Saving 'work/config.cfg'...\n"
                  "status: Copying 'work' to 'design'...\n"
                  "status:\n"
                  "status: Removing old '@DIR@/untitle1.vdp'...\n"
                  "title: ZEPH/HDL - @DIR@/myuntitled.vdp\n"
                  "command: exit\n"
                  "status: Removing old 'work'...\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "untitle1.vdp"));
    EXPECT_FALSE(std::filesystem::exists(dir / long_name));
    EXPECT_TRUE(std::filesystem::exists(dir / "myuntitled.vdp/design/design.vdf"));
}

TEST_F(ZephProjectTest, AnAutobackupAnsweredNoIsRemovedAndTheSavedDesignLoaded) {
    make_project("saved");
    std::string backup =
        replaced(read_file(dir / "cpu.vdp/design/design.vdf"), "\nsaved\n", "\nfrom the backup\n");
    write_file(dir / "cpu.vdp/work/design.bk!", backup);
    ZephResult r = zeph({"cpu"}, "answer no\ntouch\nexit\n");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(scrubbed(r.out), "question: Run time backup file found.\n"
                               "question: Do you want to recover it? [yes/no]\n"
                               "answer: no\n"
                               "status: Removing old 'work'...\n"
                               "status: Copying 'design' to 'work'...\n"
                               "status: Loading 'work/design.vdf'...\n"
                               "status: Loading 'work/config.cfg'...\n"
                               "status: Language: Vhdl  |  Verification: VHDL rules\n"
                               "title: ZEPH/HDL - @DIR@/cpu.vdp\n"
                               "command: touch\n"
                               "touch: saved\n"
                               "command: exit\n"
                               "status: Removing old 'work'...\n");

    // Answered Yes, the backup is the design, marked modified; leaving without saving keeps
    // the saved copy.
    write_file(dir / "cpu.vdp/work/design.bk!", backup);
    ZephResult yes = zeph({"cpu"}, "answer yes\ntouch\nanswer no\nexit\n");
    EXPECT_NE(yes.out.find("touch: from the backup\n"), std::string::npos) << yes.out;
    EXPECT_NE(scrubbed(yes.out).find("title: ZEPH/HDL - @DIR@/cpu.vdp [Modified]\n"),
              std::string::npos)
        << scrubbed(yes.out);
    EXPECT_EQ(information_of(dir / "cpu.vdp/design/design.vdf"), "saved");
}

TEST_F(ZephProjectTest, AWriteErrorDuringSaveRestoresThePreviousDesignFile) {
    make_project("x");
    std::string saved = read_file(dir / "cpu.vdp/design/design.vdf");
    std::string old = read_file(dir / "cpu.vdp/design.old/design.vdf");
    ZephRun run =
        in_scratch({"cpu"}, "touch " + std::string(50, 'y') + "\nsave\ntouch\nanswer no\nexit\n");
    run.file_size_limit = static_cast<long>(saved.size()) + 20;
    ZephResult r = run_zeph(run);
    std::string out = scrubbed(r.out);
    EXPECT_NE(out.find("command: save\n"
                       "status: Saving 'work/design.vdf'...\n"
                       "box: [zeph] Error     7: Error(s) writing file 'work/design.vdf'.\n"
                       "status: Recovering old 'work/design.vdf'...\n"
                       "status: Recovered old 'work/design.vdf'.\n"
                       "command: touch\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(read_file(dir / "cpu.vdp/design/design.vdf"), saved);
    EXPECT_EQ(read_file(dir / "cpu.vdp/design.old/design.vdf"), old);
    EXPECT_FALSE(std::filesystem::exists(dir / "cpu.vdp/zeph.bak"));
    EXPECT_FALSE(std::filesystem::exists(dir / "cpu.vdp/work"));
}

TEST_F(ZephProjectTest, BackupTimeZeroWritesNoAutobackup) {
    write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\n[Environment]\nBackupTime=0\n");
    make_project("saved");
    ZephResult r = zeph({"cpu"}, "touch changed\nwait 1.5\nanswer no\nexit\n");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out.find("autobackup"), std::string::npos) << r.out;
    EXPECT_FALSE(std::filesystem::exists(dir / "cpu.vdp/work"));
}

// A zeph saving a changing design in a loop is killed at random moments. Every start after a
// kill must find either the design of the last completed save or one of the designs touched
// since (through the recovery or a save that completed unseen), and never an unreadable file.
TEST_F(ZephProjectTest, KilledWhileSavingLosesNoSavedDesign) {
    make_project("v0");
    std::set<std::string> allowed{"v0"};
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delay(20, 350);
    int checked = 0;
    for (int round = 0; round < 50; ++round) {
        std::string commands;
        if (std::filesystem::exists(dir / "cpu.vdp/lockfile")) commands += "answer yes\n";
        bool asks_recovery = std::filesystem::exists(dir / "cpu.vdp/work/design.bk!") ||
                             std::filesystem::exists(dir / "cpu.vdp/work/design.vdf");
        if (asks_recovery) commands += round % 2 == 0 ? "answer yes\n" : "answer no\n";
        commands += "touch\n";
        for (int k = 0; k < 400; ++k)
            commands += "touch r" + std::to_string(round) + "_" + std::to_string(k) + "\nsave\n";
        write_file(dir / "run.zeph", commands);
        ZephRun run = in_scratch({"--batch", dir / "run.zeph", "cpu"});
        run.kill_after_ms = delay(random);
        run.kill_timer_starts_at = "command: touch\n";
        ZephResult r = run_zeph(run);

        std::istringstream lines(r.out);
        std::string line, current;
        bool started = false, saving = false, shown_loaded = false;
        while (std::getline(lines, line)) {
            if (!started) {
                EXPECT_EQ(line.find("Error"), std::string::npos)
                    << "round " << round << ": " << line;
                EXPECT_EQ(line.find("Corrupt"), std::string::npos)
                    << "round " << round << ": " << line;
                if (line == "command: touch") started = true;
                continue;
            }
            if (line.starts_with("touch: ")) {
                current = line.substr(7);
                if (!shown_loaded)
                    EXPECT_TRUE(allowed.count(current))
                        << "round " << round << " loaded '" << current << "'";
                else
                    allowed.insert(current);
                shown_loaded = true;
                ++checked;
            } else if (line == "command: save") {
                saving = true;
            } else if (saving && line == "status:") {
                allowed = {current};
                saving = false;
            }
        }
        if (HasFailure()) break;
    }
    EXPECT_GT(checked, 50); // most rounds got as far as showing and changing their design
    // A last start without a kill finds a usable project and leaves it clean.
    std::string commands;
    if (std::filesystem::exists(dir / "cpu.vdp/lockfile")) commands += "answer yes\n";
    if (std::filesystem::exists(dir / "cpu.vdp/work/design.bk!") ||
        std::filesystem::exists(dir / "cpu.vdp/work/design.vdf"))
        commands += "answer no\n";
    ZephResult last = zeph({"cpu"}, commands + "touch\nexit\n");
    EXPECT_EQ(last.status, 0) << last.out;
    std::size_t at = last.out.find("\ntouch: ");
    ASSERT_NE(at, std::string::npos) << last.out;
    std::string loaded = last.out.substr(at + 8, last.out.find('\n', at + 1) - at - 8);
    EXPECT_TRUE(allowed.count(loaded)) << loaded;
    EXPECT_FALSE(std::filesystem::exists(dir / "cpu.vdp/work"));
    EXPECT_FALSE(std::filesystem::exists(dir / "cpu.vdp/lockfile"));
}

TEST_F(ZephProjectTest, ViewShowsAFileInTheReportWindowOrTheEditor) {
    write_file(dir / "notes.txt", "line one\nline two\r\n");
    ZephResult r = zeph({}, "view notes.txt\nview missing.txt\nexit\n");
    EXPECT_EQ(r.status, 1); // the missing file
    EXPECT_EQ(scrubbed(r.out),
              "title: ZEPH/HDL - [Untitled]\n"
              "command: view notes.txt\n"
              "report-title: @DIR@/notes.txt\n"
              "report: line one\n"
              "report: line two\n"
              "command: view missing.txt\n"
              "box: [zeph] Error     4: Cannot open file '@DIR@/missing.txt' (for reading)\n"
              "command: exit\n"
              "status: Removing old '@DIR@/untitled.vdp'...\n");
    write_file(dir / "editor.sh", "#!/bin/sh\necho \"$#:$1\" > \"$(dirname \"$1\")/called\"\n");
    std::filesystem::permissions(dir / "editor.sh", std::filesystem::perms::owner_all);
    write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\n[Environment]\nEditor=" +
                                    (dir / "editor.sh") + "\nEditorAsViewer=yes\n");
    ZephResult edited = zeph({}, "view notes.txt\nexit\n");
    EXPECT_EQ(edited.status, 0) << edited.out;
    EXPECT_EQ(read_file(dir / "called"), "1:" + (dir / "notes.txt") + "\n");
}

TEST_F(ZephProjectTest, AnHdlLeafGetsItsFileSkeletonAndOpensInTheEditor) {
    write_file(dir / "editor.sh", "#!/bin/sh\necho \"$#:$1\" > \"" + (dir / "called") + "\"\n");
    std::filesystem::permissions(dir / "editor.sh", std::filesystem::perms::owner_all);
    write_file(settings_path(),
               "[GUI]\nSaveSettingsOnExit=no\n[Environment]\nEditor=" + (dir / "editor.sh") + "\n");
    ZephResult r = zeph({}, "save-as cpu.vdp\n"
                            "add-component 640 640 u0 leaf hdl\n"
                            "hdl-file nothing a0 vhdl x.vhd\n"
                            "answer yes\n"
                            "hdl-file leaf a0 vhdl leaf.vhd\n"
                            "edit-hdl leaf a0 vhdl\n"
                            "edit-hdl leaf a0 verilog\n"
                            "save\nexit\n");
    EXPECT_EQ(r.status, 1) << r.out; // the unknown entity and the Verilog file nobody named
    EXPECT_NE(r.out.find("error: hdl-file: no entity 'nothing'"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("question: Generate skeleton?"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("hdl-file: work/leaf/a0/leaf.vhd"), std::string::npos) << r.out;
    EXPECT_EQ(read_file(dir / "called"), "1:work/leaf/a0/leaf.vhd\n");
    std::string saved = read_file(dir / "cpu.vdp/design/leaf/a0/leaf.vhd");
    EXPECT_NE(saved.find("architecture a0 of leaf is"), std::string::npos) << saved;
    EXPECT_NE(read_file(dir / "cpu.vdp/design/design.vdf").find("leaf.vhd"), std::string::npos);
}

TEST_F(ZephProjectTest, GenerationNeedsAVerificationOfTheDesignAsItIsNow) {
    ZephResult r = zeph({}, "save-as cpu.vdp\n"
                            "add-component 640 640 u0 leaf block\n"
                            "verify-design\n"
                            "generate root=leaf overwrite\n"
                            "diagram leaf\n"
                            "add-port in 64 128 a\n"
                            "generate root=leaf overwrite\n"
                            "verify-design\n"
                            "generate root=leaf overwrite\n"
                            "answer no\nexit\n");
    EXPECT_EQ(r.status, 1) << r.out; // the generate after the edit
    std::size_t first = r.out.find("written: ");
    ASSERT_NE(first, std::string::npos) << r.out;
    std::size_t refused = r.out.find("error: generate needs a verification", first);
    ASSERT_NE(refused, std::string::npos) << r.out;
    EXPECT_NE(r.out.find("written: ", refused), std::string::npos) << r.out;
    std::string vhdl = read_file(dir / "cpu.vdp/output/leaf.vhd");
    EXPECT_NE(vhdl.find("a : in"), std::string::npos) << vhdl;
}

} // namespace
