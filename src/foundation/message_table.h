// The one table of numbered message texts: verification messages (the report), system
// messages and framework messages, with the words they are filled with. No check formats its
// own message text; every text comes from here by number (and variant, where one number has
// several forms).
#pragma once

namespace zeph {

enum class MessageFamily { Verification, System, Framework };

// Severity of a verification message by its number.
enum class Severity { Error, Warning, Note };
Severity severity_of(int number);

// The text of a message, or null when the table has none for that number and variant.
const char* message_text(MessageFamily family, int number, int variant = 0);

// Variants of message texts that share a number, named where the formatting code picks them.
namespace variant {
inline constexpr int kMain = 0;
inline constexpr int kAlternative = 1;
inline constexpr int kSuffix = 2;    // appended part (messages 13, 32, 50, 156)
inline constexpr int kPhrase = 9;    // the phrase of messages 40 to 47
} // namespace variant

// Fragments shared by the net messages 17, 20, 118, 119, 155 and the report framing.
namespace fragment {
inline constexpr int kNetNamed = 1;       // "%s '%s'"
inline constexpr int kNetWireOfBus = 2;   // "%s '%d' of %s '%s'"
inline constexpr int kPrefixError = 3;    // "Error   %3d: "
inline constexpr int kPrefixWarning = 4;  // "Warning %3d: "
inline constexpr int kPrefixNote = 5;     // "Note    %3d: "
inline constexpr int kUndocumented = 6;
inline constexpr int kHeadingArchitecture = 7; // "%s '%s' of %s '%s'"
inline constexpr int kHeadingToplevel = 8;     // "%s %s"
inline constexpr int kHeadingProcess = 9;      // "%s '%s' in %s:"
inline constexpr int kHeadingEntity = 10;      // "%s '%s':"
inline constexpr int kSummary = 11;
inline constexpr int kBugReport = 12;
inline constexpr int kUnknownSystem = 13;
inline constexpr int kUnknownFramework = 14;
inline constexpr int kIllegalPwd = 15;
} // namespace fragment
const char* fragment_text(int id);

// Value-role words by index 0 to 7 ("Default", "Actual", ... "Type").
const char* value_role_word(int index, bool capitalised);
// Port mode words: 1 "In", 2 "Out", 3 "Inout", 4 "Buffer"; "" otherwise.
const char* mode_word(int mode);
// Words of the architecture kinds 1 to 4: "Block Diagram", "HDL File", ...
const char* architecture_kind_word(int kind);
// Labels of the state assignments 0 to 6: " - ", "Enumerate", "Binary", ... "User defined".
const char* assignment_name(int assignment);
// Words of the special port functions 1 to 3: "Clock", "Reset", "State Register".
const char* special_function_word(int function);

} // namespace zeph
