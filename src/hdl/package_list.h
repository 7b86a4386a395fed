// The "Libraries and Packages" dialog as a state machine: a working copy of a list of package
// specifications, the selected one, and the current entry whose fields the user edits. The
// operations are the dialog's buttons; the result replaces the design's list or the default
// list when the dialog is left with OK.
#pragma once

#include "design/package_spec.h"
#include "hdl/design_events.h"
#include "hdl/package_validation.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zeph {

struct Design;

inline constexpr const char* kDesignPackagesTitle = "Design Libraries and Packages";
inline constexpr const char* kDefaultPackagesTitle = "Default Libraries and Packages";
inline constexpr const char* kPackageEditedQuestion =
    "Current package has been edited.\nDo you want to change it?";

// The records of a guarded list as plain values, in list order.
std::vector<PackageSpec> package_values(const PackageList& list);
// Replaces the list's records; `next_number` is the next identifier the list hands out.
void replace_package_list(PackageList& list, const std::vector<PackageSpec>& specs,
                          int next_number);

class PackageListEditor {
  public:
    // Entries are validated under `rules`, an empty suffix taking ALL in `keyword_case`, with
    // `path_check` for their file names; questions and refusals go through the platform.
    PackageListEditor(ui::Platform& platform, std::vector<PackageSpec> specs, int next_number,
                      int rules, int keyword_case, PathCheck path_check = nullptr);

    const std::vector<PackageSpec>& specifications() const { return specs_; }
    int next_number() const { return next_number_; }
    std::optional<std::size_t> selected() const { return selected_; }

    // The current entry (the dialog's " Current entry: " fields).
    PackageFields& entry() { return entry_; }
    const PackageFields& entry() const { return entry_; }
    // The entry differs from the selected specification (or, with none selected, from an
    // empty one) in any field or the global flag.
    bool edited() const;

    // Selects another specification (nullopt: none) and loads it into the entry. An edited
    // entry asks first: Yes stores it into the previously selected specification, No drops
    // it, Cancel keeps the old selection. False when the selection stayed.
    bool select(std::optional<std::size_t> index);

    // Validates the entry and inserts it before the selected specification, or appends it;
    // it gets the next number and becomes the selection.
    bool insert();
    // Validates the entry and replaces the selected specification's fields, keeping its
    // number; with nothing selected it acts as insert.
    bool change();
    // Removes the selected specification; the selection moves to the one that took its place
    // (or the last one). False with nothing selected.
    bool remove();
    // Move the selected specification one place; nothing at the list's ends.
    void up();
    void down();
    // "View" needs a selected specification with a file name.
    bool view_enabled() const;

    // The dialog's OK: an edited entry is validated and stored as change does. False when it
    // was refused (the dialog stays).
    bool accept();

    // The dialog's list lines, in order.
    std::vector<std::string> lines() const;

  private:
    void load_entry();
    // The entry, validated; nullopt when refused.
    std::optional<PackageFields> validated_entry() const;

    ui::Platform* platform_;
    std::vector<PackageSpec> specs_;
    int next_number_;
    int rules_;
    int keyword_case_;
    PathCheck path_check_;
    std::optional<std::size_t> selected_;
    PackageFields entry_;
};

// The dialog on the design's list, closed with OK: the list is replaced, the design marked
// modified and the testbench files marked for a skeleton check (they carry the clauses).
void apply_package_list(Design& design, const PackageListEditor& editor,
                        const DesignEvents& events);

// An editor on the design's list under the design's rules and the path resolution of the
// events.
PackageListEditor design_package_editor(const Design& design, const DesignEvents& events);

} // namespace zeph
