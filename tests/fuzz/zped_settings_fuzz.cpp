// Parses the input as a settings file, reads values of every kind from it, writes it back and
// parses that again: the values must survive the round trip.
#include "editor/settings.h"
#include "foundation/ini_document.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    zeph::IniDocument ini = zeph::IniDocument::parse(text);
    zeph::IniDocument again = zeph::IniDocument::parse(ini.text());
    for (const char* section : {"Options", "GUI", "Directories", "Files"})
        for (const char* key : {"TabSize", "Menu", "A", "LoadMRUFile1"})
            check(ini.get(section, key) == again.get(section, key));
    zped::Settings settings("/nonexistent/zped.ini", "/opt/zped",
                            [](const std::string&) { return std::string("/env"); });
    settings.ini() = ini;
    settings.ini().set_blank_line_before_new_sections(false);
    settings.read_bool("Options", "Colors", true);
    settings.read_int("Options", "TabSize", 4);
    settings.read_octal("Options", "Mode", 0);
    settings.read_colour("Options", "Text", {});
    settings.read_path("GUI", "Menu", "$INSTALL/menu.ini");
    settings.write_string("Options", "Key", "value");
    check(zeph::IniDocument::parse(settings.ini().text()).get("Options", "Key") ==
          std::string("value"));
    return 0;
}
