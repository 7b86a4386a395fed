// The settings commands of the Options menu: "load-settings" and "save-settings".
#pragma once

#include <functional>

namespace zeph {

class Shell;
class SettingsFile;

// `loaded` runs after the settings were read again, so that what depends on them follows.
void add_settings_commands(Shell& shell, SettingsFile& file, std::function<void()> loaded);

} // namespace zeph
