#pragma once
// Text services of the high-score submission: form and URL encoding, the cleaning of the
// player's comment (markup and refused words), opening a page in the browser and the text of
// an HTTP/1.0 form post.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "state/BadWords.h"

namespace kv {

// Percent-encodes the text's Windows-1252 bytes. Letters, digits and ".-*_" stay as they are;
// a space becomes "+" when `spaceAsPlus` is set, else "%20"; everything else becomes "%XX".
// A text holding "://" also keeps ":/?&@+" so that a whole URL keeps its structure, unless
// `strict` is set: form values are always encoded strictly, since a raw "&" or "+" in one
// would split or change the record.
std::string URLEncode(std::string_view text, bool spaceAsPlus, bool strict = false);

// Masks the first occurrence of each listed word (without regard to ASCII case, inside other
// words too) with as many "*" as the word has characters. Loads the built-in words on first
// use. True when any word was masked.
bool CensorText(BadWordList& list, std::string& text);

// Cleans a comment in place: unless `skipMarkup` is set, removes every "<...>" stretch and
// writes a "<" without a closing ">" as "&lt;" and a lone ">" as "&gt;"; then censors it.
// True only when the text needed no change.
bool CleanUserText(BadWordList& list, std::string& text, bool skipMarkup);

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
