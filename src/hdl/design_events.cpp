// The calls of the layers above, run when they are set.
#include "hdl/design_events.h"

namespace zeph {

void DesignEvents::menus_changed() const {
    if (rebuild_menus) rebuild_menus();
}

void DesignEvents::views_changed() const {
    if (refresh_views) refresh_views();
}

void DesignEvents::state_codes_changed(Design& design) const {
    if (recompute_state_codes) recompute_state_codes(design);
}

void DesignEvents::design_modified(Design& design, bool vhdl_settings) const {
    if (mark_modified) mark_modified(design, vhdl_settings);
}

} // namespace zeph
