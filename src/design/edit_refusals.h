// The numbered refusals that block-diagram and state-diagram edits share: an illegal name and
// an illegal value, each shown as its system message.
#pragma once

#include "design/edit_outcome.h"
#include "ui/platform.h"

#include <string>

namespace zeph {

// The identifier check's message "'%s' %s" for code 40 to 47.
Outcome refuse_identifier(ui::Platform& platform, int code, const std::string& name);
// Message 50 "'%s' is not a legal value in this context".
Outcome refuse_value(ui::Platform& platform, const std::string& value);

} // namespace zeph
