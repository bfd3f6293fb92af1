#pragma once
// A one-connection TCP server on 127.0.0.1 (on a port the system picks) that plays a script on
// a thread of its own, and a resolver that knows only the test hosts. Every wait is bounded,
// so a script that is not reached ends by itself.
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

#include "scores/Winsock.h"

namespace kv::test {

class ScriptedServer {
public:
    using Script = std::function<void(int connection)>;

    explicit ScriptedServer(Script script) {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = 0;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(listener_, 1);
        socklen_t len = sizeof addr;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this, script = std::move(script)] {
            pollfd p{listener_, POLLIN, 0};
            if (::poll(&p, 1, 10000) <= 0) return;
            const int connection = ::accept(listener_, nullptr, nullptr);
            if (connection < 0) return;
            script(connection);
            ::close(connection);
        });
    }
    ~ScriptedServer() {
        Join();
        ::close(listener_);
    }
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    int Port() const { return port_; }
    // Waits until the script has ended (what it recorded may then be read).
    void Join() {
        if (thread_.joinable()) thread_.join();
    }

    // Reads until `end` has arrived (returned with it), the peer closes or the wait runs out.
    static std::string ReadUntil(int fd, std::string_view end, int timeoutMs = 5000) {
        std::string got;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (end.empty() || got.find(end) == std::string::npos) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
                    .count();
            if (left <= 0) break;
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left)) <= 0) break;
            char buffer[4096];
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            got.append(buffer, static_cast<size_t>(n));
        }
        return got;
    }
    // Reads until the peer closes (or the wait runs out).
    static std::string ReadToClose(int fd, int timeoutMs = 5000) { return ReadUntil(fd, "", timeoutMs); }
    static void SendAll(int fd, std::string_view data) {
        while (!data.empty()) {
            const ssize_t n = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
            if (n <= 0) return;
            data.remove_prefix(static_cast<size_t>(n));
        }
    }
    static void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

private:
    int listener_ = -1;
    int port_ = 0;
    std::thread thread_;
};

// A port on 127.0.0.1 that is taken but not listened on: connecting to it is refused.
class RefusingPort {
public:
    RefusingPort() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        socklen_t len = sizeof addr;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
    }
    ~RefusingPort() { ::close(fd_); }
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;
    int Port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

// Resolves "scores.test" and "mail.test" to 127.0.0.1; every other name is unknown.
inline Winsock::Resolver TestResolver() {
    return [](const std::string& host, HostEntry& entry) {
        if (host != "scores.test" && host != "mail.test") return EAI_NONAME;
        entry.name = host;
        entry.addresses.push_back(htonl(INADDR_LOOPBACK));
        return 0;
    };
}

}  // namespace kv::test
