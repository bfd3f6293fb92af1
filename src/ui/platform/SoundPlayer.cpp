#include "ui/platform/SoundPlayer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#ifdef KESTRAVA_HAVE_MULTIMEDIA
#include <QCoreApplication>
#include <QSoundEffect>
#include <QUrl>
#endif

namespace kv {
namespace {

constexpr int kAsync = 1;
constexpr int kNoStop = 16;
constexpr qint64 kLongestWaitMs = 10000;
// A sound asked to play may take a moment to report that it plays.
constexpr qint64 kStartGraceMs = 50;

#ifdef KESTRAVA_HAVE_MULTIMEDIA
class EffectChannel : public SoundChannel {
public:
    explicit EffectChannel(const std::string& path) {
        effect_.setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    void Play() override { effect_.play(); }
    void Stop() override { effect_.stop(); }
    bool IsPlaying() const override { return effect_.isPlaying(); }
    bool IsLoading() const override { return effect_.status() == QSoundEffect::Loading; }
    bool Failed() const override { return effect_.status() == QSoundEffect::Error; }

private:
    QSoundEffect effect_;
};
#endif

std::unique_ptr<SoundChannel> DesktopChannel([[maybe_unused]] const std::string& path) {
#ifdef KESTRAVA_HAVE_MULTIMEDIA
    return std::make_unique<EffectChannel>(path);
#else
    return nullptr;
#endif
}

// Windows repaint and timers tick while a sound plays to its end; the player's input to the
// game windows meanwhile is dropped by the host's busy guard, not kept for later.
void RunEventsBriefly() {
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

SoundPlayer::SoundPlayer() : SoundPlayer(DesktopChannel, RunEventsBriefly) {}

SoundPlayer::SoundPlayer(ChannelMaker make, Pump pump) : make_(std::move(make)), pump_(std::move(pump)) {}

void SoundPlayer::Play(const std::string& path, int flags) {
    bool playing = false;
    for (const auto& [name, channel] : channels_) playing = playing || channel->IsPlaying();
    if (playing && (flags & kNoStop)) return;
    for (const auto& [name, channel] : channels_) channel->Stop();

    auto& channel = channels_[path];
    if (!channel) channel = make_(path);
    if (!channel) {
        channels_.erase(path);
        return;
    }
    channel->Play();
    if (flags & kAsync) return;

    // Played to the end before the call returns.
    QElapsedTimer clock;
    clock.start();
    bool started = false;
    while (!channel->Failed() && clock.elapsed() < kLongestWaitMs) {
        const bool busy = channel->IsLoading() || channel->IsPlaying();
        started = started || busy;
        if (!busy && (started || clock.elapsed() >= kStartGraceMs)) break;
        pump_();
    }
}

}  // namespace kv
