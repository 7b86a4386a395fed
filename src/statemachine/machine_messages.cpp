// Showing the refusals of state diagram edits.
#include "statemachine/machine_messages.h"

#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"

namespace zeph {

Outcome refuse_edit(ui::Platform& platform, const std::string& text) {
    platform.message_box(program_name(), text);
    return Outcome::Refused;
}

Outcome refuse_duplicate(ui::Platform& platform, int kind) {
    system_message(platform, 48, kind, nullptr);
    return Outcome::Refused;
}

Outcome refuse_point_edit(ui::Platform& platform, int language, const char* verb, int kind) {
    return refuse_edit(platform, format_text(machine_text::kCannotEdit, verb,
                                             kind_name(language, kind, 0, 1).c_str()));
}

} // namespace zeph
