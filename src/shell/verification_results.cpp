// The results of the last verification.
#include "shell/verification_results.h"

#include "blockdiagram/verify_run.h"
#include "design/design.h"
#include "design/design_file.h"

namespace zeph {

namespace {
std::string text_without_time_stamp(const Design& design) {
    std::string text = design_file_text(design);
    // The time stamp is the third line: keep what follows its line feed.
    std::size_t cut = text.find('\n');
    for (int line = 1; line < 3 && cut != std::string::npos; ++line)
        cut = text.find('\n', cut + 1);
    return cut == std::string::npos ? text : text.substr(cut);
}
} // namespace

void VerificationResults::forget() {
    generate_enabled_ = false;
    signals_.clear();
    verified_text_.clear();
}

void VerificationResults::keep_signals(const BlockDiagram& diagram,
                                       std::vector<ConnectByNameSignal>&& signals) {
    if (!signals.empty()) signals_.emplace_back(&diagram, std::move(signals));
}

void VerificationResults::design_verified(const Design& design) {
    generate_enabled_ = has_verified_root_candidate(design);
    if (generate_enabled_) verified_text_ = text_without_time_stamp(design);
}

bool VerificationResults::still_current(const Design& design) const {
    return generate_enabled_ && text_without_time_stamp(design) == verified_text_;
}

std::unordered_map<const BlockDiagram*, std::vector<const Net*>>
VerificationResults::connect_by_name_signals() const {
    std::unordered_map<const BlockDiagram*, std::vector<const Net*>> signals;
    for (const auto& [diagram, list] : signals_)
        for (const ConnectByNameSignal& signal : list)
            signals[diagram].push_back(signal.net.get());
    return signals;
}

} // namespace zeph
