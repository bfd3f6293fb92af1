#include "scores/HTML.h"

#include "platform/Codepage.h"
#include "platform/Strings.h"

namespace kv {
namespace {

constexpr std::string_view kSafe = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.-*_";
constexpr std::string_view kUrlSafe = ":/?&@+";

}  // namespace

std::string URLEncode(std::string_view text, bool spaceAsPlus, bool strict) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const bool keepUrl = !strict && text.find("://") != std::string_view::npos;
    const std::string bytes = Utf8ToCp1252(text);
    std::string out;
    out.reserve(bytes.size() * 3);
    for (char c : bytes) {
        if (kSafe.find(c) != std::string_view::npos || (keepUrl && kUrlSafe.find(c) != std::string_view::npos)) {
            out += c;
        } else if (c == ' ' && spaceAsPlus) {
            out += '+';
        } else {
            const auto code = static_cast<unsigned char>(c);
            out += '%';
            out += kHex[code / 16];
            out += kHex[code % 16];
        }
    }
    return out;
}

bool OpenURL(std::string url, const std::function<bool(const std::string&)>& openInBrowser) {
    if (url.find("://") == std::string::npos) url = "http://" + url;
    return openInBrowser && openInBrowser(url);
}

std::string BuildHTTPPost(const std::string& url, const std::string& body, const std::string& userAgent) {
    const size_t scheme = url.find("://");
    if (scheme == std::string::npos) return "";
    const size_t hostStart = scheme + 3;
    const size_t slash = url.find('/', hostStart);
    if (slash == std::string::npos) return "";
    const std::string host = url.substr(hostStart, slash - hostStart);
    if (host.empty()) return "";
    const std::string path = url.substr(slash);
    return "POST " + path + " HTTP/1.0\n" + "User-Agent: " + userAgent + "\n" + "Host: " + host + "\n" +
           "Accept: */*\n" + "Content-type: application/x-www-form-urlencoded\n" +
           "Content-length: " + std::to_string(CharCount(body)) + "\n" + "\n" + body + "\n";
}

std::string HTMLEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default:
                if (code < 0x20 || code == 0x7F)
                    out += "&#" + std::to_string(code) + ";";
                else
                    out += c;
        }
    }
    return out;
}

}  // namespace kv
