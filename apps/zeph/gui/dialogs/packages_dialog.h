// The package dialogs: "Design Libraries and Packages" on the design's list of package
// specifications, "Default Libraries and Packages" on the default list of the settings, and
// "Packages per entity", which binds the design's specifications to entities.
#pragma once

#include "dialog_outcome.h"

class QWidget;

namespace zeph {

class Session;

DialogOutcome run_packages_dialog(QWidget* parent, Session& session);
DialogOutcome run_default_packages_dialog(QWidget* parent, Session& session);
DialogOutcome run_package_binding_dialog(QWidget* parent, Session& session);

} // namespace zeph
