// Gamepad mapping (see manette.h).
#include "platform/manette.h"

#include <string.h>

namespace {
struct BoutonTouche {
    int bouton;
    SDLKey touche;
};
// Face buttons first (the common 360-style layout), then Back/Start on both common layouts.
const BoutonTouche k_boutons[] = {
    {0, SDLK_g}, {1, SDLK_f}, {2, SDLK_d}, {3, SDLK_g}, {6, SDLK_ESCAPE}, {7, SDLK_RETURN}, {8, SDLK_ESCAPE}, {9, SDLK_RETURN},
};
// Keys a gamepad can hold; only these are compared for changes.
const SDLKey k_touches_manette[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_g, SDLK_f, SDLK_d, SDLK_RETURN, SDLK_ESCAPE};
}  // namespace

SDLKey touche_du_bouton(int bouton) {
    for (const BoutonTouche& b : k_boutons)
        if (b.bouton == bouton) return b.touche;
    return SDLK_UNKNOWN;
}

int appliquer_evenement_manette(EtatManette* m, const SDL_Event* e) {
    switch (e->type) {
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            if (e->jbutton.button < sizeof m->boutons) m->boutons[e->jbutton.button] = e->type == SDL_JOYBUTTONDOWN;
            return 1;
        case SDL_JOYAXISMOTION:
            if (e->jaxis.axis < 2) m->axes[e->jaxis.axis] = e->jaxis.value;
            return 1;
        case SDL_JOYHATMOTION:
            if (e->jhat.hat == 0) m->chapeau = e->jhat.value;
            return 1;
        case SDL_JOYBALLMOTION:
            return 1;
        default:
            return 0;
    }
}

void touches_manette(const EtatManette* m, Uint8* touches) {
    memset(touches, 0, SDLK_LAST);
    for (int b = 0; b < (int)sizeof m->boutons; ++b)
        if (m->boutons[b]) {
            SDLKey t = touche_du_bouton(b);
            if (t != SDLK_UNKNOWN) touches[t] = 1;
        }
    if ((m->chapeau & SDL_HAT_UP) || m->axes[1] < -ZONE_MORTE_MANETTE) touches[SDLK_UP] = 1;
    if ((m->chapeau & SDL_HAT_DOWN) || m->axes[1] > ZONE_MORTE_MANETTE) touches[SDLK_DOWN] = 1;
    if ((m->chapeau & SDL_HAT_LEFT) || m->axes[0] < -ZONE_MORTE_MANETTE) touches[SDLK_LEFT] = 1;
    if ((m->chapeau & SDL_HAT_RIGHT) || m->axes[0] > ZONE_MORTE_MANETTE) touches[SDLK_RIGHT] = 1;
}

int evenements_changes(const Uint8* avant, const Uint8* apres, const Uint8* autre, SDL_Event* sortie, int max) {
    int n = 0;
    for (SDLKey t : k_touches_manette) {
        if (avant[t] == apres[t] || n >= max) continue;
        if (!apres[t] && autre && autre[t]) continue;  // still held on the other device
        SDL_Event e;
        memset(&e, 0, sizeof e);
        e.type = apres[t] ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.type = e.type;
        e.key.state = apres[t] ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = t;
        sortie[n++] = e;
    }
    return n;
}
