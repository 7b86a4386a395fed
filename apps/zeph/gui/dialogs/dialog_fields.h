// What the dialogs share about their fields: the text limits of the design records, the list
// of choice texts, and whether an operation refused its OK.
#pragma once

#include "design/edit_outcome.h"

#include <string>
#include <vector>

namespace zeph {

inline constexpr int kNameLimit = 32;    // HDL names, library names
inline constexpr int kCommentLimit = 50; // comments, user type names
inline constexpr int kValueLimit = 256;  // values and file names
inline constexpr int kCodeLimit = 80;    // user-defined state codes
inline constexpr int kLastColour = 15;   // colour numbers 0 to 15

using Choices = std::vector<std::string>;

inline bool refused(Outcome outcome) {
    return outcome == Outcome::Refused;
}

} // namespace zeph
