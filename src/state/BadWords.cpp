#include "state/BadWords.h"

#include "platform/Strings.h"

namespace kv {

void BadWordList::AddBadWord(const std::string& word) {
    if (!word.empty()) words_.push_back(UpperCase(word));
}

void BadWordList::LoadDefaultBadWords() {
    for (const char* w : {"damn", "hell", "ass", "fuck", "cock", "bitch", "pussy", "fag", "a$$", "c()ck", "pu$$y"})
        AddBadWord(w);
    loaded_ = true;
}

}  // namespace kv
