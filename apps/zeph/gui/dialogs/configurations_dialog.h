// The "Configurations" dialog: the design's configurations (the current one marked "*"), the
// info text of the selected one, New, Edit and Delete, and the action OK runs on the selected
// configuration as it becomes the current one.
#pragma once

#include "dialog_outcome.h"

class QWidget;

namespace zeph {

class Session;

inline constexpr const char* kConfigurationsTitle = "Configurations";

DialogOutcome run_configurations_dialog(QWidget* parent, Session& session);

} // namespace zeph
