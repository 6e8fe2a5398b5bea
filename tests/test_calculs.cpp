// Rectangles, random numbers, circle points and pixel rounding.
#include <gtest/gtest.h>

#include <cmath>

#include "core/calculs.h"
#include "platform/plateforme.h"

TEST(Calculs, RectangleFieldsAreCutTo16BitsWithoutClamping) {
    SDL_Rect r = creer_rect(-40, 220, 37, 32);
    EXPECT_EQ(r.x, -40);
    EXPECT_EQ(r.y, 220);
    EXPECT_EQ(r.w, 37);
    EXPECT_EQ(r.h, 32);
    SDL_Rect s = creer_rect(70000, -1, -1, 65537);
    EXPECT_EQ(s.x, int16_t(70000 & 0xFFFF));
    EXPECT_EQ(s.w, 65535);
    EXPECT_EQ(s.h, 1);
}

TEST(Calculs, SeededRandomNumbersRepeatAndStayInRange) {
    plateforme_simuler(1234);
    initialiser_hasard();
    std::vector<int> premiers;
    for (int i = 0; i < 50; ++i) premiers.push_back(hasard(200));
    initialiser_hasard();
    for (int i = 0; i < 50; ++i) EXPECT_EQ(hasard(200), premiers[i]);
    bool vu0 = false, vu1 = false;
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(hasard(1), 0);
        int v = hasard(2);
        ASSERT_TRUE(v == 0 || v == 1);
        vu0 |= v == 0;
        vu1 |= v == 1;
    }
    EXPECT_TRUE(vu0 && vu1);
}

// glibc's own rand() is the oracle: the same numbers for every seed (0, small, time-like, at
// and above 2^31), many draws deep, and the same through the game's hasard().
TEST(Calculs, TheGeneratorGivesGlibcsRandSequence) {
#ifndef __GLIBC__
    GTEST_SKIP() << "the oracle is glibc's rand()";
#else
    const unsigned graines[] = {0u, 1u, 2u, 40u, 4242u, 1718000000u, 2147483647u, 2147483648u, 4294967295u};
    for (unsigned graine : graines) {
        Generateur g;
        semer_generateur(&g, graine);
        srand(graine);
        const int tirages = graine == 1718000000u ? 200000 : 5000;
        for (int i = 0; i < tirages; ++i) ASSERT_EQ(tirer_generateur(&g), rand()) << "seed " << graine << ", draw " << i;
    }
    plateforme_simuler(1718000001u);
    initialiser_hasard();
    srand(1718000001u);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(hasard(300), rand() % 300) << "draw " << i;
#endif
}

TEST(Calculs, CirclePointsGoClockwiseFromTheRight) {
    Point* p = cercle(64, 64, 64, 60);
    EXPECT_NEAR(p[0].x, 128, 1e-6);
    EXPECT_NEAR(p[0].y, 64, 1e-6);
    EXPECT_NEAR(p[15].x, 64, 1e-6);
    EXPECT_NEAR(p[15].y, 128, 1e-6);
    EXPECT_NEAR(p[30].x, 0, 1e-6);
    EXPECT_NEAR(p[45].y, 0, 1e-6);
    EXPECT_EQ(arrondir_pixel(p[15].x), 64);
    EXPECT_EQ(arrondir_pixel(p[45].y), 0);
    free(p);
}

TEST(Calculs, PixelRoundingIsHalfUp) {
    EXPECT_EQ(arrondir_pixel(63.5), 64);
    EXPECT_EQ(arrondir_pixel(63.49), 63);
    EXPECT_EQ(arrondir_pixel(0.0), 0);
    EXPECT_EQ(arrondir_pixel(127.9999999), 128);
}

TEST(Calculs, HomothetyScalesAboutTheCentre) {
    Point p[2] = {creer_point(10, 0), creer_point(0, -4)};
    homothetie(0, 0, 2, 2, 1, p);
    EXPECT_DOUBLE_EQ(p[0].x, 5);
    EXPECT_DOUBLE_EQ(p[1].y, -2);
}

TEST(Calculs, PointPictureMarksRowXColumnY) {
    Point p[1] = {creer_point(1, 3)};
    testing::internal::CaptureStdout();
    afficher_points(p, 1);
    std::string s = testing::internal::GetCapturedStdout();
    ASSERT_EQ(s.size(), size_t(50 * 51));
    EXPECT_EQ(s[1 * 51 + 3], 'O');
    EXPECT_EQ(std::count(s.begin(), s.end(), 'O'), 1);
}
