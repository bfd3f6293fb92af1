#pragma once
// The game's host on the desktop: message boxes, questions, waiting with events, sound.
#include <QObject>
#include <QStringList>
#include <functional>

#include "state/Host.h"

namespace kv {

class QtHost : public GameHost {
public:
    void AppendOutputLine(const std::string& line) override;
    void ShowNotice(const std::string& text, long buttons, bool ownDialog) override;
    int AskQuestion(const std::string& prompt, long buttons, bool ownDialog) override;
    void Wait(double seconds) override;
    int ShowErrorReport(const std::string& text) override;
    void CenterMouse() override;

    // Receives every line appended to the message log.
    std::function<void(const QString&)> onOutputLine;
    QStringList outputLines;
};

}  // namespace kv
