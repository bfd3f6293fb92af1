#pragma once
// Text services of the high-score submission: form and URL encoding, opening a page in the
// browser and the text of an HTTP/1.0 form post. (The cleaning of the player's comment lives
// with the refused words, in state/BadWords.h.)
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// Percent-encodes the text's Windows-1252 bytes. Letters, digits and ".-*_" stay as they are;
// a space becomes "+" when `spaceAsPlus` is set, else "%20"; everything else becomes "%XX".
// A text holding "://" also keeps ":/?&@+" so that a whole URL keeps its structure, unless
// `strict` is set: form values are always encoded strictly, since a raw "&" or "+" in one
// would split or change the record.
std::string URLEncode(std::string_view text, bool spaceAsPlus, bool strict = false);

// Opens a web page in the desktop's browser through `openInBrowser` (which the window side
// provides); "http://" goes in front of a URL without a scheme. True when the browser started.
bool OpenURL(std::string url, const std::function<bool(const std::string&)>& openInBrowser);

// The request text of an HTTP/1.0 form post to `url` ("scheme://host/path"), lines ended by a
// line feed; "" when the URL has no host part followed by a path.
std::string BuildHTTPPost(const std::string& url, const std::string& body, const std::string& userAgent);

// The text with "&", "<", ">", '"' and control characters written as HTML character
// references, fit for an attribute value.
std::string HTMLEscape(std::string_view text);

}  // namespace kv
