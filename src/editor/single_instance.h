// The single-instance hand-over: the running zped listens on a Unix domain socket in the user's
// runtime directory; a second zped hands it the absolute file names and ends. A socket left by a
// killed instance is noticed (nobody answers) and replaced.
#pragma once

#include <string>
#include <vector>

namespace zped {

// $XDG_RUNTIME_DIR/zped.sock, or /tmp/zped-<uid>.sock without a runtime directory.
std::string instance_socket_path();

class InstanceServer {
  public:
    InstanceServer() = default;
    ~InstanceServer();
    InstanceServer(const InstanceServer&) = delete;
    InstanceServer& operator=(const InstanceServer&) = delete;

    // Becomes the listening instance. False when another live instance listens there (or the
    // socket cannot be made).
    bool listen(const std::string& path);
    bool listening() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // Takes the hand-overs that have arrived, without waiting: one entry per file name; an
    // empty entry asks only to come to the front.
    std::vector<std::string> take_requests();

  private:
    int fd_ = -1;
    std::string path_;
};

enum class HandOver { Done, NoInstance, Failed };

// Gives the file names (absolute) to the running instance; with no names it is only told to
// come to the front.
HandOver hand_over(const std::string& path, const std::vector<std::string>& absolute_names);

} // namespace zped
