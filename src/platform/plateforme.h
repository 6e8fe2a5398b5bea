// Platform layer: the only code that touches SDL's clock, event queue, key state and flip.
// Real mode forwards to SDL; simulated mode (the headless simulator and the tests) runs a
// virtual clock and plays back scripted input, so whole scenes run fast and deterministically.
// Each mode is one table of functions, a driver (end of this file), chosen when the mode
// starts. In real mode SIGINT, SIGTERM and SIGHUP end the game at its next event poll, flip or
// wait slice, through exit() (signaux.h).
#pragma once
#include <SDL.h>
#include <stdint.h>

#include "platform/affichage.h"

// Milliseconds since start-up (SDL_GetTicks in real mode; the virtual clock when simulated).
// Every entry point below is recorded while a replay is recorded and answered from the
// recording in playback (platform/enregistrement.h).
uint32_t plateforme_ticks(void);

// The clock as the platform last read it, without reading it again (and without counting as
// one of the game's readings): the virtual clock when simulated; in real mode the time of the
// last clock reading, wait or flip. Trace events are stamped with it.
uint32_t plateforme_maintenant(void);

// Waits `ms` milliseconds (SDL_Delay, in slices of at most 50 ms between which a signal can end
// the game). Simulated: advances the virtual clock at once.
void plateforme_attendre(uint32_t ms);

// Takes the next pending event into *evenement and returns 1, or returns 0 when the queue is
// empty (SDL_PollEvent). Simulated: scripted inputs that are due by now are queued first.
int plateforme_evenement(SDL_Event* evenement);

// The key state array indexed by SDLK_* values (SDL_GetKeyState(NULL)). The array is owned
// by the platform layer and stays valid for the whole run. Simulated: it reflects the
// scripted presses and releases delivered so far.
Uint8* plateforme_touches(void);

// Shows the frame. When `ecran` is the canvas of plateforme_ouvrir_ecran, it is put on the
// display first, scaled and centred (affichage.h); any other surface is flipped as it is.
// Simulated: the virtual clock advances by 1 ms, so loops that never wait still move in time;
// every flip is reported to the flip observer.
int plateforme_afficher(SDL_Surface* ecran);

// Seed for the wave scripts' random generator: the calendar time in seconds in real mode,
// the simulator's fixed seed when simulated.
unsigned int plateforme_graine(void);

// ---- simulated mode (used by the simulator and the tests) ----

// Switches to simulated mode with a virtual clock starting at 0, an empty input script, all
// keys up and the given seed. May be called again to reset everything between runs.
void plateforme_simuler(unsigned int graine);
// 1 while in simulated mode.
int plateforme_est_simulee(void);

// Scripts a key press (appui 1) or release (appui 0) at virtual time `t` (ms since the
// simulation started). Inputs are delivered in time order, equal times in script order.
void plateforme_script_touche(uint32_t t, SDLKey touche, int appui);
// Scripts a window close (SDL_QUIT) at virtual time `t`.
void plateforme_script_quitter(uint32_t t);
// Scripts an arbitrary event at time `t` (joystick events, for instance).
void plateforme_script_evenement(uint32_t t, const SDL_Event* evenement);

// Called after every flip, with the surface on the display and the virtual time (simulated
// mode only).
typedef void (*ObservateurFlip)(SDL_Surface* ecran, uint32_t t, void* donnees);
void plateforme_observer_flips(ObservateurFlip observateur, void* donnees);

// Called whenever the virtual clock passes `limite` (simulated mode only): the simulator uses
// it to stop a run that takes too long. 0 = no limit.
typedef void (*ObservateurLimite)(uint32_t t, void* donnees);
void plateforme_limiter(uint32_t limite, ObservateurLimite observateur, void* donnees);

// Number of flips since start-up (or since plateforme_simuler).
uint32_t plateforme_nb_flips(void);

// ---- drivers ----

// The functions behind the entry points above for one way of running. The entry points add
// what every driver shares: the clock as last read, the flip count, the signal checks. One
// table serves the game's calls at a time, composed when a mode starts or ends (start-up,
// plateforme_simuler, a replay's recording or playback opened or closed), so that no entry
// point asks which mode it is in:
//   "sdl"          real SDL: its clock, event queue, key state and flip (the desktop game)
//   "navigateur"   the browser's page, in place of "sdl" in a build with emscripten (the
//                  canvas is the page's, waits yield to the browser)
//   "simule"       the virtual clock and the input script (the simulator, the tests)
//   "rejeu"        playback: every answer comes from the recording; the frames are shown, the
//                  window kept alive and the virtual clock moved by the driver below it (one
//                  of the three above)
//   "enregistreur" recording: around whichever of the others runs, like a tape recorder on a
//                  line, it writes down each answer, then hands the game what it wrote, read
//                  back as playback will read it
// Every member is set; a driver that has nothing to do for one (a real clock told the time by
// playback) has an empty function there.
typedef struct PilotePlateforme {
    const char* nom;
    // Opens the display (affichage.h) and whatever else a run needs with it: the signal
    // handlers and the first joystick in real mode.
    SDL_Surface* (*ouvrir_ecran)(void);
    // Reads the clock (plateforme_ticks).
    uint32_t (*ticks)(void);
    // Waits `ms` milliseconds; returns the clock at the end of the wait.
    uint32_t (*attendre)(uint32_t ms);
    // The game's next event and 1, or 0 when there is none: joystick events already turned
    // into keys, Alt+Enter and F11 already acted on and kept from the game.
    int (*evenement)(SDL_Event* evenement);
    // Writes the key state the game sees, keyboard and gamepad merged: SDLK_LAST entries of
    // 0 or 1.
    void (*touches)(Uint8* touches);
    // Shows the frame (plateforme_afficher): *resultat receives SDL_Flip's result; returns the
    // clock after the flip.
    uint32_t (*afficher)(SDL_Surface* ecran, int* resultat);
    // Only puts the frame on the display (and before the flip observer), the clock untouched;
    // returns SDL_Flip's result. Playback shows its frames through it.
    int (*montrer)(SDL_Surface* ecran);
    // The seed of the wave scripts (plateforme_graine).
    unsigned int (*graine)(void);
    // The clock as last known, without reading it (plateforme_maintenant).
    uint32_t (*maintenant)(void);
    // The clock the game was just given by a driver above this one (playback): the virtual
    // clock moves to it (and its limit is checked); a real clock has nothing to do.
    void (*suivre)(uint32_t t);
} PilotePlateforme;

// The driver the game's calls go to now.
const PilotePlateforme* plateforme_pilote(void);
