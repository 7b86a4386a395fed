// A language definition of the editor: file extensions, comment delimiters, keyword case rule,
// the colour and printer typeface of every syntax item, five keyword categories and the list of
// expander words. Six entries make the table; entry 0 is the fallback language "None".
#pragma once

#include "editor/keyword_lookup.h"
#include "editor/settings.h"

#include <array>
#include <string>
#include <vector>

namespace zped {

// The syntax items a line is coloured with, in the order the options dialog lists them.
enum class SyntaxItem {
    Text,
    Comment,
    String,
    Expander,
    Keyword1,
    Keyword2,
    Keyword3,
    Keyword4,
    Keyword5
};
inline constexpr int kSyntaxItemCount = 9;
inline constexpr int kKeywordCategories = 5;

inline SyntaxItem keyword_item(int category) { // category 1..5
    return static_cast<SyntaxItem>(static_cast<int>(SyntaxItem::Keyword1) + category - 1);
}
// "Text", "Comment", "String", "Expander", "KeywordCat1" .. "KeywordCat5".
const char* syntax_item_name(SyntaxItem item);

// Printer typeface bits.
inline constexpr int kTypefaceBold = 1;
inline constexpr int kTypefaceItalic = 2;
inline constexpr int kTypefaceUnderlined = 4;

struct ItemStyle {
    Colour colour;
    int typeface = 0;
    bool operator==(const ItemStyle&) const = default;
};

struct Expander {
    std::string word;
    std::string expansion;
};

// Field limits.
inline constexpr std::size_t kMaxLanguageName = 254;
inline constexpr std::size_t kMaxLanguagePath = 255;
inline constexpr std::size_t kMaxExtensionList = 79;
inline constexpr std::size_t kMaxCommentDelimiter = 3;

inline constexpr const char* kDefaultFilter = "All files(*.*)|*.*|";
inline constexpr const char* kFallbackLanguage = "None";

struct Language {
    std::string name; // empty: the entry is unused
    std::string file; // the specification file as the settings write it (may hold "$NAME")
    std::string filter;
    std::string extension; // "vhd,vhdl"
    std::string line_comment;
    std::string begin_comment;
    std::string end_comment;
    bool case_sensitive = true;
    std::array<ItemStyle, kSyntaxItemCount> styles = default_styles();
    std::array<std::vector<std::string>, kKeywordCategories> keywords; // each sorted byte-wise
    std::vector<Expander> expanders;
    KeywordLookup lookup; // rebuilt by prepare() after keywords, expanders or the case rule change

    bool empty() const { return name.empty(); }
    const ItemStyle& style(SyntaxItem item) const { return styles[static_cast<std::size_t>(item)]; }
    ItemStyle& style(SyntaxItem item) { return styles[static_cast<std::size_t>(item)]; }
    // The expansion of an expander word (exact, case-sensitive), or null.
    const std::string* expansion_of(std::string_view word) const;

    // Sorts the keyword lists and builds the lookup that colouring uses.
    void prepare();

    static std::array<ItemStyle, kSyntaxItemCount> default_styles();
};

} // namespace zped
