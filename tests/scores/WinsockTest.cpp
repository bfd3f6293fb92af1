#include <gtest/gtest.h>

#include <fcntl.h>

#include "scores/ScriptedServer.h"
#include "scores/Winsock.h"

namespace kv {
namespace {

using test::ScriptedServer;

// A socket layer that knows the test hosts and counts the event pump's runs.
struct Sockets {
    Sockets() {
        ws.SetResolver(test::TestResolver());
        ws.SetPump([this] { ++pumps; });
        ws.SetNotice([this](const std::string& text) { notices.push_back(text); });
    }
    int Connect(int port) {
        std::string host = "scores.test";
        return ws.ConnectToHost(host, port, 5);
    }
    Winsock ws;
    int pumps = 0;
    std::vector<std::string> notices;
};

TEST(Winsock, ErrorCodesAndTheirSentences) {
    Sockets s;
    s.ws.SetWinsockError(10060);
    EXPECT_EQ(s.ws.LastWinsockError(), "Connection timed out.");
    s.ws.SetWinsockError(11001);
    EXPECT_EQ(s.ws.LastWinsockError(), "Authoritative answer host not found.");
    s.ws.SetWinsockError(0);
    EXPECT_EQ(s.ws.LastWinsockError(), "");
    EXPECT_TRUE(s.notices.empty());
    s.ws.SetWinsockError(10010);
    EXPECT_EQ(s.ws.WinsockErrorCode, 10010);
    EXPECT_EQ(s.ws.LastWinsockError(), "");
    EXPECT_EQ(s.notices, std::vector<std::string>{"Unknown error 10"});

    struct Case {
        int err, code;
    } errnos[] = {{ECONNREFUSED, 10061}, {ETIMEDOUT, 10060},   {ECONNRESET, 10054}, {EPIPE, 10054},
                  {EHOSTUNREACH, 10065}, {ENETUNREACH, 10051}, {EBADF, 10038},      {EMFILE, 10024},
                  {EACCES, 10013},       {EIO, 10107},         {ENOENT, 10107}};
    for (const Case& c : errnos) EXPECT_EQ(WinsockCodeFromErrno(c.err), c.code) << c.err;
    Case resolver[] = {{EAI_NONAME, 11001}, {EAI_AGAIN, 11002},   {EAI_FAIL, 11003},    {EAI_NODATA, 11004},
                       {EAI_MEMORY, 10055}, {EAI_SERVICE, 10109}, {EAI_OVERFLOW, 10107}};
    for (const Case& c : resolver) EXPECT_EQ(WinsockCodeFromResolver(c.err, 0), c.code) << c.err;
    EXPECT_EQ(WinsockCodeFromResolver(EAI_SYSTEM, ECONNREFUSED), 10061);

    EXPECT_EQ(Winsock::UnsignedToInteger(32767), 32767);
    EXPECT_EQ(Winsock::UnsignedToInteger(32768), -32768);
    EXPECT_EQ(Winsock::UnsignedToInteger(65535), -1);
}

TEST(Winsock, ConnectFailuresStoreTheirSentence) {
    Sockets s;
    test::RefusingPort refusing;
    EXPECT_EQ(s.Connect(refusing.Port()), -1);
    EXPECT_EQ(s.ws.WinsockErrorCode, 10061);
    EXPECT_EQ(s.ws.LastWinsockError(), "Connection refused.");

    std::string unknown = "nowhere.invalid";
    EXPECT_EQ(s.ws.ConnectToHost(unknown, 80, 5), -1);
    EXPECT_EQ(s.ws.LastWinsockError(), "Authoritative answer host not found.");

    // A resolver that answers with no address at all.
    s.ws.SetResolver([](const std::string&, HostEntry&) { return 0; });
    std::string empty = "scores.test";
    EXPECT_EQ(s.ws.ConnectToHost(empty, 80, 5), -1);
    EXPECT_EQ(s.ws.WinsockErrorCode, 11004);

    // An empty name stands for this machine.
    std::string asked;
    s.ws.SetResolver([&](const std::string& host, HostEntry&) {
        asked = host;
        return EAI_NONAME;
    });
    std::string local;
    s.ws.ConnectToHost(local, 80, 5);
    EXPECT_EQ(local, Winsock::LocalHostName());
    EXPECT_EQ(asked, local);
    EXPECT_FALSE(local.empty());
}

TEST(Winsock, AConnectionAttemptGivesUpAtItsTimeOut) {
    // A listener whose queue is full drops further attempts unanswered.
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(::listen(listener, 0), 0);
    socklen_t len = sizeof addr;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&addr), &len);
    Sockets s;
    std::vector<int> queued;
    int sock = -1;
    for (int i = 0; i < 4; ++i) {
        std::string host = "scores.test";
        sock = s.ws.ConnectToHost(host, ntohs(addr.sin_port), 0.3);
        if (sock < 0) break;
        queued.push_back(sock);
    }
    EXPECT_EQ(sock, -1);
    EXPECT_EQ(s.ws.LastWinsockError(), "Connection timed out.");
    EXPECT_GT(s.pumps, 5);
    for (int q : queued) s.ws.SocketClose(q);
    ::close(listener);
}

TEST(Winsock, SendingCarriesEveryByteAsWindows1252) {
    std::string received;
    std::string big(3 * 1024 * 1024, 'x');
    big += "\xC3\xA9";        // é
    const int small = 65536;  // small buffers, so that the text cannot go out in one piece
    ScriptedServer server([&](int fd) {
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        ScriptedServer::Sleep(100);  // let the client's buffers fill first
        received = ScriptedServer::ReadToClose(fd, 20000);
    });
    Sockets s;
    const int sock = s.Connect(server.Port());
    ASSERT_GE(sock, 0);
    ::setsockopt(sock, SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
    EXPECT_EQ(s.ws.SocketSend(sock, ""), -1);
    EXPECT_EQ(s.ws.SocketSend(sock, big), static_cast<int>(big.size()) - 1) << s.ws.WinsockErrorCode;
    s.ws.SocketClose(sock);
    server.Join();
    ASSERT_EQ(received.size(), big.size() - 1);
    EXPECT_EQ(received.back(), '\xE9');
    EXPECT_GT(s.pumps, 0);  // the full buffer was waited on with the windows alive
}

TEST(Winsock, AReplyIsReadToItsEndAcrossManyPieces) {
    // Past one 8192-byte read, until the server closes; decoded from Windows-1252.
    std::string long_reply(20000, 'a');
    long_reply += '\xE9';
    ScriptedServer server([&](int fd) {
        ScriptedServer::ReadUntil(fd, "\n");
        ScriptedServer::SendAll(fd, long_reply.substr(0, 100));
        ScriptedServer::Sleep(50);
        ScriptedServer::SendAll(fd, long_reply.substr(100));
    });
    Sockets s;
    const int sock = s.Connect(server.Port());
    ASSERT_GE(sock, 0);
    s.ws.SocketSend(sock, "go\n");
    std::string reply;
    EXPECT_EQ(s.ws.SocketReceive(sock, reply, 5), 20001);
    EXPECT_EQ(reply, std::string(20000, 'a') + "\xC3\xA9");
    s.ws.SocketClose(sock);
}

TEST(Winsock, AReplyStopsAtItsEndMarkOrAt64KiB) {
    ScriptedServer server([&](int fd) {
        ScriptedServer::SendAll(fd, "250-a\r\n");
        ScriptedServer::Sleep(50);
        ScriptedServer::SendAll(fd, "250 ok\r\n");
        ScriptedServer::ReadUntil(fd, "more\n");  // the connection stays open
        ScriptedServer::SendAll(fd, std::string(100000, 'b'));
        ScriptedServer::ReadToClose(fd);
    });
    Sockets s;
    const int sock = s.Connect(server.Port());
    ASSERT_GE(sock, 0);
    std::string reply;
    auto finalLine = [](std::string_view r) {
        return r.size() >= 2 && r.substr(r.size() - 2) == "\r\n" && r.find("250 ") != r.npos;
    };
    EXPECT_EQ(s.ws.SocketReceive(sock, reply, 5, finalLine), 15);
    EXPECT_EQ(reply, "250-a\r\n250 ok\r\n");
    s.ws.SocketSend(sock, "more\n");
    EXPECT_EQ(s.ws.SocketReceive(sock, reply, 5), 65536);
    EXPECT_EQ(reply, std::string(65536, 'b'));
    s.ws.SocketClose(sock);
}

TEST(Winsock, SilenceEndsAtTheTimeOutAndLeavesTheReplyAsItWas) {
    ScriptedServer server([&](int fd) { ScriptedServer::ReadToClose(fd); });
    Sockets s;
    const int sock = s.Connect(server.Port());
    ASSERT_GE(sock, 0);
    std::string reply = "before";
    EXPECT_EQ(s.ws.SocketReceive(sock, reply, 0.2f), -1);
    EXPECT_EQ(reply, "before");
    EXPECT_EQ(s.ws.LastWinsockError(), "Connection timed out.");
    EXPECT_GT(s.pumps, 5);
    EXPECT_EQ(s.ws.SocketReceive(sock, reply, 0), -1);  // no wait at all
    s.ws.SocketClose(sock);
}

TEST(Winsock, AServerThatClosesWithoutAWordGivesZero) {
    ScriptedServer server([&](int) {});
    Sockets s;
    const int sock = s.Connect(server.Port());
    ASSERT_GE(sock, 0);
    std::string reply = "before";
    EXPECT_EQ(s.ws.SocketReceive(sock, reply, 5), 0);
    EXPECT_EQ(reply, "before");
    s.ws.SocketClose(sock);
}

TEST(Winsock, ASocketTheSystemCannotCheckIsAnErrorNotReady) {
    Sockets s;
    const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ::close(fd);  // the number now names nothing
    EXPECT_FALSE(s.ws.IsReadable(fd));
    EXPECT_EQ(s.ws.WinsockErrorCode, 10038);
    EXPECT_FALSE(s.ws.IsWritable(fd));
    std::string reply = "before";
    EXPECT_EQ(s.ws.SocketReceive(fd, reply, 30), -1);
    EXPECT_EQ(s.ws.SocketSend(fd, "x", 30), -1);
    EXPECT_EQ(s.ws.LastWinsockError(), "Socket operation on nonsocket.");
    EXPECT_EQ(s.pumps, 0);  // failed at once instead of waiting
    EXPECT_FALSE(s.ws.SocketClose(-1));
}

TEST(Winsock, AClockReadingNearZeroDoesNotEndTheWait) {
    // Waits measure elapsed time on a monotonic clock: a reading close to zero (the first
    // seconds after midnight on a time-of-day clock) is no reason to stop waiting.
    ScriptedServer server([&](int fd) {
        ScriptedServer::Sleep(100);
        ScriptedServer::SendAll(fd, "late");
        ScriptedServer::ReadToClose(fd);
    });
    Sockets s;
    const int sock = s.Connect(server.Port());
    ASSERT_GE(sock, 0);
    double now = 0.5;
    s.ws.SetClock([&] { return now += 0.001; });
    std::string reply;
    EXPECT_EQ(s.ws.SocketReceive(sock, reply, 30, [](std::string_view r) { return r == "late"; }), 4);
    EXPECT_EQ(reply, "late");
    s.ws.SocketClose(sock);
}

}  // namespace
}  // namespace kv
