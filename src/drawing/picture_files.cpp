// Writing pictures to files.
#include "drawing/picture_files.h"

#include "design/entity.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace zeph {

namespace {

std::string reason(int error) {
    return std::strerror(error);
}

std::string directory_of(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string safe_name(std::string_view name) {
    std::string result;
    for (char c : name) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     c == '_' || c == '-';
        result += plain ? c : '_';
    }
    return result.empty() ? "_" : result;
}

bool write_all(int fd, std::string_view text, int* error) {
    while (!text.empty()) {
        ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            *error = errno;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

bool write_picture_file(const std::string& path, std::string_view text, std::string* error) {
    std::string temporary = directory_of(path) + "/.picture-XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        *error = "cannot write '" + path + "': " + reason(errno);
        return false;
    }
    int failure = 0;
    bool ok = write_all(fd, text, &failure);
    if (ok && ::fchmod(fd, 0644) != 0) failure = errno, ok = false;
    if (::close(fd) != 0 && ok) failure = errno, ok = false;
    if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) failure = errno, ok = false;
    if (!ok) {
        ::unlink(temporary.c_str());
        *error = "cannot write '" + path + "': " + reason(failure);
    }
    return ok;
}

std::string picture_file_name(const Entity& entity, const Architecture& architecture) {
    return safe_name(entity.name) + "." + safe_name(architecture.name) + ".svg";
}

namespace {
bool drawn(const Architecture& architecture) {
    return architecture.block_diagram != nullptr || architecture.state_machine != nullptr;
}
} // namespace

std::vector<Architecture*> design_diagrams(Design& design) {
    std::vector<Architecture*> found;
    for (auto& entity : design.entities)
        for (auto& architecture : entity->architectures)
            if (drawn(*architecture)) found.push_back(architecture.get());
    return found;
}

Architecture* first_diagram(Entity& entity) {
    for (auto& architecture : entity.architectures)
        if (drawn(*architecture)) return architecture.get();
    return nullptr;
}

PicturesWritten write_design_pictures(Design& design, const std::string& folder,
                                      const DrawingOptions& options,
                                      const Architecture* selection_of) {
    PicturesWritten result;
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0) {
        if (errno != ENOENT || ::mkdir(folder.c_str(), 0755) != 0) {
            result.error = "cannot create the folder '" + folder + "': " + reason(errno);
            return result;
        }
    } else if (!S_ISDIR(st.st_mode)) {
        result.error = "'" + folder + "' is not a folder";
        return result;
    }
    DrawingOptions plain = options;
    plain.selection = nullptr;
    for (Architecture* architecture : design_diagrams(design)) {
        if (architecture->entity == nullptr) continue;
        std::string path = folder + "/" + picture_file_name(*architecture->entity, *architecture);
        const DrawingOptions& used = architecture == selection_of ? options : plain;
        if (!write_picture_file(path, block_diagram_svg(*architecture, used), &result.error))
            return result;
        result.files.push_back(path);
    }
    return result;
}

} // namespace zeph
