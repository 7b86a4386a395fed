// Level > Jump: the "Level Jump" dialog lists every level of the design (each architecture,
// each state-diagram process below a block diagram) with the current one chosen; OK, or a
// double-click on a level, makes that level's diagram the current one.
#pragma once

#include "dialog_outcome.h"

class QWidget;

namespace zeph {

class Session;

inline constexpr const char* kLevelJumpTitle = "Level Jump";

DialogOutcome run_level_jump_dialog(QWidget* parent, Session& session);

} // namespace zeph
