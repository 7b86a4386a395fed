// The picture command of the shell.
#include "shell/picture_commands.h"

#include "blockdiagram/diagram_editor.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "drawing/diagram_renderer.h"
#include "drawing/picture_files.h"
#include "shell/project_session.h"
#include "shell/settings_file.h"
#include "shell/shell.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zeph {

namespace {

constexpr const char* kAllOption = "--all";

// Relative paths are taken from the directory the program started in: the program itself
// moves into the project's directory, and an untitled project's directory is deleted when
// the design is not saved, pictures and all.
struct PictureContext {
    SettingsFile& settings;
    ProjectSession& session;
    std::string start_directory;

    std::string resolved(const std::string& path) const {
        if (path.empty() || path.front() == '/' || start_directory.empty()) return path;
        return start_directory + "/" + path;
    }
};

std::string working_directory() {
    std::error_code error;
    std::filesystem::path cwd = std::filesystem::current_path(error);
    return error ? std::string() : cwd.string();
}

// The drawing settings of "zeph.ini": the grid factor, the colours of section "ColoursRef" and
// the arrowheads and state borders of section "StateDiagrams".
DrawingOptions options_from(const Settings& s) {
    DrawingOptions options = current_drawing_options();
    options.settings.grid_factor = s.gui.grid_factor;
    const Settings::Colours& c = s.colours;
    options.settings.colours = {c.components, c.component_background,
                                c.processes,  c.process_background,
                                c.generics,   c.ports,
                                c.wires,      c.buses,
                                c.grid,       c.free_placed_texts,
                                c.selected,   c.selected_background,
                                c.foreground, c.background};
    options.state_colours = {c.states, c.state_background, c.transitions, c.actions};
    options.state_settings.arrow_length = s.arrow_length_units();
    options.state_settings.arrow_position = s.state_diagrams.arrow_position;
    options.state_settings.thick_state_border = s.state_diagrams.thick_state_border;
    return options;
}

// The diagram the editor shows, else the design's current one, else the top level's first
// block diagram.
Architecture* current_block_diagram(Design& design) {
    DiagramEditor& editor = diagram_editor();
    if (editor.is_open() && &editor.design() == &design) return &editor.architecture();
    Architecture* current = design.current_architecture;
    if (current != nullptr &&
        (current->block_diagram != nullptr || current->state_machine != nullptr))
        return current;
    Entity* top = design.root != nullptr ? design.root : find_entity(design, "Toplevel");
    return top != nullptr ? first_diagram(*top) : nullptr;
}

// The editor's selection when it shows this diagram.
const Selection* selection_on(Design& design, const Architecture* architecture) {
    DiagramEditor& editor = diagram_editor();
    if (editor.is_open() && &editor.design() == &design && &editor.architecture() == architecture)
        return &editor.selection();
    return nullptr;
}

bool write_all_pictures(Invocation& inv, const PictureContext& context, Design& design,
                        DrawingOptions options) {
    if (inv.args.size() != 2) {
        inv.shell.error("picture --all takes one FOLDER");
        return false;
    }
    Architecture* current = current_block_diagram(design);
    options.selection = selection_on(design, current);
    PicturesWritten written =
        write_design_pictures(design, context.resolved(inv.args[1]), options, current);
    std::size_t base = context.resolved(inv.args[1]).size() - inv.args[1].size();
    for (const std::string& file : written.files)
        inv.shell.print("picture", file.substr(base));
    if (!written.ok()) {
        inv.shell.error(written.error);
        return false;
    }
    if (written.files.empty()) inv.shell.print("picture", "the design has no block diagram");
    return true;
}

// The architecture named by the arguments after FILE, or the current diagram; null with an
// error shown.
Architecture* named_diagram(Invocation& inv, Design& design) {
    const std::vector<std::string>& args = inv.args;
    if (args.size() < 2) {
        Architecture* current = current_block_diagram(design);
        if (current == nullptr) inv.shell.error("the design has no block diagram to draw");
        return current;
    }
    Entity* entity = find_entity(design, args[1]);
    if (entity == nullptr) {
        inv.shell.error("no entity '" + args[1] + "'");
        return nullptr;
    }
    Architecture* architecture =
        args.size() > 2 ? find_architecture(*entity, args[2]) : first_diagram(*entity);
    if (architecture == nullptr ||
        (architecture->block_diagram == nullptr && architecture->state_machine == nullptr)) {
        inv.shell.error("entity '" + entity->name + "' has no block diagram" +
                        (args.size() > 2 ? " '" + args[2] + "'" : std::string()));
        return nullptr;
    }
    return architecture;
}

bool picture_command(Invocation& inv, const PictureContext& context) {
    Design* design = context.session.design();
    if (design == nullptr) {
        inv.shell.error("no design is open");
        return false;
    }
    DrawingOptions options = options_from(context.settings.settings());
    if (inv.args.front() == kAllOption) return write_all_pictures(inv, context, *design, options);

    std::string svg;
    Process* process = design->current_process;
    if (inv.args.size() == 1 && process != nullptr && !diagram_editor().is_open()) {
        svg = process_diagram_svg(*process, options);
    } else {
        Architecture* architecture = named_diagram(inv, *design);
        if (architecture == nullptr) return false;
        options.selection = selection_on(*design, architecture);
        svg = block_diagram_svg(*architecture, options);
    }
    std::string error;
    if (!write_picture_file(context.resolved(inv.args.front()), svg, &error)) {
        inv.shell.error(error);
        return false;
    }
    inv.shell.print("picture", inv.args.front());
    return true;
}

} // namespace

void add_picture_commands(Shell& shell, SettingsFile& settings, ProjectSession& session) {
    // The context lives as long as the program's shell: the command keeps a reference to it.
    static std::vector<std::unique_ptr<PictureContext>> contexts;
    contexts.push_back(
        std::make_unique<PictureContext>(PictureContext{settings, session, working_directory()}));
    const PictureContext& context = *contexts.back();
    shell.commands().add(
        {"picture", "FILE [ENTITY [ARCHITECTURE]] | --all FOLDER",
         "Write the picture (SVG) of the current or a named diagram, or of every diagram", 1, 3,
         [&context](Invocation& inv) { return picture_command(inv, context); }});
}

} // namespace zeph
