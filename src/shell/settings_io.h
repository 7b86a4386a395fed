// Reading Settings from an INI document and writing them back into it.
#pragma once

#include "foundation/ini_document.h"
#include "shell/setting_values.h"
#include "shell/settings.h"

namespace zeph {

// Every key of the table with its value form: out-of-range integers are clamped, a value that
// cannot be read takes the default, names not in their list the list's default. An older file
// keeps its synthesis tool in "Miscellaneous": when "Tools" has none, that value is taken and
// moved to "Tools" in the document. Nothing here fails.
Settings read_settings(IniDocument& document, ScreenSize screen = {});

// Sets every key of the table, the package list and the logical directories in the document;
// other sections and keys stay as they are.
void write_settings(Settings settings, IniDocument& document);

// "%s.%s.%s.%c.%s": library, package, suffix, "X" for a global entry (else a blank), file.
std::string package_entry_text(const PackageEntry& entry);
// Split at the first four dots; missing parts are empty.
PackageEntry parse_package_entry(std::string_view text);

} // namespace zeph
