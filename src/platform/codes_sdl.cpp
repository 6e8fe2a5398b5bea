// Keys and event types between this build's SDL and the replays' numbering (see codes_sdl.h).
#include "platform/codes_sdl.h"

#include <string.h>
#include <strings.h>

namespace {

// Keys below 128 are their ASCII character in both SDLs. The others the game's two SDLs both
// name: name (as both headers spell it), classic SDL 1.2's number, emscripten's number (1024 +
// the USB scan code). Classic keys emscripten only names as an alias of another key (LSUPER
// and RSUPER are its LMETA and RMETA, EURO its '2') or not at all (the WORLD_ keys) are left
// out; so are CLEAR and PAUSE, which its event code delivers as their browser codes, 12 and
// 19, the classic numbers.
#define TOUCHES_HORS_ASCII(X)                                                                                        \
    X(KP0, 256, 1122) X(KP1, 257, 1113) X(KP2, 258, 1114) X(KP3, 259, 1115) X(KP4, 260, 1116) X(KP5, 261, 1117)      \
    X(KP6, 262, 1118) X(KP7, 263, 1119) X(KP8, 264, 1120) X(KP9, 265, 1121) X(KP_PERIOD, 266, 1123)                 \
    X(KP_DIVIDE, 267, 1108) X(KP_MULTIPLY, 268, 1109) X(KP_MINUS, 269, 1110) X(KP_PLUS, 270, 1111)                  \
    X(KP_ENTER, 271, 1112) X(KP_EQUALS, 272, 1127) X(UP, 273, 1106) X(DOWN, 274, 1105) X(RIGHT, 275, 1103)           \
    X(LEFT, 276, 1104) X(INSERT, 277, 1097) X(HOME, 278, 1098) X(END, 279, 1101) X(PAGEUP, 280, 1099)               \
    X(PAGEDOWN, 281, 1102) X(F1, 282, 1082) X(F2, 283, 1083) X(F3, 284, 1084) X(F4, 285, 1085) X(F5, 286, 1086)     \
    X(F6, 287, 1087) X(F7, 288, 1088) X(F8, 289, 1089) X(F9, 290, 1090) X(F10, 291, 1091) X(F11, 292, 1092)         \
    X(F12, 293, 1093) X(F13, 294, 1128) X(F14, 295, 1129) X(F15, 296, 1130) X(NUMLOCK, 300, 1107)                   \
    X(CAPSLOCK, 301, 1081) X(SCROLLOCK, 302, 1095) X(RSHIFT, 303, 1253) X(LSHIFT, 304, 1249) X(RCTRL, 305, 1252)    \
    X(LCTRL, 306, 1248) X(RALT, 307, 1254) X(LALT, 308, 1250) X(RMETA, 309, 1255) X(LMETA, 310, 1251)               \
    X(MODE, 313, 1281) X(COMPOSE, 314, 1125) X(HELP, 315, 1141) X(PRINT, 316, 1094) X(SYSREQ, 317, 1178)            \
    X(BREAK, 318, 1144) X(MENU, 319, 1142) X(POWER, 320, 1126) X(UNDO, 322, 1146)

// Named keys of the ASCII range, for the scripts' names (the same number in both SDLs).
#define TOUCHES_ASCII_NOMMEES(X) \
    X(BACKSPACE, 8) X(TAB, 9) X(RETURN, 13) X(ESCAPE, 27) X(SPACE, 32) X(DELETE, 127)

// Event types: name, classic SDL 1.2's number, emscripten's.
#define TYPES_EVENEMENTS(X)                                                                                          \
    X(NOEVENT, 0, 0) X(ACTIVEEVENT, 1, 0x7000) X(KEYDOWN, 2, 0x300) X(KEYUP, 3, 0x301) X(MOUSEMOTION, 4, 0x400)     \
    X(MOUSEBUTTONDOWN, 5, 0x401) X(MOUSEBUTTONUP, 6, 0x402) X(JOYAXISMOTION, 7, 0x600)                               \
    X(JOYBALLMOTION, 8, 0x601) X(JOYHATMOTION, 9, 0x602) X(JOYBUTTONDOWN, 10, 0x603) X(JOYBUTTONUP, 11, 0x604)       \
    X(QUIT, 12, 0x100) X(SYSWMEVENT, 13, 0x201) X(VIDEORESIZE, 16, 0x7001) X(VIDEOEXPOSE, 17, 0x7002)                \
    X(USEREVENT, 24, 0x8000)

// Every number above is checked against the header this file is compiled with.
#ifdef __EMSCRIPTEN__
#define VERIFIER_TOUCHE(nom, classique, emscripten) static_assert(SDLK_##nom == emscripten, "SDLK_" #nom);
#define VERIFIER_TYPE(nom, classique, emscripten) static_assert(SDL_##nom == emscripten, "SDL_" #nom);
#else
#define VERIFIER_TOUCHE(nom, classique, emscripten) static_assert(SDLK_##nom == classique, "SDLK_" #nom);
#define VERIFIER_TYPE(nom, classique, emscripten) static_assert(SDL_##nom == classique, "SDL_" #nom);
static_assert(int(SDLK_LAST) == int(NB_TOUCHES_CANONIQUES), "classic SDL 1.2's keys");
static_assert(int(SDL_NUMEVENTS) == int(NB_TYPES_CANONIQUES), "classic SDL 1.2's event types");
#endif
#define VERIFIER_ASCII(nom, valeur) static_assert(SDLK_##nom == valeur, "SDLK_" #nom);
TOUCHES_HORS_ASCII(VERIFIER_TOUCHE)
TYPES_EVENEMENTS(VERIFIER_TYPE)
TOUCHES_ASCII_NOMMEES(VERIFIER_ASCII)

struct Paire {
    const char* nom;
    int canonique;
    int emscripten;
};
#define PAIRE(nom, classique, emscripten) {#nom, classique, emscripten},
#define PAIRE_ASCII(nom, valeur) {#nom, valeur, valeur},
const Paire TOUCHES[] = {TOUCHES_HORS_ASCII(PAIRE)};
const Paire TOUCHES_ASCII[] = {TOUCHES_ASCII_NOMMEES(PAIRE_ASCII)};
const Paire TYPES[] = {TYPES_EVENEMENTS(PAIRE)};

template <size_t N>
int vers_emscripten(const Paire (&table)[N], int canonique) {
    for (const Paire& p : table)
        if (p.canonique == canonique) return p.emscripten;
    return 0;
}

template <size_t N>
int depuis_emscripten(const Paire (&table)[N], int emscripten) {
    for (const Paire& p : table)
        if (p.emscripten == emscripten) return p.canonique;
    return 0;
}

}  // namespace

int touche_emscripten(int canonique) {
    if (canonique >= 0 && canonique < 128) return canonique;
    return canonique >= 256 ? vers_emscripten(TOUCHES, canonique) : 0;
}

int touche_canonique_emscripten(int emscripten) {
    if (emscripten >= 0 && emscripten < 128) return emscripten;
    return emscripten >= 1024 ? depuis_emscripten(TOUCHES, emscripten) : 0;
}

int type_emscripten(int canonique) { return vers_emscripten(TYPES, canonique); }

int type_canonique_emscripten(int emscripten) { return depuis_emscripten(TYPES, emscripten); }

#ifdef __EMSCRIPTEN__
int touche_native(int canonique) { return touche_emscripten(canonique); }
int touche_canonique(int native) { return touche_canonique_emscripten(native); }
int type_natif(int canonique) { return type_emscripten(canonique); }
int type_canonique(int natif) { return type_canonique_emscripten(natif); }
#else
int touche_native(int canonique) { return canonique; }
int touche_canonique(int native) { return native; }
int type_natif(int canonique) { return canonique; }
int type_canonique(int natif) { return natif; }
#endif

EvenementCanonique evenement_canonique(const SDL_Event* e) {
    EvenementCanonique c;
    memset(&c, 0, sizeof c);
    c.type = uint8_t(type_canonique(int(e->type)));
    if (e->type == SDL_KEYDOWN || e->type == SDL_KEYUP) {
        c.sym = uint32_t(touche_canonique(int(e->key.keysym.sym)));
        c.mod = uint32_t(e->key.keysym.mod);
#ifndef __EMSCRIPTEN__
        c.which = e->key.which;
        c.scancode = e->key.keysym.scancode;
        c.unicode = e->key.keysym.unicode;
#endif
    }
    return c;
}

void evenement_natif(const EvenementCanonique* c, SDL_Event* e) {
    memset(e, 0, sizeof *e);
    e->type = type_natif(c->type);
    if (e->type == SDL_KEYDOWN || e->type == SDL_KEYUP) {
        e->key.state = e->type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e->key.keysym.sym = SDLKey(touche_native(int(c->sym)));
        e->key.keysym.mod = SDLMod(c->mod);
        e->key.keysym.unicode = c->unicode;
#ifndef __EMSCRIPTEN__
        e->key.which = c->which;
        e->key.keysym.scancode = c->scancode;
#endif
    }
}

int touche_canonique_par_nom(const char* nom) {
    if (strlen(nom) == 1 && ((nom[0] >= 'a' && nom[0] <= 'z') || (nom[0] >= '0' && nom[0] <= '9'))) return nom[0];
    for (const Paire& p : TOUCHES_ASCII)
        if (strcasecmp(p.nom, nom) == 0) return p.canonique;
    for (const Paire& p : TOUCHES)
        if (strcasecmp(p.nom, nom) == 0) return p.canonique;
    return 0;
}
