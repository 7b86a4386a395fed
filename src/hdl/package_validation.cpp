// Validation of package specifications.
#include "hdl/package_validation.h"

#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/identifier_rules.h"
#include "hdl/vhdl_keywords.h"

namespace zeph {

namespace {
constexpr const char* kDefaultLibrary = "work";

bool is_all(const std::string& suffix) {
    return to_upper_ascii(suffix) == "ALL";
}

bool legal_name(ui::Platform& platform, const std::string& name, bool report, int rules) {
    int code = check_identifier(name, kPackageNameLimit, rules);
    if (code != 0 && report) system_message(platform, code, 0, name.c_str());
    return code == 0;
}

bool path_acceptable(ui::Platform& platform, const std::string& path, bool report,
                     const PathCheck& path_check) {
    if (path.empty()) return true;
    if (path.size() > kPackageFileLimit) {
        // What the path resolution says of a result it cannot hold.
        if (report) platform.status(format_text("Illegal directory '%s'.", path.c_str()), true);
        return false;
    }
    return !path_check || path_check(path);
}
} // namespace

PackageFields fields_of(const PackageSpec& spec) {
    return {spec.library, spec.package, spec.suffix, spec.file_name, spec.global != 0};
}

void store_fields(PackageSpec& spec, const PackageFields& fields) {
    set_package_field(spec.library, fields.library);
    set_package_field(spec.package, fields.package);
    set_package_field(spec.suffix, fields.suffix);
    set_package_field(spec.file_name, fields.file_name);
    spec.global = fields.global ? 1 : 0;
}

PackageSpec make_package_spec(const PackageFields& fields, int number) {
    PackageSpec spec{};
    store_fields(spec, fields);
    spec.number = number;
    return spec;
}

bool validate_specification(ui::Platform& platform, PackageFields& spec, bool report, int rules,
                            int keyword_case, const PathCheck& path_check) {
    if (spec.library.empty()) spec.library = kDefaultLibrary;
    if (spec.suffix.empty()) spec.suffix = KeywordTable(keyword_case).keyword("ALL");
    if (!is_all(spec.suffix) && !legal_name(platform, spec.suffix, report, rules)) return false;
    if (!legal_name(platform, spec.library, report, rules)) return false;
    if (!spec.package.empty() && !legal_name(platform, spec.package, report, rules)) return false;
    return path_acceptable(platform, spec.file_name, report, path_check);
}

} // namespace zeph
