// The installed hooks of the layers above.
#include "hdl/design_events.h"

namespace zeph {

DesignEventHooks& design_event_hooks() {
    static DesignEventHooks hooks;
    return hooks;
}

void rebuild_menus() {
    if (design_event_hooks().rebuild_menus) design_event_hooks().rebuild_menus();
}

void refresh_views() {
    if (design_event_hooks().refresh_views) design_event_hooks().refresh_views();
}

void recompute_state_codes(Design& design) {
    if (design_event_hooks().recompute_state_codes)
        design_event_hooks().recompute_state_codes(design);
}

void mark_design_modified(Design& design, bool vhdl_settings) {
    if (design_event_hooks().mark_modified)
        design_event_hooks().mark_modified(design, vhdl_settings);
}

} // namespace zeph
