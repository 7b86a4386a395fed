// The texts that state diagram edits show, in one place, and how a refused edit shows them:
// literal texts in a message box, numbered system messages by their own rule.
#pragma once

#include "design/edit_outcome.h"
#include "design/edit_refusals.h"
#include "ui/platform.h"

#include <string>

namespace zeph::machine_text {

inline constexpr const char* kStatePrompt = "Enter %s name:";
inline constexpr const char* kCopyPrompt = "Enter name for copy of %s '%s':";
inline constexpr const char* kRestPresent = "REST state already present.";
inline constexpr const char* kTransitionToRest = "Transition to REST state not allowed.";
inline constexpr const char* kResetDefined = "Reset Transition already defined.";
inline constexpr const char* kIllegalReset = "Illegal Reset condition.";
inline constexpr const char* kResetOriginOnState =
    "Cannot connect origin of Reset Transition to a state.";
inline constexpr const char* kResetOriginInside =
    "Warning: positioning origin of Reset Transition inside a state.";
inline constexpr const char* kCannotCopyReset = "Cannot copy Reset Transition.";
inline constexpr const char* kCannotEdit = "Cannot %s this %s.";
inline constexpr const char* kAddNameToText = "Add this name to existing text?";
inline constexpr const char* kTextWithoutLabel = "No label defined for current text. Delete text?";
inline constexpr const char* kSelectedIsDefault = "Selected label is default on %s.";
inline constexpr const char* kStillInUse = "This label is still in use.\nDelete all uses?";
inline constexpr const char* kDefaultOnTransitions =
    "This label is default on transitions.\nDelete?";
inline constexpr const char* kDefaultOnStates = "This label is default on states.\nDelete?";
inline constexpr const char* kUsedByState = "Action already used by this state.";
inline constexpr const char* kUsedByTransition = "Action already used by this transition.";
inline constexpr const char* kLinesWrapped = "Line(s) wrapped.";
inline constexpr const char* kTooManyStates = "Too many states for '%s' encoding.";
inline constexpr const char* kActionTimings = "%s %s on %s and %s %s on %s not allowed.";
inline constexpr const char* kNoName = "{no_name}";

} // namespace zeph::machine_text

namespace zeph {

// Shows the text in a message box; Outcome::Refused.
Outcome refuse_edit(ui::Platform& platform, const std::string& text);
// Message 48 "Duplicate %s name" with the kind word.
Outcome refuse_duplicate(ui::Platform& platform, int kind);
// "Cannot %s this %s." with the verb and the kind word ("point", "segment").
Outcome refuse_point_edit(ui::Platform& platform, int language, const char* verb, int kind);

} // namespace zeph
