// Name prompts for new objects.
#include "blockdiagram/name_prompt.h"

#include "blockdiagram/diagram_messages.h"
#include "design/name_limits.h"
#include "hdl/identifier_rules.h"

namespace zeph {

std::optional<std::string> ask_name(ui::Platform& platform, const std::string& prompt,
                                    const std::string& proposal, const NameCheck& check,
                                    const std::optional<std::string>& given) {
    if (given) {
        if (!check(*given)) return std::nullopt;
        return given;
    }
    for (;;) {
        std::optional<std::string> answer = platform.prompt_text(prompt, proposal, kMaxHdlName);
        if (!answer || answer->empty()) return std::nullopt;
        if (check(*answer)) return answer;
    }
}

NameCheck identifier_check(ui::Platform& platform, int rules, int language, int kind,
                           std::function<bool(const std::string&)> used) {
    return [&platform, rules, language, kind, used = std::move(used)](const std::string& name) {
        if (int code = check_identifier(name, kHdlNameLimit, rules); code != 0) {
            refuse_identifier(platform, code, name);
            return false;
        }
        if (used(name)) {
            refuse_duplicate(platform, language, kind);
            return false;
        }
        return true;
    };
}

} // namespace zeph
