// The program-wide current design.
#include "design/design.h"

#include "foundation/kind_vocabulary.h"

namespace zeph {

namespace {
Design* g_current = nullptr;

int current_language() {
    return g_current != nullptr ? g_current->target_language : kLanguageVhdl;
}
} // namespace

Design* current_design() { return g_current; }

void set_current_design(Design* design) {
    g_current = design;
    set_language_source(&current_language);
}

} // namespace zeph
