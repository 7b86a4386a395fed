// Purge: removes the entities the top level does not reach and the architectures nothing is
// bound to, each after its own question; Cancel at any question removes nothing.
#pragma once

#include "blockdiagram/edit_outcome.h"
#include "design/design.h"
#include "ui/platform.h"

namespace zeph {

// Done when something was removed, Cancelled on Cancel (or when nothing was answered Yes).
Outcome purge(ui::Platform& platform, Design& design);

} // namespace zeph
