// The content of a block-diagram architecture: components, nets and processes.
#pragma once

#include "design/component.h"
#include "design/net.h"
#include "design/process.h"

#include <memory>
#include <vector>

namespace zeph {

struct BlockDiagram {
    std::vector<std::unique_ptr<Component>> components;
    std::vector<std::unique_ptr<Net>> nets; // the net list
    std::vector<std::unique_ptr<Process>> processes;
};

} // namespace zeph
