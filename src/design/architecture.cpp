// Out-of-line special members: the block diagram is only declared in the header.
#include "design/architecture.h"

#include "design/block_diagram.h"

namespace zeph {

Architecture::Architecture() = default;
Architecture::~Architecture() = default;

} // namespace zeph
