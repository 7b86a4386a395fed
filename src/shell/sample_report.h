// A built-in sample design and its verification report, shown by "zeph --sample-report" as a
// demonstration of the report window until real designs can be verified.
#pragma once

#include "ui/platform.h"

namespace zeph {

// Writes the sample report to the platform's report window; returns the error count.
int write_sample_report(ui::Platform& platform);

} // namespace zeph
