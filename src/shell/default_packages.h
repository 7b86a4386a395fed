// The default list of package specifications, kept in the settings: the editor the "Default
// Libraries and Packages" dialog and the shell's "packages default" work on, and the list
// written back when they are left with OK.
#pragma once

#include "hdl/package_list.h"

#include <cstddef>
#include <optional>

namespace zeph {

class Session;
struct Settings;

// Filled with the position (from 1) of the entry.
inline constexpr const char* kDefaultEntryTooLong =
    "default entry %zu of the settings file is too long to be edited here; correct it in the file";

// An editor on the default list under the open design's rules (VHDL's without a design).
PackageListEditor default_package_editor(Session& session);

// The first entry of the default list (from the settings file) whose fields are longer than a
// specification holds; editing the list then would write it back cut, so it is refused.
std::optional<std::size_t> default_entry_too_long(const Settings& settings);

// The editor's list becomes the default list of the settings.
void apply_default_packages(Session& session, const PackageListEditor& editor);

} // namespace zeph
