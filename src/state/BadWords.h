#pragma once
// The words refused in the player's comments of a high-score record.
#include <string>
#include <vector>

namespace kv {

// The words refused in a player's comment, upper-cased, in the order added. The game owns one
// list for the whole run: start-up adds the Morv's name, the first censoring adds the built-in
// words.
class BadWordList {
public:
    // Appends the word, upper-cased. An empty word is ignored (it would match every text).
    void AddBadWord(const std::string& word);
    // Adds the built-in words once.
    void LoadDefaultBadWords();

    const std::vector<std::string>& BadWords() const { return words_; }
    bool BadWordsLoaded() const { return loaded_; }

private:
    std::vector<std::string> words_;
    bool loaded_ = false;
};

// Masks the first occurrence of each listed word (without regard to ASCII case, inside other
// words too) with as many "*" as the word has characters. Loads the built-in words on first
// use. True when any word was masked.
bool CensorText(BadWordList& list, std::string& text);

// Cleans a comment in place: unless `skipMarkup` is set, removes every "<...>" stretch and
// writes a "<" without a closing ">" as "&lt;" and a lone ">" as "&gt;"; then censors it.
// True only when the text needed no change.
bool CleanUserText(BadWordList& list, std::string& text, bool skipMarkup);

}  // namespace kv
