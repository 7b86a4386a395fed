// Report channels (notice, warning, error, fatal) with counters and replaceable handlers,
// and the assertion routine that the guarded memory and list modules report through.
#pragma once

#include <cstdio>

using CwExceptHandler = void (*)(int code, const char* text);
using CwExitHandler = void (*)(int code);

// Installs the output stream (null: standard error), the exit handler and the four channel
// handlers. Null handlers fall back to writing on the stream.
void cwexcept_set_channels(std::FILE* stream, CwExitHandler exit_handler, CwExceptHandler notice,
                           CwExceptHandler warning, CwExceptHandler error, CwExceptHandler fatal);

// code -1 means "no number": the text is written without it.
void cwexcept_notice(int code, const char* format, ...) __attribute__((format(printf, 2, 3)));
void cwexcept_warning(int code, const char* format, ...) __attribute__((format(printf, 2, 3)));
void cwexcept_error(int code, const char* format, ...) __attribute__((format(printf, 2, 3)));
void cwexcept_fatal(int code, const char* format, ...) __attribute__((format(printf, 2, 3)));

void cwexcept_exit(int code);
void cwexcept_counts(int* notices, int* warnings, int* errors, int* fatals);

// Reports a failed internal check of `module` at source `line`. An assertion raised while
// one is being reported is dropped. Ends the program when the fatal flag is set.
void cwexcept_assert(const char* module, unsigned line);
void cwexcept_set_assert_fatal(bool fatal);

// Restores the start-up state: standard error, no handlers, counters 0, fatal flag off.
void cwexcept_reset();
