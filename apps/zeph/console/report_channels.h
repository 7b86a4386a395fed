// The foundation's report channels (notices, warnings, errors and failed assertions of the
// low-level libraries) while the console runs: each text shows in a message box of the
// console's platform, titled with the program's name.
#pragma once

#include "ui/platform.h"

namespace zeph {

// Installs the channels for its lifetime; one at a time, since the foundation keeps a single
// set of channels for the process.
class ReportChannels {
  public:
    explicit ReportChannels(ui::Platform& platform);
    ~ReportChannels();
    ReportChannels(const ReportChannels&) = delete;
    ReportChannels& operator=(const ReportChannels&) = delete;
};

} // namespace zeph
