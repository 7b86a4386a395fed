// Name prompts for new objects.
#include "blockdiagram/name_prompt.h"

#include "blockdiagram/diagram_messages.h"
#include "design/name_limits.h"
#include "hdl/identifier_rules.h"
#include "ui/platform.h"

namespace zeph {

std::optional<std::string> ask_name(const std::string& prompt, const std::string& proposal,
                                    const NameCheck& check,
                                    const std::optional<std::string>& given) {
    if (given) {
        if (!check(*given)) return std::nullopt;
        return given;
    }
    for (;;) {
        std::optional<std::string> answer = ui::platform().prompt_text(prompt, proposal, kMaxHdlName);
        if (!answer || answer->empty()) return std::nullopt;
        if (check(*answer)) return answer;
    }
}

NameCheck identifier_check(int rules, int kind, std::function<bool(const std::string&)> used) {
    return [rules, kind, used = std::move(used)](const std::string& name) {
        if (int code = check_identifier(name, kHdlNameLimit, rules); code != 0) {
            refuse_identifier(code, name);
            return false;
        }
        if (used(name)) {
            refuse_duplicate(kind);
            return false;
        }
        return true;
    };
}

} // namespace zeph
