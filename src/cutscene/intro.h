// The opening story, told once per run before the first title menu.
#pragma once
#include <SDL.h>

// Plays the intro: loading picture, title card, 32 shots; Escape, Return or window close skip
// it from the second frame of shot 2 on. `periode` paces the frames (PERIODE_IMAGE).
void raconter_intro(SDL_Surface* ecran, Uint32 periode, SDL_Surface* image_chargement);
