// The context of the HDL text writers.
#include "hdl/hdl_context.h"

#include "design/design.h"
#include "foundation/kind_vocabulary.h"

namespace zeph {

HdlContext::HdlContext(const Design& d, ui::Platform& p)
    : design(d), platform(p), language(d.target_language == 2 ? 2 : 1), keywords(d.keyword_case) {}

std::string HdlContext::kind_word(int kind, int flags, int number) const {
    return kind_name(design.target_language, kind, flags, number);
}

bool HdlContext::is_bound(const Architecture& architecture) const {
    auto found = bound_counts.find(&architecture);
    return found != bound_counts.end() && found->second != 0;
}

} // namespace zeph
