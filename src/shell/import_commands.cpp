// The VHDL import of the session and its shell command.
#include "shell/import_commands.h"

#include "import/import_texts.h"
#include "import/import_vhdl.h"
#include "shell/command_table.h"
#include "shell/session.h"
#include "ui/platform.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zeph {

bool import_vhdl(Session& session, const std::optional<std::string>& path) {
    Design* design = session.design();
    if (design == nullptr) return false;
    ui::Platform& platform = session.platform();
    std::optional<std::string> chosen = path;
    if (!chosen) {
        ui::FileDialog dialog;
        dialog.title = vhdl::text::kFileDialogTitle;
        dialog.filter = "VHDL files (*.vhd;*.vhdl)|*.vhd;*.vhdl";
        dialog.start_dir = session.last_import_directory();
        chosen = platform.open_file(dialog);
        if (!chosen) return true; // cancelled
    }
    vhdl::ImportSettings import_settings;
    import_settings.vhdl_extension = session.settings().environment.vhdl_ext;
    import_settings.debug_level = vhdl::import_debug_level_from_environment();
    import_settings.record_defaults = session.design_defaults();
    import_settings.diagram_settings = session.diagram_settings();
    std::error_code error;
    std::filesystem::path project = std::filesystem::current_path(error);
    vhdl::ImportOutcome outcome =
        vhdl::import_vhdl_file(*chosen, *design, project, platform, import_settings);
    if (outcome.taken_over > 0) session.mark_modified();
    std::filesystem::path file(*chosen);
    if (file.has_parent_path()) session.remember_import_directory(file.parent_path().string());
    return outcome.read;
}

void add_import_commands(CommandTable& table) {
    table.add({"import-vhdl", "[FILE]", "Take the entities of a VHDL file over into the design", 0,
               1, [](Invocation& inv) {
                   if (inv.session.design() == nullptr) {
                       inv.shell.error("import-vhdl: no design is open");
                       return false;
                   }
                   std::optional<std::string> path;
                   if (!inv.args.empty()) path = inv.args[0];
                   return import_vhdl(inv.session, path);
               }});
}

} // namespace zeph
