#include <gtest/gtest.h>

#include <cmath>

#include "engine/computer/Course.h"

namespace kv {
namespace {

struct CourseCase {
    const char* name;
    int fromCol, fromRow, toCol, toRow;
    float degrees, course, distance;
};

TEST(CourseAndDistance, GivesTheGameCompassDirections) {
    const CourseCase cases[] = {
        {"east", 4, 4, 7, 4, 0, 1, 3},
        {"north", 4, 4, 4, 2, 90, 3, 2},
        {"west", 4, 4, 1, 4, 180, 5, 3},
        {"south", 4, 4, 4, 8, 270, 7, 4},
        {"north-east", 4, 4, 5, 3, 45, 2, std::sqrt(2.0f)},
        {"south-west", 4, 4, 3, 5, 225, 6, std::sqrt(2.0f)},
        {"south-east", 4, 4, 5, 5, 315, 8, std::sqrt(2.0f)},
        {"same sector", 5, 5, 5, 5, 90, 3, 0},
        {"3-4-5 across quadrants", 10, 20, 14, 17, 36.869898f, 36.869898f / 45 + 1, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState st;
        const float deg = CourseAndDistance(st, c.fromCol, c.fromRow, c.toCol, c.toRow);
        EXPECT_NEAR(deg, c.degrees, 1e-4);
        EXPECT_GE(deg, 0.0f);
        EXPECT_LT(deg, 360.0f);
        EXPECT_NEAR(st.CalcCourse * 4 / 3.14159265358979 + 1, c.course, 1e-5);
        EXPECT_NEAR(st.CalcDistance, c.distance, 1e-5);
    }
}

// A quadrant with the ship in sector (4, 4) of quadrant (2, 3).
GameState Quadrant() {
    GameState st;
    st.ShipQuadrantRow = 2;
    st.ShipQuadrantCol = 3;
    st.ShipSectorRow = 4;
    st.ShipSectorCol = 4;
    st.ShieldFactor = 1.0f;
    st.MaxShields = 2000;
    st.ZarvoniBaseStrength = 10000;
    return st;
}

TEST(EstimateShieldNeed, SumsTheThreatOfTheQuadrant) {
    struct Case {
        const char* name;
        void (*setup)(GameState&);
        Integer expected;
    };
    const Case cases[] = {
        {"empty quadrant", [](GameState&) {}, 100},
        // (10 - 2)^2 + 10 = 74; 74 x 100 / 20 + 10 = 380 -> 7 x 50 + 100
        {"one Zarvoni ship two sectors off",
         [](GameState& s) {
             s.ZarvoniEnergy[3] = 100;
             s.ZarvoniShips[1][3] = 6;
             s.ZarvoniShips[2][3] = 4;
         },
         450},
        {"the same under a shield factor of 0.64",  // 380 x 0.64 = 243.2 -> 243
         [](GameState& s) {
             s.ZarvoniEnergy[3] = 100;
             s.ZarvoniShips[1][3] = 6;
             s.ZarvoniShips[2][3] = 4;
             s.ShieldFactor = 0.64f;
         },
         300},
        {"destroyed ships count nothing",
         [](GameState& s) {
             s.ZarvoniEnergy[1] = -1000;
             s.CloakedEnergy[2] = 0;
         },
         100},
        // (10 - 3)^2 + 10 = 59; Int(59 x 98 / 20) + 10 = 299; 299 x 0.5 = 149.5 rounds to 150
        // (cut off it would be 149 and give 200)
        {"the weighted sum is rounded before the steps of 50",
         [](GameState& s) {
             s.ZarvoniEnergy[5] = 98;
             s.ZarvoniShips[1][5] = 7;
             s.ZarvoniShips[2][5] = 4;
             s.ShieldFactor = 0.5f;
         },
         250},
        // (10 - 1)^2 + 10 = 91; Int(91 x 90 / 18) + 10 = 465
        {"a cloaked ship next to the ship",
         [](GameState& s) {
             s.CloakedEnergy[1] = 90;
             s.CloakedShips[1][1] = 4;
             s.CloakedShips[2][1] = 5;
         },
         550},
        // Int(110 / 2 + 35) x 8 = 720
        {"a weakened hostile base two sectors off",
         [](GameState& s) {
             s.ZarvoniBase = {0, 2, 3, 4, 6, 4000};
             s.Galaxy[2][3] = 400;
         },
         800},
        {"a strong base guarded by four ships adds nothing",
         [](GameState& s) {
             s.ZarvoniBase = {0, 2, 3, 4, 6, 5000};
             s.Galaxy[2][3] = 400;
         },
         100},
        {"a strong base with three ships counts",
         [](GameState& s) {
             s.ZarvoniBase = {0, 2, 3, 4, 6, 10000};
             s.Galaxy[2][3] = 300;
         },
         800},
        {"a captured base adds nothing", [](GameState& s) { s.ZarvoniBase = {-1, 2, 3, 4, 6, 1000}; }, 100},
        {"the Morv ship calls for full shields",
         [](GameState& s) {
             s.MorvShip = {0, 2, 3, 1, 1};
             s.MaxShields = 1234;
         },
         1234},
        {"a threat beyond 16 bits stays in range",
         [](GameState& s) {
             for (int i = 1; i <= 10; ++i) {
                 s.ZarvoniEnergy[i] = 32000;
                 s.ZarvoniShips[1][i] = 4;
                 s.ZarvoniShips[2][i] = 5;
             }
         },
         32767},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState st = Quadrant();
        c.setup(st);
        const Integer need = EstimateShieldNeed(st);
        EXPECT_EQ(need, c.expected);
    }
}

}  // namespace
}  // namespace kv
