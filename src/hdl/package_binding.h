// Which package specifications an entity uses, and the "Bind Packages to Entities" dialog as
// a state machine: the edits are made on copies of the entities' lists of bound numbers and
// become their lists only when the dialog is left with OK.
#pragma once

#include "design/package_spec.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zeph {

struct Design;
struct Entity;

inline constexpr const char* kPackageBindingTitle = "Packages per entity";

// Global, or its number is bound to the entity.
bool is_package_used(const PackageSpec& spec, const Entity& entity);

class PackageBindingEditor {
  public:
    explicit PackageBindingEditor(Design& design);

    // The entities listed: neither library modules nor external entities nor the design's
    // top-level entity, in the design's order.
    const std::vector<Entity*>& entities() const { return entities_; }
    const std::vector<PackageSpec*>& specifications() const { return specs_; }

    bool select_entity(std::optional<std::size_t> index);
    bool select_specification(std::optional<std::size_t> index);
    std::optional<std::size_t> selected_entity() const { return entity_; }
    std::optional<std::size_t> selected_specification() const { return spec_; }

    // Add only for a non-global specification not bound to the selected entity; Remove only
    // for a bound one.
    bool can_add() const;
    bool can_remove() const;
    bool add();
    bool remove();

    // The mark of a specification for the selected entity: 'G' global, 'X' bound, ' '.
    char mark(std::size_t spec_index) const;
    // "[%s] lib.pkg.suffix" per specification, with the marks for the selected entity.
    std::vector<std::string> lines() const;

    // OK: the copies become the entities' lists. True when any list changed: the caller marks
    // the design modified then.
    bool commit();

  private:
    bool bound(std::size_t spec_index) const;

    Design& design_;
    std::vector<Entity*> entities_;
    std::vector<PackageSpec*> specs_;
    std::vector<std::vector<int>> bound_; // parallel to entities_
    std::optional<std::size_t> entity_;
    std::optional<std::size_t> spec_;
};

} // namespace zeph
