// The language specification file (".lsf"): keyword groups under "[Group1]" .. "[Group5]" and
// expander words under "[Expander]" as word=expansion lines.
#pragma once

#include "editor/language.h"

#include <string_view>

namespace zped {

// Fills the keyword lists (sorted byte-wise) and the expander list of `language` from the text
// of its specification file, replacing what it held.
void read_language_file(std::string_view text, Language& language);

} // namespace zped
