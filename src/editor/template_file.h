// Template files (".tpl"): named pieces of text with up to five parameters. A line that begins
// with "[" is a header "[name(param, ...)]"; the lines after it up to the next such line are the
// template's body, in which "$d$" stands for parameter d.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zped {

class StartupErrors;

inline constexpr int kMaxTemplateParameters = 5;
inline constexpr std::size_t kMaxTemplateName = 30;
inline constexpr std::size_t kMaxParameterName = 30;
inline constexpr std::size_t kMaxParameterValue = 80;
// Template files are read in pieces of at most this many bytes; a piece that begins with "["
// is a header.
inline constexpr std::size_t kTemplateLineChunk = 254;

struct Template {
    std::string name;
    std::vector<std::string> parameters;
    std::array<int, kMaxTemplateParameters>
        placeholder_counts{}; // valid placeholders per parameter
    std::string body;         // every line ended by "\n"
};

// The templates of a file's text. A faulty header is reported (code 8, followed by the lines
// "\tthis error occured in template file:" and the file name) and its template skipped; a
// placeholder of a parameter the template does not have is reported and kept as text.
std::vector<Template> read_templates(std::string_view text, const std::string& file_name,
                                     StartupErrors& errors);

// The body with every valid placeholder replaced by its parameter's value (at most 80
// characters of it); missing values count as empty.
std::string expand_template(const Template& t, const std::vector<std::string>& values);

} // namespace zped
