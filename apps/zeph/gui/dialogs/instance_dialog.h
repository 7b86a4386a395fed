// The "Edit Instance" dialog of a component: its label, its entity's name, HDL source and
// library, and the entity's architectures with the one the component is bound to.
#pragma once

#include "design/component.h"
#include "dialog_outcome.h"

class QWidget;

namespace zeph {

class Session;

DialogOutcome run_instance_dialog(QWidget* parent, Session& session, Component& component);

} // namespace zeph
