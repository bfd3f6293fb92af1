#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/platform/SoundPlayer.h"

namespace kv {
namespace {

// Channels that play for a number of pump rounds, writing what is asked of them into one log.
struct FakeSounds {
    struct Channel : SoundChannel {
        Channel(FakeSounds& o, std::string n) : owner(o), name(std::move(n)) {}
        void Play() override {
            owner.log.push_back("play:" + name);
            left = owner.rounds;
        }
        void Stop() override {
            if (left > 0) owner.log.push_back("cut:" + name);
            left = 0;
        }
        bool IsPlaying() const override { return left > 0; }
        bool IsLoading() const override { return false; }
        bool Failed() const override { return false; }
        FakeSounds& owner;
        std::string name;
        int left = 0;
    };

    std::vector<std::string> log;
    int rounds = 3;  // how long a sound plays
    std::vector<Channel*> channels;

    SoundPlayer Player() {
        return SoundPlayer(
            [this](const std::string& path) {
                auto c = std::make_unique<Channel>(*this, path);
                channels.push_back(c.get());
                return c;
            },
            [this] {
                log.push_back("wait");
                for (Channel* c : channels)
                    if (c->left > 0) --c->left;
            });
    }
};

TEST(SoundPlayer, FlagsDecideWhetherTheCallWaitsAndWhatBecomesOfAPlayingSound) {
    struct Case {
        const char* what;
        int flags;
        std::vector<std::string> log;  // after A was started without waiting
    };
    const Case cases[] = {
        {"0: A is cut off, B is played to its end", 0, {"cut:A", "play:B", "wait", "wait", "wait"}},
        {"1: A is cut off, B plays on after the call", 1, {"cut:A", "play:B"}},
        {"16: A is left alone, B is not played", 16, {}},
        {"17: the same without waiting", 17, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSounds fake;
        SoundPlayer player = fake.Player();
        player.Play("A", 1);
        fake.log.clear();
        player.Play("B", c.flags);
        EXPECT_EQ(fake.log, c.log);
    }
}

TEST(SoundPlayer, WithNothingPlayingEveryFlagPlaysAndAChannelIsKeptPerFile) {
    FakeSounds fake;
    SoundPlayer player = fake.Player();
    player.Play("A", 16);  // nothing playing: 16 plays too, and waits without 1
    EXPECT_EQ(fake.log, (std::vector<std::string>{"play:A", "wait", "wait", "wait"}));
    fake.log.clear();
    player.Play("A", 17);
    player.Play("B", 16);
    EXPECT_EQ(fake.log, (std::vector<std::string>{"play:A"}));
    EXPECT_EQ(fake.channels.size(), 1u);  // A's channel again; B was never made

    // Without sound output nothing is played and nothing waits.
    std::vector<std::string> pumped;
    SoundPlayer silent([](const std::string&) { return nullptr; }, [&] { pumped.push_back("wait"); });
    silent.Play("A", 0);
    EXPECT_TRUE(pumped.empty());
}

}  // namespace
}  // namespace kv
