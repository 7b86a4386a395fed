// The program-wide diagram settings.
#include "blockdiagram/diagram_settings.h"

namespace zeph {

DiagramSettings& diagram_settings() {
    static DiagramSettings settings;
    return settings;
}

} // namespace zeph
