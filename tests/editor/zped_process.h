// Running the real zped program from tests: its path, a home of its own for the settings, the
// runtime and the state directory, and its script mode.
#pragma once

#include "editor_test_support.h"
#include "ui/child_process.h"

#include <string>
#include <sys/stat.h>
#include <vector>

namespace zped::test {

inline const std::string kZped = std::string(ZEPH_BINARY_DIR) + "/apps/zped/zped";

// A temporary home: HOME, XDG_CONFIG_HOME (with a zped folder), XDG_RUNTIME_DIR and
// XDG_STATE_HOME all inside one temporary directory.
class ZpedHome {
  public:
    ZpedHome() {
        for (const char* sub : {"home", "config", "config/zped", "run", "state"})
            mkdir(dir.file(sub).c_str(), 0700);
    }
    std::vector<std::string> environment(const std::string& locale = "C") const {
        return {"HOME=" + dir.file("home"), "XDG_CONFIG_HOME=" + dir.file("config"),
                "XDG_RUNTIME_DIR=" + dir.file("run"), "XDG_STATE_HOME=" + dir.file("state"),
                "LC_ALL=" + locale};
    }
    std::string settings_file() const { return dir.file("config/zped/zped.ini"); }
    // A file inside the temporary directory.
    std::string file(const std::string& name) const { return dir.file(name); }

    // Runs `zped --batch SCRIPT FILES...` with the script's text; `prefix` goes before env (to
    // run it as another user).
    ui::ChildResult batch(const std::string& script, const std::vector<std::string>& files = {},
                          const std::string& working_dir = "",
                          const std::vector<std::string>& prefix = {}) const {
        std::string script_file = dir.file("script.zped");
        write_file(script_file, script);
        chmod(script_file.c_str(), 0644);
        std::vector<std::string> argv = prefix;
        argv.push_back("env");
        for (const std::string& e : environment())
            argv.push_back(e);
        argv.push_back(kZped);
        argv.push_back("--batch");
        argv.push_back(script_file);
        argv.insert(argv.end(), files.begin(), files.end());
        return ui::run_child_process({argv, working_dir});
    }

    TempDir dir;
};

// The lines of a transcript that start with one of the kinds ("text:", "error:", ...).
inline std::vector<std::string> transcript_lines(const std::string& output,
                                                 const std::vector<std::string>& kinds) {
    std::vector<std::string> found;
    for (const std::string& line : lines_of(output))
        for (const std::string& kind : kinds)
            if (line.rfind(kind + ":", 0) == 0) found.push_back(line);
    return found;
}

} // namespace zped::test
