// Scrolling landscape bands (see decor.h).
#include "level/decor.h"

#include <stdlib.h>

#include "core/calculs.h"

// The wrap position is computed against the screen width, not the picture's.
static const int LARGEUR_ECRAN = 640;

Morceau* creer_morceau(SDL_Rect rect, SDL_Surface* image) {
    Morceau* m = (Morceau*)malloc(sizeof(Morceau));
    m->rect = rect;
    m->image = image;
    return m;
}

void deplacer_morceau(Morceau* morceau, int dx, int dy) {
    morceau->rect.x = (Sint16)(morceau->rect.x + dx);
    morceau->rect.y = (Sint16)(morceau->rect.y + dy);
}

void placer_morceau(Morceau* morceau, SDL_Rect rect) { morceau->rect = rect; }

void changer_image_morceau(Morceau* morceau, SDL_Surface* image) { morceau->image = image; }

Decor* creer_decor(SDL_Rect rect_principal, SDL_Rect rect_raccord, SDL_Surface* image) {
    Decor* d = (Decor*)malloc(sizeof(Decor));
    d->principal = creer_morceau(rect_principal, image);
    d->raccord = creer_morceau(rect_raccord, image);
    d->courant_principal = rect_principal;
    d->courant_raccord = rect_raccord;
    d->initial_principal = rect_principal;
    d->initial_raccord = rect_raccord;
    return d;
}

void defiler_decor(Decor* decor, int n, int, SDL_Surface* ecran) {
    SDL_Rect dessin = decor->courant_raccord;
    for (int pas = 0; pas < n; ++pas) {
        Morceau* p = decor->principal;
        if (p->rect.x == 2 - (int)p->rect.w) {
            decor->courant_principal = decor->initial_principal;
            decor->courant_raccord = decor->initial_raccord;
            dessin = decor->initial_raccord;
            placer_morceau(decor->principal, decor->courant_principal);
            placer_morceau(decor->raccord, decor->courant_raccord);
        } else {
            deplacer_morceau(p, -2, 0);
            int x = p->rect.x, h = p->rect.h;
            dessin = creer_rect(x + LARGEUR_ECRAN, decor->courant_raccord.y, -x, h);
            decor->courant_raccord = creer_rect(0, 0, -x, h);
            placer_morceau(decor->raccord, decor->courant_raccord);
            decor->courant_raccord = decor->initial_raccord;
        }
    }
    // SDL clips the rectangles it is given and writes them back: blit copies, never the band.
    SDL_Rect source = decor->raccord->rect;
    SDL_Rect destination = dessin;
    SDL_BlitSurface(decor->principal->image, &source, ecran, &destination);
    SDL_Rect position = decor->principal->rect;
    SDL_BlitSurface(decor->principal->image, NULL, ecran, &position);
}

void changer_image_decor(Decor* decor, SDL_Surface* image) {
    changer_image_morceau(decor->principal, image);
    changer_image_morceau(decor->raccord, image);
}

void detruire_decor(Decor* decor) {
    if (!decor) return;
    free(decor->principal);
    free(decor->raccord);
    free(decor);
}
