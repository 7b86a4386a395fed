// The six user tools of section "UserDefinedTools": a name, a program, its argument text
// ("$$" stands for the active file) and a working directory. A slot with an empty name ends
// the list; the label of RunTool1..6 is the name of its loaded tool.
#pragma once

#include "editor/command_words.h"

#include <array>
#include <string>

namespace zped {

class CommandTable;
class EditorSession;
class Settings;

inline constexpr int kToolSlots = 6;
inline constexpr const char* kToolSection = "UserDefinedTools";

struct UserTool {
    std::string name;
    std::string executable;
    std::string argument;
    std::string working_directory = ".";
};

struct UserTools {
    std::array<UserTool, kToolSlots> slots; // as the settings hold them
    int loaded = 0; // the tools: the slots before the first one without a name

    void load(const Settings& settings);
    void save(Settings& settings) const;
    // Takes the slots as the tool options dialog leaves them: every field cut to 255 bytes, the
    // tools counted again.
    void replace(const std::array<UserTool, kToolSlots>& edited);
    // RunTool<n> is labelled with the name of tool n when it is loaded, else "RunTool<n>".
    void apply_labels(CommandTable& commands) const;
};

// Executable, a blank and the argument with every "$$" replaced by the file name; each word of
// the argument is one word of the program, so a file name with blanks stays one word.
ProgramCommand user_tool_command(const UserTool& tool, const std::string& file_name);

// RunTool<slot> (1..6) on the active window.
int run_user_tool(EditorSession& session, int slot);

} // namespace zped
