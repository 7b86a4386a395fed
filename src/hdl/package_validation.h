// The fields of a package specification as the list dialog edits them, and their validation:
// the defaults for an empty library ("work") and an empty suffix (ALL), the identifier rules
// for suffix, library and package, and the resolution of the package file's path.
#pragma once

#include "ui/platform.h"

#include "design/package_spec.h"

#include <functional>
#include <string>

namespace zeph {

inline constexpr std::size_t kPackageNameLimit = 32;
inline constexpr std::size_t kPackageFileLimit = 256;

struct PackageFields {
    std::string library;
    std::string package;
    std::string suffix;
    std::string file_name;
    bool global = false;
    bool operator==(const PackageFields&) const = default;
};

PackageFields fields_of(const PackageSpec& spec);
// Copies validated fields into the record (they fit its fields).
void store_fields(PackageSpec& spec, const PackageFields& fields);
PackageSpec make_package_spec(const PackageFields& fields, int number);

// False when the path cannot be resolved; it has shown why.
using PathCheck = std::function<bool(const std::string& path)>;

// Fills the defaults (library work, suffix ALL in `keyword_case`), then checks in order: a suffix
// other than ALL (ignoring case), the library, a non-empty package (identifier rules, limit 32),
// and the file name. The first failure is reported when `report` is set (the identifier message, or
// the path's own) and refuses the specification. A null path check accepts every path of at most
// 256 characters.
bool validate_specification(ui::Platform& platform, PackageFields& spec, bool report, int rules,
                            int keyword_case, const PathCheck& path_check);

} // namespace zeph
