// Shared by the ship, shot, enemy and world tests: a dummy-video screen, small solid-colour
// test pictures, pixel reads, and a virtual clock.
#pragma once
#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <vector>

#include "platform/plateforme.h"

// Base for the combat tests: a 640 x 480 dummy screen, the simulated clock, and pictures that
// are freed with the fixture.
class TestCombat : public ::testing::Test {
protected:
    SDL_Surface* ecran = nullptr;
    std::vector<SDL_Surface*> images;

    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        if (!SDL_WasInit(SDL_INIT_VIDEO)) {
            ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        }
        ecran = SDL_GetVideoSurface();
        if (!ecran) ecran = SDL_SetVideoMode(640, 480, 32, 0);
        ASSERT_NE(ecran, nullptr) << SDL_GetError();
        effacer();
        plateforme_simuler(7);
    }
    void TearDown() override {
        for (SDL_Surface* s : images) SDL_FreeSurface(s);
        images.clear();
    }

    // A w x h picture filled with one colour; owned by the fixture.
    SDL_Surface* image(Uint8 r, Uint8 g, Uint8 b, int w = 8, int h = 8) {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
        SDL_FillRect(s, NULL, SDL_MapRGB(s->format, r, g, b));
        images.push_back(s);
        return s;
    }
    // A horizontal strip of n frames of w x h, frame i filled with (i + 1) * 10 in red.
    SDL_Surface* bande(int n, int w, int h) {
        SDL_Surface* s = image(0, 0, 0, n * w, h);
        for (int i = 0; i < n; ++i) {
            SDL_Rect r = {(Sint16)(i * w), 0, (Uint16)w, (Uint16)h};
            SDL_FillRect(s, &r, SDL_MapRGB(s->format, (Uint8)((i + 1) * 10), 0, 0));
        }
        return s;
    }
    void effacer() { SDL_FillRect(ecran, NULL, SDL_MapRGB(ecran->format, 0, 0, 0)); }
    // The screen colour at (x, y) as 0xRRGGBB.
    Uint32 pixel(int x, int y) {
        SDL_LockSurface(ecran);
        Uint8* ligne = (Uint8*)ecran->pixels + y * ecran->pitch;
        Uint32 brut = ((Uint32*)ligne)[x];
        SDL_UnlockSurface(ecran);
        Uint8 r, g, b;
        SDL_GetRGB(brut, ecran->format, &r, &g, &b);
        return (Uint32)r << 16 | (Uint32)g << 8 | b;
    }
    static Uint32 rgb(Uint8 r, Uint8 g, Uint8 b) { return (Uint32)r << 16 | (Uint32)g << 8 | b; }
};

// A key state array with the given keys held.
struct Touches {
    Uint8 etat[SDLK_LAST] = {};
    Touches& tenir(SDLKey k) {
        etat[k] = 1;
        return *this;
    }
    Touches& lacher(SDLKey k) {
        etat[k] = 0;
        return *this;
    }
};
