// Outside programs whose output goes to the report window.
#include "hdl/tool_run.h"

#include "foundation/strings.h"

namespace zeph {

void ReportLineFeed::take(std::string_view piece) {
    for (char c : piece) {
        if (c == '\r') continue;
        if (c == '\n') {
            platform_.report_append(partial_);
            partial_.clear();
        } else {
            partial_ += c;
        }
    }
}

void ReportLineFeed::finish() {
    if (!partial_.empty()) platform_.report_append(partial_);
    partial_.clear();
}

std::string command_text(const std::vector<std::string>& argv) {
    std::string text;
    for (const std::string& arg : argv)
        text.append(text.empty() ? "" : " ").append(arg);
    return text;
}

bool run_tool(ui::Platform& platform, const ToolRun& run) {
    ReportLineFeed feed(platform);
    ui::ChildProcess child{run.argv, run.working_directory};
    ui::ChildResult result =
        platform.run_child_streamed(child, [&feed](std::string_view piece) { feed.take(piece); });
    feed.finish();
    if (!result.started) {
        platform.report_append(format_text("Cannot start '%s'.", command_text(run.argv).c_str()));
        return false;
    }
    return result.exit_code == 0;
}

} // namespace zeph
