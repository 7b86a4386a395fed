// The single-instance hand-over between two real processes over the Unix domain socket, and
// start-up past the socket a killed instance left behind.
#include "editor/single_instance.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zped {
namespace {

// Runs hand_over in a child process; returns its pid. Exit status 0: Done, 1: NoInstance.
pid_t hand_over_in_child(const std::string& path, const std::vector<std::string>& names) {
    pid_t pid = fork();
    if (pid == 0) {
        HandOver result = hand_over(path, names);
        _exit(result == HandOver::Done ? 0 : result == HandOver::NoInstance ? 1 : 2);
    }
    return pid;
}

int exit_status(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> wait_for_requests(InstanceServer& server, std::size_t count) {
    std::vector<std::string> got;
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (got.size() < count && std::chrono::steady_clock::now() < until) {
        pollfd p{server.fd(), POLLIN, 0};
        poll(&p, 1, 100);
        for (std::string& name : server.take_requests())
            got.push_back(std::move(name));
    }
    return got;
}

TEST(ZpedSingleInstance, ASecondProcessHandsItsFilesToTheRunningOne) {
    test::TempDir dir;
    std::string path = dir.file("zped.sock");
    InstanceServer server;
    ASSERT_TRUE(server.listen(path));
    pid_t child = hand_over_in_child(path, {"/work/a.vhd", "/work/b c.vhd"});
    EXPECT_EQ(wait_for_requests(server, 2),
              (std::vector<std::string>{"/work/a.vhd", "/work/b c.vhd"}));
    EXPECT_EQ(exit_status(child), 0);

    child = hand_over_in_child(path, {});
    EXPECT_EQ(wait_for_requests(server, 1), (std::vector<std::string>{""}));
    EXPECT_EQ(exit_status(child), 0);

    InstanceServer second;
    EXPECT_FALSE(second.listen(path)) << "a live instance keeps its socket";
}

TEST(ZpedSingleInstance, AStaleSocketDoesNotBlockStartUp) {
    test::TempDir dir;
    std::string path = dir.file("zped.sock");
    {
        // What a killed instance leaves: a bound socket file nobody listens on.
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
        ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        close(fd);
    }
    EXPECT_EQ(hand_over(path, {"/x.vhd"}), HandOver::NoInstance);
    InstanceServer server;
    EXPECT_TRUE(server.listen(path));
    pid_t child = hand_over_in_child(path, {"/y.vhd"});
    EXPECT_EQ(wait_for_requests(server, 1), (std::vector<std::string>{"/y.vhd"}));
    EXPECT_EQ(exit_status(child), 0);
}

TEST(ZpedSingleInstance, NoInstanceWithoutASocket) {
    test::TempDir dir;
    EXPECT_EQ(hand_over(dir.file("none.sock"), {}), HandOver::NoInstance);
}

} // namespace
} // namespace zped
