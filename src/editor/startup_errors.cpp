// Formatting of the start-up error report lines.
#include "editor/startup_errors.h"

#include "foundation/strings.h"

namespace zped {

void StartupErrors::add_header() {
    std::string stars(62, '*');
    lines_.push_back(stars);
    lines_.push_back(zeph::format_text("*         Startup errors of %-18s       *", kEditorTitle));
    lines_.push_back(stars);
}

void StartupErrors::add(int code, const std::string& first, const std::string& second) {
    if (lines_.empty()) add_header();
    using zeph::format_text;
    switch (code) {
    case kErrorCannotOpen:
        lines_.push_back(format_text("Error %d: Cannot open %s file '%s'.", code, first.c_str(),
                                     second.c_str()));
        break;
    case kErrorNoFunction:
        lines_.push_back(format_text("Error %d: Cannot find %s function '%s'.", code, first.c_str(),
                                     second.c_str()));
        break;
    case kErrorNoBitmap:
        lines_.push_back(format_text("Error %d: Cannot find bitmap '%s' for function '%s'.", code,
                                     first.c_str(), second.c_str()));
        break;
    case kErrorSyntax:
        lines_.push_back(format_text("Error %d: %s syntax error:", code, first.c_str()));
        lines_.push_back("\t" + second);
        break;
    case kErrorOther:
        lines_.push_back(format_text("Error %d: %s %s.", code, first.c_str(), second.c_str()));
        break;
    default:
        lines_.push_back(format_text("Unknown error (%d)(%s)", code, first.c_str()));
    }
}

} // namespace zped
