#pragma once
// A game context for tests: in-memory settings, a scripted or constant generator and a host
// that records what the engine asked of the windows.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"
#include "state/Game.h"

namespace kv::test {

class RecordingHost : public GameHost {
public:
    void AppendOutputLine(const std::string& line) override { output.push_back(line); events.push_back("log:" + line); }
    void ShowNotice(const std::string& text, long, bool) override { notices.push_back(text); events.push_back("notice:" + text); }
    int AskQuestion(const std::string& prompt, long, bool) override {
        questions.push_back(prompt);
        events.push_back("ask:" + prompt);
        if (answers.empty()) return kYes;
        int a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    bool ShowNote(const std::string& text) override { events.push_back("note:" + text); return true; }
    void AddBackgroundLine(const std::string& text) override { events.push_back("background:" + text); }
    void PlaySoundFile(const std::string& path, int) override { sounds.push_back(path); events.push_back("sound:" + path); }
    void Wait(double seconds) override { waited += seconds; events.push_back("wait"); }
    int ShowErrorReport(const std::string& text) override { errors.push_back(text); events.push_back("error:" + text); return kIgnore; }
    void SetFormsEnabled(bool enabled) override { events.push_back(enabled ? "enable" : "disable"); }
    void Refresh(const std::string& what) override { events.push_back("refresh:" + what); }

    std::vector<std::string> output, notices, questions, sounds, errors, events;
    std::vector<int> answers;
    double waited = 0;
};

// Owns everything a Game refers to. Texts default to "<key>" so a test can see which key was used.
struct TestGame {
    explicit TestGame(Random& r) : rng(&r), game(r, settings, host) { UseKeyTexts(); }
    void UseKeyTexts(std::map<std::string, std::string> extra = {}) {
        keyTexts = true;
        texts = std::move(extra);
        Apply();
    }
    void UseTexts(std::map<std::string, std::string> t) {
        keyTexts = false;
        texts = std::move(t);
        Apply();
    }

    MemorySettingsStore settings;
    RecordingHost host;
    Random* rng;
    Game game;

private:
    void Apply();
    bool keyTexts = true;
    std::map<std::string, std::string> texts;
};

}  // namespace kv::test
