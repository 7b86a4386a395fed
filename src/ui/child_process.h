// Runs a real child process with its standard output and error captured through one pipe.
#pragma once

#include "ui/platform.h"

namespace ui {

ChildResult run_child_process(const ChildProcess& child);
// The output goes to `sink` in pieces of at most 256 bytes as the child writes it.
ChildResult run_child_process(const ChildProcess& child, const OutputSink& sink);

} // namespace ui
