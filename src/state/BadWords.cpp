#include "state/BadWords.h"

#include <algorithm>
#include <cctype>

namespace kv {
namespace {

std::string UpperCase(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

}  // namespace

void BadWordList::AddBadWord(const std::string& word) {
    if (!word.empty()) words_.push_back(UpperCase(word));
}

void BadWordList::LoadDefaultBadWords() {
    for (const char* w : {"damn", "hell", "ass", "fuck", "cock", "bitch", "pussy", "fag", "a$$", "c()ck", "pu$$y"})
        AddBadWord(w);
    loaded_ = true;
}

}  // namespace kv
