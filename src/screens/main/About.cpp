#include "screens/main/About.h"

#include <initializer_list>

#include "state/Options.h"
#include "state/Utilities.h"

namespace kv {

namespace {

// Who made the game, by role.
struct Role {
    const char* heading;
    std::initializer_list<const char*> names;
};
const Role kRoles[] = {
    {"Programming, Design, and Animations:", {"Ilse Varnhagen", "Tomasz Okafor-Brandt", "Reni Castellane"}},
    {"Computer Graphics:", {"Odalys Fenwick", "Ilse Varnhagen"}},
    {"Sounds:", {"Marek Solvang"}},
};
const char* const kTesters[] = {"Priya Halloran", "Jonah Eriksberg", "Caro Dumitrescu", "Wendel Osei"};
const char* const kRightsHolder = "Copyright (C) The Kestrava Team";
const char* const kIndent = "      ";

}  // namespace

std::string CreditsText(const std::string& languageTesters, const std::string& nl) {
    std::string text;
    auto line = [&](const std::string& s) { text += s + nl; };
    line("CREDITS");
    line("");
    for (const Role& role : kRoles) {
        line(role.heading);
        for (const char* name : role.names) line(kIndent + std::string(name));
        line("");
    }
    if (!languageTesters.empty()) {
        line("Thanks to all the people who tested this");
        line("language pack, especially:");
        line("");
        size_t from = 0;
        while (true) {
            const size_t bar = languageTesters.find('|', from);
            line(kIndent + languageTesters.substr(from, bar == std::string::npos ? std::string::npos : bar - from));
            if (bar == std::string::npos) break;
            from = bar + 1;
        }
    }
    line("Some of the key testers:");
    for (const char* name : kTesters) line(kIndent + std::string(name));
    line("");
    line("Thanks to these and the many others who helped in");
    line("the creation of Kestrava for Windows 9x.");
    line("");
    line(kRightsHolder);
    line("All Rights Reserved.");
    line("");
    return text;
}

std::string AboutVersionCaption() { return "v " + GetVersionString(); }

AboutTick AboutScrollTick(AboutScroll& scroll, int boxHeight, int creditsHeight) {
    AboutTick tick;
    if (scroll.stopRequested) {
        scroll.ticks = 0;
        scroll.stopRequested = false;
        tick.stop = true;
        return tick;
    }
    ++scroll.ticks;
    tick.top = boxHeight - scroll.ticks;
    if (tick.top < -creditsHeight) {
        scroll.ticks = 1;
        tick.top = boxHeight - 1;
    }
    return tick;
}

void RequestAboutStop(AboutScroll& scroll) { scroll.stopRequested = true; }

bool AboutHotSpot(int button, double x, double y) { return button == 2 && x > 150 && x < 270 && y > 270 && y < 390; }

bool AboutHotSpotPixels(int button, int x, int y) {
    return AboutHotSpot(button, static_cast<double>(x) * kTwipsPerPixel, static_cast<double>(y) * kTwipsPerPixel);
}

}  // namespace kv
