// Reading and writing the keys of "zeph.ini" by the key table.
#include "shell/settings_io.h"

#include "foundation/strings.h"
#include "shell/setting_names.h"
#include "shell/settings_keys.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zeph {

namespace {

// At most `max` characters, without blanks at the end (which the file could not keep).
std::string field_text(std::string_view value, int max) {
    std::string s = bounded(value, static_cast<std::size_t>(max));
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.pop_back();
    return s;
}

std::string package_key(int index) {
    return "Package" + std::to_string(index);
}

// "Package" (any case) followed by decimal digits only.
bool is_package_key(std::string_view key) {
    constexpr std::string_view kPrefix = "Package";
    return key.size() > kPrefix.size() &&
           equal_ignoring_case(key.substr(0, kPrefix.size()), kPrefix) &&
           key.find_first_not_of("0123456789", kPrefix.size()) == std::string_view::npos;
}

// The number of a package key compared without overflow: by its digits without leading
// zeros, the shorter first, then as text.
bool package_number_less(std::string_view a, std::string_view b) {
    auto digits = [](std::string_view key) {
        std::string_view d = key.substr(7);
        std::size_t first = d.find_first_not_of('0');
        return first == std::string_view::npos ? std::string_view() : d.substr(first);
    };
    std::string_view da = digits(a);
    std::string_view db = digits(b);
    if (da.size() != db.size()) return da.size() < db.size();
    return da < db;
}

// Every "Package<N>" line in number order, whatever gaps the numbers leave (a file edited by
// hand may start at 1 or skip one) and a key given twice; they are written back as Package0,
// Package1, ...
std::vector<PackageEntry> read_packages(const IniDocument& doc) {
    std::vector<std::pair<std::string, std::string>> keys;
    for (auto& [key, value] : doc.key_lines(kPackagesSection))
        if (is_package_key(key)) keys.emplace_back(key, value);
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
        return package_number_less(a.first, b.first);
    });
    std::vector<PackageEntry> packages;
    for (const auto& [key, value] : keys)
        packages.push_back(parse_package_entry(value));
    return packages;
}

std::optional<std::string> lookup(IniDocument& doc, const SettingKey& k) {
    std::optional<std::string> value = doc.get(k.section, k.key);
    if (value || k.form != ValueForm::SynthesisTool) return value;
    // An older file keeps the synthesis tool in "Miscellaneous".
    value = doc.get("Miscellaneous", k.key);
    if (value) {
        doc.set(k.section, k.key, *value);
        doc.remove("Miscellaneous", k.key);
    }
    return value;
}

void read_key(const SettingKey& k, const std::optional<std::string>& value, Settings& s,
              ScreenSize screen) {
    if (!value) return; // the default stays
    switch (k.form) {
    case ValueForm::Integer:
        if (std::optional<int> n = parse_integer(*value))
            *k.integer(s) = clamp_to(*n, k.min, k.max);
        break;
    case ValueForm::Flag:
        if (std::optional<bool> f = parse_flag(*value)) *k.flag(s) = *f;
        break;
    case ValueForm::Text:
        *k.text(s) = field_text(*value, k.max);
        break;
    case ValueForm::SheetSize:
        *k.integer(s) = sheet_size_from_name(*value);
        break;
    case ValueForm::SynthesisTool:
        *k.integer(s) = synthesis_tool_setting(*value);
        break;
    case ValueForm::AnalysisTool:
        *k.integer(s) = analysis_tool_setting(*value);
        break;
    case ValueForm::Rectangle:
        if (std::optional<WindowRect> r = parse_rect(*value))
            *k.rect(s) = fit_to_screen(*r, screen);
        break;
    }
}

std::string key_text(const SettingKey& k, Settings& s) {
    switch (k.form) {
    case ValueForm::Integer:
        return std::to_string(*k.integer(s));
    case ValueForm::Flag:
        return flag_text(*k.flag(s));
    case ValueForm::Text:
        return *k.text(s);
    case ValueForm::SheetSize:
        return sheet_size_name(*k.integer(s));
    case ValueForm::SynthesisTool:
        return synthesis_tool_name(*k.integer(s));
    case ValueForm::AnalysisTool:
        return analysis_tool_setting_name(*k.integer(s));
    case ValueForm::Rectangle:
        return rect_text(*k.rect(s));
    }
    return {};
}

std::array<std::string*, 5> extensions(Settings& s) {
    Settings::Environment& e = s.environment;
    return {&e.vhdl_ext, &e.entity_ext, &e.architecture_ext, &e.configuration_ext, &e.verilog_ext};
}

// Empty extensions take their defaults; when any two are equal, all five return to theirs.
void check_extensions(Settings& s) {
    Settings defaults;
    std::array<std::string*, 5> ext = extensions(s);
    std::array<std::string*, 5> fallback = extensions(defaults);
    for (std::size_t i = 0; i < ext.size(); ++i)
        if (ext[i]->empty()) *ext[i] = *fallback[i];
    for (std::size_t i = 0; i < ext.size(); ++i)
        for (std::size_t j = i + 1; j < ext.size(); ++j)
            if (*ext[i] == *ext[j]) {
                for (std::size_t k = 0; k < ext.size(); ++k)
                    *ext[k] = *fallback[k];
                return;
            }
}

} // namespace

std::string package_entry_text(const PackageEntry& e) {
    return e.library + "." + e.package + "." + e.suffix + "." + (e.global ? "X" : " ") + "." +
           e.file;
}

PackageEntry parse_package_entry(std::string_view text) {
    std::array<std::string, 4> parts;
    for (std::string& part : parts) {
        std::size_t dot = text.find('.');
        if (dot == std::string_view::npos) {
            part = std::string(text);
            text = {};
            continue;
        }
        part = std::string(text.substr(0, dot));
        text.remove_prefix(dot + 1);
    }
    return PackageEntry{parts[0], parts[1], parts[2], parts[3] == "X", std::string(text)};
}

Settings read_settings(IniDocument& doc, ScreenSize screen) {
    Settings s;
    for (const SettingKey& k : setting_keys())
        read_key(k, lookup(doc, k), s, screen);
    if (!doc.get("ColoursRef", "FreePlacedTexts"))
        s.colours.free_placed_texts = s.colours.foreground;
    if (s.environment.generate_parts & 32) s.environment.generate_parts &= ~64;
    check_extensions(s);
    s.packages = read_packages(doc);
    for (auto& [name, path] : doc.entries(kDirectoriesSection))
        s.directories.emplace_back(name, field_text(path, 255));
    return s;
}

void write_settings(Settings s, IniDocument& doc) {
    for (const SettingKey& k : setting_keys())
        doc.set(k.section, k.key, key_text(k, s));
    // Every package key was read (read_packages), so none is lost by renumbering.
    for (auto& [key, value] : doc.entries(kPackagesSection))
        if (is_package_key(key)) doc.remove(kPackagesSection, key);
    for (std::size_t i = 0; i < s.packages.size(); ++i)
        doc.set(kPackagesSection, package_key(static_cast<int>(i)),
                package_entry_text(s.packages[i]));
    for (auto& [key, value] : doc.entries(kDirectoriesSection))
        if (s.directory(key) == nullptr) doc.remove(kDirectoriesSection, key);
    for (const auto& [name, path] : s.directories)
        doc.set(kDirectoriesSection, name, path);
}

} // namespace zeph
