// A readable listing of what is on a block diagram: the sheet, the entity's generics and
// ports with their places, components with their ports, processes with their ports, nets with
// their segments, junction points and bus entries, connect-by-name tags and free texts. Ports
// are listed with their connection points, where wires attach.
#pragma once

#include "design/architecture.h"
#include "design/design.h"

#include <string>
#include <vector>

namespace zeph {

std::vector<std::string> diagram_listing(Architecture& architecture);

} // namespace zeph
