// A process (Verilog: always block) of a block diagram: an HDL-file or state-diagram body with
// its own ports.
#pragma once

#include "design/geometry.h"
#include "design/hdl_file.h"
#include "design/label_display.h"
#include "design/port.h"
#include "design/sheet.h"
#include "design/state_machine.h"

#include <memory>
#include <string>
#include <vector>

namespace zeph {

struct Architecture;
struct Entity;

// Process kinds; the kind letter is the character at that position of "UVS".
inline constexpr int kProcessUndefined = 0;
inline constexpr int kProcessHdlFile = 1;
inline constexpr int kProcessStateDiagram = 2;
inline constexpr const char* kProcessLetters = "UVS";

struct Process {
    std::string name; // up to 32 characters
    int kind = kProcessUndefined;
    Box box;
    unsigned status = 0;
    int reserved = 0; // 1 when created
    std::vector<std::unique_ptr<Port>> ports;
    Sheet sheet;
    std::unique_ptr<HdlFile> hdl_file;           // kind 1
    std::unique_ptr<StateMachine> state_machine; // kind 2
    Entity* entity = nullptr;
    Architecture* architecture = nullptr;
    LabelDisplay name_label;
};

} // namespace zeph
