// Refusal messages of diagram edits.
#include "blockdiagram/diagram_messages.h"

#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "ui/platform.h"

namespace zeph {

Outcome refuse(const std::string& text) {
    ui::platform().status(text, true);
    return Outcome::Refused;
}

Outcome refuse_unspecified(const std::string& what) {
    return refuse(format_text("No %s specified.", what.c_str()));
}

Outcome refuse_identifier(int code, const std::string& name) {
    system_message(code, 0, name.c_str());
    return Outcome::Refused;
}

Outcome refuse_duplicate(int kind) {
    system_message(48, kind, nullptr);
    return Outcome::Refused;
}

Outcome refuse_value(const std::string& value) {
    system_message(50, 0, value.c_str());
    return Outcome::Refused;
}

} // namespace zeph
