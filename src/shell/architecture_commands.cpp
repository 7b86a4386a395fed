// New architectures of existing entities.
#include "shell/architecture_commands.h"

#include "blockdiagram/diagram_messages.h"
#include "design/architecture.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "foundation/kind_vocabulary.h"
#include "hdl/identifier_rules.h"
#include "shell/blockdiagram_command_args.h"
#include "shell/command_table.h"
#include "shell/session.h"

namespace zeph {

namespace {

const diagram_commands::Args kArchitectureKindWords = {"block", "hdl", "state"};

int rules_of(const Design& design) {
    return design.language_checking != 0 ? design.language_checking : kRulesVhdl;
}

// A given name must be an identifier that no architecture of the entity has.
bool name_allowed(Session& session, const Design& design, const Entity& entity,
                  const std::string& name) {
    int rules = rules_of(design);
    if (int code = check_identifier(name, kHdlNameLimit, rules); code != 0) {
        refuse_identifier(session.platform(), code, name);
        return false;
    }
    for (const auto& architecture : entity.architectures)
        if (names_equal(architecture->name, name, rules)) {
            refuse_duplicate(session.platform(), session.language(), kKindArchitecture);
            return false;
        }
    return true;
}

bool new_architecture_command(Invocation& inv) {
    Design* design = inv.session.design();
    if (design == nullptr) {
        inv.shell.error("no design is open");
        return false;
    }
    Entity* entity = find_entity(*design, inv.args[0]);
    if (entity == nullptr || entity->is_library_module() || entity->external) {
        inv.shell.error("no entity '" + inv.args[0] + "' of this design to add to");
        return false;
    }
    std::optional<int> kind = diagram_commands::choice(inv, inv.args[2], kArchitectureKindWords,
                                                       kArchitectureBlockDiagram);
    if (!kind) return false;
    const std::string& name = inv.args[1];
    if (name != "-" && !name_allowed(inv.session, *design, *entity, name)) return false;
    Architecture& added = add_architecture(
        *entity, new_architecture(*kind, name == "-" ? "" : name, entity,
                                  inv.session.design_defaults(), design->synthesis_tool));
    inv.session.mark_modified();
    inv.shell.print("added", "architecture " + added.name + " of " + entity->name);
    return true;
}

} // namespace

void add_architecture_commands(CommandTable& table) {
    table.add({"new-architecture", "ENTITY NAME|- block|hdl|state",
               "A new architecture of the entity (-: the default name of its kind)", 3, 3,
               new_architecture_command});
}

} // namespace zeph
