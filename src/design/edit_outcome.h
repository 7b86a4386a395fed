// The result of an interactive editing operation on a diagram (block or state diagram), and of
// a dialog's OK.
#pragma once

namespace zeph {

enum class Outcome {
    Done,      // the diagram changed
    Unchanged, // nothing to do (no field changed, zero-length stretch, ...)
    Refused,   // a check failed; its message was shown and nothing changed
    Cancelled, // the user answered No or Cancel; nothing changed
};

// Outcome of a dialog: on Refused, `field` names the offending field of that dialog's field
// enumeration so that a front end can keep the dialog open there.
template <class Field> struct DialogResult {
    Outcome outcome = Outcome::Unchanged;
    Field field{};
};

} // namespace zeph
