// Editing a generic of the entity and the actual value of a generic on a component.
#include "blockdiagram/generic_dialog.h"

#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/symbol_geometry.h"
#include "blockdiagram/undo_captures.h"
#include "design/entity.h"
#include "design/generic.h"
#include "design/name_limits.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "hdl/identifier_rules.h"

namespace zeph {

namespace {
DialogResult<GenericField> refused(GenericField field) {
    return {Outcome::Refused, field};
}

void bound_fields(GenericFields& f) {
    f.name = bounded(f.name, kMaxHdlName);
    f.user_type = bounded(f.user_type, kMaxComment);
    f.default_value = bounded(f.default_value, kMaxValue);
    f.comment = bounded(f.comment, kMaxComment);
    // The dialog offers the unit with "Time" and the type name with "UserDefined" only.
    if (f.type != kGenericTypeTime) f.unit = 0;
    if (f.type != kGenericTypeUserDefined) f.user_type.clear();
}

DialogResult<GenericField> check_fields(ui::Platform& platform, const GenericFields& f,
                                        const Entity& entity, const Generic& generic,
                                        const NetRules& rules) {
    if (int code = check_identifier(f.name, kHdlNameLimit, rules.rules); code != 0) {
        refuse_identifier(platform, code, f.name);
        return refused(GenericField::Name);
    }
    for (const auto& other : entity.generics)
        if (other.get() != &generic && names_equal(other->name, f.name, rules.rules)) {
            refuse_duplicate(platform, rules.language, kKindDiagramGeneric);
            return refused(GenericField::Name);
        }
    bool verilog = rules.language == kLanguageVerilog;
    bool type_given = (f.type >= 1 && f.type < kGenericTypeUserDefined) ||
                      (f.type == kGenericTypeUserDefined && !f.user_type.empty());
    if (!verilog && !type_given) {
        refuse_unspecified(platform, "type");
        return refused(GenericField::Type);
    }
    if (!f.default_value.empty() && !generic_value_is_legal(f.default_value, f.type, verilog)) {
        refuse_value(platform, f.default_value);
        return refused(GenericField::DefaultValue);
    }
    return {Outcome::Done, GenericField::None};
}

void apply_fields(Generic& generic, const GenericFields& f) {
    generic.name = f.name;
    generic.type = f.type;
    generic.user_type_name = f.user_type;
    generic.default_value = f.default_value;
    generic.default_unit = f.unit;
    generic.comment = f.comment;
}

// The generic's label on every diagram of the entity and its value on every component.
void refresh_generic_labels(Design& design, Entity& entity, std::size_t index) {
    const Generic& generic = *entity.generics[index];
    for (auto& architecture : entity.architectures)
        if (index < architecture->generic_placements.size()) {
            LabelDisplay& label = architecture->generic_placements[index].label;
            refresh_label(label, generic_label_text(generic, label.options));
        }
    for (Component* component : components_of(design, entity))
        if (index < component->generic_values.size()) {
            GenericValue& value = component->generic_values[index];
            refresh_label(value.label, generic_value_label_text(value));
        }
}
} // namespace

GenericFields generic_fields(const Generic& generic) {
    return {generic.name,          generic.type,         generic.user_type_name,
            generic.default_value, generic.default_unit, generic.comment};
}

DialogResult<GenericField> edit_generic(DiagramEditor& editor, std::size_t index,
                                        GenericFields fields) {
    Entity& entity = editor.entity();
    if (index >= entity.generics.size()) return {Outcome::Unchanged, GenericField::None};
    Generic& generic = *entity.generics[index];
    bound_fields(fields);
    if (auto r = check_fields(editor.platform(), fields, entity, generic, editor.net_rules());
        r.outcome == Outcome::Refused)
        return r;
    if (fields == generic_fields(generic)) return {Outcome::Unchanged, GenericField::None};
    Edit edit(editor, "edit generic");
    capture_entity_interface(edit.step(), editor.design(), entity);
    edit.step().changes_interface_of(entity);
    apply_fields(generic, fields);
    refresh_generic_labels(editor.design(), entity, index);
    return {edit.finish(Outcome::Done), GenericField::None};
}

GenericValueFields generic_value_fields(const GenericValue& value) {
    return {value.actual_value, value.actual_unit};
}

Outcome edit_generic_value(DiagramEditor& editor, Component& component, std::size_t index,
                           GenericValueFields fields) {
    Entity* entity = component.entity;
    if (entity == nullptr || index >= entity->generics.size() ||
        index >= component.generic_values.size())
        return Outcome::Unchanged;
    if (entity->is_library_module()) return refuse(editor.platform(), kReadOnlyComponent);
    const Generic& generic = *entity->generics[index];
    fields.value = bounded(fields.value, kMaxValue);
    if (generic.type != kGenericTypeTime) fields.unit = 0;
    NetRules rules = editor.net_rules();
    bool verilog = rules.language == kLanguageVerilog;
    // A value may name a generic of the diagram around the component.
    bool names_outer_generic = false;
    if (check_identifier(fields.value, 0, rules.rules) == 0)
        for (const auto& outer : editor.entity().generics)
            names_outer_generic =
                names_outer_generic || names_equal(outer->name, fields.value, rules.rules);
    if (!fields.value.empty() && !names_outer_generic &&
        !generic_value_is_legal(fields.value, generic.type, verilog))
        return refuse_value(editor.platform(), fields.value);
    GenericValue& value = component.generic_values[index];
    if (fields == generic_value_fields(value)) return Outcome::Unchanged;
    Edit edit(editor, "edit generic value");
    capture_components(edit.step(), editor.diagram());
    value.actual_value = fields.value;
    value.actual_unit = fields.unit;
    refresh_label(value.label, generic_value_label_text(value));
    return edit.finish(Outcome::Done);
}

} // namespace zeph
