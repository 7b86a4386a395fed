// A zeph session in the test's process driven by mouse events through MouseTools, beside the
// shell of the same session for what the menus and dialogs do. The edit hook (a double-click,
// the Edit tool) and the action hook play the dialogs: each runs the shell command the test
// gave for it, with "{at}" replaced by the point the edit hook received and "{target}" by the
// state ("state NAME") or transition ("transition N") the action hook received, so a test
// checks that the click reached the right object. The same drawing made by a shell script through
// the real zeph program lands in a directory beside it, for comparing the saved files.
#pragma once

#include "console_session.h"
#include "design/state_machine.h"
#include "shell/mouse_tools.h"
#include "test_files.h"
#include "zeph_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace mouse_test {

inline const char* const kSettings = "[GUI]\nSaveSettingsOnExit=no\n";

class MouseSession {
  public:
    MouseSession() {
        // Design files carry the time of their writing; both sides take it from here.
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        tools.set_edit_object([this](zeph::Point p) { return hook(p, dialog_command_); });
        tools.set_add_action(
            [this](zeph::StateMachine& machine, const zeph::LabelDialogTarget& target) {
                action_hook(machine, target);
            });
        console.session().start_untitled();
        console.take_output();
    }

    std::string mouse_dir() const { return dir / "mouse"; }
    std::string shell_dir() const { return dir / "shell"; }
    zeph::Session& session() { return console.session(); }

    // Runs the script with the real zeph program in the shell directory; its output.
    std::string run_reference_script(const std::string& script) {
        shell_test::write_file(dir / "shell/draw.zeph", script);
        shell_test::ZephRun run;
        run.args = {"--batch", dir / "shell/draw.zeph"};
        run.cwd = shell_dir();
        run.env = {{"XDG_CONFIG_HOME", dir / "config"},
                   {"HOME", dir.path()},
                   {"SOURCE_DATE_EPOCH", "1700000000"}};
        shell_test::ZephResult result = shell_test::run_zeph(run);
        EXPECT_EQ(result.status, 0) << result.out << result.err;
        return result.out;
    }

    void shell(const std::string& line) {
        bool ok = console.run(line);
        std::string out = console.take_output();
        output_ += out;
        EXPECT_TRUE(ok) << line << "\n" << out;
    }
    // The beep and message-box lines of a command that may be refused.
    std::vector<std::string> refusal_of(const std::string& line) {
        forget_output();
        console.run(line);
        return refusals();
    }
    // The beep and message-box lines shown since the output was last forgotten.
    std::vector<std::string> refusals() {
        std::vector<std::string> found = lines("beep");
        for (const std::string& box : lines("box"))
            found.push_back(box);
        forget_output();
        return found;
    }
    void answer(const std::string& text) { console.console().queue_answer(text); }
    std::size_t pending_answers() { return console.console().pending_answers(); }

    void tool(zeph::CommandId id, int variant = 0) { tools.select(id, variant); }
    void plain_tool() { tools.select(std::nullopt); }

    static zeph::SheetMouse at(int x, int y, bool shift = false, bool control = false) {
        return {{x, y}, shift, control};
    }
    void click(int x, int y, bool shift = false, bool control = false) {
        EXPECT_TRUE(tools.press(at(x, y, shift, control))) << "press at " << x << " " << y;
        tools.release(at(x, y, shift, control));
        collect();
    }
    void drag_from_to(zeph::Point from, zeph::Point to, bool control = false) {
        EXPECT_TRUE(tools.press(at(from.x, from.y, false, control)));
        EXPECT_TRUE(tools.drag(at((from.x + to.x) / 2, (from.y + to.y) / 2, false, control)));
        EXPECT_TRUE(tools.drag(at(to.x, to.y, false, control)));
        EXPECT_TRUE(tools.release(at(to.x, to.y, false, control)));
        collect();
    }
    void double_click(int x, int y) {
        tools.double_click(at(x, y));
        collect();
    }
    // A double-click whose dialog runs `command` on the object at the point.
    void dialog(int x, int y, const std::string& command) {
        dialog_command_ = command;
        EXPECT_TRUE(tools.double_click(at(x, y))) << command;
        EXPECT_TRUE(dialog_command_.empty()) << "the dialog was not opened: " << command;
        dialog_command_.clear();
        collect();
    }
    // The next hook call (the Edit tool's click) runs `command`.
    void expect_dialog(const std::string& command) { dialog_command_ = command; }
    bool dialog_shown() const { return dialog_command_.empty(); }
    // A click of the action tool whose "Add Usage of Action" dialog runs `command`.
    void action(int x, int y, const std::string& command) {
        action_command_ = command;
        click(x, y);
        EXPECT_TRUE(action_command_.empty()) << "the dialog was not opened: " << command;
        action_command_.clear();
    }

    // Everything shown since the session started.
    const std::string& output() {
        collect();
        return output_;
    }
    std::vector<std::string> lines(const std::string& kind) {
        std::vector<std::string> found;
        std::istringstream in(output());
        for (std::string line; std::getline(in, line);)
            if (line.rfind(kind + ": ", 0) == 0) found.push_back(line);
        return found;
    }
    std::vector<std::string> beeps() { return lines("beep"); }
    void forget_output() {
        collect();
        output_.clear();
    }

    std::vector<zeph::Point> hook_points;
    std::vector<std::string> action_targets; // what each click of the Action tool reached

  private:
    bool hook(zeph::Point p, std::string& command) {
        hook_points.push_back(p);
        if (command.empty()) return false;
        std::string line = command;
        if (std::size_t i = line.find("{at}"); i != std::string::npos)
            line.replace(i, 4, std::to_string(p.x) + " " + std::to_string(p.y));
        command.clear();
        shell(line);
        return true;
    }
    void action_hook(zeph::StateMachine& machine, const zeph::LabelDialogTarget& target) {
        std::string owner;
        if (target.state != nullptr) owner = "state " + target.state->name;
        for (std::size_t i = 0; i < machine.transitions.size(); ++i)
            if (machine.transitions[i].get() == target.transition)
                owner = "transition " + std::to_string(i);
        action_targets.push_back(owner);
        std::string line = action_command_;
        if (line.empty()) return;
        if (std::size_t i = line.find("{target}"); i != std::string::npos)
            line.replace(i, 8, owner);
        action_command_.clear();
        shell(line);
    }
    void collect() { output_ += console.take_output(); }

    shell_test::ScratchDir dir;
    bool prepared_ = (shell_test::write_file(dir / "mouse/zeph.ini", kSettings),
                      shell_test::write_file(dir / "config/zeph/zeph.ini", kSettings),
                      shell_test::write_file(dir / "shell/.keep", ""), true);
    zeph::testing_support::ConsoleSession console{dir / "mouse", dir / "mouse/zeph.ini"};
    std::string output_;
    std::string dialog_command_;
    std::string action_command_;

  public:
    zeph::MouseTools tools{console.session()};
};

} // namespace mouse_test
