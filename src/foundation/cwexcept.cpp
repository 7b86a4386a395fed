// Report channels and assertions of the foundation library.
#include "foundation/cwexcept.h"

#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

enum Channel { kNotice, kWarning, kError, kFatal, kChannels };

const char* const kChannelWord[kChannels] = {"Notice", "Warning", "Error", "Fatal"};

struct ChannelState {
    std::FILE* stream = nullptr;
    CwExitHandler exit_handler = nullptr;
    CwExceptHandler handler[kChannels] = {};
    int count[kChannels] = {};
    bool assert_fatal = false;
    bool in_assertion = false;
};

ChannelState& state() {
    static ChannelState s;
    return s;
}

// Data pointers handed to the channels must be 4-byte aligned. Code addresses carry no such
// guarantee on every platform, so handlers are not checked for it.
bool aligned(const void* p) { return (reinterpret_cast<std::uintptr_t>(p) & 3u) == 0; }

// Longest format a channel accepts; longer ones are a programming error.
constexpr std::size_t kMaxFormat = 4096;

std::string format_text(const char* format, std::va_list args) {
    std::va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed <= 0) return {};
    std::string text(static_cast<std::size_t>(needed), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    return text;
}

void deliver(Channel channel, int code, const char* format, std::va_list args) {
    ChannelState& s = state();
    if (format == nullptr || std::strlen(format) > kMaxFormat) {
        cwexcept_assert("cwexcept", __LINE__);
        return;
    }
    std::string text = format_text(format, args);
    if (s.handler[channel] != nullptr) {
        s.handler[channel](code, text.c_str());
    } else {
        std::FILE* out = s.stream != nullptr ? s.stream : stderr;
        if (code == -1)
            std::fprintf(out, "%s: %s\n", kChannelWord[channel], text.c_str());
        else
            std::fprintf(out, "%s %d: %s\n", kChannelWord[channel], code, text.c_str());
        std::fflush(out);
    }
    ++s.count[channel];
    if (channel == kFatal) cwexcept_exit(code);
}

} // namespace

void cwexcept_set_channels(std::FILE* stream, CwExitHandler exit_handler, CwExceptHandler notice,
                           CwExceptHandler warning, CwExceptHandler error, CwExceptHandler fatal) {
    CwExceptHandler handlers[kChannels] = {notice, warning, error, fatal};
    if (!aligned(stream)) {
        cwexcept_assert("cwexcept", __LINE__);
        return;
    }
    ChannelState& s = state();
    s.stream = stream;
    s.exit_handler = exit_handler;
    for (int i = 0; i < kChannels; ++i) s.handler[i] = handlers[i];
}

#define ZEPH_CHANNEL_FUNCTION(name, channel)                                                       \
    void name(int code, const char* format, ...) {                                                 \
        std::va_list args;                                                                         \
        va_start(args, format);                                                                    \
        deliver(channel, code, format, args);                                                      \
        va_end(args);                                                                              \
    }

ZEPH_CHANNEL_FUNCTION(cwexcept_notice, kNotice)
ZEPH_CHANNEL_FUNCTION(cwexcept_warning, kWarning)
ZEPH_CHANNEL_FUNCTION(cwexcept_error, kError)
ZEPH_CHANNEL_FUNCTION(cwexcept_fatal, kFatal)

#undef ZEPH_CHANNEL_FUNCTION

void cwexcept_exit(int code) {
    ChannelState& s = state();
    if (s.exit_handler != nullptr)
        s.exit_handler(code);
    else
        std::exit(code);
}

void cwexcept_counts(int* notices, int* warnings, int* errors, int* fatals) {
    int* out[kChannels] = {notices, warnings, errors, fatals};
    for (int* p : out) {
        if (p == nullptr || !aligned(p)) {
            cwexcept_assert("cwexcept", __LINE__);
            return;
        }
    }
    for (int i = 0; i < kChannels; ++i) *out[i] = state().count[i];
}

void cwexcept_assert(const char* module, unsigned line) {
    ChannelState& s = state();
    if (s.in_assertion) return;
    s.in_assertion = true;
    cwexcept_error(-1,
                   "*** Assertion failed: %s, line %u.\n"
                   "*** Please report this problem, with what you were doing, to the maker's "
                   "support.",
                   module != nullptr ? module : "", line);
    s.in_assertion = false;
    if (s.assert_fatal) cwexcept_exit(1);
}

void cwexcept_set_assert_fatal(bool fatal) { state().assert_fatal = fatal; }

void cwexcept_reset() { state() = ChannelState{}; }
