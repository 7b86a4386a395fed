// Reading and writing settings values.
#include "editor/settings.h"

#include "editor/file_text.h"
#include "foundation/strings.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zped {

namespace {
std::string from_environment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

bool parse_int(const std::string& text, int base, int& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, base);
    if (errno != 0 || end == text.c_str() || *end != '\0' || parsed < INT32_MIN ||
        parsed > INT32_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}
} // namespace

zeph::IniDocument Settings::parsed(std::string_view text) {
    zeph::IniDocument document = zeph::IniDocument::parse(text);
    document.set_blank_line_before_new_sections(false);
    return document;
}

// Values may stand in double quotes.
std::optional<std::string> Settings::stored(const std::string& section,
                                            const std::string& key) const {
    std::optional<std::string> text = ini_.get(section, key);
    if (text) text = zeph::unquoted(*text);
    return text;
}

Settings::Settings(std::string path, std::string install_dir, Environment environment)
    : path_(std::move(path)), install_dir_(std::move(install_dir)),
      environment_(environment ? std::move(environment) : Environment(from_environment)) {
    ini_ = parsed("");
}

bool Settings::load() {
    FileContents contents = read_file(path_);
    loaded_ = contents.opened();
    ini_ = parsed(contents.data);
    return contents.opened() || !file_exists(path_);
}

bool Settings::save() const {
    std::error_code error;
    std::filesystem::path file(path_);
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
    // Written beside the old file and renamed over it, so a failed write keeps the old settings.
    std::string temporary = path_ + ".new";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << ini_.text();
    out.close();
    if (!out || std::rename(temporary.c_str(), path_.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

std::string Settings::directory() const {
    std::filesystem::path file(path_);
    return file.has_parent_path() ? file.parent_path().string() : ".";
}

std::string Settings::read_string(const std::string& section, const std::string& key,
                                  const std::string& fallback) const {
    return stored(section, key).value_or(fallback);
}

void Settings::write_string(const std::string& section, const std::string& key,
                            const std::string& value) {
    ini_.set(section, key, value);
}

int Settings::read_int(const std::string& section, const std::string& key, int fallback) const {
    int value = fallback;
    auto text = stored(section, key);
    return text && parse_int(*text, 10, value) ? value : fallback;
}

void Settings::write_int(const std::string& section, const std::string& key, int value) {
    ini_.set(section, key, zeph::format_text("%d", value));
}

int Settings::read_octal(const std::string& section, const std::string& key, int fallback) const {
    int value = fallback;
    auto text = stored(section, key);
    return text && parse_int(*text, 8, value) ? value : fallback;
}

void Settings::write_octal(const std::string& section, const std::string& key, int value) {
    ini_.set(section, key, zeph::format_text("%o", static_cast<unsigned>(value)));
}

bool Settings::read_bool(const std::string& section, const std::string& key, bool fallback) const {
    auto text = stored(section, key);
    if (!text) return fallback;
    if (*text == "yes" || *text == "true") return true;
    if (*text == "no" || *text == "false") return false;
    int number = 0;
    return parse_int(*text, 10, number) ? number != 0 : fallback;
}

void Settings::write_bool(const std::string& section, const std::string& key, bool value) {
    ini_.set(section, key, value ? "yes" : "no");
}

Colour Settings::read_colour(const std::string& section, const std::string& key,
                             Colour fallback) const {
    auto text = stored(section, key);
    if (!text || text->empty()) return fallback;
    Colour colour;
    char extra = 0;
    if (std::sscanf(text->c_str(), "%d %d %d %c", &colour.red, &colour.green, &colour.blue,
                    &extra) != 3)
        return fallback;
    auto channel = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
    return {channel(colour.red), channel(colour.green), channel(colour.blue)};
}

bool Settings::expand_path(const std::string& value, std::string& expanded) const {
    expanded.clear();
    std::size_t pos = 0;
    while (pos < value.size()) {
        std::size_t dollar = value.find('$', pos);
        if (dollar == std::string::npos) {
            expanded += value.substr(pos);
            break;
        }
        expanded += value.substr(pos, dollar - pos);
        std::size_t end = value.find_first_of("/\\", dollar + 1);
        if (end == std::string::npos) end = value.size();
        std::string name = value.substr(dollar + 1, end - dollar - 1);
        std::string replacement;
        if (name == "INSTALL")
            replacement = install_dir_;
        else if (!name.empty())
            replacement = read_string("Directories", name, "");
        if (replacement.empty() && !name.empty()) replacement = environment_(name);
        if (replacement.empty()) return false;
        expanded += replacement;
        pos = end;
    }
    return true;
}

std::string Settings::read_path(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
    std::string expanded;
    if (expand_path(read_string(section, key, fallback), expanded)) return expanded;
    if (expand_path(fallback, expanded)) return expanded;
    return fallback;
}

std::string program_directory() {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return ".";
    return self.parent_path().string();
}

std::string default_settings_path(const std::string& install_dir) {
    std::string beside = install_dir + "/zped.ini";
    if (file_exists(beside)) return beside;
    std::string config = from_environment("XDG_CONFIG_HOME");
    if (config.empty()) {
        std::string home = from_environment("HOME");
        config = (home.empty() ? std::string(".") : home) + "/.config";
    }
    return config + "/zped/zped.ini";
}

} // namespace zped

namespace zped {

std::string default_state_directory() {
    std::string state = from_environment("XDG_STATE_HOME");
    if (state.empty()) {
        std::string home = from_environment("HOME");
        state = (home.empty() ? std::string(".") : home) + "/.local/state";
    }
    return state + "/zped";
}

} // namespace zped
