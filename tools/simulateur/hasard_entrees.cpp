// Random input for robustness runs (see hasard_entrees.h).
#include "hasard_entrees.h"

#include <SDL.h>

#include "platform/plateforme.h"

namespace {
// A small generator of our own: the same seed scripts the same input on every machine.
struct Generateur {
    uint64_t s;
    uint32_t suivant() {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        return uint32_t(s >> 33);
    }
    uint32_t entre(uint32_t a, uint32_t b) { return a + suivant() % (b - a + 1); }
};
// Return first: a chosen share of the presses goes to it, the rest to the others evenly.
const SDLKey k_touches[] = {SDLK_RETURN, SDLK_ESCAPE, SDLK_UP, SDLK_DOWN, SDLK_LEFT,
                            SDLK_RIGHT,  SDLK_g,      SDLK_f,  SDLK_d,    SDLK_F11};
const uint32_t k_nb_touches = sizeof k_touches / sizeof k_touches[0];

SDLKey tirer_touche(Generateur& g, const DosageHasard& dosage) {
    if (dosage.pct_retour < 0) return k_touches[g.entre(0, k_nb_touches - 1)];
    if (g.entre(0, 99) < uint32_t(dosage.pct_retour)) return SDLK_RETURN;
    return k_touches[g.entre(1, k_nb_touches - 1)];
}
}  // namespace

void scripter_entrees_hasard(uint32_t graine, uint32_t duree, uint32_t fin, const DosageHasard& dosage) {
    Generateur g{graine * 2654435761ull + 1};
    for (uint32_t t = g.entre(0, 300); t < duree; t += g.entre(20, 400)) {
        uint32_t tirage = g.entre(0, 99);
        if (tirage < 2) {
            if (!dosage.calme) plateforme_script_quitter(t);
        } else if (tirage < 60) {
            SDLKey k = tirer_touche(g, dosage);
            if (dosage.calme && k == SDLK_ESCAPE) continue;
            plateforme_script_touche(t, k, 1);
            plateforme_script_touche(t + g.entre(10, 600), k, 0);
        }
    }
    for (uint32_t t = duree; t < fin; t += 1000) plateforme_script_quitter(t);
}
