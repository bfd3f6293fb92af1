#include "ui/app/DesktopPlatform.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace kv {
namespace {

TEST(DesktopPlatform, WaylandAsksForX11WhenTheDesktopOffersIt) {
    using Env = std::map<std::string, std::string>;
    struct Case {
        const char* what;
        Env env;
        std::optional<std::string> platform;
    };
    const Case cases[] = {
        {"X11 desktop", {{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, std::nullopt},
        {"Wayland with its X11 server", {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}, "xcb;wayland"},
        {"Wayland session named only", {{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":1"}}, "xcb;wayland"},
        {"Wayland without X11", {{"WAYLAND_DISPLAY", "wayland-0"}}, std::nullopt},
        {"empty variables count as unset", {{"WAYLAND_DISPLAY", ""}, {"DISPLAY", ":0"}}, std::nullopt},
        {"the player's own choice",
         {{"WAYLAND_DISPLAY", "w"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}},
         std::nullopt},
        {"nothing at all", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto env = [&](const char* var) -> const char* {
            auto it = c.env.find(var);
            return it == c.env.end() ? nullptr : it->second.c_str();
        };
        EXPECT_EQ(PreferredPlatform(env), c.platform) << c.what;
    }
}

}  // namespace
}  // namespace kv
