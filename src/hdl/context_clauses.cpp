// Writing the LIBRARY and USE clauses of an entity.
#include "hdl/context_clauses.h"

#include "design/entity.h"
#include "foundation/strings.h"
#include "hdl/package_binding.h"
#include "hdl/vhdl_keywords.h"

#include <sstream>
#include <vector>

namespace zeph {

namespace {
bool never_named(const std::string& library) {
    std::string upper = to_upper_ascii(library);
    return upper == "WORK" || upper == "STD";
}

// Library names compare as VHDL compares them: ignoring case.
bool already_named(const std::vector<std::string>& named, const std::string& library) {
    std::string upper = to_upper_ascii(library);
    for (const std::string& name : named)
        if (to_upper_ascii(name) == upper) return true;
    return false;
}

void write_library_clause(std::ostream& out, const KeywordTable& keywords,
                          const std::vector<const PackageSpec*>& used) {
    std::vector<std::string> named;
    std::size_t length = 0;
    for (const PackageSpec* spec : used) {
        std::string library = spec->library;
        if (never_named(library) || already_named(named, library)) continue;
        if (named.empty()) {
            std::string first = format_text("%s %s", keywords.keyword("LIBRARY"), library.c_str());
            out << first;
            length = first.size();
        } else {
            length += library.size() + 2;
            if (length > kClauseMargin) {
                out << "\n  ";
                length = library.size() + 2;
            }
            out << ", " << library;
        }
        named.push_back(library);
    }
    if (!named.empty()) out << " ;\n";
}

void write_use_clause(std::ostream& out, const KeywordTable& keywords, const PackageSpec& spec) {
    const char* use = keywords.keyword("USE");
    if (spec.package[0] == '\0')
        out << format_text("%s %s.%s ;\n", use, spec.library, spec.suffix);
    else
        out << format_text("%s %s.%s.%s ;\n", use, spec.library, spec.package, spec.suffix);
}
} // namespace

void write_context_clauses(std::ostream& out, const KeywordTable& keywords, const PackageList& list,
                           const Entity& entity) {
    if (list.count() == 0) return;
    std::vector<const PackageSpec*> used;
    for (const PackageSpec* spec : list.entries())
        if (is_package_used(*spec, entity)) used.push_back(spec);
    out << "\n";
    write_library_clause(out, keywords, used);
    for (const PackageSpec* spec : used)
        write_use_clause(out, keywords, *spec);
}

std::string context_clauses(const KeywordTable& keywords, const PackageList& list,
                            const Entity& entity) {
    std::ostringstream out;
    write_context_clauses(out, keywords, list, entity);
    return out.str();
}

} // namespace zeph
