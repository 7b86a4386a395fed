// "import-vhdl [FILE]": the file named, or the one chosen in the file dialog "Import VHDL
// File" (which opens in the directory of the previous import), is read and its entities are
// taken over into the open design; the log goes to the report window "VHDL Import".
#include "shell/import_commands.h"

#include "import/import_texts.h"
#include "import/import_vhdl.h"
#include "shell/settings_file.h"
#include "shell/shell.h"
#include "ui/platform.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace zeph {

namespace {

// What the command keeps between two imports.
struct ImportMemory {
    std::string last_directory;
};

bool import_vhdl_command(Invocation& inv, const SettingsFile& settings, const DesignAccess& access,
                         const std::function<void()>& mark_modified, ImportMemory& memory) {
    Design* design = access();
    if (design == nullptr) {
        inv.shell.error("import-vhdl: no design is open");
        return false;
    }
    ui::Platform& platform = ui::platform();
    std::optional<std::string> path;
    if (!inv.args.empty()) {
        path = inv.args[0];
    } else {
        ui::FileDialog dialog;
        dialog.title = vhdl::text::kFileDialogTitle;
        dialog.filter = "VHDL files (*.vhd;*.vhdl)|*.vhd;*.vhdl";
        dialog.start_dir = memory.last_directory;
        path = platform.open_file(dialog);
        if (!path) return true; // cancelled
    }
    vhdl::ImportSettings import_settings;
    import_settings.vhdl_extension = settings.settings().environment.vhdl_ext;
    import_settings.debug_level = vhdl::import_debug_level_from_environment();
    std::error_code error;
    std::filesystem::path project = std::filesystem::current_path(error);
    vhdl::ImportOutcome outcome =
        vhdl::import_vhdl_file(*path, *design, project, platform, import_settings);
    if (outcome.taken_over > 0 && mark_modified) mark_modified();
    std::filesystem::path file(*path);
    if (file.has_parent_path()) memory.last_directory = file.parent_path().string();
    return outcome.read;
}

} // namespace

void add_import_commands(Shell& shell, const SettingsFile& settings, DesignAccess design,
                         std::function<void()> mark_modified) {
    auto memory = std::make_shared<ImportMemory>();
    shell.commands().add(
        {"import-vhdl", "[FILE]", "Take the entities of a VHDL file over into the design", 0, 1,
         [&settings, design, mark_modified, memory](Invocation& inv) {
             return import_vhdl_command(inv, settings, design, mark_modified, *memory);
         }});
}

} // namespace zeph
