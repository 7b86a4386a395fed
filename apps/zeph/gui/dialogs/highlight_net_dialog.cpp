// The Highlight Net dialog.
#include "dialogs/highlight_net_dialog.h"

#include "dialogs/dialog_fields.h"
#include "dialogs/form_dialog.h"

#include "blockdiagram/diagram_wiring.h"

#include <string>

namespace zeph {

DialogOutcome run_highlight_net_dialog(QWidget* parent, DiagramEditor& editor) {
    std::string net;
    FormDialog dialog(parent, "Highlight Net");
    dialog.add_line("&Net name or number:", net, kNameLimit);
    dialog.set_check([&]() -> std::optional<int> {
        if (highlight_net(editor, net)) return std::nullopt;
        return 0;
    });
    return dialog.run();
}

} // namespace zeph
