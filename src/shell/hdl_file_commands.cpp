// "hdl-file ENTITY ARCHITECTURE vhdl|verilog FILE": the file is stored for the language and its
// skeleton made current (a missing file is created after "Generate skeleton?"), so the user's
// statements can go into its regions; the path of the file is printed for the script.
#include "shell/hdl_file_commands.h"

#include "design/architecture.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "foundation/strings.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_place.h"
#include "hdl/skeleton.h"
#include "shell/shell.h"

#include <filesystem>
#include <string>

namespace zeph {

namespace {

bool hdl_file_command(Invocation& inv, const DesignAccess& access,
                      const std::function<void()>& mark_modified) {
    Design* design = access();
    if (design == nullptr) {
        inv.shell.error("hdl-file: no design is open");
        return false;
    }
    Entity* entity = find_entity(*design, inv.args[0]);
    if (entity == nullptr) {
        inv.shell.error("hdl-file: no entity '" + inv.args[0] + "'");
        return false;
    }
    Architecture* architecture = find_architecture(*entity, inv.args[1]);
    if (architecture == nullptr || architecture->kind != kArchitectureHdlFile) {
        inv.shell.error("hdl-file: '" + inv.args[1] + "' is no HDL-file architecture of '" +
                        entity->name + "'");
        return false;
    }
    std::string language_word = to_lower_ascii(inv.args[2]);
    int language = language_word == "vhdl" ? 1 : language_word == "verilog" ? 2 : 0;
    const std::string& name = inv.args[3];
    if (language == 0 || name.empty() || name.size() > 256) {
        inv.shell.error("hdl-file: give vhdl or verilog and a file name of up to 256 characters");
        return false;
    }
    if (!architecture->hdl_file) architecture->hdl_file = std::make_unique<HdlFile>();
    HdlFile& file = *architecture->hdl_file;
    (language == 1 ? file.vhdl_file : file.verilog_file) = name;
    file.skeleton_current &= ~skeleton_bit(language);
    if (mark_modified) mark_modified();

    HdlContext context(*design);
    context.language = language;
    std::filesystem::path path = hdl_file_path(context.place, *entity, *architecture, file, language);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (!ensure_skeleton(context, path, *entity, nullptr, *architecture, nullptr)) {
        inv.shell.error("hdl-file: the skeleton of '" + path.string() + "' could not be made");
        return false;
    }
    inv.shell.print("hdl-file", path.string());
    return true;
}

} // namespace

void add_hdl_file_commands(Shell& shell, DesignAccess design, std::function<void()> mark_modified) {
    shell.commands().add({"hdl-file", "ENTITY ARCHITECTURE vhdl|verilog FILE",
                          "Name the HDL file of an architecture and make its skeleton", 4, 4,
                          [design, mark_modified](Invocation& inv) {
                              return hdl_file_command(inv, design, mark_modified);
                          }});
}

} // namespace zeph
