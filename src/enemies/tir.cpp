// Tir: constructors, setters and the launch, flight and picture rules of a shot.
#include "enemies/tir.h"

#include <stdlib.h>

#include "core/calculs.h"

Tir* creer_tir_accelere(SDL_Rect position, SDL_Surface* image_a, SDL_Surface* image_b, int genre, int vx0,
                        int vy0, double ax, double ay) {
    Tir* t = (Tir*)calloc(1, sizeof(Tir));
    t->position = position;
    t->image_a = image_a;
    t->image_b = image_b;
    t->image_sol = image_a;
    t->compteur_anim = 0;
    t->seuil_anim = 5;
    t->seuil_remise = 10;
    t->genre = genre;
    t->vx0 = vx0;
    t->vy0 = vy0;
    t->ax = ax;
    t->ay = ay;
    t->vx = (double)vx0;
    t->vy = (double)vy0;
    t->images_impact = (SDL_Surface**)calloc(4, sizeof(SDL_Surface*));
    for (int i = 0; i < 4; ++i) t->images_impact[i] = image_a;
    t->vivant = 1;
    t->image_impact = 0;
    return t;
}

Tir* creer_tir_anime(SDL_Rect position, SDL_Surface* image_a, SDL_Surface* image_b, int genre, int vx0,
                     int vy0) {
    return creer_tir_accelere(position, image_a, image_b, genre, vx0, vy0, 1.0, 1.0);
}

Tir* creer_tir(SDL_Rect position, SDL_Surface* image, int genre, int vx0, int vy0) {
    return creer_tir_accelere(position, image, image, genre, vx0, vy0, 1.0, 1.0);
}

void detruire_tir(Tir* tir) {
    if (!tir) return;
    free(tir->images_impact);
    free(tir);
}

void fixer_image_sol(Tir* tir, SDL_Surface* image) { tir->image_sol = image; }

void fixer_images_impact(Tir* tir, SDL_Surface* i1, SDL_Surface* i2, SDL_Surface* i3, SDL_Surface* i4) {
    tir->images_impact[0] = i1;
    tir->images_impact[1] = i2;
    tir->images_impact[2] = i3;
    tir->images_impact[3] = i4;
}

void fixer_vitesse_tir(Tir* tir, double vx, double vy) {
    tir->vx = vx;
    tir->vy = vy;
}

int degats_tir(const Tir* tir) {
    int d = tir->genre;
    if (d > 4) d -= 4;
    if (d == 3) d = 2;
    return d;
}

static int est_bombe(int genre) { return genre == TIR_BOMBE || genre == TIR_MODULE_BOMBE; }
static int est_guide(int genre) { return genre == TIR_GUIDE || genre == TIR_MODULE_GUIDE; }

Tir* lancer_tir(const Tir* modele, int x_tireur, int y_tireur) {
    SDL_Rect r = modele->position;
    if (modele->genre <= TIR_LOURD) r = creer_rect(r.x + x_tireur, r.y + y_tireur, r.w, r.h);
    Tir* t = creer_tir_accelere(r, modele->image_a, modele->image_b, modele->genre, modele->vx0, modele->vy0,
                                modele->ax, modele->ay);
    for (int i = 0; i < 4; ++i) t->images_impact[i] = modele->images_impact[i];
    if (est_bombe(modele->genre)) fixer_image_sol(t, modele->image_sol);
    return t;
}

int deplacer_tir(Tir* tir, const SDL_Rect* cible) {
    SDL_Rect* p = &tir->position;
    if (p->y < 1 || p->y > ECRAN_HAUTEUR - 1 || p->x <= -(int)p->w || p->x > ECRAN_LARGEUR - 1) return 0;
    if (est_bombe(tir->genre) && p->y >= 420) {
        // On the ground the bomb becomes a flat runner whatever its velocity was.
        fixer_vitesse_tir(tir, 15.0, 0.0);
        *p = creer_rect(p->x + 15, 435, 30, 8);
    } else if (est_guide(tir->genre) && cible && cible->x != SANS_CIBLE) {
        int cx = cible->x + cible->w / 2;
        int cy = cible->y + cible->h / 2;
        int x = p->x < cx ? p->x + 15 : p->x - 15;
        int y = p->y < cy ? p->y + 15 : p->y - 15;
        *p = creer_rect(x, y, p->w, p->h);
    } else {
        // Truncation toward zero: a speed below one pixel does not move the shot at all.
        *p = creer_rect(p->x + (int)tir->vx, p->y + (int)tir->vy, p->w, p->h);
        tir->vx *= tir->ax;
        tir->vy *= tir->ay;
    }
    return 1;
}

static void dessiner(SDL_Surface* image, const SDL_Rect* position, SDL_Surface* ecran) {
    if (!image || !ecran) return;
    SDL_Rect dest = *position;
    SDL_BlitSurface(image, NULL, ecran, &dest);
}

int afficher_tir(Tir* tir, SDL_Surface* ecran) {
    if (!tir->vivant) {
        if (tir->image_impact >= 4) return 0;
        dessiner(tir->images_impact[tir->image_impact], &tir->position, ecran);
        tir->image_impact += 1;
        return 1;
    }
    if (est_bombe(tir->genre) && tir->position.y > 429) {
        dessiner(tir->image_sol, &tir->position, ecran);
    } else if (tir->compteur_anim > tir->seuil_anim) {
        dessiner(tir->image_a, &tir->position, ecran);
        tir->compteur_anim = 1;
    } else {
        dessiner(tir->image_b, &tir->position, ecran);
    }
    tir->compteur_anim += 1;
    if (tir->compteur_anim > tir->seuil_remise) tir->compteur_anim = 0;
    return 1;
}
