// Scrolling bands: 2-pixel steps with a seamless wrap, the 320-step cycle and its reset,
// several steps per call, picture changes in mid-cycle. Drawn onto small software surfaces
// whose every column has its own pixel value, so the screen tells which column went where.
#include <gtest/gtest.h>

#include "level/decor.h"

namespace {

const int H = 6;  // band height: small, the rule is the same for every row

SDL_Surface* surface(int w, int h) {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
}

Uint32 pixel(SDL_Surface* s, int x, int y) { return ((Uint32*)s->pixels)[y * s->pitch / 4 + x]; }

// A 640-wide picture whose column c holds base + c + 1 (never 0, the cleared screen).
SDL_Surface* image_colonnes(Uint32 base) {
    SDL_Surface* s = surface(640, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < 640; ++x) ((Uint32*)s->pixels)[y * s->pitch / 4 + x] = base + Uint32(x) + 1;
    return s;
}

// Which picture column each screen column of row y shows (-1 = nothing drawn).
std::vector<int> colonnes(SDL_Surface* ecran, int y, Uint32 base) {
    std::vector<int> r(640);
    for (int x = 0; x < 640; ++x) {
        Uint32 p = pixel(ecran, x, y);
        r[x] = p == 0 ? -1 : int(p - base) - 1;
    }
    return r;
}

struct Bande : ::testing::Test {
    SDL_Surface* ecran = surface(640, 20);
    SDL_Surface* image = image_colonnes(0);
    // Band standing at y = 10, as the levels create theirs: the wrap rectangle is the main one
    // with height 0.
    Decor* decor = creer_decor({0, 10, 640, H}, {0, 10, 640, 0}, image);
    void effacer() { SDL_FillRect(ecran, NULL, 0); }
    void TearDown() override {
        detruire_decor(decor);
        SDL_FreeSurface(image);
        SDL_FreeSurface(ecran);
    }
};

// Screen column x shows picture column (x + offset) mod 640 on every row of the band.
void attendre_decalage(SDL_Surface* ecran, int decalage, Uint32 base = 0) {
    for (int y = 10; y < 10 + H; ++y) {
        std::vector<int> c = colonnes(ecran, y, base);
        for (int x = 0; x < 640; ++x) ASSERT_EQ(c[x], (x + decalage) % 640) << "x " << x << " row " << y;
    }
}

}  // namespace

TEST_F(Bande, OneStepShiftsTwoPixelsAndDrawsTheLeftStripAtTheRightEdge) {
    effacer();
    defiler_decor(decor, 1, 0, ecran);
    EXPECT_EQ(decor->principal->rect.x, -2);
    EXPECT_EQ(decor->principal->rect.y, 10);
    std::vector<int> c = colonnes(ecran, 10, 0);
    EXPECT_EQ(c[0], 2);
    EXPECT_EQ(c[637], 639);
    EXPECT_EQ(c[638], 0);  // the picture's two leftmost columns, again at the right edge
    EXPECT_EQ(c[639], 1);
    attendre_decalage(ecran, 2);
    // Nothing outside the band's rows.
    for (int x = 0; x < 640; ++x) {
        EXPECT_EQ(pixel(ecran, x, 9), 0u);
        EXPECT_EQ(pixel(ecran, x, 10 + H), 0u);
    }
}

TEST_F(Bande, EveryStepOfTwoCyclesMovesTheImageByExactlyTwoPixels) {
    for (int pas = 1; pas <= 700; ++pas) {
        effacer();
        defiler_decor(decor, 1, 0, ecran);
        attendre_decalage(ecran, (2 * pas) % 640);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "at step " << pas;
            return;
        }
    }
}

TEST_F(Bande, TheCycleIs320StepsAndTheResetDropsTheWrapStrip) {
    for (int i = 0; i < 319; ++i) defiler_decor(decor, 1, 0, ecran);
    EXPECT_EQ(decor->principal->rect.x, -638);
    EXPECT_EQ(decor->raccord->rect.w, 638);
    EXPECT_EQ(decor->raccord->rect.h, H);
    effacer();
    defiler_decor(decor, 1, 0, ecran);  // step 320: back to the start
    EXPECT_EQ(decor->principal->rect.x, 0);
    EXPECT_EQ(decor->principal->rect.y, 10);
    EXPECT_EQ(decor->raccord->rect.h, 0);
    attendre_decalage(ecran, 0);
    // The working rectangles are back to the ones given at creation, so the next cycle is
    // the same as the first.
    EXPECT_EQ(decor->courant_principal.x, decor->initial_principal.x);
    EXPECT_EQ(decor->courant_raccord.h, decor->initial_raccord.h);
    effacer();
    defiler_decor(decor, 1, 0, ecran);
    EXPECT_EQ(decor->principal->rect.x, -2);
    attendre_decalage(ecran, 2);
}

TEST_F(Bande, SeveralStepsInOneCallEqualAsManySingleSteps) {
    SDL_Surface* autre_ecran = surface(640, 20);
    Decor* autre = creer_decor({0, 10, 640, H}, {0, 10, 640, 0}, image);
    // Across the reset too: 318 + 3 steps pass x = -638 and come back to the start.
    for (int n : {1, 2, 3, 5, 8, 318, 3, 3, 7}) {
        effacer();
        SDL_FillRect(autre_ecran, NULL, 0);
        defiler_decor(decor, n, 0, ecran);
        for (int i = 0; i < n; ++i) {
            SDL_FillRect(autre_ecran, NULL, 0);
            defiler_decor(autre, 1, 0, autre_ecran);
        }
        EXPECT_EQ(decor->principal->rect.x, autre->principal->rect.x) << "n " << n;
        EXPECT_EQ(decor->raccord->rect.w, autre->raccord->rect.w) << "n " << n;
        EXPECT_EQ(0, memcmp(ecran->pixels, autre_ecran->pixels, size_t(ecran->pitch) * 20)) << "n " << n;
    }
    detruire_decor(autre);
    SDL_FreeSurface(autre_ecran);
}

TEST_F(Bande, ANewPictureContinuesFromTheSamePosition) {
    SDL_Surface* seconde = image_colonnes(0x100000);
    for (int i = 0; i < 100; ++i) defiler_decor(decor, 1, 0, ecran);
    changer_image_decor(decor, seconde);
    EXPECT_EQ(decor->principal->image, seconde);
    EXPECT_EQ(decor->raccord->image, seconde);
    EXPECT_EQ(decor->principal->rect.x, -200);
    effacer();
    defiler_decor(decor, 1, 0, ecran);
    attendre_decalage(ecran, 202, 0x100000);
    SDL_FreeSurface(seconde);
}

TEST(Morceau, SmallOperationsChangeOnlyWhatTheySay) {
    SDL_Surface* a = surface(4, 4);
    SDL_Surface* b = surface(4, 4);
    Morceau* m = creer_morceau({5, 6, 7, 8}, a);
    deplacer_morceau(m, -10, 3);
    EXPECT_EQ(m->rect.x, -5);
    EXPECT_EQ(m->rect.y, 9);
    EXPECT_EQ(m->rect.w, 7);
    EXPECT_EQ(m->rect.h, 8);
    placer_morceau(m, {1, 2, 3, 4});
    EXPECT_EQ(m->rect.x, 1);
    EXPECT_EQ(m->rect.h, 4);
    EXPECT_EQ(m->image, a);
    changer_image_morceau(m, b);
    EXPECT_EQ(m->image, b);
    EXPECT_EQ(m->rect.y, 2);
    free(m);
    SDL_FreeSurface(a);
    SDL_FreeSurface(b);
}
