// The decoding option's words.
#include "hdl/machine_words.h"

namespace zeph {

const char* decoding_name(int decoding) {
    return decoding == 1 ? "If-else construct" : "Case construct";
}

} // namespace zeph
