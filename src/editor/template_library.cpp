// Loading, removing and listing template files.
#include "editor/template_library.h"

#include "editor/file_text.h"
#include "editor/language_table.h"
#include "editor/mru_list.h"
#include "editor/settings.h"
#include "editor/startup_errors.h"
#include "foundation/strings.h"

#include <algorithm>

namespace zped {

using zeph::format_text;

const Template* TemplateFile::find(std::string_view name) const {
    for (const Template& t : templates)
        if (t.name == name) return &t;
    return nullptr;
}

int TemplateLibrary::load(const Settings& settings, const std::string& name,
                          StartupErrors& errors) {
    std::string setting = zeph::bounded(name, kMaxTemplatePath);
    std::string path;
    if (!settings.expand_path(setting, path)) path = setting;
    std::string location = settings_file_path(settings, setting);
    FileContents contents = read_file(location.empty() ? path : location);
    if (!contents.opened()) {
        errors.add(kErrorCannotOpen, "template", location.empty() ? path : location);
        return -1;
    }
    TemplateFile file;
    file.path = zeph::bounded(path, kMaxTemplatePath);
    file.setting = setting;
    file.templates = read_templates(contents.data, path, errors);
    files_.push_back(std::move(file));
    ++loaded_during_run_;
    return static_cast<int>(files_.size()) - 1;
}

bool TemplateLibrary::remove(int index) {
    if (index < 0 || index >= static_cast<int>(files_.size())) return false;
    files_.erase(files_.begin() + index);
    return true;
}

int TemplateLibrary::find_file(std::string_view path) const {
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (files_[i].path == path) return static_cast<int>(i);
    return -1;
}

void TemplateLibrary::load_listed(const Settings& settings, StartupErrors& errors) {
    int listed = 0;
    for (int key = 1;; ++key) {
        std::string name = settings.read_string("Templates", format_text("%d", key), "");
        if (name.empty()) break;
        load(settings, name, errors);
        ++listed;
    }
    // A listed file that could not be read still had a key: it is rewritten with the others,
    // so that no key keeps a stale name that would load a file twice.
    loaded_during_run_ = std::max(loaded_during_run_, listed);
}

void TemplateLibrary::save(Settings& settings) const {
    int count = static_cast<int>(files_.size());
    for (int i = 0; i < count; ++i)
        settings.write_string("Templates", format_text("%d", i + 1),
                              files_[static_cast<std::size_t>(i)].setting);
    for (int key = count + 1; key <= loaded_during_run_; ++key)
        settings.write_string("Templates", format_text("%d", key), "");
}

std::string template_file_label(const TemplateFile& file) {
    return shortened_path(file.path, kTemplateListWidth);
}

} // namespace zped
