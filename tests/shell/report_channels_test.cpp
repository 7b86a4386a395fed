// The foundation's report channels show in message boxes while the console runs; the report's
// suppression follows each session's own settings.
#include "console/report_channels.h"
#include "design/report.h"
#include "foundation/cwexcept.h"
#include "foundation/system_message.h"
#include "shell/session.h"
#include "test_files.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

namespace {

using namespace zeph;
using shell_test::ScratchDir;
using shell_test::write_file;

TEST(ReportChannels, EveryChannelShowsAMessageBoxTitledWithTheProgramName) {
    ui::ScriptedPlatform platform;
    {
        ReportChannels channels(platform);
        cwexcept_notice(-1, "notice %d", 1);
        cwexcept_warning(7, "warning %s", "two");
        cwexcept_error(-1, "error");
        cwexcept_assert("cwlist", 42);
    }
    cwexcept_error(-1, "after the console"); // no longer shown on its platform
    std::vector<std::string> boxes = platform.shown(ui::Shown::Box);
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0], program_name() + "|notice 1");
    EXPECT_EQ(boxes[1], program_name() + "|warning two");
    EXPECT_EQ(boxes[2], program_name() + "|error");
    EXPECT_EQ(boxes[3].rfind(program_name() + "|*** Assertion failed: cwlist, line 42.", 0), 0u);
    cwexcept_reset();
}

TEST(ReportChannels, EachSessionsReportFollowsItsOwnSettings) {
    ScratchDir dir;
    write_file(dir / "quiet.ini", "[Verify]\nDisableWarnings=yes\nDisableNotes=0\n");
    write_file(dir / "plain.ini", "[Verify]\nDisableNotes=1\n");
    ui::ScriptedPlatform platform;
    Timers timers;
    Session quiet(platform, timers, {dir / "quiet.ini", false, {}});
    Session plain(platform, timers, {dir / "plain.ini", false, {}});
    EXPECT_TRUE(quiet.report().disable_warnings);
    EXPECT_FALSE(quiet.report().disable_notes);
    EXPECT_FALSE(plain.report().disable_warnings);
    EXPECT_TRUE(plain.report().disable_notes);
    quiet.settings().verify.disable_warnings = false;
    quiet.settings_changed();
    EXPECT_FALSE(quiet.report().disable_warnings);
}

} // namespace
