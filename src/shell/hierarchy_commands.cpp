// The hierarchy commands: argument parsing and the calls of the hierarchy operations.
#include "shell/hierarchy_commands.h"

#include "blockdiagram/configurations.h"
#include "blockdiagram/design_list.h"
#include "blockdiagram/edit_instance.h"
#include "blockdiagram/hierarchy_display.h"
#include "blockdiagram/instantiate.h"
#include "blockdiagram/library_modules.h"
#include "blockdiagram/macros.h"
#include "blockdiagram/purge.h"
#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "shell/blockdiagram_command_args.h"
#include "shell/command_table.h"
#include "shell/hierarchy_operations.h"
#include "shell/logical_directories.h"
#include "shell/session.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zeph {

namespace {

using namespace diagram_commands;

inline const Args kArchitectureKindWords = {"block", "hdl", "state"};
inline const Args kActionWords = {"none", "save", "set"};

Design* open_design(Invocation& inv) {
    Design* design = inv.session.design();
    if (design == nullptr) inv.shell.error("no design is open");
    return design;
}

Component* component_named(Invocation& inv, DiagramEditor& editor, const std::string& name) {
    for (auto& component : editor.diagram().components)
        if (component->name == name) return component.get();
    inv.shell.error("no component '" + name + "' in this diagram");
    return nullptr;
}

Entity* entity_named(Invocation& inv, Design& design, const std::string& name) {
    Entity* entity = find_entity(design, name);
    if (entity == nullptr) inv.shell.error("no entity '" + name + "'");
    return entity;
}

// ---- instantiation and Edit Instance -------------------------------------------------------

bool instantiate_command(Invocation& inv) {
    DiagramEditor* editor = session_diagram_editor(inv);
    if (editor == nullptr) return false;
    std::optional<Point> at = point(inv, 0);
    if (!at) return false;
    Entity* entity = nullptr;
    Architecture* architecture = nullptr;
    if (inv.args.size() > 2 && !(entity = entity_named(inv, editor->design(), inv.args[2])))
        return false;
    if (entity != nullptr && inv.args.size() > 3) {
        architecture = find_architecture(*entity, inv.args[3]);
        if (architecture == nullptr) {
            inv.shell.error("no architecture '" + inv.args[3] + "' of '" + entity->name + "'");
            return false;
        }
    }
    return outcome_ok(instantiate(*editor, *at, entity, architecture, optional_word(inv.args, 4)));
}

// "NAME:KIND" of the architecture rows.
std::optional<std::pair<std::string, int>> named_kind(Invocation& inv, const std::string& value) {
    std::size_t colon = value.find(':');
    if (colon == std::string::npos) {
        inv.shell.error("'" + value + "' is not NAME:KIND");
        return std::nullopt;
    }
    std::optional<int> kind = choice(inv, value.substr(colon + 1), kArchitectureKindWords, 1);
    if (!kind) return std::nullopt;
    return std::make_pair(value.substr(0, colon), *kind);
}

ArchitectureRow* row_named(Invocation& inv, InstanceFields& fields, const std::string& name) {
    int row = architecture_row(fields, name);
    if (row < 0) {
        inv.shell.error("no architecture '" + name + "' in the dialog");
        return nullptr;
    }
    return &fields.architectures[static_cast<std::size_t>(row)];
}

// One FIELD=VALUE word of edit-instance into the dialog's fields.
bool take_instance_field(Invocation& inv, InstanceFields& fields, const std::string& word) {
    std::size_t equals = word.find('=');
    if (equals == std::string::npos) {
        inv.shell.error("'" + word + "' is not FIELD=VALUE");
        return false;
    }
    const std::string field = word.substr(0, equals);
    const std::string value = word.substr(equals + 1);
    if (field == "label") {
        fields.label = value;
    } else if (field == "entity") {
        fields.entity_name = value;
    } else if (field == "library") {
        fields.library_name = value;
    } else if (field == "external") {
        std::optional<int> flag = choice(inv, value, kFlagWords, 0);
        if (!flag) return false;
        fields.external = *flag == 1;
    } else if (field == "bind") {
        int row = architecture_row(fields, value);
        if (row < 0) return row_named(inv, fields, value) != nullptr;
        fields.binding = row;
    } else if (field == "new") {
        auto made = named_kind(inv, value);
        if (!made) return false;
        fields.architectures.push_back({nullptr, made->first, made->second, false});
    } else if (field == "delete") {
        ArchitectureRow* row = row_named(inv, fields, value);
        if (row == nullptr) return false;
        row->deleted = true;
    } else if (field == "type") {
        auto retyped = named_kind(inv, value);
        if (!retyped) return false;
        ArchitectureRow* row = row_named(inv, fields, retyped->first);
        if (row == nullptr) return false;
        row->kind = retyped->second;
    } else if (field == "rename") {
        std::size_t colon = value.find(':');
        ArchitectureRow* row =
            colon == std::string::npos ? nullptr : row_named(inv, fields, value.substr(0, colon));
        if (row == nullptr) {
            if (colon == std::string::npos) inv.shell.error("'" + value + "' is not OLD:NEW");
            return false;
        }
        row->name = value.substr(colon + 1);
    } else {
        inv.shell.error("unknown field '" + field + "'");
        return false;
    }
    return true;
}

bool edit_instance_command(Invocation& inv) {
    DiagramEditor* editor = session_diagram_editor(inv);
    if (editor == nullptr) return false;
    Component* component = component_named(inv, *editor, inv.args[0]);
    if (component == nullptr) return false;
    InstanceFields fields = instance_fields(*component);
    for (std::size_t i = 1; i < inv.args.size(); ++i)
        if (!take_instance_field(inv, fields, inv.args[i])) return false;
    Outcome outcome = edit_instance(*editor, *component, fields);
    if (outcome == Outcome::Done) inv.session.mark_modified();
    return outcome_ok(outcome);
}

bool show_instance_command(Invocation& inv) {
    DiagramEditor* editor = session_diagram_editor(inv);
    if (editor == nullptr) return false;
    Component* component = component_named(inv, *editor, inv.args[0]);
    if (component == nullptr) return false;
    InstanceFields fields = instance_fields(*component);
    inv.shell.print("instance", "label " + fields.label);
    inv.shell.print("instance",
                    "entity " + fields.entity_name + (fields.external ? " external" : "") +
                        (fields.library_name.empty() ? "" : " library " + fields.library_name));
    for (std::size_t i = 0; i < fields.architectures.size(); ++i) {
        const ArchitectureRow& row = fields.architectures[i];
        inv.shell.print("instance", "architecture " + row.name + " " +
                                        kArchitectureKindWords[static_cast<std::size_t>(
                                            row.kind >= 1 && row.kind <= 3 ? row.kind - 1 : 0)] +
                                        (static_cast<int>(i) == fields.binding ? " bound" : ""));
    }
    return true;
}

// ---- configurations and bindings -----------------------------------------------------------

bool configurations_command(Invocation& inv) {
    Design* design = open_design(inv);
    if (design == nullptr) return false;
    std::vector<std::string> names = configuration_list(*design);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const Configuration& configuration = *design->configurations[i];
        inv.shell.print("configuration", names[i] + (configuration.description.empty()
                                                         ? std::string()
                                                         : " - " + configuration.description));
    }
    return true;
}

bool new_configuration_command(Invocation& inv) {
    Design* design = open_design(inv);
    if (design == nullptr) return false;
    std::optional<std::string> given = optional_word(inv.args, 0);
    Configuration* made =
        new_configuration(inv.session.platform(), *design, design->language_checking, given);
    if (made == nullptr) return !given;
    if (inv.args.size() > 1) made->description = rest_of(inv.args, 1).substr(0, 50);
    inv.session.project().mark_configuration_changed();
    inv.session.mark_modified();
    return true;
}

Configuration* configuration_named(Invocation& inv, Design& design, const std::string& name) {
    Configuration* configuration = find_configuration(design, name);
    if (configuration == nullptr) inv.shell.error("no configuration '" + name + "'");
    return configuration;
}

bool delete_configuration_command(Invocation& inv) {
    Design* design = open_design(inv);
    if (design == nullptr) return false;
    Configuration* configuration = configuration_named(inv, *design, inv.args[0]);
    if (configuration == nullptr) return false;
    delete_configuration(*design, *configuration);
    inv.session.project().mark_configuration_changed();
    inv.session.mark_modified();
    return true;
}

bool configuration_info_command(Invocation& inv) {
    Design* design = open_design(inv);
    if (design == nullptr) return false;
    Configuration* configuration = configuration_named(inv, *design, inv.args[0]);
    if (configuration == nullptr) return false;
    configuration->description = rest_of(inv.args, 1).substr(0, 50);
    inv.session.project().mark_configuration_changed();
    inv.session.mark_modified();
    return true;
}

// The dialog's OK: the selected configuration becomes current and the action runs.
bool configure_command(Invocation& inv) {
    Design* design = open_design(inv);
    if (design == nullptr) return false;
    Configuration* configuration = configuration_named(inv, *design, inv.args[0]);
    if (configuration == nullptr) return false;
    int action = 0;
    if (inv.args.size() > 1) {
        std::optional<int> chosen = choice(inv, inv.args[1], kActionWords, 0);
        if (!chosen) return false;
        action = *chosen;
    }
    make_configuration_current(inv.session, *configuration,
                               static_cast<ConfigurationAction>(action));
    return true;
}

bool bind_command(Invocation& inv) {
    DiagramEditor* editor = session_diagram_editor(inv);
    if (editor == nullptr) return false;
    Component* component = component_named(inv, *editor, inv.args[0]);
    if (component == nullptr || component->entity == nullptr) return false;
    Architecture* architecture = find_architecture(*component->entity, inv.args[1]);
    if (architecture == nullptr) {
        inv.shell.error("no architecture '" + inv.args[1] + "' of '" + component->entity->name +
                        "'");
        return false;
    }
    return outcome_ok(bind_in_hierarchy(inv.session, *component, *architecture));
}

bool delete_architecture_command(Invocation& inv) {
    Design* design = open_design(inv);
    if (design == nullptr) return false;
    Entity* entity = entity_named(inv, *design, inv.args[0]);
    if (entity == nullptr) return false;
    Architecture* architecture = find_architecture(*entity, inv.args[1]);
    if (architecture == nullptr) {
        inv.shell.error("no architecture '" + inv.args[1] + "' of '" + entity->name + "'");
        return false;
    }
    return outcome_ok(delete_in_hierarchy(inv.session, *entity, *architecture));
}

// ---- design list and purge -----------------------------------------------------------------

bool design_list_command(Invocation& inv) {
    Design* design = open_design(inv);
    if (design == nullptr) return false;
    report_design_list(inv.session);
    return true;
}

bool purge_command(Invocation& inv) {
    Design* design = open_design(inv);
    if (design == nullptr) return false;
    return outcome_ok(purge_design(inv.session));
}

// ---- library modules and macros ------------------------------------------------------------

bool load_library_command(Invocation& inv) {
    Design* design = open_design(inv);
    if (design == nullptr) return false;
    return outcome_ok(load_library(inv.session, optional_word(inv.args, 0)));
}

bool save_macro_command(Invocation& inv) {
    DiagramEditor* editor = session_diagram_editor(inv);
    if (editor == nullptr) return false;
    Component* component = component_named(inv, *editor, inv.args[0]);
    if (component == nullptr) return false;
    std::optional<std::string> information;
    if (inv.args.size() > 2) information = rest_of(inv.args, 2);
    return outcome_ok(save_component_macro(inv.session, editor->design(), *component,
                                           optional_word(inv.args, 1), information));
}

bool load_macro_command(Invocation& inv) {
    DiagramEditor* editor = session_diagram_editor(inv);
    if (editor == nullptr) return false;
    std::optional<Point> at = point(inv, 0);
    if (!at) return false;
    return outcome_ok(load_macro_at(inv.session, *editor, *at, optional_word(inv.args, 2),
                                    optional_word(inv.args, 3)));
}

} // namespace

void add_hierarchy_commands(CommandTable& table) {
    table.add({"instantiate", "X Y [ENTITY [ARCHITECTURE [NAME]]]",
               "Place a component of an existing entity bound to one of its architectures", 2, 5,
               instantiate_command});
    table.add({"edit-instance", "COMPONENT [FIELD=VALUE...]",
               "The Edit Instance dialog: label= entity= external= library= bind= new=NAME:KIND "
               "delete= type=NAME:KIND rename=OLD:NEW",
               1, kMany, edit_instance_command});
    table.add({"show-instance", "COMPONENT", "Show the fields of the Edit Instance dialog", 1, 1,
               show_instance_command});
    table.add({"configurations", "", "List the configurations (the current one marked *)", 0, 0,
               configurations_command});
    table.add({"new-configuration", "[NAME [INFO...]]", "Add a configuration", 0, kMany,
               new_configuration_command});
    table.add({"delete-configuration", "NAME", "Delete a configuration", 1, 1,
               delete_configuration_command});
    table.add({"configuration-info", "NAME [INFO...]", "Set the info text of a configuration", 1,
               kMany, configuration_info_command});
    table.add({"configure", "NAME [none|save|set]",
               "Make a configuration current, saving the bindings to it or setting them by it", 1,
               2, configure_command});
    table.add({"bind-architecture", "COMPONENT ARCHITECTURE",
               "Bind a component to another architecture", 2, 2, bind_command});
    table.add({"delete-architecture", "ENTITY ARCHITECTURE",
               "Delete an architecture of an entity with more than one", 2, 2,
               delete_architecture_command});
    table.add({"design-list", "", "Report every entity with its architectures and contents", 0, 0,
               design_list_command});
    table.add({"purge", "", "Remove unused entities and architectures, asking for each", 0, 0,
               purge_command});
    table.add({"load-library", "[PROJECT]",
               "Load the entities of another project as library modules", 0, 1,
               load_library_command});
    table.add({"save-macro", "COMPONENT [PROJECT [INFO...]]",
               "Save the subtree below a component as a macro project (.vmp)", 1, kMany,
               save_macro_command});
    table.add({"load-macro", "X Y [PROJECT [NAME]]",
               "Load a macro and place a component of its root entity", 2, 4, load_macro_command});
}

} // namespace zeph
