// What changes of the design setup and the package lists need from the session that owns the
// design: the platform that shows their messages, the setup values that carry over into the
// next new design, and calls into the layers above this one (the main window's menus and
// views, the state codes of the state machines, the project's modified flag and the resolution
// of logical paths). A call left empty does nothing.
#pragma once

#include "hdl/vhdl_keywords.h"
#include "ui/platform.h"

#include <functional>
#include <string>

namespace zeph {

struct Design;

// The values that survive into a new design; at program start: off, off, lower case, empty.
struct CarriedSetup {
    bool vhdl93 = false;
    bool inline_attributes = false;
    int keyword_case = 0;
    std::string vhdl_header_file;
    std::string verilog_header_file;
};

class DesignEvents {
  public:
    explicit DesignEvents(ui::Platform& platform) : platform_(platform) {}
    DesignEvents(const DesignEvents&) = delete;
    DesignEvents& operator=(const DesignEvents&) = delete;

    ui::Platform& platform() const { return platform_; }
    CarriedSetup& carried() { return carried_; }
    const CarriedSetup& carried() const { return carried_; }
    // The case VHDL keywords were last written in (by a generation run or an HDL file
    // skeleton); upper case before the first. An empty package suffix becomes ALL in it.
    int keyword_case_in_force() const { return keyword_case_in_force_; }
    void vhdl_keywords_written(int keyword_case) { keyword_case_in_force_ = keyword_case; }

    std::function<void()> rebuild_menus;
    std::function<void()> refresh_views;
    std::function<void(Design&)> recompute_state_codes;
    // `vhdl_settings` is set when the change was one of the VHDL settings.
    std::function<void(Design&, bool vhdl_settings)> mark_modified;
    // Logical path resolution of the settings: false when the path is refused (and shown).
    std::function<bool(const std::string& path)> path_resolves;

    // Run the call when it is set.
    void menus_changed() const;
    void views_changed() const;
    void state_codes_changed(Design& design) const;
    void design_modified(Design& design, bool vhdl_settings = false) const;

  private:
    ui::Platform& platform_;
    CarriedSetup carried_;
    int keyword_case_in_force_ = kKeywordUpper;
};

} // namespace zeph
