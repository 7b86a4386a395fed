// The logic of the "Edit Process" dialog.
#pragma once

#include "blockdiagram/diagram_editor.h"

#include <string>

namespace zeph {

struct ProcessFields {
    std::string name;             // "&Label:"
    int kind = 1;                 // "C&ontents:" 1 "HDL File", 2 "State Diagram"
    bool sensitivity_list = true; // "&Sensitivity list activated" / "&Event list activated"
    bool operator==(const ProcessFields&) const = default;
};

enum class ProcessField { None, Label, Contents };

// The sensitivity (event) list switch of an HDL-file process lives in bit 1 of the process's
// reserved number, which a new process has set.
inline constexpr int kSensitivityListActivated = 1;

ProcessFields process_fields(const Process& process);

// OK of "Edit Process": the name is a legal identifier that no other process of the diagram
// has (message 48 with "process"); a change of contents of a process that is not empty asks
// "Process not empty, are you sure?", and on Yes the old contents are dropped and the process
// starts afresh for its new kind.
DialogResult<ProcessField> edit_process(DiagramEditor& editor, Process& process,
                                        ProcessFields fields);

// A process holds something: HDL file names, states, transitions, labels or free texts.
bool process_holds_anything(const Process& process);

} // namespace zeph
