// What changes of the design setup and the package lists ask of the layers above this one:
// the main window's menus and views, the state codes of the state machines, the project's
// modified flag and the resolution of logical paths. Each layer installs its part when it starts; a
// hook left empty does nothing.
#pragma once

#include <functional>
#include <string>

namespace zeph {

struct Design;

struct DesignEventHooks {
    std::function<void()> rebuild_menus;
    std::function<void()> refresh_views;
    std::function<void(Design&)> recompute_state_codes;
    // `vhdl_settings` is set when the change was one of the VHDL settings.
    std::function<void(Design&, bool vhdl_settings)> mark_modified;
    // Logical path resolution of the settings: false when the path is refused (and shown).
    std::function<bool(const std::string& path)> path_resolves;
};

DesignEventHooks& design_event_hooks();

// Run the hook when it is installed.
void rebuild_menus();
void refresh_views();
void recompute_state_codes(Design& design);
void mark_design_modified(Design& design, bool vhdl_settings = false);

} // namespace zeph
