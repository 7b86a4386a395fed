// Renaming an entity everywhere: its instances (by pointer), the bindings of every
// configuration (as containing and as bound entity) and its directory in the working copy.
#pragma once

#include "design/design.h"
#include "ui/platform.h"

#include <string>

namespace zeph {

// A directory that cannot be renamed is reported (the message box of the file operation) and
// keeps its old name; the entity takes the new name anyway.
void rename_entity(ui::Platform& platform, Design& design, Entity& entity, const std::string& name);

} // namespace zeph
