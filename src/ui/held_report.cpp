// Report calls held back until they are shown.
#include "ui/held_report.h"

namespace ui {

void HeldReport::show() {
    for (const Call& call : held_) {
        switch (call.kind) {
        case Call::Clear:
            inner_.report_clear();
            break;
        case Call::Title:
            inner_.report_title(call.text);
            break;
        case Call::Append:
            inner_.report_append(call.text);
            break;
        case Call::BringUp:
            inner_.report_bring_up();
            break;
        case Call::Close:
            inner_.report_close();
            break;
        }
    }
    held_.clear();
}

} // namespace ui
