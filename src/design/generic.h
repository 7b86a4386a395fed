// A generic (Verilog: parameter) of an entity.
#pragma once

#include "design/geometry.h"

#include <string>

namespace zeph {

// Generic types: the position in the list of type words written in design files.
inline constexpr int kGenericTypeCount = 9;
inline constexpr const char* kGenericTypeWords[kGenericTypeCount] = {
    "-", "Bit", "Bit_Vector", "Boolean", "Integer", "Natural", "Positive", "Time", "UserDefined"};
inline constexpr int kGenericTypeTime = 7;
inline constexpr int kGenericTypeUserDefined = 8;

// Time units of type Time: 0 "-", 1 "fs", 2 "ps", 3 "ns", 4 "us", 5 "ms", 6 "sec", 7 "min", 8 "hr".
inline constexpr int kTimeUnitCount = 9;

struct Generic {
    Point position;   // kept for older files; architectures place generics by their placements
    std::string name; // up to 32 characters
    int type = 0;
    std::string user_type_name; // up to 50 characters, type UserDefined only
    std::string default_value;  // up to 256 characters
    int default_unit = 0;
    std::string comment; // up to 50 characters
    int reserved = 0;
};

} // namespace zeph
