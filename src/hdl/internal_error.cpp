// The 1501 stand-in text for names the generator cannot resolve.
#include "hdl/internal_error.h"

#include "design/net.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"

namespace zeph {

std::string net_display_name(const Net& net) {
    return net.name.empty() ? format_text("Net_%d", net.number) : net.name;
}

std::string internal_error_name(ui::Platform& platform, const Net& net) {
    std::string name = net_display_name(net);
    int signal_class = net.connections != nullptr ? net.connections->signal_class : 0;
    system_message(platform, 1501, net.number, name.c_str());
    return format_text("*** Internal Error on %s %s(%d,%d)", "net", name.c_str(), net.number,
                       signal_class);
}

} // namespace zeph
