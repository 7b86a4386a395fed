// How the foundation's report channels and the verification report show up in zeph: every
// notice, warning, error and fatal of cwexcept in a message box titled with the program's
// name, and the report's suppression of warnings and notes from the settings.
#pragma once

#include "shell/settings.h"

namespace zeph {

// No stream and no exit handler; one handler for all four channels.
void install_report_channels();
// "DisableWarnings" and "DisableNotes" of section "Verify".
void apply_report_settings(const Settings& settings);

} // namespace zeph
