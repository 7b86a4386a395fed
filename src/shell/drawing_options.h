// The drawing options of a session: its diagram settings and record defaults, and the state
// diagram colours, arrowheads and state borders of its settings.
#pragma once

#include "drawing/diagram_renderer.h"

namespace zeph {

class Session;

DrawingOptions session_drawing_options(const Session& session);

} // namespace zeph
