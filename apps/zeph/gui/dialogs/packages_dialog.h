// The "Design Libraries and Packages" dialog on the design's list of package specifications.
#pragma once

#include "dialog_outcome.h"

class QWidget;

namespace zeph {

class Session;

DialogOutcome run_packages_dialog(QWidget* parent, Session& session);

} // namespace zeph
