// Refusal messages of diagram edits.
#include "blockdiagram/diagram_messages.h"

#include "foundation/strings.h"
#include "foundation/system_message.h"

namespace zeph {

Outcome refuse(ui::Platform& platform, const std::string& text) {
    platform.status(text, true);
    return Outcome::Refused;
}

Outcome refuse_unspecified(ui::Platform& platform, const std::string& what) {
    return refuse(platform, format_text("No %s specified.", what.c_str()));
}

Outcome refuse_duplicate(ui::Platform& platform, int language, int kind) {
    system_message(platform, 48, kind, nullptr, language);
    return Outcome::Refused;
}

} // namespace zeph
