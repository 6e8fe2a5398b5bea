// SDL2 beneath sdl12-compat, reached by name: the window's position, and flips that go straight
// into SDL2's window surface instead of through the library's renderer.
#pragma once
#include <SDL.h>

// 1 when the SDL 1.2 loaded is sdl12-compat (SDL 1.2 on SDL2), which hands out its SDL2 window;
// 0 on the classic library and in the browser.
int sdl2_sous_compat(void);

// Moves sdl12-compat's SDL2 window to (x, y) on the desktop. sdl12-compat keeps the one window
// it made for the first mode through every later mode and never moves it: SDL_VIDEO_CENTERED,
// read when a window is made, does not reach it, and without a window manager a full screen
// keeps the window's corner. Does nothing on the classic library, in the browser, or in
// simulated mode.
void sdl2_placer_fenetre(int x, int y);

// SDL2's window surface seen as an SDL 1.2 surface sharing its pixels, when a flip may be
// written there: sdl12-compat drawing with SDL2's software renderer (which shows that very
// surface), and a window surface of `largeur` x `hauteur` in 32 bits with `modele`'s masks.
// NULL otherwise (the classic library, an OpenGL renderer, a surface of another size or format,
// an SDL2 without the functions): flip through SDL 1.2 then. The surface belongs to this module
// and holds until the next event pump or mode change; it is made again only when SDL2's changes
// (after a mode change), so a flip allocates nothing.
SDL_Surface* sdl2_surface_fenetre(int largeur, int hauteur, const SDL_PixelFormat* modele);

// Sends that rectangle of the surface sdl2_surface_fenetre last returned to the screen, in the
// same flip (no event pump in between). Returns 0, or -1.
int sdl2_envoyer(int x, int y, int largeur, int hauteur);
