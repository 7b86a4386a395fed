// "hdl-file ENTITY ARCHITECTURE vhdl|verilog FILE": the file is stored for the language and its
// skeleton made current (a missing file is created after "Generate skeleton?"), so the user's
// statements can go into its regions; the path of the file is printed for the script.
// "process-file ENTITY ARCHITECTURE PROCESS vhdl|verilog FILE" does the same for an HDL-file
// process of a block diagram (its file lies in the architecture's directory).
// "edit-hdl ENTITY ARCHITECTURE vhdl|verilog" opens that file in the editor of the settings.
#include "shell/hdl_file_commands.h"

#include "design/architecture.h"
#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "design/external_editor.h"
#include "design/name_limits.h"
#include "design/process.h"
#include "foundation/strings.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_place.h"
#include "hdl/skeleton.h"
#include "hdl/skeleton_events.h"
#include "shell/command_table.h"
#include "shell/logical_directories.h"
#include "shell/session.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zeph {

namespace {

struct LeafChoice {
    Design* design = nullptr;
    Entity* entity = nullptr;
    Architecture* architecture = nullptr;
    Process* process = nullptr; // an HDL-file process of the architecture's block diagram
    int language = 0;           // 1 VHDL, 2 Verilog
};

// ENTITY ARCHITECTURE [PROCESS] vhdl|verilog, naming an HDL-file architecture of the open
// design, or with `with_process` an HDL-file process of a block diagram.
std::optional<LeafChoice> leaf_of(Invocation& inv, const char* command, bool with_process = false) {
    std::string prefix = std::string(command) + ": ";
    LeafChoice leaf;
    leaf.design = inv.session.design();
    if (leaf.design == nullptr) {
        inv.shell.error(prefix + "no design is open");
        return std::nullopt;
    }
    leaf.entity = find_entity(*leaf.design, inv.args[0]);
    if (leaf.entity == nullptr) {
        inv.shell.error(prefix + "no entity '" + inv.args[0] + "'");
        return std::nullopt;
    }
    leaf.architecture = find_architecture(*leaf.entity, inv.args[1]);
    int wanted = with_process ? kArchitectureBlockDiagram : kArchitectureHdlFile;
    if (leaf.architecture == nullptr || leaf.architecture->kind != wanted) {
        inv.shell.error(prefix + "'" + inv.args[1] + "' is no " +
                        (with_process ? "block-diagram" : "HDL-file") + " architecture of '" +
                        leaf.entity->name + "'");
        return std::nullopt;
    }
    std::size_t language_at = 2;
    if (with_process) {
        language_at = 3;
        if (leaf.architecture->block_diagram != nullptr)
            for (auto& process : leaf.architecture->block_diagram->processes)
                if (process->name == inv.args[2]) leaf.process = process.get();
        if (leaf.process == nullptr || leaf.process->kind != kProcessHdlFile) {
            inv.shell.error(prefix + "'" + inv.args[2] + "' is no HDL-file process of '" +
                            leaf.architecture->name + "'");
            return std::nullopt;
        }
    }
    std::string language_word = to_lower_ascii(inv.args[language_at]);
    leaf.language = language_word == "vhdl" ? 1 : language_word == "verilog" ? 2 : 0;
    if (leaf.language == 0) {
        inv.shell.error(prefix + "the language is vhdl or verilog");
        return std::nullopt;
    }
    return leaf;
}

HdlContext context_for(Invocation& inv, const LeafChoice& leaf) {
    HdlContext context(*leaf.design, inv.session.platform());
    context.language = leaf.language;
    context.working_library = inv.session.settings().tools.working_library; // in testbench files
    if (context.vhdl()) inv.session.events().vhdl_keywords_written(leaf.design->keyword_case);
    return context;
}

// Names the file of the leaf for its language and makes its skeleton current.
bool name_hdl_file(Invocation& inv, const char* command, const LeafChoice& leaf,
                   const std::string& name) {
    std::string prefix = std::string(command) + ": ";
    if (name.empty() || name.size() > kMaxFileName) {
        inv.shell.error(prefix + "a file name has 1 to 256 characters");
        return false;
    }
    Architecture& architecture = *leaf.architecture;
    std::unique_ptr<HdlFile>& owned =
        leaf.process != nullptr ? leaf.process->hdl_file : architecture.hdl_file;
    if (!owned) owned = std::make_unique<HdlFile>();
    HdlFile& file = *owned;
    (leaf.language == 1 ? file.vhdl_file : file.verilog_file) = name;
    file.skeleton_current &= ~skeleton_bit(leaf.language);
    inv.session.mark_modified();

    HdlContext context = context_for(inv, leaf);
    std::filesystem::path path =
        hdl_file_path(context.place, *leaf.entity, architecture, file, leaf.language);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (!ensure_skeleton(context, path, *leaf.entity, nullptr, architecture, leaf.process)) {
        inv.shell.error(prefix + "the skeleton of '" + path.string() + "' could not be made");
        return false;
    }
    inv.shell.print(command, path.string());
    return true;
}

bool hdl_file_command(Invocation& inv) {
    std::optional<LeafChoice> leaf = leaf_of(inv, "hdl-file");
    return leaf && name_hdl_file(inv, "hdl-file", *leaf, inv.args[3]);
}

bool process_file_command(Invocation& inv) {
    std::optional<LeafChoice> leaf = leaf_of(inv, "process-file", true);
    return leaf && name_hdl_file(inv, "process-file", *leaf, inv.args[4]);
}

// The editor of the settings opens the file once its skeleton is current.
bool edit_hdl_command(Invocation& inv) {
    std::optional<LeafChoice> leaf = leaf_of(inv, "edit-hdl");
    if (!leaf) return false;
    std::optional<std::string> editor = inv.session.editor_program();
    if (!editor) return false;
    std::optional<std::filesystem::path> path = prepare_hdl_file_for_editor(
        context_for(inv, *leaf), *editor, *leaf->entity, *leaf->architecture, nullptr);
    if (!path) return false;
    return launch_editor(inv.session.platform(), *editor, path->string());
}

} // namespace

void add_hdl_file_commands(CommandTable& table) {
    table.add({"hdl-file", "ENTITY ARCHITECTURE vhdl|verilog FILE",
               "Name the HDL file of an architecture and make its skeleton", 4, 4,
               hdl_file_command});
    table.add({"process-file", "ENTITY ARCHITECTURE PROCESS vhdl|verilog FILE",
               "Name the HDL file of a process and make its skeleton", 5, 5, process_file_command});
    table.add({"edit-hdl", "ENTITY ARCHITECTURE vhdl|verilog",
               "Open the HDL file of an architecture in the editor (skeleton first)", 3, 3,
               edit_hdl_command});
}

} // namespace zeph
