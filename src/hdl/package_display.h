// The lines that show package specifications in the list dialog and the binding dialog.
#pragma once

#include "design/package_spec.h"

#include <string>

namespace zeph {

// "[G] lib.pkg.suffix  file" ("[ ]" for a specification that is not global); without a
// package "[G] lib.suffix  file".
std::string package_list_line(const PackageSpec& spec);

// The same without the file name, with the mark given: "G" global, "X" bound to the selected
// entity, " " otherwise.
std::string package_binding_line(const PackageSpec& spec, char mark);

} // namespace zeph
