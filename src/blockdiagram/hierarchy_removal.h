// Removing entities and architectures from a design together with their files in the working
// copy. Nothing is left pointing at a removed record: components bound to a removed
// architecture lose their binding, components of a removed entity go with it, and a removed
// current diagram gives way to the top level.
#pragma once

#include "design/design.h"
#include "ui/platform.h"

namespace zeph {

// Deletes "work/<entity>/<architecture>" when it exists; a failure is shown and the record goes
// anyway (the file stays behind, reported).
void discard_architecture(ui::Platform& platform, Design& design, Entity& entity,
                          Architecture& architecture);
// Deletes "work/<entity>" when it exists; a library module has no files here.
void discard_entity(ui::Platform& platform, Design& design, Entity& entity);

} // namespace zeph
