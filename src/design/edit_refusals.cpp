// Refusals shared by the diagram edits.
#include "design/edit_refusals.h"

#include "foundation/system_message.h"

namespace zeph {

Outcome refuse_identifier(ui::Platform& platform, int code, const std::string& name) {
    system_message(platform, code, 0, name.c_str());
    return Outcome::Refused;
}

Outcome refuse_value(ui::Platform& platform, const std::string& value) {
    system_message(platform, 50, 0, value.c_str());
    return Outcome::Refused;
}

} // namespace zeph
