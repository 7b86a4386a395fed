// The outcome of diagram edits and dialogs lives with the design records, shared with the
// state diagrams.
#pragma once

#include "design/edit_outcome.h"
