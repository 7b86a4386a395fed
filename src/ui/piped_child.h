// Runs a short-lived program that takes text on its standard input and may answer on its
// standard output (clipboard tools): the input comes from an in-memory file, so a program that
// does not read it cannot block the caller, and a program that does not end in time is killed.
#pragma once

#include <string>
#include <vector>

namespace ui {

struct PipedResult {
    bool started = false;   // false: the program could not be started
    bool timed_out = false; // it was killed after the time allowed
    int exit_code = -1;     // exit status, or 128 + signal number
    std::string output;     // its standard output, when captured
};

// Runs argv (argv[0] looked up on PATH) with `input` as standard input. With `capture` its
// standard output is returned, else it goes to /dev/null; standard error always does. A program
// that daemonises (a clipboard owner) is waited for only until its first process ends.
PipedResult run_piped(const std::vector<std::string>& argv, const std::string& input, bool capture,
                      int timeout_ms);

// Whether a program of this name is found on PATH (or, with a slash, exists) and may be run.
bool program_on_path(const std::string& name);

} // namespace ui
