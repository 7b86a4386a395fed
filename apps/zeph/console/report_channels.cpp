// The foundation's channels take plain functions, so the platform they show on is held where
// those functions find it, for as long as the channels are installed.
#include "console/report_channels.h"

#include "foundation/cwexcept.h"
#include "foundation/system_message.h"

namespace zeph {

namespace {
ui::Platform* g_channel_platform = nullptr;

void show_in_box(int, const char* text) {
    if (g_channel_platform != nullptr)
        g_channel_platform->message_box(program_name(), text != nullptr ? text : "");
}
} // namespace

ReportChannels::ReportChannels(ui::Platform& platform) {
    g_channel_platform = &platform;
    cwexcept_set_channels(nullptr, nullptr, show_in_box, show_in_box, show_in_box, show_in_box);
}

ReportChannels::~ReportChannels() {
    cwexcept_set_channels(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    g_channel_platform = nullptr;
}

} // namespace zeph
