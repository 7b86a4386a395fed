// Defaults and lookups of a language definition.
#include "editor/language.h"

#include <algorithm>

namespace zped {

const char* syntax_item_name(SyntaxItem item) {
    static constexpr const char* kNames[kSyntaxItemCount] = {
        "Text",        "Comment",     "String",      "Expander",   "KeywordCat1",
        "KeywordCat2", "KeywordCat3", "KeywordCat4", "KeywordCat5"};
    return kNames[static_cast<int>(item)];
}

std::array<ItemStyle, kSyntaxItemCount> Language::default_styles() {
    return {{
        {{0, 0, 0}, 0},                                 // Text
        {{0, 128, 0}, kTypefaceItalic},                 // Comment
        {{0, 0, 255}, kTypefaceBold},                   // String
        {{0, 0, 255}, 0},                               // Expander
        {{255, 0, 0}, kTypefaceBold},                   // category 1
        {{0, 0, 255}, kTypefaceBold | kTypefaceItalic}, // category 2
        {{0, 128, 0}, 0},                               // category 3
        {{0, 0, 0}, 0},                                 // category 4
        {{0, 0, 0}, 0},                                 // category 5
    }};
}

const std::string* Language::expansion_of(std::string_view word) const {
    for (const Expander& e : expanders)
        if (e.word == word) return &e.expansion;
    return nullptr;
}

void Language::prepare() {
    for (auto& list : keywords)
        std::sort(list.begin(), list.end());
    std::vector<std::string> words;
    words.reserve(expanders.size());
    for (const Expander& e : expanders)
        words.push_back(e.word);
    lookup.build(keywords, case_sensitive, std::move(words));
}

} // namespace zped
