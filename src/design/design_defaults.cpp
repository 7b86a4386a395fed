// The program-wide record defaults.
#include "design/design_defaults.h"

namespace zeph {

DesignDefaults& design_defaults() {
    static DesignDefaults defaults;
    return defaults;
}

} // namespace zeph
