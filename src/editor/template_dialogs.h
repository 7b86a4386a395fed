// The dialogs of templates: "Expand Template" asks for a template's parameters, "Templates"
// loads and removes template files and inserts a template at the cursor.
#pragma once

#include "editor/template_file.h"

#include <optional>
#include <string>
#include <vector>

namespace zped {

class EditorSession;

// The values entered for the parameters of `t`, in order; nullopt when cancelled.
std::optional<std::vector<std::string>> ask_template_values(const Template& t);

// The EditTemplates command: 0 when a template was inserted or the dialog closed normally.
int run_templates_dialog(EditorSession& session);

} // namespace zped
