// The About box: the program's name, version and revision.
#pragma once

#include <string>

namespace ui {
class Platform;
}

namespace zeph {

// The text of the box, one line per fact.
std::string about_text();
// Shows the box through the platform layer (a message box titled "About ZEPH/HDL").
void show_about(ui::Platform& platform);

} // namespace zeph
