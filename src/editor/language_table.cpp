// Loading, saving and choosing language definitions.
#include "editor/language_table.h"

#include "editor/file_text.h"
#include "editor/language_file.h"
#include "editor/startup_errors.h"
#include "foundation/file_names.h"
#include "foundation/strings.h"

namespace zped {

using zeph::bounded;
using zeph::format_text;

namespace {

// Settings keys of the colour and typeface of each syntax item.
struct ItemKeys {
    std::string colour;
    std::string typeface;
};

ItemKeys item_keys(int item) {
    switch (static_cast<SyntaxItem>(item)) {
    case SyntaxItem::Text:
        return {"TextColor", "TextTypeFace"};
    case SyntaxItem::Comment:
        return {"CommentColor", "CommentTypeFace"};
    case SyntaxItem::String:
        return {"StringsColor", "StringsTypeFace"};
    case SyntaxItem::Expander:
        return {"ExpanderColor", "ExpanderTypeFace"};
    default: {
        int category = item - static_cast<int>(SyntaxItem::Keyword1) + 1;
        return {format_text("Color%d", category), format_text("Typeface%d", category)};
    }
    }
}

Language read_entry(const Settings& s, const std::string& name) {
    Language language;
    language.name = bounded(name, kMaxLanguageName);
    language.file = bounded(s.read_string(name, "File", ""), kMaxLanguagePath);
    language.filter = bounded(s.read_string(name, "Filter", ""), kMaxLanguagePath);
    language.extension = bounded(s.read_string(name, "Extension", ""), kMaxExtensionList);
    language.line_comment = bounded(s.read_string(name, "LineComment", ""), kMaxCommentDelimiter);
    language.begin_comment = bounded(s.read_string(name, "BeginComment", ""), kMaxCommentDelimiter);
    language.end_comment = bounded(s.read_string(name, "EndComment", ""), kMaxCommentDelimiter);
    language.case_sensitive = s.read_bool(name, "CaseSensitive", true);
    for (int item = 0; item < kSyntaxItemCount; ++item) {
        ItemStyle& style = language.styles[static_cast<std::size_t>(item)];
        ItemKeys keys = item_keys(item);
        style.colour = s.read_colour(name, keys.colour, style.colour);
        style.typeface = s.read_int(name, keys.typeface, style.typeface) & 7;
    }
    return language;
}

void write_entry(Settings& s, const Language& language) {
    const std::string& name = language.name;
    s.write_string(name, "File", language.file);
    s.write_string(name, "Filter", language.filter);
    s.write_string(name, "Extension", language.extension);
    s.write_bool(name, "CaseSensitive", language.case_sensitive);
    s.write_string(name, "BeginComment", language.begin_comment);
    s.write_string(name, "EndComment", language.end_comment);
    s.write_string(name, "LineComment", language.line_comment);
    for (int item = 0; item < kSyntaxItemCount; ++item) {
        const ItemStyle& style = language.styles[static_cast<std::size_t>(item)];
        ItemKeys keys = item_keys(item);
        s.write_string(
            name, keys.colour,
            format_text("%d %d %d", style.colour.red, style.colour.green, style.colour.blue));
        s.write_int(name, keys.typeface, style.typeface);
    }
}

} // namespace

std::string settings_file_path(const Settings& settings, const std::string& value) {
    std::string expanded;
    if (!settings.expand_path(value, expanded) || expanded.empty()) return "";
    if (expanded[0] != '/') expanded = settings.directory() + "/" + expanded;
    return expanded;
}

LanguageTable::LanguageTable() {
    entries_[0].name = kFallbackLanguage;
    entries_[0].filter = kDefaultFilter;
    entries_[0].prepare();
}

void LanguageTable::read_specification(int index, const Settings& settings, StartupErrors& errors) {
    Language& language = entry(index);
    for (auto& list : language.keywords)
        list.clear();
    language.expanders.clear();
    if (!language.file.empty()) {
        std::string path = settings_file_path(settings, language.file);
        FileContents contents = read_file(path);
        if (contents.opened())
            read_language_file(contents.data, language);
        else
            errors.add(kErrorCannotOpen, "Language Options File",
                       path.empty() ? language.file : path);
    }
    language.prepare();
}

void LanguageTable::load(const Settings& settings, StartupErrors& errors) {
    for (int n = 0; n < kLanguageCount; ++n) {
        std::string name = n == 0 ? std::string(kFallbackLanguage)
                                  : settings.read_string("Languages", format_text("%d", n), "");
        if (name.empty()) {
            entries_[static_cast<std::size_t>(n)] = Language();
            continue;
        }
        entries_[static_cast<std::size_t>(n)] = read_entry(settings, name);
        if (n == 0 && entries_[0].filter.empty()) entries_[0].filter = kDefaultFilter;
        read_specification(n, settings, errors);
    }
}

void LanguageTable::save(Settings& settings) const {
    for (int n = 0; n < kLanguageCount; ++n) {
        const Language& language = entry(n);
        // An emptied slot is written empty too, so that a deleted language stays deleted.
        settings.write_string("Languages", format_text("%d", n), language.name);
        if (!language.empty()) write_entry(settings, language);
    }
}

bool extension_matches(std::string_view list, std::string_view extension) {
    std::size_t pos = 0;
    for (;;) {
        std::size_t comma = list.find(',', pos);
        if (comma == std::string_view::npos) return list.substr(pos) == extension;
        std::string_view item = list.substr(pos, comma - pos);
        if (extension.substr(0, item.size()) == item) return true;
        pos = comma + 1;
    }
}

int LanguageTable::choose(std::string_view file_name) const {
    // Only the file's own name counts: a "." in a directory name is no extension.
    std::string name = zeph::file_part(file_name);
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot + 1 == name.size()) return 0;
    std::string_view extension = std::string_view(name).substr(dot + 1);
    for (int n = 1; n < kLanguageCount; ++n) {
        const Language& language = entry(n);
        if (!language.empty() && !language.extension.empty() &&
            extension_matches(language.extension, extension))
            return n;
    }
    return 0;
}

int LanguageTable::add(const std::string& name) {
    std::string kept = bounded(name, kMaxLanguageName);
    if (kept.empty()) return -1;
    for (const Language& language : entries_)
        if (language.name == kept) return -1;
    for (int n = 1; n < kLanguageCount; ++n)
        if (entry(n).empty()) {
            Language fresh;
            fresh.name = kept;
            fresh.prepare();
            entry(n) = std::move(fresh);
            return n;
        }
    return -1;
}

bool LanguageTable::remove(int index) {
    if (index < 1 || index >= kLanguageCount || entry(index).empty()) return false;
    entry(index) = Language();
    return true;
}

} // namespace zped
