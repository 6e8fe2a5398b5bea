// Gamepad mapping: a joystick becomes keys, so the game only ever sees the keyboard. D-pad,
// hat or left stick (with a dead zone) act as the arrows; buttons as fire, next weapon, next
// speed level, Return and Escape.
#pragma once
#include <SDL.h>

// Half-range of the stick around its centre that counts as centred.
#define ZONE_MORTE_MANETTE 8000

// What the gamepad holds: the device state, as its events report it.
typedef struct EtatManette {
    Uint8 boutons[32];
    Sint16 axes[2];  // left stick x, y
    Uint8 chapeau;   // SDL_HAT_* bits
} EtatManette;

// The key a button stands for, or SDLK_UNKNOWN: 0 fire (g), 1 next weapon (f), 2 next speed (d),
// 3 fire (g), 6 or 8 Back/Select (Escape), 7 or 9 Start (Return).
SDLKey touche_du_bouton(int bouton);

// Updates the device state from one SDL_JOY* event (others are ignored). Returns 1 when the
// event was a joystick event.
int appliquer_evenement_manette(EtatManette* manette, const SDL_Event* evenement);

// Writes 1 at every key the gamepad holds, 0 elsewhere (touches has SDLK_LAST entries).
void touches_manette(const EtatManette* manette, Uint8* touches);

// Key events for what changed between two key arrays: a press for every key newly held, a
// release for every key let go that `autre` (the keyboard) does not hold. Writes at most
// `max` events into `sortie` and returns how many.
int evenements_changes(const Uint8* avant, const Uint8* apres, const Uint8* autre, SDL_Event* sortie, int max);
