// Loading, saving and running the user tools.
#include "editor/user_tools.h"

#include "editor/command_table.h"
#include "editor/edit_buffer.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/program_run.h"
#include "editor/settings.h"
#include "foundation/strings.h"

namespace zped {

using zeph::format_text;

namespace {

std::string replace_all(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string key(const char* name, int slot) {
    return format_text("%s%d", name, slot);
}

// Only the slots before the first one without a name are tools.
int count_tools(const std::array<UserTool, kToolSlots>& slots) {
    int n = 0;
    while (n < kToolSlots && !slots[static_cast<std::size_t>(n)].name.empty())
        ++n;
    return n;
}

} // namespace

void UserTools::load(const Settings& s) {
    // Every slot is read, so that saving keeps the ones behind a nameless slot.
    for (int n = 1; n <= kToolSlots; ++n) {
        UserTool& tool = slots[static_cast<std::size_t>(n - 1)];
        auto field = [&](const char* name, const char* fallback) {
            return zeph::bounded(s.read_string(kToolSection, key(name, n), fallback),
                                 kToolFieldLength);
        };
        tool.name = field("ToolName", "");
        tool.executable = field("Executable", "");
        tool.argument = field("Argument", "");
        tool.working_directory = field("WorkingDirectory", ".");
    }
    loaded = count_tools(slots);
}

void UserTools::replace(const std::array<UserTool, kToolSlots>& edited) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        slots[i].name = zeph::bounded(edited[i].name, kToolFieldLength);
        slots[i].executable = zeph::bounded(edited[i].executable, kToolFieldLength);
        slots[i].argument = zeph::bounded(edited[i].argument, kToolFieldLength);
        slots[i].working_directory = zeph::bounded(edited[i].working_directory, kToolFieldLength);
    }
    loaded = count_tools(slots);
}

void UserTools::save(Settings& s) const {
    for (int n = 1; n <= kToolSlots; ++n) {
        const UserTool& tool = slots[static_cast<std::size_t>(n - 1)];
        s.write_string(kToolSection, key("ToolName", n), tool.name);
        s.write_string(kToolSection, key("Executable", n), tool.executable);
        s.write_string(kToolSection, key("Argument", n), tool.argument);
        s.write_string(kToolSection, key("WorkingDirectory", n), tool.working_directory);
    }
}

void UserTools::apply_labels(CommandTable& commands) const {
    for (int n = 1; n <= kToolSlots; ++n) {
        int index = commands.find(key("RunTool", n));
        if (index < 0) continue;
        commands.set_label(index, n <= loaded ? slots[static_cast<std::size_t>(n - 1)].name
                                              : key("RunTool", n));
    }
}

ProgramCommand user_tool_command(const UserTool& tool, const std::string& file_name) {
    ProgramCommand command;
    command.text = tool.executable + " " + replace_all(tool.argument, "$$", file_name);
    command.argv.push_back(tool.executable);
    for (const std::string& word : split_command_words(tool.argument))
        command.argv.push_back(replace_all(word, "$$", file_name));
    command.working_directory = tool.working_directory.empty() ? "." : tool.working_directory;
    return command;
}

int run_user_tool(EditorSession& session, int slot) {
    if (slot < 1 || slot > kToolSlots) return 1;
    const UserTool unloaded;
    const UserTool& tool = slot <= session.tools.loaded
                               ? session.tools.slots[static_cast<std::size_t>(slot - 1)]
                               : unloaded;
    if (tool.executable.empty()) {
        editor_ui().message_box(
            "Empty command line",
            format_text("Tool(%d) '%s' has no command executable specified.\nUse Options -> "
                        "Tools to specify a command.",
                        slot, tool.name.c_str()));
        return 1;
    }
    const EditBuffer* active = session.active();
    bool has_file = active && active->window_kind == kEditWindow;
    if (tool.argument.find("$$") != std::string::npos && !has_file) {
        editor_ui().message_box("No active windows",
                                format_text("Tool(%d) '%s' uses active window in command line\n"
                                            "arguments, but no window is ative.",
                                            slot, tool.name.c_str()));
        return 1;
    }
    ProgramRun run;
    run.command = user_tool_command(tool, has_file ? active->file_name : std::string());
    run.title = format_text("Result of tool '%s'.", tool.name.c_str());
    editor_ui().status(
        format_text("Running scriptfile '%s' for %s.", "zpedtool.bat", tool.name.c_str()), false);
    return run_program(session, run);
}

} // namespace zped
