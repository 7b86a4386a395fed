// A port of an entity (a diagram port) or of a process (a process port).
#pragma once

#include "design/geometry.h"
#include "design/label_display.h"

#include <string>

namespace zeph {

struct Process;

inline constexpr int kModeIn = 1;
inline constexpr int kModeOut = 2;
inline constexpr int kModeInout = 3;
inline constexpr int kModeBuffer = 4;

inline constexpr int kDirectionDownto = 0;
inline constexpr int kDirectionTo = 1;

// Special functions of ports used by state machines.
inline constexpr int kFunctionNone = 0;
inline constexpr int kFunctionClock = 1;
inline constexpr int kFunctionReset = 2;
inline constexpr int kFunctionStateRegister = 3;

// Connect-by-name modes: 0 none, 1 by the explicit name (the tag label's text), 2 by the port's
// own name.
inline constexpr int kConnectNone = 0;
inline constexpr int kConnectExplicit = 1;
inline constexpr int kConnectOwnName = 2;

struct ConnectByName {
    int mode = kConnectNone;
    bool has_label = false;
    LabelDisplay label; // its text is the explicit name
};

struct Range {
    bool has_range = false;
    std::string left;  // up to 32 characters
    std::string right; // up to 32 characters
    int direction = kDirectionDownto;
    bool operator==(const Range&) const = default;
};

struct Port {
    Point position; // connection origin (process ports; diagram ports are placed per architecture)
    std::string name;      // up to 32 characters; process ports have none
    std::string type_name; // up to 32 characters; empty: the design's default type
    int mode = kModeIn;
    Range range;
    std::string default_value; // up to 256 characters
    std::string comment;       // up to 50 characters
    int side = 0;              // 0 none, 1 bottom, 2 right, 3 top, 4 left
    int signal_kind = 0;       // 0 "-", 1 "BUS", 2 "REGISTER"
    bool register_flag = false;
    int sensitivity = 0; // VHDL: on the sensitivity list; Verilog: event choice
    int special_function = kFunctionNone;
    ConnectByName connect_by_name;
    LabelDisplay name_label;
    Process* owner = nullptr; // process ports only
};

} // namespace zeph
