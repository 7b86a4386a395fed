// Integer values: whatever is accepted re-reads to the same value, and its rewrite is a fixed
// point; the reader never looks past the end of its text (ASan checks the exact-size copy).
#include "hdl/identifier_rules.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    int value = 0;
    if (!zeph::normalise_integer(text, &value)) return 0;
    std::string again = text;
    int second = 0;
    if (!zeph::normalise_integer(again, &second) || second != value || again != text) std::abort();
    if (std::to_string(value) != text) std::abort();
    return 0;
}
