#include "state/Game.h"

#include "platform/Files.h"

namespace kv {

Game::Game(Random& r, SettingsStore& s, GameHost& h, const std::string& languagePath)
    : rng(r), settings(s), host(h), lang(s, languagePath) {
    st.LanguagePath = languagePath;
}

void PrintOutput(Game& g, const std::string& text) {
    const std::string& nl = g.st.NewLine;
    size_t pos = 0;
    while (true) {
        size_t next = text.find(nl, pos);
        if (next == std::string::npos) {
            g.host.AppendOutputLine(text.substr(pos));
            break;
        }
        g.host.AppendOutputLine(text.substr(pos, next - pos));
        pos = next + nl.size();
    }
}

void MessageBox(Game& g, int slot, const std::string& text, long buttons) {
    if (slot >= 0 && slot <= 50 && g.MessageSuppressed[slot]) {
        PrintOutput(g, text);
        return;
    }
    g.host.ShowNotice(text, buttons, buttons < kSystemModal && g.UseQuietDialogs);
}

int MessageQuery(Game& g, int slot, const std::string& prompt, long buttons) {
    if (slot >= 0 && slot <= 50 && g.MessageSuppressed[slot]) return 0;
    return g.host.AskQuestion(prompt, buttons, buttons < kSystemModal && g.UseQuietDialogs);
}

bool ShowMessage(Game& g, const std::string& text) { return g.host.ShowNote(text); }

void AddBackgroundLine(Game& g, const std::string& text) { g.host.AddBackgroundLine(text); }

void PlaySound(Game& g, const std::string& file, int flags) {
    if (!g.st.SoundOn || g.st.WaveDevicePresent < 1 || file.empty()) return;
    std::string path = FindFile(g.st.SoundsPath, file);
    if (path.empty()) return;
    g.host.PlaySoundFile(path, flags);
}

void Pause(Game& g, double seconds) {
    double s = seconds * g.st.SpeedFactor;
    if (s > 0) g.host.Wait(s);
}

void ReportError(Game& g, int number, const std::string& source, const std::string& step) {
    g.st.ErrorReported = kTrue;
    PlaySound(g, "ERROR.WAV");
    std::string text = g.Text("KVMAIN0001") + " " + std::to_string(number) + g.st.NewLine +
                       g.Text("KVMAIN0002") + " " + source + g.st.NewLine + g.Text("KVMAIN0003") +
                       " " + (step.empty() ? std::string("<none> ") : step);
    g.host.ShowErrorReport(text);
}

void SetFormsEnabled(Game& g, bool enabled) { g.host.SetFormsEnabled(enabled); }

}  // namespace kv
