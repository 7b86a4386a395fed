// The About box of zeph.
#include "shell/about_box.h"

#include "foundation/strings.h"
#include "hdl/file_header.h"
#include "shell/version.h"
#include "ui/platform.h"

namespace zeph {

std::string about_text() {
    return format_text("%s (Revision %d)\nzeph %s: design entry for VHDL and Verilog",
                       kProgramVersionText, kProgramRevision, kVersion);
}

void show_about(ui::Platform& platform) {
    platform.message_box("About ZEPH/HDL", about_text());
}

} // namespace zeph
