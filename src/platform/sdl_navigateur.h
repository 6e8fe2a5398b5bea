// What the browser's built-in SDL 1.2 leaves out of its headers, for the platform layer's own
// use: empty on the desktop.
#pragma once
#ifdef __EMSCRIPTEN__
#include <SDL.h>

// Present in the library (indexed by key symbol, like the desktop's) but not declared.
extern "C" Uint8* SDL_GetKeyState(int* nombre);

// The event types the replays accept: the desktop's SDL 1.2 numbers them below 32.
#ifndef SDL_NUMEVENTS
#define SDL_NUMEVENTS SDL_LASTEVENT
#endif
#endif
