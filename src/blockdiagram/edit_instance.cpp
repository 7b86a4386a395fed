// The OK sequence of the "Edit Instance" dialog.
#include "blockdiagram/edit_instance.h"

#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/entity_interface.h"
#include "blockdiagram/entity_rename.h"
#include "blockdiagram/hierarchy.h"
#include "blockdiagram/hierarchy_display.h"
#include "blockdiagram/hierarchy_removal.h"
#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "design/entity_copy.h"
#include "design/project_files.h"
#include "design/project_paths.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "hdl/identifier_rules.h"

#include <algorithm>

namespace zeph {

namespace {
constexpr const char* kDialogTitle = "Edit Instance";
constexpr const char* kToplevel = "Toplevel";
constexpr const char* kExternalModule = "Component instantiates external module.";

bool architecture_empty(const Architecture& architecture) {
    return !architecture_holds_anything(architecture);
}

bool rows_changed(const InstanceFields& before, const InstanceFields& after) {
    if (before.architectures.size() != after.architectures.size()) return true;
    for (std::size_t i = 0; i < before.architectures.size(); ++i) {
        const ArchitectureRow& a = before.architectures[i];
        const ArchitectureRow& b = after.architectures[i];
        if (a.original != b.original || a.name != b.name || a.kind != b.kind ||
            a.deleted != b.deleted)
            return true;
    }
    return false;
}

std::string tag(const std::string& name, int kind) {
    return format_text("'%s'(%c)", name.c_str(), architecture_letter(kind));
}

// Step 4: every architecture that holds something is asked for before it changes its type or
// goes. False when one was answered No.
bool confirm_architecture_changes(ui::Platform& platform, int language,
                                  const std::vector<ArchitectureRow>& rows) {
    const std::string word = kind_name(language, kKindArchitecture, kKindCapital, 1);
    for (const ArchitectureRow& row : rows) {
        const Architecture* original = row.original;
        if (original == nullptr || architecture_empty(*original)) continue;
        std::string question;
        if (row.deleted) {
            question = format_text("%s '%s'(%c)", word.c_str(), row.name.c_str(),
                                   architecture_letter(original->kind));
            if (row.name != original->name)
                question += " (originally " + tag(original->name, original->kind) + ")";
            question += "\nnot empty, delete?";
        } else if (row.kind != original->kind) {
            question = format_text("%s '%s'(%c) (originally '%s'(%c))\nnot empty, change type?",
                                   word.c_str(), row.name.c_str(), architecture_letter(row.kind),
                                   original->name.c_str(), architecture_letter(original->kind));
        } else {
            continue;
        }
        if (platform.ask_yes_no(kDialogTitle, question) != ui::Answer::Yes) return false;
    }
    return true;
}

// The names of the rows that stay: legal and distinct.
bool row_names_acceptable(ui::Platform& platform, int rules, int language,
                          const std::vector<ArchitectureRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].deleted) continue;
        if (int code = check_identifier(rows[i].name, kHdlNameLimit, rules); code != 0) {
            refuse_identifier(platform, code, rows[i].name);
            return false;
        }
        for (std::size_t j = 0; j < i; ++j)
            if (!rows[j].deleted && names_equal(rows[i].name, rows[j].name, rules)) {
                refuse_duplicate(platform, language, kKindArchitecture);
                return false;
            }
    }
    return true;
}

void change_kind(DiagramEditor& editor, Entity& entity, Architecture& architecture, int kind) {
    editor.forget_diagram({&architecture, nullptr});
    std::unique_ptr<Architecture> fresh = new_architecture(
        kind, architecture.name, &entity, editor.defaults(), editor.design().synthesis_tool);
    architecture.kind = kind;
    architecture.sheet = std::move(fresh->sheet);
    architecture.block_diagram = std::move(fresh->block_diagram);
    architecture.hdl_file = std::move(fresh->hdl_file);
    architecture.state_machine = std::move(fresh->state_machine);
    architecture.status = 0;
    place_interface(editor.label_style(), entity, architecture);
}

// The copy made for "Yes": the rows' architectures are the copy's, by position.
Entity* copy_for_component(DiagramEditor& editor, Component& component, const std::string& name,
                           std::vector<ArchitectureRow>& rows) {
    Design& design = editor.design();
    Entity& original = *component.entity;
    std::unique_ptr<Entity> made = copy_entity(design, original, name);
    if (made == nullptr) return nullptr;
    std::string from = original.directory.empty() ? "" : entity_directory(design, original);
    if (!from.empty() && path_exists(from))
        copy_tree(editor.platform(), from, entity_directory(design, *made));
    Entity& copy = add_entity_in_order(design, std::move(made));
    for (ArchitectureRow& row : rows) {
        if (row.original == nullptr) continue;
        auto at = std::find_if(original.architectures.begin(), original.architectures.end(),
                               [&](const auto& a) { return a.get() == row.original; });
        std::size_t index = static_cast<std::size_t>(at - original.architectures.begin());
        row.original =
            index < copy.architectures.size() ? copy.architectures[index].get() : nullptr;
    }
    component.entity = &copy;
    for (std::size_t i = 0; i < component.port_instances.size(); ++i)
        component.port_instances[i].port = copy.ports[i].get();
    for (std::size_t i = 0; i < component.generic_values.size(); ++i)
        component.generic_values[i].generic = copy.generics[i].get();
    return &copy;
}

// Applies the rows to the entity; returns the architecture of the bound row.
Architecture* apply_rows(DiagramEditor& editor, Entity& entity, std::vector<ArchitectureRow>& rows,
                         int binding) {
    Design& design = editor.design();
    for (ArchitectureRow& row : rows)
        if (row.deleted && row.original != nullptr) {
            editor.forget_diagram({row.original, nullptr});
            discard_architecture(editor.platform(), design, entity, *row.original);
            row.original = nullptr;
        }
    for (ArchitectureRow& row : rows) {
        if (row.deleted) continue;
        if (row.original == nullptr) {
            Architecture& added = add_architecture(
                entity, new_architecture(row.kind, row.name, &entity, editor.defaults(),
                                         design.synthesis_tool));
            place_interface(editor.label_style(), entity, added);
            row.original = &added;
            continue;
        }
        row.original->name = row.name;
        if (row.kind != row.original->kind) change_kind(editor, entity, *row.original, row.kind);
    }
    if (binding >= 0 && static_cast<std::size_t>(binding) < rows.size() &&
        !rows[static_cast<std::size_t>(binding)].deleted)
        return rows[static_cast<std::size_t>(binding)].original;
    return entity.architectures.empty() ? nullptr : entity.architectures.front().get();
}

enum class Naming { Keep, Copy, Rename };

// Step 2. Refused and Cancelled end the OK; Done goes on with the naming chosen.
Outcome choose_naming(DiagramEditor& editor, const Entity& entity, const std::string& name,
                      Naming& naming) {
    ui::Platform& platform = editor.platform();
    const int language = editor.language();
    const int rules = editor.name_rules();
    naming = Naming::Keep;
    if (name == entity.name) return Outcome::Done;
    if (int code = check_identifier(name, kHdlNameLimit, rules); code != 0)
        return refuse_identifier(platform, code, name);
    const std::string entity_capital = kind_name(language, kKindEntity, kKindCapital, 1);
    const std::string entity_word = kind_name(language, kKindEntity, 0, 1);
    if (names_equal(name, kToplevel, rules))
        return refuse(platform, format_text("%s name '%s' not allowed.", entity_capital.c_str(),
                                            name.c_str()));
    for (const auto& other : editor.design().entities)
        if (other.get() != &entity && names_equal(other->name, name, rules)) {
            const std::string component_word = kind_name(language, kKindComponent, 0, 1);
            platform.message_box(
                kDialogTitle,
                format_text("This %s cannot instantiate another existing %s.\nDelete this %s and "
                            "instantiate the other %s instead.",
                            component_word.c_str(), entity_word.c_str(), component_word.c_str(),
                            entity_word.c_str()));
            return Outcome::Refused;
        }
    ui::Answer answer = platform.ask_yes_no_cancel(
        kDialogTitle,
        format_text("%s name is new. Create new %s?\n('No' renames existing %s.)",
                    entity_capital.c_str(), entity_word.c_str(), entity_word.c_str()));
    if (answer == ui::Answer::Cancel) return Outcome::Cancelled;
    naming = answer == ui::Answer::Yes ? Naming::Copy : Naming::Rename;
    return Outcome::Done;
}
} // namespace

InstanceFields instance_fields(const Component& component) {
    InstanceFields fields;
    fields.label = component.name;
    if (component.entity == nullptr) return fields;
    const Entity& entity = *component.entity;
    fields.entity_name = entity.name;
    fields.external = entity.external;
    fields.library_name = entity.library_name;
    for (const auto& architecture : entity.architectures) {
        if (architecture.get() == component.bound_architecture)
            fields.binding = static_cast<int>(fields.architectures.size());
        fields.architectures.push_back(
            {architecture.get(), architecture->name, architecture->kind, false});
    }
    return fields;
}

int architecture_row(const InstanceFields& fields, const std::string& name) {
    for (std::size_t i = 0; i < fields.architectures.size(); ++i)
        if (!fields.architectures[i].deleted && fields.architectures[i].name == name)
            return static_cast<int>(i);
    return -1;
}

Outcome edit_instance(DiagramEditor& editor, Component& component, const InstanceFields& fields) {
    ui::Platform& platform = editor.platform();
    Design& design = editor.design();
    const int language = editor.language();
    const int rules = editor.name_rules();
    if (component.entity == nullptr) return Outcome::Cancelled;
    Entity& entity = *component.entity;
    const InstanceFields before = instance_fields(component);
    std::vector<ArchitectureRow> rows = fields.architectures;
    bool entity_changed =
        fields.entity_name != before.entity_name || fields.external != before.external ||
        fields.library_name != before.library_name || rows_changed(before, fields);
    if (entity_changed && entity.is_library_module()) return refuse(platform, kReadOnlyComponent);

    // 1. The label.
    const bool label_changed = fields.label != component.name;
    if (label_changed) {
        if (int code = check_identifier(fields.label, kHdlNameLimit, rules); code != 0)
            return refuse_identifier(platform, code, fields.label);
        for (const auto& other : editor.diagram().components)
            if (other.get() != &component && names_equal(other->name, fields.label, rules))
                return refuse_duplicate(platform, language, kKindComponent);
    }
    // 2. The entity's name.
    Naming naming = Naming::Keep;
    if (Outcome named = choose_naming(editor, entity, fields.entity_name, naming);
        named != Outcome::Done)
        return named;
    // 3. An external entity keeps its architecture types.
    if (before.external) {
        bool retyped = false;
        for (ArchitectureRow& row : rows)
            if (row.original != nullptr && row.kind != row.original->kind) {
                row.kind = row.original->kind;
                retyped = true;
            }
        if (retyped) platform.status(format_text("%s Type change ignored.", kExternalModule), true);
    }
    if (!row_names_acceptable(platform, rules, language, rows)) return Outcome::Refused;
    // 4. Architectures that hold something.
    if (!confirm_architecture_changes(platform, language, rows)) return Outcome::Cancelled;
    // 5. The binding, for one instance or all of them.
    int binding = fields.binding;
    if (binding < 0 || static_cast<std::size_t>(binding) >= rows.size() ||
        rows[static_cast<std::size_t>(binding)].deleted)
        binding = -1;
    const Architecture* chosen =
        binding >= 0 ? rows[static_cast<std::size_t>(binding)].original : nullptr;
    const bool binding_changed =
        binding >= 0 ? chosen != component.bound_architecture || chosen == nullptr
                     : component.bound_architecture != nullptr &&
                           std::any_of(rows.begin(), rows.end(), [&](const ArchitectureRow& r) {
                               return r.deleted && r.original == component.bound_architecture;
                           });
    bool bind_all = false;
    if (binding_changed && naming != Naming::Copy && binding >= 0 &&
        instances_of(design, entity).size() > 1) {
        const std::string architecture_word = kind_name(language, kKindArchitecture, 0, 1);
        bind_all = platform.ask_yes_no(
                       kDialogTitle,
                       format_text("Bind %s '%s' to all %s of %s '%s'?", architecture_word.c_str(),
                                   rows[static_cast<std::size_t>(binding)].name.c_str(),
                                   kind_name(language, kKindComponent, 0, 2).c_str(),
                                   kind_name(language, kKindEntity, 0, 1).c_str(),
                                   fields.entity_name.c_str())) == ui::Answer::Yes;
    }
    // 6. Nothing changed.
    if (!label_changed && !entity_changed && !binding_changed) return Outcome::Cancelled;

    Entity* target = &entity;
    if (naming == Naming::Copy) {
        target = copy_for_component(editor, component, fields.entity_name, rows);
        if (target == nullptr)
            return refuse(platform,
                          format_text("%s '%s' cannot be copied.",
                                      kind_name(language, kKindEntity, kKindCapital, 1).c_str(),
                                      entity.name.c_str()));
    } else if (naming == Naming::Rename) {
        rename_entity(platform, design, entity, fields.entity_name);
    }
    target->external = fields.external;
    target->library_name = fields.library_name;
    Architecture* bound = apply_rows(editor, *target, rows, binding);
    if (bind_all) {
        for (Component* instance : instances_of(design, *target))
            bind_component(*instance, bound);
    } else if (binding_changed || component.bound_architecture == nullptr) {
        bind_component(component, bound);
    }
    if (label_changed) component.name = fields.label;
    refresh_component_labels(design);
    editor.hierarchy_changed();
    return Outcome::Done;
}

} // namespace zeph
