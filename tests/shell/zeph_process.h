// Runs the real zeph program as a child process: its standard input fed from a text (through
// a pipe), a chosen working directory and environment, standard output and error captured.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace shell_test {

struct ZephRun {
    std::vector<std::string> args;
    std::string input;                      // written to its standard input (a pipe)
    std::string cwd;                        // empty: the test's own
    std::map<std::string, std::string> env; // set in the child's environment
    std::string program;                    // empty: the zeph of this build
    bool remove_cwd_first = false;          // enter cwd, then delete it (no current dir)
    int kill_after_ms = 0;                  // > 0: SIGKILL after this long
    std::string kill_timer_starts_at;       // the kill delay counts from this output on
    long file_size_limit = 0;               // > 0: RLIMIT_FSIZE in bytes (SIGXFSZ ignored)
};

struct ZephResult {
    int status = -1; // exit status, 128 + signal when killed
    std::string out;
    std::string err;
};

ZephResult run_zeph(const ZephRun& run);

} // namespace shell_test
