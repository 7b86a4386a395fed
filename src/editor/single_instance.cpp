// Unix domain socket hand-over between zped instances. A message is one line per file,
// "1\t<absolute name>\n" (the name empty when no file was named); the listener answers "ok\n"
// once it has taken them.
#include "editor/single_instance.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zped {

namespace {
bool make_address(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

int connect_to(const std::string& path) {
    sockaddr_un address;
    if (!make_address(path, address)) return -1;
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool send_all(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = send(fd, data.data() + done, data.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads until the peer closes its side or `timeout_ms` passes without data.
std::string read_until_closed(int fd, int timeout_ms) {
    std::string data;
    char chunk[4096];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        int ready = poll(&p, 1, timeout_ms);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        ssize_t n = recv(fd, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        data.append(chunk, static_cast<std::size_t>(n));
        if (data.size() > 1 << 20) break;
    }
    return data;
}
} // namespace

std::string instance_socket_path() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return std::string(runtime) + "/zped.sock";
    return "/tmp/zped-" + std::to_string(getuid()) + ".sock";
}

InstanceServer::~InstanceServer() {
    if (fd_ >= 0) {
        close(fd_);
        unlink(path_.c_str());
    }
}

bool InstanceServer::listen(const std::string& path) {
    sockaddr_un address;
    if (!make_address(path, address)) return false;
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        int live = errno == EADDRINUSE ? connect_to(path) : -1;
        if (live >= 0 || errno != ECONNREFUSED) {
            if (live >= 0) close(live);
            close(fd);
            return false;
        }
        // Nobody listens: the socket of an instance that was killed.
        unlink(path.c_str());
        if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            close(fd);
            return false;
        }
    }
    if (::listen(fd, 8) != 0) {
        close(fd);
        unlink(path.c_str());
        return false;
    }
    fd_ = fd;
    path_ = path;
    return true;
}

std::vector<std::string> InstanceServer::take_requests() {
    std::vector<std::string> names;
    if (fd_ < 0) return names;
    for (;;) {
        int client = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) break;
        std::string data = read_until_closed(client, 2000);
        std::size_t pos = 0;
        while (pos < data.size()) {
            std::size_t nl = data.find('\n', pos);
            if (nl == std::string::npos) break;
            std::string line = data.substr(pos, nl - pos);
            pos = nl + 1;
            if (line.size() >= 2 && line[0] == '1' && line[1] == '\t')
                names.push_back(line.substr(2));
        }
        send_all(client, "ok\n");
        close(client);
    }
    return names;
}

HandOver hand_over(const std::string& path, const std::vector<std::string>& absolute_names) {
    int fd = connect_to(path);
    if (fd < 0) return HandOver::NoInstance;
    std::string message;
    if (absolute_names.empty()) message = "1\t\n";
    for (const std::string& name : absolute_names)
        message += "1\t" + name + "\n";
    bool sent = send_all(fd, message);
    shutdown(fd, SHUT_WR);
    std::string reply = sent ? read_until_closed(fd, 10000) : "";
    close(fd);
    return reply == "ok\n" ? HandOver::Done : HandOver::Failed;
}

} // namespace zped
