// Display lines of package specifications.
#include "hdl/package_display.h"

#include "foundation/strings.h"

namespace zeph {

namespace {
std::string marked_name(const PackageSpec& spec, const char* mark) {
    if (spec.package[0] == '\0') return format_text("[%s] %s.%s", mark, spec.library, spec.suffix);
    return format_text("[%s] %s.%s.%s", mark, spec.library, spec.package, spec.suffix);
}
} // namespace

std::string package_list_line(const PackageSpec& spec) {
    return marked_name(spec, spec.global != 0 ? "G" : " ") + "  " + spec.file_name;
}

std::string package_binding_line(const PackageSpec& spec, char mark) {
    const char text[2] = {mark, '\0'};
    return marked_name(spec, text);
}

} // namespace zeph
