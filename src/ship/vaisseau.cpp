// Vaisseau: constructor, small operations, the player's steering and the shot slots.
#include "ship/vaisseau.h"

#include <stdlib.h>

#include "core/calculs.h"

Vaisseau* creer_vaisseau(SDL_Rect position, int vie, int nb_tirs_max, SDL_Surface* image, int drapeau,
                         SDL_Surface* image_explosion, int nb_etapes_explosion, int duree_etape,
                         int demi_largeur, int demi_hauteur) {
    Vaisseau* v = (Vaisseau*)calloc(1, sizeof(Vaisseau));
    v->position = position;
    v->vie = vie;
    v->nb_tirs_max = nb_tirs_max;
    v->nb_tirs = 0;
    // calloc(0) may give NULL; one spare cell keeps the array valid for bodies that never fire.
    v->tirs = (Tir**)calloc(nb_tirs_max > 0 ? nb_tirs_max : 1, sizeof(Tir*));
    v->image = image;
    v->drapeau = drapeau;
    v->image_explosion = image_explosion;
    v->image_explosion2 = image_explosion;
    v->etape_explosion = 0;
    v->nb_etapes_explosion = nb_etapes_explosion;
    v->duree_etape = duree_etape;
    v->temps_etape = 0;
    v->invincibilite = 0;
    v->son_explosion = NULL;
    v->demi_largeur = demi_largeur;
    v->demi_hauteur = demi_hauteur;
    v->armes[0] = 1;
    v->armes[1] = 1;
    v->arme = 0;
    v->modules = 0;
    v->vitesse = 1;
    v->cible = creer_rect(0, 0, 0, 0);
    return v;
}

void detruire_vaisseau(Vaisseau* vaisseau) {
    if (!vaisseau) return;
    for (int i = 0; i < vaisseau->nb_tirs_max; ++i) detruire_tir(vaisseau->tirs[i]);
    free(vaisseau->tirs);
    free(vaisseau);
}

void deplacer_vaisseau(Vaisseau* vaisseau, int dx, int dy) {
    SDL_Rect* p = &vaisseau->position;
    *p = creer_rect(p->x + dx, p->y + dy, p->w, p->h);
}

void placer_vaisseau(Vaisseau* vaisseau, SDL_Rect position) { vaisseau->position = position; }
void fixer_vie(Vaisseau* vaisseau, int vie) { vaisseau->vie = vie; }
void fixer_image(Vaisseau* vaisseau, SDL_Surface* image) { vaisseau->image = image; }
void fixer_image_explosion(Vaisseau* vaisseau, SDL_Surface* image) { vaisseau->image_explosion = image; }
void fixer_image_explosion2(Vaisseau* vaisseau, SDL_Surface* image) { vaisseau->image_explosion2 = image; }
void fixer_etape_explosion(Vaisseau* vaisseau, int etape) { vaisseau->etape_explosion = etape; }
void fixer_invincibilite(Vaisseau* vaisseau, int invincibilite) { vaisseau->invincibilite = invincibilite; }
void fixer_son_explosion(Vaisseau* vaisseau, Mix_Chunk* son) { vaisseau->son_explosion = son; }

void vitesse_suivante(Vaisseau* vaisseau) {
    vaisseau->vitesse += 1;
    if (vaisseau->vitesse > 4) vaisseau->vitesse = 1;
}

int piloter_vaisseau(const Uint8* touches, Vaisseau* vaisseau, SDL_Surface* image,
                     SDL_Surface* image_haut, SDL_Surface* image_bas, SDL_Surface* image_haut0,
                     SDL_Surface* image_bas0, SDL_Surface* image_inv, SDL_Surface* image_haut_inv,
                     SDL_Surface* image_bas_inv, SDL_Surface* image_haut0_inv, SDL_Surface* image_bas0_inv,
                     int* compteur_haut, int* compteur_bas, int limite_bas) {
    const int pas = vaisseau->vitesse + 1;
    const int invincible = vaisseau->invincibilite != 0;
    int bouge = 0;

    if (touches[SDLK_UP] && vaisseau->position.y >= 82) {
        deplacer_vaisseau(vaisseau, 0, -pas);
        if (*compteur_haut < 10) vaisseau->image = invincible ? image_haut0_inv : image_haut0;
        else vaisseau->image = invincible ? image_haut_inv : image_haut;
        *compteur_haut += 1;
        *compteur_bas = 0;
        bouge = 1;
    }
    if (touches[SDLK_DOWN] && vaisseau->position.y + 32 <= limite_bas) {
        deplacer_vaisseau(vaisseau, 0, pas);
        if (*compteur_bas < 10) vaisseau->image = invincible ? image_bas0_inv : image_bas0;
        else vaisseau->image = invincible ? image_bas_inv : image_bas;
        *compteur_bas += 1;
        *compteur_haut = 0;
        bouge = 1;
    }
    // Sideways moves keep a climb or dive picture, except that invincibility always shows the
    // plain invincible picture.
    // Each bound is read on the position that its own arrow finds: with both held, the right
    // arrow sees where the left one has just put the ship.
    for (int sens = 0; sens < 2; ++sens) {
        const int permis = sens == 0 ? touches[SDLK_LEFT] && vaisseau->position.x >= 2
                                     : touches[SDLK_RIGHT] && vaisseau->position.x + 64 <= ECRAN_LARGEUR;
        if (!permis) continue;
        deplacer_vaisseau(vaisseau, sens == 0 ? -pas : pas, 0);
        if (invincible) vaisseau->image = image_inv;
        else if (!bouge) vaisseau->image = image;
        if (!bouge) {
            *compteur_haut = 0;
            *compteur_bas = 0;
        }
        bouge = 1;
    }
    return bouge;
}

// ---- shot slots ----

void ajouter_tir(Vaisseau* vaisseau, const Tir* modele) {
    for (int i = 0; i < vaisseau->nb_tirs_max; ++i) {
        if (vaisseau->tirs[i]) continue;
        vaisseau->tirs[i] = lancer_tir(modele, vaisseau->position.x, vaisseau->position.y);
        vaisseau->nb_tirs += 1;
        return;
    }
}

void retirer_tir(Vaisseau* vaisseau, int indice) {
    if (!vaisseau->tirs[indice]) return;
    detruire_tir(vaisseau->tirs[indice]);
    vaisseau->tirs[indice] = NULL;
    vaisseau->nb_tirs -= 1;
}

void deplacer_tirs(Vaisseau* vaisseau) {
    for (int i = 0; i < vaisseau->nb_tirs_max; ++i) {
        Tir* t = vaisseau->tirs[i];
        if (!t || !t->vivant) continue;
        if (!deplacer_tir(t, &vaisseau->cible)) retirer_tir(vaisseau, i);
    }
}

void afficher_tirs(Vaisseau* vaisseau, SDL_Surface* ecran) {
    for (int i = 0; i < vaisseau->nb_tirs_max; ++i) {
        Tir* t = vaisseau->tirs[i];
        if (!t) continue;
        if (!afficher_tir(t, ecran)) retirer_tir(vaisseau, i);
    }
}
