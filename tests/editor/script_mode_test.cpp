// The real zped program in its script mode (zped --batch): the transcript and exit status of a
// script, answers to questions and dialogs, and what saving does to the files on disk: owner,
// group, mode and hard links kept, write-protected files left alone, directories the user cannot
// write, Save As over another file, recent files with absolute names.
#include "zped_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zped {
namespace {

using test::read_whole;
using test::transcript_lines;
using test::write_file;

struct stat status_of(const std::string& path) {
    struct stat st {};
    lstat(path.c_str(), &st);
    return st;
}

TEST(ZpedScriptMode, CommandsTypedTextAndTheExitStatus) {
    test::ZpedHome home;
    std::string file = home.file("top.vhd");
    write_file(file, "entity top\n");
    ui::ChildResult r = home.batch("# comments and empty lines are skipped\n"
                                   "\n"
                                   "GoEndLine\n"
                                   "type \" is\\n  port\"\n"
                                   "state\n"
                                   "GoLineUp\n"
                                   "GoEndLine\n"
                                   "key SHIFT+Left 2\n"
                                   "type x\n"
                                   "show\n"
                                   "EditUndo\n"
                                   "show 1 2\n",
                                   {file});
    EXPECT_EQ(r.exit_code, 0) << r.output;
    // Enter indents the new line like the one before (none here); typing replaces a selection.
    EXPECT_EQ(transcript_lines(r.output, {"text", "state"}),
              (std::vector<std::string>{"state: " + file + " |   2 : 6   | Insert | Modified",
                                        "text: entity top x", "text:   port",
                                        "text:", "text: entity top is", "text:   port"}));
    EXPECT_NE(r.output.find("command: type \" is\\n  port\"\n"), std::string::npos);
    EXPECT_EQ(read_whole(file), "entity top\n") << "the end of a script saves nothing";

    ui::ChildResult bad = home.batch("Frobnicate\nGoLineDown x\ntype \"open\nEditUndo\n", {file});
    EXPECT_EQ(bad.exit_code, 1);
    EXPECT_EQ(transcript_lines(bad.output, {"error"}),
              (std::vector<std::string>{"error: unknown command 'Frobnicate'",
                                        "error: GoLineDown takes a repeat count at most",
                                        "error: unterminated quote: type \"open",
                                        "error: 'EditUndo' is disabled"}));

    ui::ChildResult missing =
        ui::run_child_process({{test::kZped, "--batch", home.file("none")}, ""});
    EXPECT_EQ(missing.exit_code, 2);
    EXPECT_EQ(missing.output, "zped: cannot read the script '" + home.file("none") + "'\n");
}

TEST(ZpedScriptMode, QuestionsTakeTheAnswersGivenBeforeTheirCommand) {
    test::ZpedHome home;
    std::string made = home.file("made.vhd");
    // The first answers are for opening the files of the command line.
    ui::ChildResult r = home.batch("answer yes\n"
                                   "type made\n"
                                   "answer " +
                                       home.file("gone.vhd") +
                                       "\n"
                                       "LoadFile\n"
                                       "answer no\n"
                                       "answer no\n"
                                       "GoEndLine\n"
                                       "answer maybe\n"
                                       "WindowClose\n"
                                       "answer no\n"
                                       "WindowClose\n",
                                   {made});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(
        transcript_lines(r.output, {"question", "answer", "error"}),
        (std::vector<std::string>{
            "question: [No such file] File '" + made + "' does not exists.",
            "question: Do you want to create an empty file ? [yes/no]", "answer: yes",
            "answer: " + home.file("gone.vhd"),
            "question: [No such file] File '" + home.file("gone.vhd") + "' does not exists.",
            "question: Do you want to create an empty file ? [yes/no]",
            "error: LoadFile abandoned: question not answered: File '" + home.file("gone.vhd") +
                "' does not exists.",
            "error: 2 answers not used by 'GoEndLine'",
            "question: [Editor contents modified] Edit buffer '" + made + "'",
            "question: is modified, Save changes ? [yes/no/cancel]", "answer: maybe",
            "error: WindowClose abandoned: answer 'maybe' does not fit: Edit buffer '" + made + "'",
            "question: [Editor contents modified] Edit buffer '" + made + "'",
            "question: is modified, Save changes ? [yes/no/cancel]", "answer: no"}));
    EXPECT_FALSE(std::filesystem::exists(made));
}

// Saving writes the file in place: the same inode keeps its owner, group and mode, its other
// hard link sees the new text and a symbolic link stays a link.
TEST(ZpedScriptMode, SavingKeepsOwnerModeAndLinks) {
    test::ZpedHome home;
    std::string file = home.file("cell.vhd");
    write_file(file, "-- cell\r\nend;\r\n");
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(file.c_str(), 1234, 5678), 0);
    }
    ASSERT_EQ(link(file.c_str(), home.file("other-name.vhd").c_str()), 0);
    ASSERT_EQ(symlink(file.c_str(), home.file("sym.vhd").c_str()), 0);
    struct stat before = status_of(file);

    ui::ChildResult r = home.batch("type new\nSaveFile\n", {home.file("sym.vhd")});
    ASSERT_EQ(r.exit_code, 0) << r.output;
    struct stat after = status_of(file);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(read_whole(file), "new-- cell\r\nend;\r\n");
    EXPECT_EQ(read_whole(home.file("other-name.vhd")), "new-- cell\r\nend;\r\n");
    EXPECT_TRUE(S_ISLNK(status_of(home.file("sym.vhd")).st_mode));
    // No safety copy is left behind after a save that worked.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.dir.path()),
                            std::filesystem::directory_iterator()),
              8);
}

// A file without write permission opens Readonly, is not written, and says why.
TEST(ZpedScriptMode, AWriteProtectedFileOpensReadonlyAndStaysAsItIs) {
    test::ZpedHome home;
    std::string file = home.file("locked.vhd");
    write_file(file, "keep me\n");
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    ui::ChildResult r = home.batch("state\ntype x\nSaveFile\n", {file});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(transcript_lines(r.output, {"state", "status", "beep", "error"}),
              (std::vector<std::string>{"status: locked.vhd is write-protected: opened readonly.",
                                        "state: " + file + " |   1 : 0   | Insert | Readonly",
                                        "beep: Window is opened readonly.",
                                        "beep: Window is opened readonly.",
                                        "error: 'SaveFile' did not succeed"}));
    EXPECT_EQ(read_whole(file), "keep me\n");
    EXPECT_EQ(status_of(file).st_mode & 07777, 0444u);
}

// A help file command whose file is not configured (the Help menu does not offer it) says so.
TEST(ZpedScriptMode, AHelpFileThatIsNotConfiguredIsRefused) {
    test::ZpedHome home;
    ui::ChildResult r = home.batch("DisplayHelpfile2\n", {});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(transcript_lines(r.output, {"beep", "error"}),
              (std::vector<std::string>{"beep: Help file 2 is not configured.",
                                        "error: 'DisplayHelpfile2' did not succeed"}));
}

// A writable file in a directory the user cannot write is saved in place; its safety copy goes
// to the state directory and is removed again. As root the run drops to the user "nobody".
TEST(ZpedScriptMode, AFileInADirectoryTheUserCannotWriteIsSaved) {
    test::ZpedHome home;
    std::vector<std::string> as_other;
    std::string locked = home.file("locked");
    ASSERT_EQ(mkdir(locked.c_str(), 0755), 0);
    std::string file = locked + "/unit.vhd";
    write_file(file, "old\n");
    std::string state = home.file("state");
    if (geteuid() == 0) {
        if (access("/usr/bin/setpriv", X_OK) != 0) GTEST_SKIP() << "setpriv is not installed";
        as_other = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        ASSERT_EQ(chown(file.c_str(), 65534, 65534), 0);
        ASSERT_EQ(chown(state.c_str(), 65534, 65534), 0);
        ASSERT_EQ(chmod(home.dir.path().c_str(), 0755), 0);
    } else {
        ASSERT_EQ(chmod(locked.c_str(), 0555), 0);
    }
    ui::ChildResult r = home.batch("type new\nSaveFile\n", {file}, "", as_other);
    chmod(locked.c_str(), 0755);
    ASSERT_EQ(r.exit_code, 0) << r.output;
    EXPECT_EQ(read_whole(file), "newold\n");
    EXPECT_TRUE(std::filesystem::is_empty(state + "/zped"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(locked),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ZpedScriptMode, SaveAsAsksBeforeReplacingAFile) {
    test::ZpedHome home;
    std::string mine = home.file("mine.vhd");
    std::string theirs = home.file("theirs.vhd");
    write_file(mine, "mine\n");
    write_file(theirs, "theirs\n");
    ino_t inode = status_of(theirs).st_ino;
    ui::ChildResult r = home.batch("answer " + theirs +
                                       "\nanswer no\nSaveFileAs\n"
                                       "answer " +
                                       theirs + "\nanswer yes\nSaveFileAs\nstate\n",
                                   {mine});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(transcript_lines(r.output, {"question", "error", "state"}),
              (std::vector<std::string>{"question: [Save As] File '" + theirs + "' already exists.",
                                        "question: Do you want to replace it? [yes/no]",
                                        "error: 'SaveFileAs' did not succeed",
                                        "question: [Save As] File '" + theirs + "' already exists.",
                                        "question: Do you want to replace it? [yes/no]",
                                        "state: " + theirs + " |   1 : 0   | Insert | "}));
    EXPECT_EQ(read_whole(theirs), "mine\n");
    EXPECT_EQ(status_of(theirs).st_ino, inode);
    EXPECT_EQ(read_whole(mine), "mine\n");
}

TEST(ZpedScriptMode, RecentFilesAreStoredWithAbsoluteNames) {
    test::ZpedHome home;
    write_file(home.file("rel.vhd"), "x\n");
    ui::ChildResult r = home.batch("WindowClose\nExitApp\n", {"rel.vhd"}, home.dir.path());
    ASSERT_EQ(r.exit_code, 0) << r.output;
    EXPECT_NE(read_whole(home.settings_file()).find("LoadMRUFile1=" + home.file("rel.vhd") + "\n"),
              std::string::npos)
        << read_whole(home.settings_file());
}

// A FIFO named on the command line would block a reader until a writer comes: it is refused.
TEST(ZpedScriptMode, AFifoIsRefusedWithoutWaiting) {
    test::ZpedHome home;
    std::string fifo = home.file("pipe.vhd");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ui::ChildResult r = home.batch("state\n", {fifo, "/dev/zero"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(
        transcript_lines(r.output, {"box"}),
        (std::vector<std::string>{
            "box: [zped] '" + fifo + "' is not a regular file; only regular files can be edited.",
            "box: [zped] '/dev/zero' is not a regular file; only regular files can be edited."}));
}

// The options and accelerator dialogs, answered by field names and a button.
TEST(ZpedScriptMode, DialogsAreAnsweredByFieldsAndAButton) {
    test::ZpedHome home;
    std::string file = home.file("a.vhd");
    write_file(file, "\tx\n");
    ui::ChildResult r = home.batch("answer tabstop=8 line-numbers=yes Now\n"
                                   "answer OK\n"
                                   "EditorOptions\n"
                                   "GoEndLine\n"
                                   "state\n"
                                   "answer function=SaveFile key=CTRL+F4 Assign\n"
                                   "answer key=CTRL+Q Assign\n"
                                   "answer function=EditUndo accelerator=\"Alt BkSp\" Delete\n"
                                   "answer Close\n"
                                   "Accelerators\n"
                                   "type y\n"
                                   "key CTRL+Q\n"
                                   "answer tabstop=99 OK\n"
                                   "EditorOptions\n",
                                   {file});
    EXPECT_EQ(r.exit_code, 1);
    std::string settings = read_whole(home.settings_file());
    EXPECT_NE(settings.find("TabSize=8\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("LineNumbers=yes\n"), std::string::npos) << settings;
    std::vector<std::string> shown =
        transcript_lines(r.output, {"dialog", "state", "box", "error"});
    // The language of the active window, as its file name chooses it.
    // No language definitions here: the active window has the fallback language.
    EXPECT_NE(std::find(shown.begin(), shown.end(), "dialog: language = None"), shown.end());
    // The description follows the selected function.
    EXPECT_NE(std::find(shown.begin(), shown.end(),
                        "dialog: description = Save the file in the active edit window."),
              shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), "state: " + file + " |   1 : 9   | Insert | "),
              shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(),
                        "box: [Keyboard accelerators] \"Ctrl F4\": reserved key combination"),
              shown.end());
    EXPECT_EQ(shown.back(), "error: EditorOptions abandoned: answer 'tabstop=99' does not fit "
                            "Editor Options: a number from 1 to 16");
    std::string accel = read_whole(home.file("config/zped/accel.ini"));
    EXPECT_NE(accel.find("KEY CTRL+Q SaveFile\n"), std::string::npos) << accel;
    EXPECT_NE(accel.find("KEY CTRL+Z EditUndo\n"), std::string::npos) << accel;
    EXPECT_EQ(accel.find("KEY ALT+BkSp EditUndo"), std::string::npos) << accel;
    EXPECT_EQ(read_whole(file), "\txy\n") << "Ctrl+Q saved by its new mapping";
}

// The shipped definitions in a script: an abbreviation, a template named by an expander word and
// one from the Templates dialog, each undone in one step; Language Configuration changes the
// case rule of the language shown.
TEST(ZpedScriptMode, ExpansionTemplatesAndLanguagesWithTheShippedDefinitions) {
    test::ZpedHome home;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(ZEPH_SOURCE_DIR) + "/examples/zped"))
        write_file(home.file("config/zped/" + entry.path().filename().string()),
                   read_whole(entry.path().string()));
    std::string file = home.file("top.vhd");
    write_file(file, "  sl\n  comp\n\n");
    ui::ChildResult r = home.batch("cursor 1 4\n"
                                   "LanguageExpand\n"
                                   "show 1\n"
                                   "EditUndo\n"
                                   "show 1\n"
                                   "cursor 2 6\n"
                                   "answer name=sub Apply\n"
                                   "LanguageExpand\n"
                                   "show 2 3\n"
                                   "EditUndo\n"
                                   "show 2 3\n"
                                   "cursor 3 0\n"
                                   "answer templates=3 \"Insert >>\"\n"
                                   "answer clock=clk Apply\n"
                                   "EditTemplates\n"
                                   "show 3 4\n"
                                   "EditUndo\n"
                                   "show\n"
                                   "answer case=yes OK\n"
                                   "LanguageOptions\n"
                                   "answer OK\n"
                                   "EditorOptions\n",
                                   {file});
    EXPECT_EQ(r.exit_code, 0) << r.output;
    EXPECT_EQ(transcript_lines(r.output, {"text"}),
              (std::vector<std::string>{"text:   std_logic", "text:   sl", "text:   component sub",
                                        "text:     port (", "text:   comp",
                                        "text:", "text: process (clk)", "text: begin", "text:   sl",
                                        "text:   comp", "text:", "text:"}))
        << r.output;
    // The dialogs show the language of the active window.
    EXPECT_NE(r.output.find("dialog: [Language Configuration]\ndialog: language = VHDL"),
              std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find("dialog: language = VHDL\ndialog: buttons = "), std::string::npos)
        << r.output;
}

// Undo in the real program: consecutive undos step back one change each (a template named by an
// expander word is one change), redo steps forward. A change made after an undo keeps the undone
// state reachable: once the undos are back before that change, the next one returns to the
// undone state, and the one after it to the state before it.
TEST(ZpedScriptMode, UndoStepsBackOneChangeEachAndKeepsUndoneStates) {
    test::ZpedHome home;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(ZEPH_SOURCE_DIR) + "/examples/zped"))
        write_file(home.file("config/zped/" + entry.path().filename().string()),
                   read_whole(entry.path().string()));
    std::string file = home.file("top.vhd");
    write_file(file, "  sl\n\n");
    ui::ChildResult r = home.batch("cursor 1 4\n"
                                   "LanguageExpand\n"
                                   "EditUndo\n"
                                   "show 1\n"
                                   "cursor 2 0\n"
                                   "type a\n"
                                   "type \" comp\"\n"
                                   "answer name=u1 Apply\n"
                                   "LanguageExpand\n"
                                   "show 2\n"
                                   "EditUndo\n"
                                   "show 2\n"
                                   "EditUndo\n"
                                   "show 2\n"
                                   "EditUndo 4\n"
                                   "show 2\n"
                                   "EditRedo 6\n"
                                   "show 2\n"
                                   "EditUndo 7\n"
                                   "show 1 2\n"
                                   "EditUndo\n"
                                   "show 1\n"
                                   "EditUndo\n"
                                   "show 1\n",
                                   {file});
    EXPECT_EQ(r.exit_code, 0) << r.output;
    EXPECT_EQ(transcript_lines(r.output, {"text"}),
              (std::vector<std::string>{"text:   sl", "text: a component u1", "text: a comp",
                                        "text: a com", "text: a", "text: a component u1",
                                        "text:   sl", "text:", "text:   std_logic", "text:   sl"}))
        << r.output;
}

} // namespace
} // namespace zped
