// The default package list of the settings.
#include "shell/default_packages.h"

#include "design/design.h"
#include "hdl/identifier_rules.h"
#include "shell/session.h"

namespace zeph {

namespace {

PackageFields fields_of_entry(const PackageEntry& e) {
    return {e.library, e.package, e.suffix, e.file, e.global};
}

PackageEntry entry_of_fields(const PackageFields& f) {
    return {f.library, f.package, f.suffix, f.global, f.file_name};
}

std::vector<PackageSpec> default_list_values(const Settings& settings) {
    std::vector<PackageSpec> specs;
    for (const PackageEntry& entry : settings.packages)
        specs.push_back(
            make_package_spec(fields_of_entry(entry), static_cast<int>(specs.size()) + 1));
    return specs;
}

} // namespace

PackageListEditor default_package_editor(Session& session) {
    const Settings& settings = session.settings();
    const Design* design = session.design();
    int rules = design != nullptr ? design->language_checking : kRulesVhdl;
    return PackageListEditor(session.platform(), default_list_values(settings),
                             static_cast<int>(settings.packages.size()) + 1, rules,
                             session.events().keyword_case_in_force(),
                             session.events().path_resolves);
}

std::optional<std::size_t> default_entry_too_long(const Settings& settings) {
    for (std::size_t i = 0; i < settings.packages.size(); ++i) {
        const PackageEntry& e = settings.packages[i];
        if (e.library.size() > kPackageNameLimit || e.package.size() > kPackageNameLimit ||
            e.suffix.size() > kPackageNameLimit || e.file.size() > kPackageFileLimit)
            return i;
    }
    return std::nullopt;
}

void apply_default_packages(Session& session, const PackageListEditor& editor) {
    std::vector<PackageEntry>& entries = session.settings().packages;
    entries.clear();
    for (const PackageSpec& spec : editor.specifications())
        entries.push_back(entry_of_fields(fields_of(spec)));
}

} // namespace zeph
