// Diagram > Instantiate: a point picked in the view, then the "Instantiate" dialog with the
// entities of the design and the architectures of the chosen one; OK places a component of
// that entity bound to that architecture at the point (the name is asked as for any new
// component).
#pragma once

#include "dialog_outcome.h"

class QWidget;

namespace zeph {

class DiagramEditor;
class Session;

inline constexpr const char* kInstantiateTitle = "Instantiate";

DialogOutcome run_instantiate_dialog(QWidget* parent, Session& session, DiagramEditor& editor);

} // namespace zeph
