// Reading the simulator's input scripts: one line per input, "MS KEY down|up" or "MS QUIT",
// MS the virtual milliseconds since the run started, KEY an SDL key name without "SDLK_"
// (RETURN, ESCAPE, UP, DOWN, LEFT, RIGHT, g, f, d, ...); '#' starts a comment. Gamepad input:
// "MS JOY BUTTON n down|up", "MS JOY AXIS n value" (-32768..32767), "MS JOY HAT value"
// (SDL_HAT_* bits: 1 up, 2 right, 4 down, 8 left, 0 centred).
#pragma once
#include <SDL.h>
#include <stdio.h>

// The SDLKey for a name such as "RETURN" or "g" (named as replays number keys, whatever the
// SDL: platform/codes_sdl.h); SDLK_UNKNOWN when the name is not known.
SDLKey touche_par_nom(const char* nom);

// Reads the script from `fichier` and hands every input to the platform layer's script.
// Returns 0, or -1 after printing "FILE:LINE: reason" on standard error.
int lire_entrees(FILE* fichier, const char* nom_fichier);
