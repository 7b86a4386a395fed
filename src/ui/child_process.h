// Runs a real child process with its standard output and error captured through one pipe.
#pragma once

#include "ui/platform.h"

namespace ui {

ChildResult run_child_process(const ChildProcess& child);

} // namespace ui
