// Keys and event types in the one numbering replays and input scripts use, whichever SDL the
// game runs on: classic SDL 1.2's, which the desktop's library uses itself (so every replay
// recorded there stays as it is). The browser's built-in SDL numbers a key without a
// character 1024 + its USB scan code (SDLK_RIGHT is 1103 there, 275 here) and event types in
// SDL 2's ranges (SDL_KEYDOWN is 0x300); a table translates them.
#pragma once
#include <SDL.h>
#include <stdint.h>

// Classic SDL 1.2's SDLK_LAST and SDL_NUMEVENTS: canonical keys run from 0 to
// NB_TOUCHES_CANONIQUES - 1, canonical event types from 0 to NB_TYPES_CANONIQUES - 1.
enum { NB_TOUCHES_CANONIQUES = 323, NB_TYPES_CANONIQUES = 32 };
// The canonical types of key events (SDL_KEYDOWN and SDL_KEYUP in classic SDL 1.2).
enum { TYPE_TOUCHE_ENFONCEE = 2, TYPE_TOUCHE_RELACHEE = 3 };

// An event as a replay stores it. Only key events carry more than their type.
typedef struct EvenementCanonique {
    uint8_t type;      // canonical event type
    uint8_t which;     // keyboard index (always 0)
    uint8_t scancode;  // the desktop's hardware key code (X11 keycode - 8); 0 from the browser,
                       // whose scan codes are another set (the game never reads either)
    uint32_t sym;      // canonical key
    uint32_t mod;      // KMOD_* bits, which both SDLs number alike
    uint32_t unicode;  // 0: the game never turns SDL's character translation on (the browser
                       // fills the field regardless and is recorded as 0)
} EvenementCanonique;

// This build's key for a canonical key, and back: the same number on the desktop, the table
// in the browser. A key the other side has no number for becomes 0 (SDLK_UNKNOWN).
int touche_native(int canonique);
int touche_canonique(int native);
// The same for event types; a type the other side lacks becomes 0 (SDL_NOEVENT), which the
// game ignores like any event it has no use for.
int type_natif(int canonique);
int type_canonique(int natif);
// An event of this build as stored, and back. The fields of a key event the other side lacks
// (which and the scan code in the browser) read as 0.
EvenementCanonique evenement_canonique(const SDL_Event* evenement);
void evenement_natif(const EvenementCanonique* canonique, SDL_Event* evenement);

// The browser's numbering, behind the four functions above when built with emscripten.
// Compiled everywhere, so that its table is tested on the desktop; its entries are checked
// against emscripten's own header when built with it.
int touche_emscripten(int canonique);
int touche_canonique_emscripten(int emscripten);
int type_emscripten(int canonique);
int type_canonique_emscripten(int emscripten);

// The canonical key of a name as the simulator's scripts write it: an SDL key name without
// "SDLK_" ("RETURN", "UP", "F11", "KP_ENTER", "LALT", case ignored) or one lowercase letter
// or digit ("g"); 0 when the name is not known.
int touche_canonique_par_nom(const char* nom);
