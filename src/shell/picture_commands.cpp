// The picture command of the shell.
#include "shell/picture_commands.h"

#include "blockdiagram/diagram_editor.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "drawing/diagram_renderer.h"
#include "drawing/picture_files.h"
#include "shell/command_table.h"
#include "shell/drawing_options.h"
#include "shell/machine_settings.h"
#include "shell/session.h"

#include <string>
#include <vector>

namespace zeph {

namespace {

constexpr const char* kAllOption = "--all";

std::string resolved(const Session& session, const std::string& path) {
    const std::string& start = session.start_directory();
    if (path.empty() || path.front() == '/' || start.empty()) return path;
    return start + "/" + path;
}

// The diagram the editor shows, else the design's current one, else the top level's first
// block diagram.
Architecture* current_block_diagram(const DiagramEditor& editor, Design& design) {
    if (editor.is_open() && &editor.design() == &design) return &editor.architecture();
    Architecture* current = design.current_architecture;
    if (current != nullptr &&
        (current->block_diagram != nullptr || current->state_machine != nullptr))
        return current;
    Entity* top = design.root != nullptr ? design.root : find_entity(design, "Toplevel");
    return top != nullptr ? first_diagram(*top) : nullptr;
}

// The editor's selection when it shows this diagram.
const Selection* selection_on(DiagramEditor& editor, Design& design,
                              const Architecture* architecture) {
    if (editor.is_open() && &editor.design() == &design && &editor.architecture() == architecture)
        return &editor.selection();
    return nullptr;
}

bool write_all_pictures(Invocation& inv, Design& design, DrawingOptions options) {
    if (inv.args.size() != 2) {
        inv.shell.error("picture --all takes one FOLDER");
        return false;
    }
    DiagramEditor& editor = inv.session.editor();
    Architecture* current = current_block_diagram(editor, design);
    options.selection = selection_on(editor, design, current);
    std::string folder = resolved(inv.session, inv.args[1]);
    PicturesWritten written = write_design_pictures(design, folder, options, current);
    std::size_t base = folder.size() - inv.args[1].size();
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
        Architecture* current = current_block_diagram(inv.session.editor(), design);
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

bool picture_command(Invocation& inv) {
    Design* design = inv.session.design();
    if (design == nullptr) {
        inv.shell.error("no design is open");
        return false;
    }
    DrawingOptions options = session_drawing_options(inv.session);
    if (inv.args.front() == kAllOption) return write_all_pictures(inv, *design, options);
    DiagramEditor& editor = inv.session.editor();
    std::string svg;
    Process* process = design->current_process;
    if (inv.args.size() == 1 && process != nullptr && !editor.is_open()) {
        svg = process_diagram_svg(*process, options);
    } else {
        Architecture* architecture = named_diagram(inv, *design);
        if (architecture == nullptr) return false;
        options.selection = selection_on(editor, *design, architecture);
        svg = block_diagram_svg(*architecture, options);
    }
    std::string error;
    if (!write_picture_file(resolved(inv.session, inv.args.front()), svg, &error)) {
        inv.shell.error(error);
        return false;
    }
    inv.shell.print("picture", inv.args.front());
    return true;
}

} // namespace

void add_picture_commands(CommandTable& table) {
    table.add({"picture", "FILE [ENTITY [ARCHITECTURE]] | --all FOLDER",
               "Write the picture (SVG) of the current or a named diagram, or of every diagram", 1,
               3, picture_command});
}

} // namespace zeph
