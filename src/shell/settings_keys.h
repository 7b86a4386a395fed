// The table of the keys of "zeph.ini": section, key, value form, range or field size, and the
// field of Settings it fills. Reader and writer both walk it, so they cannot disagree; its
// order is the order of a freshly written file.
#pragma once

#include "shell/settings.h"

#include <span>
#include <string>

namespace zeph {

enum class ValueForm {
    Integer,       // clamped into min..max
    Flag,          // "yes" / "no"
    Text,          // at most max characters
    SheetSize,     // by name, see setting_names.h
    SynthesisTool, // by name, with aliases
    AnalysisTool,  // by name
    Rectangle,     // "%d,%d,%d,%d"
};

struct SettingKey {
    const char* section;
    const char* key;
    ValueForm form;
    int min = 0; // integers: the range; texts: max is the field size
    int max = 0;
    int* (*integer)(Settings&) = nullptr; // Integer, SheetSize, SynthesisTool, AnalysisTool
    bool* (*flag)(Settings&) = nullptr;
    std::string* (*text)(Settings&) = nullptr;
    WindowRect* (*rect)(Settings&) = nullptr;
};

std::span<const SettingKey> setting_keys();

// Sections whose keys are not in the table.
inline constexpr const char* kPackagesSection = "Packages";
inline constexpr const char* kDirectoriesSection = "Directories";

} // namespace zeph
