// The file and directory operations of design projects: deleting, renaming, creating and
// copying files and whole directory trees. Every failure shows its text in a message box of the
// platform given; the functions return false then.
//
// Trees are copied into a temporary sibling ("<target>.partial") that is renamed to the
// target only when the whole copy succeeded, and removed by first renaming them aside
// ("<path>.removing"), so that a program killed in the middle never leaves a target that looks
// complete but is not.
#pragma once

#include "ui/platform.h"

#include <string>

namespace zeph {

bool path_exists(const std::string& path);
bool is_directory(const std::string& path);

// "Cannot delete file '%s': %s."
bool delete_file(ui::Platform& platform, const std::string& path);
// "Cannot create directory '%s': %s."
bool create_directory(ui::Platform& platform, const std::string& path);
// "Cannot rename '%s' to '%s': %s."
bool rename_path(ui::Platform& platform, const std::string& from, const std::string& to);
// The directory with everything below it; "Cannot delete directory '%s': %s." (or the file
// message for a file inside that cannot be removed).
bool delete_tree(ui::Platform& platform, const std::string& path);
// A copy of one file: "Cannot open file '%s' for copying (r).", "... (w).", "Error(s) writing
// file '%s'.". The target appears only complete; an existing target file is replaced.
bool copy_file(ui::Platform& platform, const std::string& from, const std::string& to);
// A copy of a directory tree; "Directory '%s' already exists." when the target exists.
bool copy_tree(ui::Platform& platform, const std::string& from, const std::string& to);

// Leftovers of a copy or removal that a killed program did not finish: removed quietly.
void remove_stale_leftovers(const std::string& path);

// Shows text in a message box.
void show_file_error(ui::Platform& platform, const std::string& text);

} // namespace zeph
