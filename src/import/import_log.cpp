// Report-window lines of an import.
#include "import/import_log.h"

#include "ui/platform.h"

namespace zeph::vhdl {

void ImportLog::write(std::string_view text) {
    for (char c : text) {
        if (c == '\n') {
            if (!pending_.empty() && pending_.back() == '\r') pending_.pop_back();
            platform_.report_append(pending_);
            pending_.clear();
        } else {
            pending_ += c;
        }
    }
}

void ImportLog::flush() {
    if (pending_.empty()) return;
    platform_.report_append(pending_);
    pending_.clear();
}

} // namespace zeph::vhdl
