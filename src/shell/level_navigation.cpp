// The level navigation operations of the session.
#include "shell/level_navigation.h"

#include "blockdiagram/diagram_hit.h"
#include "blockdiagram/diagram_messages.h"
#include "design/architecture.h"
#include "design/block_diagram.h"
#include "design/entity.h"
#include "design/external_editor.h"
#include "design/process.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "hdl/hdl_context.h"
#include "hdl/skeleton_events.h"
#include "shell/session.h"

namespace zeph {

namespace {
constexpr const char* kExternalComponent = "Component instantiates external module.";

void refuse_in_status(Session& session, const std::string& text) {
    refuse(session.platform(), text);
}

// A component's level below: its bound architecture, else its entity's first one.
Architecture* bound_architecture(Component& component) {
    if (component.bound_architecture != nullptr) return component.bound_architecture;
    Entity* entity = component.entity;
    if (entity == nullptr || entity->architectures.empty()) return nullptr;
    return entity->architectures.front().get();
}

} // namespace

bool level_refused(Session& session, const Entity& entity) {
    if (entity.is_library_module()) {
        refuse_in_status(session, kReadOnlyComponent);
        return true;
    }
    if (entity.external) {
        refuse_in_status(session, kExternalComponent);
        return true;
    }
    return false;
}

bool level_down_into(Session& session, Component& component) {
    Entity* entity = component.entity;
    if (entity == nullptr || level_refused(session, *entity)) return false;
    Architecture* architecture = bound_architecture(component);
    if (architecture == nullptr) return false;
    if (architecture->kind == kArchitectureHdlFile)
        return open_hdl_file(session, *entity, *architecture, nullptr);
    make_current(session, {entity, architecture, nullptr});
    return true;
}

bool level_down_into(Session& session, const Level& here, Process& process) {
    if (process.kind == kProcessHdlFile)
        return open_hdl_file(session, *here.entity, *here.architecture, &process);
    make_current(session, {here.entity, here.architecture, &process});
    return true;
}

namespace {
// The component or process at the point of the current block diagram; false when the current
// diagram is none, or nothing is there (nothing shown).
bool down_at(Session& session, Point at, bool* nothing_there) {
    *nothing_there = false;
    std::optional<Level> here = current_level(session);
    if (!here || here->process != nullptr || here->architecture->block_diagram == nullptr) {
        *nothing_there = true;
        return false;
    }
    if (Component* component = component_at(*here->architecture, at))
        return level_down_into(session, *component);
    if (Process* process = process_at(*here->architecture, at))
        return level_down_into(session, *here, *process);
    *nothing_there = true;
    return false;
}
} // namespace

void make_current(Session& session, const Level& level) {
    Design* design = session.design();
    if (design == nullptr || level.entity == nullptr || level.architecture == nullptr) return;
    DiagramEditor& editor = session.editor();
    if (level.process == nullptr && level.architecture->block_diagram != nullptr &&
        editor.open(*design, *level.architecture))
        return;
    editor.leave();
    design->current_entity = level.entity;
    design->current_architecture = level.architecture;
    design->current_process = level.process;
}

std::optional<Level> current_level(Session& session) {
    Design* design = session.design();
    if (design == nullptr || design->current_entity == nullptr ||
        design->current_architecture == nullptr)
        return std::nullopt;
    return Level{design->current_entity, design->current_architecture, design->current_process};
}

bool level_down(Session& session, Point at) {
    bool nothing_there = false;
    if (down_at(session, at, &nothing_there)) return true;
    if (nothing_there)
        refuse_in_status(session,
                         format_text("No %s found.",
                                     kind_name(session.language(), kKindComponent, 0, 1).c_str()));
    return false;
}

bool trap_click(Session& session, Point at) {
    bool nothing_there = false;
    if (down_at(session, at, &nothing_there)) return true;
    return nothing_there && level_up(session);
}

bool level_up(Session& session) {
    std::optional<Level> here = current_level(session);
    if (!here) return false;
    if (here->process != nullptr) {
        make_current(session, {here->entity, here->architecture, nullptr});
        return true;
    }
    if (std::optional<Level> parent = parent_level(*session.design(), *here->architecture)) {
        make_current(session, *parent);
        return true;
    }
    int language = session.language();
    refuse_in_status(session,
                     format_text("%s '%s' is not instantiated in this %s: no parent level known.",
                                 kind_name(language, kKindEntity, kKindCapital, 1).c_str(),
                                 here->entity->name.c_str(),
                                 kind_name(language, kKindDesign, 0, 1).c_str()));
    return false;
}

bool level_top(Session& session) {
    Design* design = session.design();
    std::optional<Level> top = design != nullptr ? top_level(*design) : std::nullopt;
    if (!top) return false;
    make_current(session, *top);
    return true;
}

bool open_hdl_file(Session& session, Entity& entity, Architecture& architecture, Process* process) {
    Design* design = session.design();
    std::optional<std::string> editor = session.editor_program();
    if (design == nullptr || !editor) return false;
    HdlContext context(*design, session.platform());
    context.working_library = session.settings().tools.working_library; // testbench files name it
    if (context.vhdl()) session.events().vhdl_keywords_written(design->keyword_case);
    std::optional<std::filesystem::path> path =
        prepare_hdl_file_for_editor(context, *editor, entity, architecture, process);
    return path && launch_editor(session.platform(), *editor, path->string());
}

} // namespace zeph
