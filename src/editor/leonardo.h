// Leonardo synthesis: the script file "leonardo.script" written beside the source file, the
// command "elsyn -file leonardo.script" run there with the Leonardo error parser, and the
// settings of the Leonardo options dialog (section "Leonardo").
#pragma once

#include "editor/command_words.h"

#include <string>

namespace zped {

class EditorSession;
class Settings;

inline constexpr const char* kLeonardoSection = "Leonardo";
inline constexpr const char* kLeonardoScript = "leonardo.script";

struct LeonardoSettings {
    std::string path;             // directory of elsyn; empty: found on PATH
    std::string timeout;          // edited and stored only
    std::string library = "work"; // edited and stored only: the script names "work"

    void load(const Settings& settings);
    void save(Settings& settings) const;
};

// The script's one line for a file name without directory.
std::string leonardo_script_line(const std::string& file);
ProgramCommand leonardo_command(const LeonardoSettings& settings);

int run_leonardo(EditorSession& session);

} // namespace zped
