// Reads arbitrary text as "zeph.ini", writes the settings back into it and reads that again:
// every value stays in its range and field size, reading what was written gives the same
// settings, and every comment and unreadable line of the input survives the write.
#include "foundation/ini_document.h"
#include "shell/settings_io.h"
#include "shell/settings_keys.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}

void check_ranges(zeph::Settings& s) {
    using zeph::ValueForm;
    for (const zeph::SettingKey& k : zeph::setting_keys()) {
        if (k.form == ValueForm::Integer) check(*k.integer(s) >= k.min && *k.integer(s) <= k.max);
        if (k.form == ValueForm::Text) check(k.text(s)->size() <= static_cast<std::size_t>(k.max));
        if (k.form == ValueForm::Rectangle)
            check(k.rect(s)->width >= 60 && k.rect(s)->height >= 60);
    }
    check(!(s.environment.generate_parts & 32) || !(s.environment.generate_parts & 64));
    const std::string* ext[] = {&s.environment.vhdl_ext, &s.environment.entity_ext,
                                &s.environment.architecture_ext, &s.environment.configuration_ext,
                                &s.environment.verilog_ext};
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j)
            check(!ext[i]->empty() && *ext[i] != *ext[j]);
}

// The comment and damaged lines of `before`, in order, are lines of `after`.
void check_kept(std::string_view before, std::string_view after) {
    auto lines = [](std::string_view text) {
        std::vector<std::string> out;
        std::size_t pos = 0;
        while (pos < text.size()) {
            std::size_t end = text.find('\n', pos);
            std::string line(text.substr(pos, end == std::string_view::npos ? end : end - pos));
            while (!line.empty() && line.back() == '\r')
                line.pop_back();
            out.push_back(line);
            if (end == std::string_view::npos) break;
            pos = end + 1;
        }
        return out;
    };
    std::vector<std::string> written = lines(after);
    std::size_t at = 0;
    for (const std::string& line : lines(before)) {
        std::size_t b = line.find_first_not_of(" \t\r");
        if (b == std::string::npos) continue;
        std::size_t eq = line.find('=', b);
        bool comment = line[b] == ';' || line[b] == '#';
        bool header = line[b] == '[' && line.find(']', b) != std::string::npos;
        bool key = eq != std::string::npos && eq > b;
        if (!comment && (header || key)) continue;
        while (at < written.size() && written[at] != line)
            ++at;
        check(at < written.size());
        ++at;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    zeph::IniDocument doc = zeph::IniDocument::parse(text);
    zeph::Settings first = zeph::read_settings(doc);
    check_ranges(first);

    zeph::write_settings(first, doc);
    std::string written = doc.text();
    zeph::IniDocument again = zeph::IniDocument::parse(written);
    zeph::Settings second = zeph::read_settings(again);
    check(second == first);
    check_kept(text, written);

    zeph::write_settings(second, again);
    check(again.text() == written);
    return 0;
}
