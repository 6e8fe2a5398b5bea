// The platform layer's drivers (PilotePlateforme, plateforme.h) and what they share; only the
// platform layer includes this.
#pragma once
#include <SDL.h>
#include <stdint.h>

#include "platform/plateforme.h"

// plateforme.cpp
extern const PilotePlateforme PILOTE_SDL;
extern const PilotePlateforme PILOTE_SIMULE;
// enregistrement.cpp
extern const PilotePlateforme PILOTE_REJEU;
extern const PilotePlateforme PILOTE_ENREGISTREUR;
#ifdef __EMSCRIPTEN__
// The browser's driver, which a build with emscripten defines in place of PILOTE_SDL for a
// real run: its own display opening (the canvas is the screen surface) and whatever else
// differs, with the shared pieces below and PILOTE_SDL's functions where they fit.
extern const PilotePlateforme PILOTE_NAVIGATEUR;
#endif

// Composes the drivers again from the modes now on (simulated or real, playback, recording):
// called by whatever starts or ends a mode.
void plateforme_recomposer(void);
// The driver that playback (PILOTE_REJEU) or recording (PILOTE_ENREGISTREUR) runs over.
const PilotePlateforme* pilote_sous(const PilotePlateforme* enveloppe);

// ---- shared by the drivers ----

// The game's next event from a raw source (SDL's queue, the script): joystick events become
// key events (kept in order for the next calls), Alt+Enter and F11 switch the display mode and
// are not passed on, and a key let go that the gamepad still holds is dropped. `clavier` is
// the keyboard's state, to which the gamepad's presses and releases are compared.
int evenement_du_jeu(int (*brut)(SDL_Event*), const Uint8* clavier, SDL_Event* evenement);
// The keyboard's state merged with the gamepad's into `touches` (SDLK_LAST entries).
void fusionner_touches(const Uint8* clavier, Uint8* touches);
// Puts the frame on the display (affichage_montrer), counts the flip and returns SDL_Flip's
// result; *montre receives the surface now on the display.
int montrer_image(SDL_Surface* ecran, SDL_Surface** montre);
// SDL's key state array (indexed by this build's SDLK_* values).
const Uint8* clavier_sdl(void);
// The clock as the entry points last saw it (every reading, end of wait and flip).
uint32_t horloge_connue(void);
// Real mode's pieces: waiting in slices between which a signal can end the game, and opening
// the display with the signal handlers and the first joystick.
uint32_t attendre_sdl(uint32_t ms);
SDL_Surface* ouvrir_ecran_sdl(void);
