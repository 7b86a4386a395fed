// The dialog of one object of the current diagram, as a double-click or the Edit tool opens
// it: on block diagrams the instance, port, net, bus entry, process, text and generic dialogs;
// on state diagrams the state dialog, the transition dialog and the usage dialog of an action.
#pragma once

#include "design/geometry.h"
#include "dialog_outcome.h"

class QWidget;

namespace zeph {

class Session;

// NoDialog when no object with a dialog lies at the point (in sheet units).
DialogOutcome edit_object_at(QWidget* parent, Session& session, Point sheet_point);

} // namespace zeph
