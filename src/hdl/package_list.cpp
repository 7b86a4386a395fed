// The list dialog's working copy and its operations.
#include "hdl/package_list.h"

#include "design/design.h"
#include "foundation/system_message.h"
#include "hdl/design_events.h"
#include "hdl/hdl_file_marks.h"
#include "hdl/identifier_rules.h"
#include "hdl/package_display.h"

#include <algorithm>
#include <utility>

namespace zeph {

std::vector<PackageSpec> package_values(const PackageList& list) {
    std::vector<PackageSpec> values;
    for (const PackageSpec* spec : list.entries())
        values.push_back(*spec);
    return values;
}

void replace_package_list(PackageList& list, const std::vector<PackageSpec>& specs,
                          int next_number) {
    list.clear();
    int highest = 0;
    for (const PackageSpec& value : specs) {
        PackageSpec* spec = new_package_spec();
        *spec = value;
        highest = std::max(highest, spec->number);
        list.append(spec);
    }
    // Numbers are never reused, not even those of deleted specifications.
    list.set_next_identifier(std::max(next_number, highest + 1));
}

PackageListEditor::PackageListEditor(ui::Platform& platform, std::vector<PackageSpec> specs,
                                     int next_number, int rules, int keyword_case,
                                     PathCheck path_check)
    : platform_(&platform), specs_(std::move(specs)), next_number_(std::max(1, next_number)),
      rules_(rules), keyword_case_(keyword_case), path_check_(std::move(path_check)) {
    for (const PackageSpec& spec : specs_)
        next_number_ = std::max(next_number_, spec.number + 1);
}

bool PackageListEditor::edited() const {
    return entry_ != (selected_ ? fields_of(specs_[*selected_]) : PackageFields{});
}

void PackageListEditor::load_entry() {
    entry_ = selected_ ? fields_of(specs_[*selected_]) : PackageFields{};
}

std::optional<PackageFields> PackageListEditor::validated_entry() const {
    PackageFields fields = entry_;
    if (!validate_specification(*platform_, fields, true, rules_, keyword_case_, path_check_))
        return std::nullopt;
    return fields;
}

bool PackageListEditor::select(std::optional<std::size_t> index) {
    if (index && *index >= specs_.size()) return false;
    if (index == selected_) return true;
    if (edited()) {
        ui::Answer answer = platform_->ask_yes_no_cancel(program_name(), kPackageEditedQuestion);
        if (answer == ui::Answer::Cancel) return false;
        if (answer == ui::Answer::Yes && !change()) return false;
    }
    selected_ = index;
    load_entry();
    return true;
}

bool PackageListEditor::insert() {
    std::optional<PackageFields> fields = validated_entry();
    if (!fields) return false;
    std::size_t position = selected_.value_or(specs_.size());
    specs_.insert(specs_.begin() + static_cast<std::ptrdiff_t>(position),
                  make_package_spec(*fields, next_number_++));
    selected_ = position;
    load_entry();
    return true;
}

bool PackageListEditor::change() {
    if (!selected_) return insert();
    std::optional<PackageFields> fields = validated_entry();
    if (!fields) return false;
    store_fields(specs_[*selected_], *fields);
    load_entry();
    return true;
}

bool PackageListEditor::remove() {
    if (!selected_) return false;
    specs_.erase(specs_.begin() + static_cast<std::ptrdiff_t>(*selected_));
    if (specs_.empty())
        selected_.reset();
    else
        selected_ = std::min(*selected_, specs_.size() - 1);
    load_entry();
    return true;
}

void PackageListEditor::up() {
    if (!selected_ || *selected_ == 0) return;
    std::swap(specs_[*selected_], specs_[*selected_ - 1]);
    --*selected_;
}

void PackageListEditor::down() {
    if (!selected_ || *selected_ + 1 >= specs_.size()) return;
    std::swap(specs_[*selected_], specs_[*selected_ + 1]);
    ++*selected_;
}

bool PackageListEditor::view_enabled() const {
    return selected_ && specs_[*selected_].file_name[0] != '\0';
}

bool PackageListEditor::accept() {
    return !edited() || change();
}

std::vector<std::string> PackageListEditor::lines() const {
    std::vector<std::string> lines;
    for (const PackageSpec& spec : specs_)
        lines.push_back(package_list_line(spec));
    return lines;
}

void apply_package_list(Design& design, const PackageListEditor& editor,
                        const DesignEvents& events) {
    replace_package_list(design.library_entries, editor.specifications(), editor.next_number());
    events.design_modified(design);
    mark_testbench_files_for_skeleton_check(design);
}

PackageListEditor design_package_editor(const Design& design, const DesignEvents& events) {
    return PackageListEditor(events.platform(), package_values(design.library_entries),
                             design.library_entries.next_identifier(), design.language_checking,
                             events.keyword_case_in_force(), events.path_resolves);
}

} // namespace zeph
