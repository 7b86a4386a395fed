// Splits arbitrary text as a shell command line; quoting the words found and splitting again
// gives the same words.
#include "foundation/command_words.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string line(reinterpret_cast<const char*>(data), size);
    zeph::CommandWords split = zeph::split_command_words(line);
    if (!split.error.empty()) {
        if (!split.words.empty()) std::abort();
        return 0;
    }
    std::string joined;
    for (const std::string& w : split.words)
        joined += zeph::quote_word(w) + " ";
    zeph::CommandWords again = zeph::split_command_words(joined);
    if (!again.error.empty() || again.words != split.words) std::abort();
    return 0;
}
