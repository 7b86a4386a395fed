// Running one outside program into the report window: its standard output and error arrive
// through a pipe while it runs and are shown line by line as they come.
#pragma once

#include "ui/platform.h"

#include <string>
#include <string_view>
#include <vector>

namespace zeph {

struct ToolRun {
    std::vector<std::string> argv; // argv[0]: a path, or a name looked up on PATH
    std::string working_directory;
};

// Cuts a child's output, arriving in pieces, into report lines: carriage returns dropped, a
// line that has not ended yet waits for the next piece or for finish().
class ReportLineFeed {
  public:
    explicit ReportLineFeed(ui::Platform& platform) : platform_(platform) {}
    void take(std::string_view piece);
    void finish();

  private:
    ui::Platform& platform_;
    std::string partial_;
};

// True when the program ran and ended with exit status 0. A program that cannot be started
// is reported in the report window.
bool run_tool(ui::Platform& platform, const ToolRun& run);

// The command line as one text, for messages.
std::string command_text(const std::vector<std::string>& argv);

} // namespace zeph
