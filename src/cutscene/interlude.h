// The story between the two levels, told after every won level 1.
#pragma once
#include <SDL.h>

// Plays the interlude: loading picture, title card, 40 shots in five scenes; Escape or window
// close skip it at any frame. `periode` paces the frames (PERIODE_IMAGE).
void raconter_interlude(SDL_Surface* ecran, Uint32 periode, SDL_Surface* image_chargement);
