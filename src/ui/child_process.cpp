// A child process run to its end, its whole output collected.
#include "ui/child_process.h"

#include "ui/child_stream.h"

namespace ui {

ChildResult run_child_process(const ChildProcess& child) {
    ChildResult result;
    ChildStream stream;
    if (!stream.start(child)) return result;
    result.started = true;
    constexpr std::size_t kPiece = 4096;
    while (stream.read(result.output, kPiece, -1) != ChildStream::Read::Closed) {
    }
    result.exit_code = stream.wait();
    return result;
}

ChildResult run_child_process(const ChildProcess& child, const OutputSink& sink) {
    ChildResult result;
    ChildStream stream;
    if (!stream.start(child)) return result;
    result.started = true;
    constexpr std::size_t kPiece = 256;
    std::string piece;
    for (;;) {
        piece.clear();
        ChildStream::Read got = stream.read(piece, kPiece, -1);
        if (!piece.empty()) sink(piece);
        if (got == ChildStream::Read::Closed) break;
    }
    result.exit_code = stream.wait();
    return result;
}

} // namespace ui
