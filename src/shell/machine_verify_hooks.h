// Verification reaches the state machine checks through its hooks; this fills them in.
#pragma once

#include "blockdiagram/verify_run.h"

namespace zeph {

// The hooks check the machines of `design`, which must outlive them.
void add_state_machine_checks(VerifyHooks& hooks, const Design& design);

} // namespace zeph
