#include "screens/main/LostShip.h"

#include "platform/Files.h"
#include "state/Numeric.h"

namespace kv {

std::vector<std::string> LostShipFrameFiles(const std::string& folder) {
    const std::vector<std::string> matching = ListFiles(folder, "ship??.*");
    std::vector<std::string> frames(matching.size() + 1);
    if (matching.empty()) return frames;
    // The suffix of the first file found, from its last dot: ".png", ".jpeg", ".JPEG".
    const std::string& first = matching.front();
    const size_t dot = first.rfind('.');
    const std::string suffix = dot == std::string::npos ? std::string() : first.substr(dot);
    for (size_t i = 1; i < frames.size(); ++i) {
        const std::string number = (i < 10 ? "0" : "") + std::to_string(i);
        frames[i] = FindFile(folder, "SHIP" + number + suffix);
    }
    return frames;
}

std::vector<ShipStar> LostShipStars(Game& g, int width, int height) {
    std::vector<ShipStar> stars(100);
    for (ShipStar& s : stars) {
        s.x = static_cast<int>(g.cosmetic.Rnd() * static_cast<float>(width));
        s.y = static_cast<int>(g.cosmetic.Rnd() * static_cast<float>(height));
        s.colour = static_cast<int>(Int(g.cosmetic.Rnd() + 0.5)) + 14;
    }
    return stars;
}

LostShipTick LostShipTimerTick(Game& g, LostShipAnimation& a, int n) {
    LostShipTick tick;
    if (a.frame <= n) {
        ++a.frame;
        if (a.frame <= n) {
            if (a.frame == 1) tick.hide.push_back(n);
            tick.show = a.frame;
            tick.hide.push_back(a.frame - 1);
            tick.interval = a.designInterval;
        } else {
            tick.interval = kShipLastFrameMs;  // the last frame stays a second
        }
        return tick;
    }
    a.frame = 0;
    tick.interval = a.designInterval;
    tick.notice = true;
    g.SetTimer(Timer::frmShip_tmrAnimation, false);
    MessageBox(g, -1, g.Text("SHIP0001"));
    g.host.HideForm(Form::frmShip);
    return tick;
}

}  // namespace kv
