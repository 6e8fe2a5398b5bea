// The level scenes (not built yet: each returns at once as "left").
#include "level/niveau.h"

#include <stdlib.h>

static ResultatNiveau* resultat_vide(void) {
    ResultatNiveau* r = (ResultatNiveau*)malloc(sizeof(ResultatNiveau));
    r->etat = 0;
    r->score = 0;
    return r;
}

ResultatNiveau* jouer_niveau_1(SDL_Surface*, int, int, Uint32, SDL_Surface*) { return resultat_vide(); }
ResultatNiveau* jouer_niveau_2(SDL_Surface*, int, int, Uint32, SDL_Surface*) { return resultat_vide(); }
