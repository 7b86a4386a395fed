// Loading and saving the settings file on the user's request.
#include "shell/settings_commands.h"

#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "shell/settings_file.h"
#include "shell/shell.h"
#include "ui/platform.h"

namespace zeph {

namespace {
bool confirmed(const char* question, const SettingsFile& file) {
    return ui::platform().ask_yes_no(program_name(), format_text(question, file.path().c_str())) ==
           ui::Answer::Yes;
}
} // namespace

void add_settings_commands(Shell& shell, SettingsFile& file, std::function<void()> loaded) {
    CommandTable& t = shell.commands();
    t.add({"load-settings", "", "Load the Original Options Settings", 0, 0,
           [&file, loaded](Invocation&) {
               if (!confirmed("Load settings file '%s'?", file)) return true;
               file.load();
               if (loaded) loaded();
               return true;
           }});
    t.add({"save-settings", "", "Save the Current Options Settings", 0, 0, [&file](Invocation&) {
               return !confirmed("Save settings file '%s'?", file) || file.save();
           }});
}

} // namespace zeph
