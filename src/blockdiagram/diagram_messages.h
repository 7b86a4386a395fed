// How diagram edits tell the user why they did nothing: literal texts in the status line with
// a beep, and the numbered system messages of names and values.
#pragma once

#include "blockdiagram/edit_outcome.h"
#include "design/edit_refusals.h"
#include "ui/platform.h"

#include <string>

namespace zeph {

// Shows the text in the status line with a beep; Outcome::Refused.
Outcome refuse(ui::Platform& platform, const std::string& text);
// "No %s specified." with the kind word or text.
Outcome refuse_unspecified(ui::Platform& platform, const std::string& what);
// Message 48 "Duplicate %s name" with the kind word in the language's column.
Outcome refuse_duplicate(ui::Platform& platform, int language, int kind);

// The texts shared by several operations.
inline constexpr const char* kIllegalPosition = "Illegal position.";
inline constexpr const char* kPositionOccupied = "Position already occupied.";
inline constexpr const char* kReadOnlyComponent =
    "Read-only component instantiates library module.";
inline constexpr const char* kIllegalZoom = "Illegal zoom range.";

} // namespace zeph
