// The shell's two small scenes: the splash pictures and the title menu.
#pragma once
#include <SDL.h>

// Shows `premiere`, then `seconde`, each until Return is pressed from its twelfth frame on
// (earlier presses are ignored, so a key held over from the previous picture does not skip
// the next). Closing the window ends only the current picture. Its frames are paced to
// PERIODE_IMAGE (13 ms) by attendre_cadence, one slot count for the whole scene, so frame k
// (from 0, over both pictures) reads its events at virtual time 13 k - 11 (k >= 1): Return is
// first accepted at 132 ms on the first picture and, when that one ended at once, at 288 ms on
// the second. Returns 1. The pictures stay the caller's.
int afficher_presentation(SDL_Surface* ecran, SDL_Surface* premiere, SDL_Surface* seconde);

// Title menu: `titre` with the cursor blinking at (160, 400) (two passes shown, two hidden),
// redrawn every 250 ms. Returns 1 when Return is pressed (play), 0 on Escape or window close.
// Return and Escape are ignored during the first pass; window close is not.
int menu_titre(SDL_Surface* ecran, SDL_Surface* titre, SDL_Surface* curseur);
