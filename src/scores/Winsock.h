#pragma once
// A small blocking TCP client for the high-score submission (IPv4). Every wait polls the socket
// about every 10 ms and runs the caller's event pump in between, so the windows stay alive.
// Failures are reported by a -1 result and a stored error code with its sentence (the codes of
// the desktop socket service the game was written for); nothing is thrown.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// What the resolver found for a host name: its addresses, IPv4 in network byte order.
struct HostEntry {
    std::string name;
    std::vector<uint32_t> addresses;
};

// The sentence of an error code, or "" for a code outside the table.
std::string WinsockErrorSentence(int code);
// The error code standing for a system error number (errno) or a resolver error (EAI_...);
// 10107 for one without a counterpart.
int WinsockCodeFromErrno(int err);
int WinsockCodeFromResolver(int eaiError, int err);

class Winsock {
public:
    // Looks a host name up: 0 and the entry, or a resolver error code (EAI_...) with `errno`
    // set for EAI_SYSTEM.
    using Resolver = std::function<int(const std::string& host, HostEntry& entry)>;
    // Seconds on a monotonic clock.
    using Clock = std::function<double()>;
    // True when the reply received so far is whole, so reading can stop.
    using ReplyEnd = std::function<bool(std::string_view reply)>;

    Winsock();

    // Runs pending window events; called between polls while a call waits.
    void SetPump(std::function<void()> pump) { pump_ = std::move(pump); }
    void SetResolver(Resolver resolver) { resolver_ = std::move(resolver); }
    void SetClock(Clock clock) { clock_ = std::move(clock); }
    // Shows a notice (the message box for an error code outside the table).
    void SetNotice(std::function<void(const std::string&)> notice) { notice_ = std::move(notice); }

    // Starts and ends the socket service: nothing to do here, so "" (success).
    std::string WinsockInit(int version);
    std::string WinsockCleanup();

    // Connects to host:port; "" stands for this machine (the variable is set to its name).
    // The connection attempt waits at most `timeout` seconds (-1 without limit). The socket,
    // or -1 with the error stored.
    int ConnectToHost(std::string& host, int port, double timeout = -1);
    // Sends the whole text as Windows-1252 (a character outside it becomes "?"), waiting while
    // the connection's buffer is full, at most `timeout` seconds in all. The bytes sent, or -1
    // (an empty text sends nothing and gives -1).
    int SocketSend(int sock, const std::string& text, double timeout = 30);
    // Receives one reply: reads until the server closes, `replyEnd` says the reply is whole,
    // 64 KiB have arrived or `timeout` seconds have passed (-1 without limit, 0 or less: only
    // what is there now). The reply (decoded from Windows-1252) replaces `reply` and its byte
    // count is returned; when nothing arrived `reply` is left as it was and the result is -1
    // ("Connection timed out." or the socket's error stored), or 0 when the server closed
    // without a word.
    int SocketReceive(int sock, std::string& reply, double timeout, const ReplyEnd& replyEnd = {});
    bool SocketClose(int sock);

    std::string LastWinsockError() const { return WinsockErrorMessage; }
    void SetWinsockError(int code);
    // The sentence of a code; a code outside the table shows "Unknown error " and the code
    // less 10000, and gives "".
    std::string WinsockErrorText(int code);

    HostEntry ResolveHost(const std::string& host);
    static std::optional<uint32_t> FirstHostAddress(const HostEntry& entry);
    int CreateSocket(int family, int type, int protocol);
    // Whether the socket can be read or written now. A socket the system refuses to check
    // counts as neither, with the error stored.
    bool IsReadable(int sock);
    bool IsWritable(int sock);
    static std::string LocalHostName();
    // The low 16 bits of a number 0..65535 read as a signed 16-bit value.
    static int16_t UnsignedToInteger(int value);

    int32_t WinsockErrorCode = 0;
    std::string WinsockErrorMessage;

    static constexpr size_t kMaxReply = 64 * 1024;

private:
    // Polls for `events` with a wait of `waitMs`: 1 ready, 0 not yet, -1 error (stored).
    int Ready(int sock, short events, int waitMs);
    // Waits until the socket is ready for `events` or the time-out has passed since `start`.
    int WaitReady(int sock, short events, double start, double timeout);
    void StoreErrno(int err) { SetWinsockError(WinsockCodeFromErrno(err)); }

    std::function<void()> pump_;
    Resolver resolver_;
    Clock clock_;
    std::function<void(const std::string&)> notice_;
};

}  // namespace kv
