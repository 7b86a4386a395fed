// The loaded template files, in load order, and their list in section "Templates" of the
// settings file (keys "1", "2", ...).
#pragma once

#include "editor/template_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace zped {

class Settings;
class StartupErrors;

inline constexpr std::size_t kMaxTemplatePath = 255;
inline constexpr std::size_t kTemplateListWidth = 25; // room for a path in the dialog's list

struct TemplateFile {
    std::string path;    // the name it was loaded by, path variables expanded
    std::string setting; // the name as the settings file writes it
    std::vector<Template> templates;

    // The first template of exactly this name, or null.
    const Template* find(std::string_view name) const;
};

class TemplateLibrary {
  public:
    // Loads a template file named as the settings file or the user names it ("$NAME" variables
    // allowed; a relative name is found in the settings file's directory) and appends it, also
    // when some of its templates were faulty. -1 when it cannot be opened (start-up error 2,
    // kind "template").
    int load(const Settings& settings, const std::string& name, StartupErrors& errors);
    // Frees a file and its templates.
    bool remove(int index);

    const std::vector<TemplateFile>& files() const { return files_; }
    // The index of the loaded file whose path is exactly `path`, or -1.
    int find_file(std::string_view path) const;

    // Loads the files of keys "1", "2", ... up to the first empty value.
    void load_listed(const Settings& settings, StartupErrors& errors);
    // Writes the list; keys beyond it, up to the number of files loaded during the run, are
    // written empty so that removed files are not loaded again.
    void save(Settings& settings) const;

  private:
    std::vector<TemplateFile> files_;
    int loaded_during_run_ = 0;
};

// A path shortened for the dialog's list of files.
std::string template_file_label(const TemplateFile& file);

} // namespace zped
