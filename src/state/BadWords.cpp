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

bool CensorText(BadWordList& list, std::string& text) {
    if (!list.BadWordsLoaded()) list.LoadDefaultBadWords();
    if (text.empty()) return false;
    bool masked = false;
    for (const std::string& word : list.BadWords()) {
        const size_t p = UpperCase(text).find(word);
        if (p == std::string::npos) continue;
        text = text.substr(0, p) + std::string(CharCount(word), '*') + text.substr(p + word.size());
        masked = true;
    }
    return masked;
}

bool CleanUserText(BadWordList& list, std::string& text, bool skipMarkup) {
    bool changed = false;
    if (!skipMarkup) {
        for (size_t open; (open = text.find('<')) != std::string::npos; changed = true) {
            const size_t close = text.find('>', open);
            if (close != std::string::npos)
                text.erase(open, close - open + 1);
            else
                text.replace(open, 1, "&lt;");
        }
        for (size_t close; (close = text.find('>')) != std::string::npos; changed = true)
            text.replace(close, 1, "&gt;");
    }
    const bool censored = CensorText(list, text);
    return !changed && !censored;
}

}  // namespace kv
