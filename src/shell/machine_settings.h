// The drawing settings of state diagrams from the session's settings: the arrowheads and state
// borders of section "StateDiagrams", and what new state names, conditions, actions and
// priorities look like (their text sizes, the option word of state names, and whether they
// take their object's colour or the foreground colour).
#pragma once

#include "statemachine/machine_context.h"

namespace zeph {

class Session;

StateDiagramSettings state_diagram_settings(const Session& session);

} // namespace zeph
