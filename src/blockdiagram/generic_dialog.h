// The dialog of a diagram generic (its type, default value, unit and comment) and the actual
// value of a generic on one component.
#pragma once

#include "blockdiagram/diagram_editor.h"

#include <cstddef>
#include <string>

namespace zeph {

struct GenericFields {
    std::string name;
    int type = 0;              // 0 "-" to 8 "UserDefined"
    std::string user_type;     // for "UserDefined", up to 50 characters
    std::string default_value; // up to 256 characters
    int unit = 0;              // for "Time": 0 "-", 1 "fs" ... 8 "hr"
    std::string comment;       // up to 50 characters
    bool operator==(const GenericFields&) const = default;
};

enum class GenericField { None, Name, Type, DefaultValue };

GenericFields generic_fields(const Generic& generic);

// OK on generic `index` of the current entity. In this order: the name is a legal identifier
// that no other generic of the entity has (message 48 with "diagram generic"); in VHDL the
// type is one of the built-in types or "UserDefined" with a type name ("No type specified."
// otherwise); the default value suits the type (message 50). A unit is kept only for "Time",
// a type name only for "UserDefined". Nothing happens when nothing changed; otherwise the
// generic and its labels on every diagram and component change, and the entity's HDL files
// are marked for a skeleton refresh.
DialogResult<GenericField> edit_generic(DiagramEditor& editor, std::size_t index,
                                        GenericFields fields);

struct GenericValueFields {
    std::string value; // the actual value, up to 256 characters; empty: the default is used
    int unit = 0;      // for "Time"
    bool operator==(const GenericValueFields&) const = default;
};

GenericValueFields generic_value_fields(const GenericValue& value);

// The actual value of generic `index` of the component's entity: it suits the generic's type
// or names a generic of the diagram's entity (message 50 otherwise). A library module's
// component is read-only.
Outcome edit_generic_value(DiagramEditor& editor, Component& component, std::size_t index,
                           GenericValueFields fields);

} // namespace zeph
