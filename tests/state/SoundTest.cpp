#include <gtest/gtest.h>

#include "support/TurnTestSupport.h"

namespace kv {
namespace {

TEST(PlaySound, PlaysOnlyWithSoundOnADeviceAndAFile) {
    ConstantRandom rng(0.5f);
    test::TurnGame tg(rng);  // SOUNDS holds RED.WAV, YELLOW.WAV and SHIELDDN.WAV
    const std::string dir = tg.game.st.SoundsPath;
    PlaySound(tg.game, "red.wav");
    PlaySound(tg.game, "SHIELDDN.WAV", 16);  // the caller's flags go through unchanged
    PlaySound(tg.game, "YELLOW.WAV", 0);
    PlaySound(tg.game, "MISSING.WAV");  // no file: nothing, and nothing reported
    PlaySound(tg.game, "");
    tg.game.st.SoundOn = kFalse;
    PlaySound(tg.game, "RED.WAV");
    tg.game.st.SoundOn = kTrue;
    tg.game.st.WaveDevicePresent = 0;
    PlaySound(tg.game, "RED.WAV");
    EXPECT_EQ(tg.host.sounds, (std::vector<std::string>{dir + "RED.WAV", dir + "SHIELDDN.WAV", dir + "YELLOW.WAV"}));
    EXPECT_EQ(tg.host.soundFlags, (std::vector<int>{1, 16, 0}));  // without flags: at once, not waiting
    EXPECT_TRUE(tg.host.errors.empty());
    EXPECT_TRUE(tg.host.notices.empty());
}

TEST(DetectSound, CountsTheDevicesOnceAtStart) {
    ConstantRandom rng(0.5f);
    test::TurnGame tg(rng);
    tg.host.soundDevices = 0;
    DetectSound(tg.game);
    EXPECT_EQ(tg.game.st.WaveDevicePresent, 0);
    tg.host.soundDevices = 2;  // a device that turns up later is not used
    PlaySound(tg.game, "RED.WAV");
    EXPECT_TRUE(tg.host.sounds.empty());
    DetectSound(tg.game);
    EXPECT_EQ(tg.game.st.WaveDevicePresent, 2);
}

}  // namespace
}  // namespace kv
