#include "scores/Winsock.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <map>

#include "platform/Codepage.h"

namespace kv {
namespace {

constexpr int kPollMs = 10;
constexpr int kTimedOut = 10060;

const std::map<int, const char*>& Sentences() {
    static const std::map<int, const char*> table = {
        {10004, "A blocking Windows Socket 1.1 call was canceled through WSACancelBlockingCall."},
        {10013, "Permission denied."},
        {10014, "The name parameter is not a valid part of the user address space."},
        {10022, "Invalid argument."},
        {10024, "Too many open files."},
        {10035, "Resource temporarily unavailable."},
        {10036,
         "A blocking Windows Sockets 1.1 call is in progress, or the service provider is still "
         "processing a callback function."},
        {10037, "Operation already in progress."},
        {10038, "Socket operation on nonsocket."},
        {10039, "Destination address required."},
        {10040, "Message too long."},
        {10041, "Protocol wrong type for socket."},
        {10042, "Bad protocol option."},
        {10043, "Protocol not supported."},
        {10044, "Socket type not supported."},
        {10045, "Operation not supported."},
        {10046, "Protocol family not supported."},
        {10047, "Address family not supported by protocol family."},
        {10048, "Address already in use."},
        {10049, "Cannot assign requested address."},
        {10050, "Network is down."},
        {10051, "Network is unreachable."},
        {10052, "Network dropped connection on reset."},
        {10053, "Software caused connection abort."},
        {10054, "Connection reset by peer."},
        {10055, "No buffer space available."},
        {10056, "Socket is already connected."},
        {10057, "Socket is not connected."},
        {10058, "Cannot send after socket shutdown."},
        {10060, "Connection timed out."},
        {10061, "Connection refused."},
        {10064, "Host is down."},
        {10065, "No route to host."},
        {10067, "Too many processes."},
        {10091, "Network subsystem is unavailable."},
        {10092, "Winsock.dll version out of range."},
        {10093, "A successful WinsockInit call must occur before using this function."},
        {10101, "Graceful shutdown in progress."},
        {10107, "System call failure."},
        {10109, "Class type not found."},
        {11001, "Authoritative answer host not found."},
        {11002, "Nonauthoritative host not found, or server failure."},
        {11003, "A nonrecoverable error occurred."},
        {11004, "Valid name, no data record of requested type."},
    };
    return table;
}

double SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

int SystemResolver(const std::string& host, HostEntry& entry) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    const int rc = ::getaddrinfo(host.c_str(), nullptr, &hints, &list);
    if (rc != 0) return rc;
    entry.name = host;
    for (const addrinfo* a = list; a; a = a->ai_next)
        if (a->ai_family == AF_INET && a->ai_addr)
            entry.addresses.push_back(reinterpret_cast<const sockaddr_in*>(a->ai_addr)->sin_addr.s_addr);
    ::freeaddrinfo(list);
    return 0;
}

// -1 waits without limit; any other negative time-out does not wait.
double Limit(double timeout) { return timeout == -1 ? -1 : std::max(0.0, timeout); }

}  // namespace

std::string WinsockErrorSentence(int code) {
    auto it = Sentences().find(code);
    return it == Sentences().end() ? std::string() : it->second;
}

int WinsockCodeFromErrno(int err) {
    switch (err) {
        case EINTR: return 10004;
        case EACCES:
        case EPERM: return 10013;
        case EFAULT: return 10014;
        case EINVAL: return 10022;
        case EMFILE:
        case ENFILE: return 10024;
        case EAGAIN: return 10035;
        case EINPROGRESS: return 10036;
        case EALREADY: return 10037;
        case ENOTSOCK:
        case EBADF: return 10038;
        case EDESTADDRREQ: return 10039;
        case EMSGSIZE: return 10040;
        case EPROTOTYPE: return 10041;
        case ENOPROTOOPT: return 10042;
        case EPROTONOSUPPORT: return 10043;
        case ESOCKTNOSUPPORT: return 10044;
        case EOPNOTSUPP: return 10045;
        case EPFNOSUPPORT: return 10046;
        case EAFNOSUPPORT: return 10047;
        case EADDRINUSE: return 10048;
        case EADDRNOTAVAIL: return 10049;
        case ENETDOWN: return 10050;
        case ENETUNREACH: return 10051;
        case ENETRESET: return 10052;
        case ECONNABORTED: return 10053;
        // Our side never shuts down first, so a broken pipe means the server went away.
        case ECONNRESET:
        case EPIPE: return 10054;
        case ENOBUFS:
        case ENOMEM: return 10055;
        case EISCONN: return 10056;
        case ENOTCONN: return 10057;
        case ESHUTDOWN: return 10058;
        case ETIMEDOUT: return kTimedOut;
        case ECONNREFUSED: return 10061;
        case EHOSTDOWN: return 10064;
        case EHOSTUNREACH: return 10065;
        default: return 10107;
    }
}

int WinsockCodeFromResolver(int eaiError, int err) {
    switch (eaiError) {
        case EAI_NONAME: return 11001;
        case EAI_AGAIN: return 11002;
        case EAI_FAIL: return 11003;
#ifdef EAI_NODATA
        case EAI_NODATA: return 11004;
#endif
#ifdef EAI_ADDRFAMILY
        case EAI_ADDRFAMILY: return 11004;
#endif
        case EAI_MEMORY: return 10055;
        case EAI_FAMILY: return 10047;
        case EAI_SOCKTYPE: return 10044;
        case EAI_SERVICE: return 10109;
        case EAI_BADFLAGS: return 10022;
        case EAI_SYSTEM: return WinsockCodeFromErrno(err);
        default: return 10107;
    }
}

Winsock::Winsock() : resolver_(SystemResolver), clock_(SteadySeconds) {}

std::string Winsock::WinsockInit(int /*version*/) { return ""; }
std::string Winsock::WinsockCleanup() { return ""; }

void Winsock::SetWinsockError(int code) {
    WinsockErrorCode = code;
    WinsockErrorMessage = code == 0 ? std::string() : WinsockErrorText(code);
}

std::string Winsock::WinsockErrorText(int code) {
    std::string sentence = WinsockErrorSentence(code);
    if (sentence.empty() && notice_) notice_("Unknown error " + std::to_string(code - 10000));
    return sentence;
}

HostEntry Winsock::ResolveHost(const std::string& host) {
    HostEntry entry;
    errno = 0;
    const int rc = resolver_ ? resolver_(host, entry) : EAI_FAIL;
    if (rc != 0) {
        SetWinsockError(WinsockCodeFromResolver(rc, errno));
        return HostEntry{};
    }
    if (entry.addresses.empty()) SetWinsockError(11004);
    return entry;
}

std::optional<uint32_t> Winsock::FirstHostAddress(const HostEntry& entry) {
    if (entry.addresses.empty()) return std::nullopt;
    return entry.addresses.front();
}

int Winsock::CreateSocket(int family, int type, int protocol) {
    const int sock = ::socket(family, type | SOCK_NONBLOCK | SOCK_CLOEXEC, protocol);
    if (sock < 0) StoreErrno(errno);
    return sock;
}

int Winsock::Ready(int sock, short events, int waitMs) {
    if (sock < 0) {
        SetWinsockError(10038);
        return -1;
    }
    pollfd p{sock, events, 0};
    const int r = ::poll(&p, 1, waitMs);
    if (r < 0) {
        if (errno == EINTR) return 0;
        StoreErrno(errno);
        return -1;
    }
    if (r == 0) return 0;
    if (p.revents & POLLNVAL) {
        SetWinsockError(10038);
        return -1;
    }
    return (p.revents & (events | POLLHUP | POLLERR)) ? 1 : 0;
}

int Winsock::WaitReady(int sock, short events, double start, double timeout) {
    for (bool first = true;; first = false) {
        const int r = Ready(sock, events, first ? 0 : kPollMs);
        if (r != 0) return r;
        if (timeout >= 0 && clock_() - start >= timeout) return 0;
        if (pump_) pump_();
    }
}

bool Winsock::IsReadable(int sock) { return Ready(sock, POLLIN, 0) > 0; }
bool Winsock::IsWritable(int sock) { return Ready(sock, POLLOUT, 0) > 0; }

int Winsock::ConnectToHost(std::string& host, int port, double timeout) {
    if (host.empty()) host = LocalHostName();
    const std::optional<uint32_t> address = FirstHostAddress(ResolveHost(host));
    if (!address) return -1;
    const int sock = CreateSocket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (sock < 0) return -1;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(port));
    to.sin_addr.s_addr = *address;
    int err = 0;
    if (::connect(sock, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0) {
        err = errno;
        if (err == EINPROGRESS || err == EINTR) {
            const int r = WaitReady(sock, POLLOUT, clock_(), Limit(timeout));
            if (r < 0) {
                ::close(sock);
                return -1;
            }
            socklen_t len = sizeof err;
            if (r == 0)
                err = ETIMEDOUT;
            else if (::getsockopt(sock, SOL_SOCKET, SO_ERROR, &err, &len) < 0)
                err = errno;
        }
    }
    if (err != 0) {
        StoreErrno(err);
        ::close(sock);
        return -1;
    }
    return sock;
}

int Winsock::SocketSend(int sock, const std::string& text, double timeout) {
    if (text.empty()) return -1;
    const std::string bytes = Utf8ToCp1252(text);
    const double start = clock_();
    const double limit = Limit(timeout);
    size_t done = 0;
    while (done < bytes.size()) {
        const int r = WaitReady(sock, POLLOUT, start, limit);
        if (r < 0) return -1;
        if (r == 0) {
            SetWinsockError(kTimedOut);
            return -1;
        }
        const ssize_t n = ::send(sock, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            StoreErrno(errno);
            return -1;
        }
    }
    return static_cast<int>(bytes.size());
}

int Winsock::SocketReceive(int sock, std::string& reply, double timeout, const ReplyEnd& replyEnd) {
    const double start = clock_();
    const double limit = Limit(timeout);
    std::string got;
    char buffer[8192];
    bool failed = false;
    while (got.size() < kMaxReply) {
        const int r = WaitReady(sock, POLLIN, start, limit);
        if (r < 0) {
            failed = true;
            break;
        }
        if (r == 0) {
            if (got.empty()) SetWinsockError(kTimedOut);
            failed = true;
            break;
        }
        const ssize_t n = ::recv(sock, buffer, std::min(sizeof buffer, kMaxReply - got.size()), MSG_DONTWAIT);
        if (n > 0) {
            got.append(buffer, static_cast<size_t>(n));
            if (replyEnd && replyEnd(got)) break;
        } else if (n == 0) {
            break;  // the server closed the connection: the reply is whole
        } else if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
            if (limit >= 0 && clock_() - start >= limit) {
                if (got.empty()) SetWinsockError(kTimedOut);
                failed = true;
                break;
            }
        } else {
            StoreErrno(errno);
            failed = true;
            break;
        }
    }
    if (got.empty()) return failed ? -1 : 0;
    reply = Cp1252ToUtf8(got);
    return static_cast<int>(got.size());
}

bool Winsock::SocketClose(int sock) { return sock >= 0 && ::close(sock) == 0; }

std::string Winsock::LocalHostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "";
    return name;
}

int16_t Winsock::UnsignedToInteger(int value) {
    const int low = value & 0xFFFF;
    return static_cast<int16_t>(low > 32767 ? low - 65536 : low);
}

}  // namespace kv
