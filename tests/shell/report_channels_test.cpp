// The foundation's report channels show in message boxes; the report's suppression follows
// the settings.
#include "design/report.h"
#include "foundation/cwexcept.h"
#include "foundation/system_message.h"
#include "shell/ini_document.h"
#include "shell/report_channels.h"
#include "shell/settings_io.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

namespace {

using namespace zeph;

TEST(ReportChannels, EveryChannelShowsAMessageBoxTitledWithTheProgramName) {
    ui::ScriptedPlatform platform;
    ui::set_platform(&platform);
    install_report_channels();
    cwexcept_notice(-1, "notice %d", 1);
    cwexcept_warning(7, "warning %s", "two");
    cwexcept_error(-1, "error");
    cwexcept_assert("cwlist", 42);
    std::vector<std::string> boxes = platform.shown(ui::Shown::Box);
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0], program_name() + "|notice 1");
    EXPECT_EQ(boxes[1], program_name() + "|warning two");
    EXPECT_EQ(boxes[2], program_name() + "|error");
    EXPECT_EQ(boxes[3].rfind(program_name() + "|*** Assertion failed: cwlist, line 42.", 0), 0u);
    cwexcept_reset();
    ui::set_platform(nullptr);
}

TEST(ReportChannels, TheReportSuppressionFollowsTheSettings) {
    IniDocument doc = IniDocument::parse("[Verify]\nDisableWarnings=yes\nDisableNotes=0\n");
    apply_report_settings(read_settings(doc));
    EXPECT_TRUE(the_report().disable_warnings);
    EXPECT_FALSE(the_report().disable_notes);
    apply_report_settings(Settings{});
    EXPECT_FALSE(the_report().disable_warnings);
}

} // namespace
