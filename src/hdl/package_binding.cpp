// Bound package specifications of entities and the binding dialog's working copies.
#include "hdl/package_binding.h"

#include "design/design.h"
#include "hdl/package_display.h"

#include <algorithm>

namespace zeph {

bool is_package_used(const PackageSpec& spec, const Entity& entity) {
    return spec.global != 0 || entity.bound_packages.contains(spec.number);
}

PackageBindingEditor::PackageBindingEditor(Design& design)
    : design_(design), specs_(design.library_entries.entries()) {
    for (const auto& entity : design.entities) {
        if (entity->is_library_module() || entity->external || entity.get() == design.root)
            continue;
        entities_.push_back(entity.get());
        bound_.push_back(entity->bound_packages.numbers());
    }
}

bool PackageBindingEditor::select_entity(std::optional<std::size_t> index) {
    if (index && *index >= entities_.size()) return false;
    entity_ = index;
    return true;
}

bool PackageBindingEditor::select_specification(std::optional<std::size_t> index) {
    if (index && *index >= specs_.size()) return false;
    spec_ = index;
    return true;
}

bool PackageBindingEditor::bound(std::size_t spec_index) const {
    const std::vector<int>& numbers = bound_[*entity_];
    return std::find(numbers.begin(), numbers.end(), specs_[spec_index]->number) != numbers.end();
}

bool PackageBindingEditor::can_add() const {
    return entity_ && spec_ && specs_[*spec_]->global == 0 && !bound(*spec_);
}

bool PackageBindingEditor::can_remove() const {
    return entity_ && spec_ && specs_[*spec_]->global == 0 && bound(*spec_);
}

bool PackageBindingEditor::add() {
    if (!can_add()) return false;
    bound_[*entity_].push_back(specs_[*spec_]->number);
    return true;
}

bool PackageBindingEditor::remove() {
    if (!can_remove()) return false;
    std::vector<int>& numbers = bound_[*entity_];
    std::erase(numbers, specs_[*spec_]->number);
    return true;
}

char PackageBindingEditor::mark(std::size_t spec_index) const {
    if (specs_[spec_index]->global != 0) return 'G';
    return entity_ && bound(spec_index) ? 'X' : ' ';
}

std::vector<std::string> PackageBindingEditor::lines() const {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < specs_.size(); ++i)
        lines.push_back(package_binding_line(*specs_[i], mark(i)));
    return lines;
}

bool PackageBindingEditor::commit() {
    bool changed = false;
    for (std::size_t i = 0; i < entities_.size(); ++i) {
        PackageIdList& list = entities_[i]->bound_packages;
        if (list.numbers() == bound_[i]) continue;
        changed = true;
        list.clear();
        for (int number : bound_[i])
            list.append(number);
    }
    return changed;
}

} // namespace zeph
