// Asking for the name of a new object: "Enter %s identifier:" (or the copy prompt) with the
// first free default name as proposal, asked again after every refused name, until a name
// passes or the user cancels. A name given by the caller is checked once instead.
#pragma once

#include "blockdiagram/edit_outcome.h"
#include "ui/platform.h"

#include <functional>
#include <optional>
#include <string>

namespace zeph {

// Shows its refusal and returns false for a name that cannot be taken.
using NameCheck = std::function<bool(const std::string& name)>;

// nullopt when cancelled, or when a given name was refused.
std::optional<std::string> ask_name(ui::Platform& platform, const std::string& prompt,
                                    const std::string& proposal, const NameCheck& check,
                                    const std::optional<std::string>& given = std::nullopt);

// The check of a new object's name: a legal identifier (limit 32) under the rules, and not
// used (message 48 with the kind word of the language).
NameCheck identifier_check(ui::Platform& platform, int rules, int language, int kind,
                           std::function<bool(const std::string&)> used);

} // namespace zeph
