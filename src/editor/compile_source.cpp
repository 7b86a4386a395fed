// Preparing the active window's file for a compiler.
#include "editor/compile_source.h"

#include "editor/buffer_files.h"
#include "editor/edit_buffer.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"

namespace zped {

EditBuffer* source_for_compiling(EditorSession& session) {
    EditBuffer* source = session.active();
    if (!source) return nullptr;
    if (source->window_kind != kEditWindow) {
        editor_ui().status("Active window is not a language file.", true);
        return nullptr;
    }
    // An unchanged file is not written again: that would throw away its undo history and
    // overwrite changes made to the file outside the editor.
    bool needs_save =
        source->modified || source->file_name.empty() || is_untitled(source->file_name);
    if (needs_save && !SaveBuffer(session, *source, nullptr)) return nullptr;
    return source;
}

std::string source_directory(const EditBuffer& source) {
    const std::string& name = source.absolute_name;
    std::size_t slash = name.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : name.substr(0, slash);
}

std::string source_file_part(const EditBuffer& source) {
    const std::string& name = source.file_name;
    std::size_t slash = name.rfind('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

} // namespace zped
