// The context of the HDL text writers.
#include "hdl/hdl_context.h"

#include "design/design.h"

namespace zeph {

HdlContext::HdlContext(const Design& d) : design(d), language(d.target_language == 2 ? 2 : 1) {}

bool HdlContext::is_bound(const Architecture& architecture) const {
    auto found = bound_counts.find(&architecture);
    return found != bound_counts.end() && found->second != 0;
}

} // namespace zeph
