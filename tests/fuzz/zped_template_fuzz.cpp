// Reads the input as a template file and expands every template it keeps: names and
// parameters must be within their limits, bodies end with a line feed and hold no "\r\n",
// the placeholder counts must match the body, and the expansion must have the length they
// give.
#include "editor/startup_errors.h"
#include "editor/template_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    zped::StartupErrors errors;
    std::vector<zped::Template> templates = zped::read_templates(text, "fuzz.tpl", errors);
    const std::vector<std::string> values = {"a", "", "value_three", std::string(90, 'v'), "e"};
    for (const zped::Template& t : templates) {
        check(!t.name.empty() && t.name.size() <= zped::kMaxTemplateName);
        check(t.parameters.size() <= zped::kMaxTemplateParameters);
        for (const std::string& p : t.parameters)
            check(!p.empty() && p.size() <= zped::kMaxParameterName);
        check(t.body.empty() || t.body.back() == '\n');
        check(t.body.find("\r\n") == std::string::npos);
        std::size_t expected = t.body.size();
        for (std::size_t i = 0; i < t.parameters.size(); ++i) {
            std::size_t value = std::min(values[i].size(), zped::kMaxParameterValue);
            expected = expected + static_cast<std::size_t>(t.placeholder_counts[i]) * value -
                       static_cast<std::size_t>(t.placeholder_counts[i]) * 3;
        }
        check(zped::expand_template(t, values).size() == expected);
    }
    return 0;
}
