#pragma once
// The desktop's sound player: one channel per sound file, loaded on first use and kept. The
// flags are those of the engine's sound port: 1 returns at once while the sound plays, else the
// call waits until it has ended (ten seconds at most); 16 leaves a sound that is already playing
// alone, and the new one is then not played; without 16 a new sound cuts off the one playing.
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace kv {

// One sound file, ready to be played again and again.
class SoundChannel {
public:
    virtual ~SoundChannel() = default;
    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual bool IsPlaying() const = 0;
    // Still reading the file (a play asked for meanwhile starts once it is read).
    virtual bool IsLoading() const = 0;
    // The file cannot be played: nothing waits for it.
    virtual bool Failed() const = 0;
};

class SoundPlayer {
public:
    // Makes the channel of a file; nullptr when sounds cannot be played at all.
    using ChannelMaker = std::function<std::unique_ptr<SoundChannel>(const std::string& path)>;
    // Lets the program go on for a short while (window events, the sound's own progress).
    using Pump = std::function<void()>;

    // The desktop's own channels (none without the multimedia library) and a pump that runs
    // window events for 20 ms, keeping the player's clicks and keys for later.
    SoundPlayer();
    SoundPlayer(ChannelMaker make, Pump pump);

    void Play(const std::string& path, int flags);

private:
    ChannelMaker make_;
    Pump pump_;
    std::map<std::string, std::unique_ptr<SoundChannel>> channels_;
};

}  // namespace kv
