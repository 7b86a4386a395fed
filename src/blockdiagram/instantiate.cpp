// Instantiating an existing entity in the current block diagram.
#include "blockdiagram/instantiate.h"

#include "blockdiagram/default_names.h"
#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/entity_interface.h"
#include "blockdiagram/hierarchy.h"
#include "blockdiagram/name_prompt.h"
#include "blockdiagram/symbol_geometry.h"
#include "blockdiagram/undo_captures.h"
#include "design/design_constructors.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

namespace zeph {

namespace {
constexpr int kNameLabelRise = 48; // as for components of new entities
} // namespace

Outcome instantiate(DiagramEditor& editor, Point at, Entity* entity, Architecture* architecture,
                    const std::optional<std::string>& name) {
    ui::Platform& platform = editor.platform();
    const int language = editor.language();
    if (entity == nullptr)
        return refuse_unspecified(platform, kind_name(language, kKindEntity, 0, 1));
    if (architecture == nullptr || architecture->entity != entity)
        return refuse_unspecified(platform, kind_name(language, kKindArchitecture, 0, 1));
    if (reaches(*entity, editor.entity())) return refuse(platform, "Recursion not allowed.");

    NameIndex& components = editor.component_names();
    NameCheck check = identifier_check(
        platform, editor.name_rules(), language, kKindComponent,
        [&](const std::string& candidate) { return components.contains(candidate); });
    std::string proposal = name ? std::string() : components.first_free(kComponentPrefix);
    std::optional<std::string> component_name = ask_name(
        platform,
        format_text("Enter %s identifier:", kind_name(language, kKindComponent, 0, 1).c_str()),
        proposal, check, name);
    if (!component_name) return name ? Outcome::Refused : Outcome::Cancelled;

    Edit edit(editor, "instantiate");
    std::unique_ptr<Component> component = new_component();
    component->name = *component_name;
    component->position = at;
    if (entity->is_library_module()) {
        LibraryModuleRef& module = component->library_module;
        module.path = entity->library_module_path;
        module.entity_name = entity->name;
        module.architecture_name = architecture->name;
        module.library_name = entity->library_name;
    }
    Component& added = add_component(editor.diagram(), editor.architecture(), entity, architecture,
                                     std::move(component));
    capture_added_component(edit.step(), editor.diagram(), added);
    Box box = component_box(added);
    added.name_label = make_label(editor.label_style(), LabelKind::Component,
                                  {(box.x1 + box.x2) / 2, box.y1 - kNameLabelRise});
    added.name_label.alignment = kAlignCentred;
    added.name_label.text = component_label_text(added, added.name_label.options);
    label_component_interface(editor.label_style(), added);
    components.insert(added.name);
    return edit.finish(Outcome::Done);
}

} // namespace zeph
