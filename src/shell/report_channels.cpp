// The report channels of zeph and the report's settings.
#include "shell/report_channels.h"

#include "design/report.h"
#include "foundation/cwexcept.h"
#include "foundation/system_message.h"
#include "ui/platform.h"

namespace zeph {

namespace {
void show_in_box(int, const char* text) {
    ui::platform().message_box(program_name(), text != nullptr ? text : "");
}
} // namespace

void install_report_channels() {
    cwexcept_set_channels(nullptr, nullptr, show_in_box, show_in_box, show_in_box, show_in_box);
}

void apply_report_settings(const Settings& settings) {
    the_report().disable_warnings = settings.verify.disable_warnings;
    the_report().disable_notes = settings.verify.disable_notes;
}

} // namespace zeph
