// Walking figures of the stories (see personnage.h).
#include "cutscene/personnage.h"

#include <stdlib.h>
#include <string.h>

#include "core/calculs.h"

enum { NB_ETAPES = 6, HAUTEUR_IMAGE = 48 };

// Columns 1 and 3 are held for two steps each, which gives the stride its weight.
static const int k_colonnes[NB_ETAPES] = {0, 1, 1, 2, 3, 3};

static void remplir_rangee(SDL_Rect images[NB_ETAPES], int rangee, int largeur) {
    for (int s = 0; s < NB_ETAPES; ++s)
        images[s] = creer_rect(k_colonnes[s] * largeur, rangee * HAUTEUR_IMAGE, largeur, HAUTEUR_IMAGE);
}

static Personnage* creer(SDL_Surface* planche, int x, int y, int largeur) {
    Personnage* p = (Personnage*)calloc(1, sizeof(Personnage));
    p->planche = planche;
    remplir_rangee(p->images_bas, 0, largeur);
    remplir_rangee(p->images_gauche, 1, largeur);
    remplir_rangee(p->images_droite, 2, largeur);
    remplir_rangee(p->images_haut, 3, largeur);
    p->position = creer_rect(x, y, largeur, HAUTEUR_IMAGE);
    return p;
}

Personnage* creer_personnage(SDL_Surface* planche, int x, int y) { return creer(planche, x, y, 32); }

Personnage* creer_grand_personnage(SDL_Surface* planche, int x, int y) { return creer(planche, x, y, 64); }

void detruire_personnage(Personnage* personnage) { free(personnage); }

// The row and step counter that a direction word addresses, tested in the game's fixed order.
static void rangee(Personnage* p, const char* direction, SDL_Rect** images, int** etape) {
    if (strcmp(direction, "BAS") == 0) {
        *images = p->images_bas;
        *etape = &p->etape_bas;
    } else if (strcmp(direction, "GAUCHE") == 0) {
        *images = p->images_gauche;
        *etape = &p->etape_gauche;
    } else if (strcmp(direction, "DROITE") == 0) {
        *images = p->images_droite;
        *etape = &p->etape_droite;
    } else {
        *images = p->images_haut;
        *etape = &p->etape_haut;
    }
}

void deplacer_personnage(Personnage* personnage, int dx, int dy, const char* direction) {
    personnage->position.x = (Sint16)(personnage->position.x + dx);
    personnage->position.y = (Sint16)(personnage->position.y + dy);
    SDL_Rect* images;
    int* etape;
    rangee(personnage, direction, &images, &etape);
    *etape = (*etape + 1) % NB_ETAPES;
}

void afficher_personnage(Personnage* personnage, const char* direction, SDL_Surface* ecran) {
    SDL_Rect* images;
    int* etape;
    rangee(personnage, direction, &images, &etape);
    // The position itself is the destination: the blit's clipping is meant to stick.
    SDL_BlitSurface(personnage->planche, &images[*etape], ecran, &personnage->position);
}
