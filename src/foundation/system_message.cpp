// Formatting and display of system and framework messages.
#include "foundation/system_message.h"

#include "foundation/kind_vocabulary.h"
#include "foundation/message_table.h"
#include "foundation/strings.h"

namespace zeph {

namespace {
bool is_identifier_phrase_number(int number) {
    return (number >= 40 && number <= 42) || (number >= 45 && number <= 47);
}
} // namespace

const std::string& program_name() {
    static const std::string name = "zeph";
    return name;
}

std::string system_message_text(int number, int i, const char* s, int language) {
    const char* str = s != nullptr ? s : "";
    const char* text = message_text(MessageFamily::System, number);
    std::string body;
    if (text == nullptr) {
        body = format_text(fragment_text(fragment::kUnknownSystem), i, str);
    } else if (number == 4) {
        body = format_text(text, str, i != 0 ? "writ" : "read");
    } else if (number == 7 || number == 32 || number == 50) {
        body = format_text(text, str);
    } else if (is_identifier_phrase_number(number)) {
        body = format_text(text, str,
                           message_text(MessageFamily::Verification, number, variant::kPhrase));
    } else if (number == 48) {
        body = format_text(text, kind_name(language, i, 0, 1).c_str());
    } else if (number == 102) {
        if (i == -2)
            body = format_text(message_text(MessageFamily::System, 102, variant::kAlternative), str,
                               "design");
        else
            body = format_text(text, str, i);
    } else if (number == 1501 || number == 1502) {
        body = format_text(text, i, str);
    } else {
        body = text;
    }
    int prefix = number >= 101 && number <= 120 ? fragment::kPrefixWarning : fragment::kPrefixError;
    return format_text(fragment_text(prefix), number) + body;
}

void system_message(ui::Platform& p, int number, int i, const char* s, int language) {
    std::string line = system_message_text(number, i, s, language);
    if (number == 3 || number == 4)
        p.message_box(program_name(), line + "\n");
    else
        p.status(line, true);
    if (number == 102 && i != -2)
        p.message_box(program_name(), fragment_text(fragment::kBugReport));
}

std::string framework_message_text(int number, int i, const char* s) {
    const char* str = s != nullptr ? s : "";
    const char* text = message_text(MessageFamily::Framework, number);
    if (text == nullptr) return format_text(fragment_text(fragment::kUnknownFramework), number);
    switch (number) {
    case 4:
    case 5:
    case 31:
    case 32:
    case 44:
    case 46:
    case 47:
    case 49:
    case 52:
        return format_text(text, number, str);
    case 48:
        return format_text(text, number, str, i);
    default:
        return format_text(text, number);
    }
}

void framework_message(ui::Platform& platform, int number, int i, const char* s) {
    platform.message_box(program_name(), framework_message_text(number, i, s));
}

} // namespace zeph
