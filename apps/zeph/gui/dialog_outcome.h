// How a dialog of the main window ended.
#pragma once

namespace zeph {
enum class DialogOutcome { NoDialog, Accepted, Cancelled };
}
