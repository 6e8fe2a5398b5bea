// The browser's side of the platform layer (built with emscripten only): what its built-in
// SDL 1.2 lacks or does differently, mended here so that the game's code stays the same.
#pragma once
#ifdef __EMSCRIPTEN__
#include <SDL.h>
#include <stdint.h>

// The display: the page's canvas is the screen surface itself, 640x480, and the page scales it
// (drawing into any other surface makes the browser read the whole canvas back at each flip).
// Returns the canvas, or NULL with SDL's error.
SDL_Surface* navigateur_ouvrir_toile(void);
// After each frame: tells the page the first picture is up, counts the frame's own work when
// the page measures it, and moves a music fade on.
void navigateur_image_montree(void);
// After each wait: the frame's own work starts; the music fade moves on to `maintenant`.
void navigateur_apres_attente(uint32_t maintenant);
// Asks the page for its full screen, or out of it.
void navigateur_basculer_plein_ecran(void);
// Opens a gamepad the browser has come to know since (it shows them only after a button press).
void navigateur_chercher_manette(void);

// A music fade on the game's clock (the built-in mixer stops the music at once): the volume
// falls linearly over `ms` from `debut` and the music stops at its end. Starting a music ends
// the fade and sets the volume back.
void navigateur_commencer_fondu(int ms, uint32_t debut);
void navigateur_arreter_fondu(void);
// Moves the fade to the platform's time `maintenant`.
void navigateur_suivre_fondu(uint32_t maintenant);
#endif
