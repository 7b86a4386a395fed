// Reading template files and filling in their parameters.
#include "editor/template_file.h"

#include "editor/startup_errors.h"
#include "foundation/strings.h"

namespace zped {

namespace {

std::string_view without_line_end(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

// The file in pieces as a line reader of 254 bytes gives them: each ends after "\n" or after
// 254 bytes.
std::vector<std::string_view> pieces(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
        end = std::min(end, pos + kTemplateLineChunk);
        out.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return out;
}

// A placeholder "$d$" at pos: the parameter number, or -1 when there is none.
int placeholder_at(std::string_view text, std::size_t pos) {
    if (pos + 2 >= text.size() || text[pos] != '$' || text[pos + 2] != '$') return -1;
    char digit = text[pos + 1];
    return digit >= '0' && digit <= '9' ? digit - '0' : -1;
}

class HeaderReader {
  public:
    HeaderReader(const std::string& file, StartupErrors& errors) : file_(file), errors_(errors) {}

    // Parses a header line; false (after reporting) when the template must be skipped.
    bool parse(std::string_view header, Template& t) {
        std::size_t close = header.rfind(']');
        if (close == std::string_view::npos)
            return fail("Incorrectly delimited template header:", header);
        std::size_t open = header.find('(');
        std::size_t close_paren =
            open == std::string_view::npos ? open : header.find(')', open + 1);
        if (open == std::string_view::npos || open > close ||
            close_paren == std::string_view::npos || close_paren > close)
            return fail("Incorrectly delimited parameter list in:", header.substr(1));
        std::string_view list = header.substr(open, close_paren - open + 1);
        std::string_view name = zeph::trim_blanks(header.substr(1, open - 1));
        if (name.empty()) return fail("Missing template name with parameter list:", list);
        if (name.size() > kMaxTemplateName) return fail("Too long template name: ", name);
        t.name = std::string(name);

        std::string_view inside = list.substr(1, list.size() - 2);
        std::vector<std::string_view> names;
        if (!zeph::trim_blanks(inside).empty()) {
            std::size_t pos = 0;
            for (;;) {
                std::size_t comma = inside.find(',', pos);
                names.push_back(zeph::trim_blanks(inside.substr(pos, comma - pos)));
                if (comma == std::string_view::npos) break;
                pos = comma + 1;
            }
        }
        for (std::string_view p : names)
            if (p.empty()) return fail("Missing parameter name in:", header);
        if (names.size() > kMaxTemplateParameters) return fail("Too many parameters in:", header);
        for (std::string_view p : names)
            if (p.size() > kMaxParameterName) return fail("Too long parameter name in:", header);
        for (std::string_view p : names)
            t.parameters.emplace_back(p);
        return true;
    }

    void report(const char* message, std::string_view text) {
        errors_.add(kErrorOther, message, std::string(text));
        errors_.add_line("\tthis error occured in template file:");
        errors_.add_line("\t" + file_);
    }

  private:
    bool fail(const char* message, std::string_view text) {
        report(message, text);
        return false;
    }

    const std::string& file_;
    StartupErrors& errors_;
};

// Counts the valid placeholders of a finished template and reports every body line that holds
// a placeholder of a parameter the template lacks.
void check_placeholders(Template& t, HeaderReader& reader) {
    int count = static_cast<int>(t.parameters.size());
    std::size_t line_start = 0;
    bool reported = false;
    const std::string& body = t.body;
    for (std::size_t pos = 0; pos < body.size();) {
        if (body[pos] == '\n') {
            line_start = ++pos;
            reported = false;
            continue;
        }
        int d = placeholder_at(body, pos);
        if (d < 0) {
            ++pos;
            continue;
        }
        if (d >= 1 && d <= count) {
            ++t.placeholder_counts[static_cast<std::size_t>(d - 1)];
            pos += 3;
            continue;
        }
        if (!reported) {
            std::size_t end = body.find('\n', line_start);
            reader.report("Body contains placeholder of non-existent parameter in:",
                          std::string_view(body).substr(line_start, end - line_start));
            reported = true;
        }
        ++pos;
    }
}

} // namespace

std::vector<Template> read_templates(std::string_view text, const std::string& file_name,
                                     StartupErrors& errors) {
    std::vector<Template> templates;
    HeaderReader reader(file_name, errors);
    bool in_body = false; // the lines belong to a template being read
    auto finish = [&] {
        if (!in_body) return;
        Template& t = templates.back();
        // Line ends become "\n" whatever the file used, so that the inserted text is exactly
        // the text the buffer then holds (the buffer drops a "\r" before "\n").
        std::string body;
        body.reserve(t.body.size() + 1);
        auto end_line = [&body] {
            while (!body.empty() && body.back() == '\r')
                body.pop_back();
            body += '\n';
        };
        for (char ch : t.body)
            if (ch == '\n')
                end_line();
            else
                body += ch;
        if (!body.empty() && body.back() != '\n') end_line();
        t.body = std::move(body);
        check_placeholders(t, reader);
        in_body = false;
    };
    for (std::string_view piece : pieces(text)) {
        if (piece[0] == '[') {
            finish();
            Template t;
            if (reader.parse(without_line_end(piece), t)) {
                templates.push_back(std::move(t));
                in_body = true;
            }
            continue;
        }
        if (!in_body) continue;
        templates.back().body.append(piece);
    }
    finish();
    return templates;
}

std::string expand_template(const Template& t, const std::vector<std::string>& values) {
    int count = static_cast<int>(t.parameters.size());
    std::string out;
    out.reserve(t.body.size());
    for (std::size_t pos = 0; pos < t.body.size();) {
        int d = placeholder_at(t.body, pos);
        if (d >= 1 && d <= count) {
            std::size_t index = static_cast<std::size_t>(d - 1);
            if (index < values.size()) out += zeph::bounded(values[index], kMaxParameterValue);
            pos += 3;
        } else {
            out += t.body[pos++];
        }
    }
    return out;
}

} // namespace zped
