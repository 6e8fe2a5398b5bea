// Ennemi and Etape: constructors, setters, the program interpreter, the move with its
// off-screen rule, and the enemy's picture in a frame.
#include "enemies/ennemi.h"

#include <stdlib.h>
#include <string.h>

#include "core/calculs.h"
#include "platform/audio.h"
#include "platform/plateforme.h"

enum { CANAL_ETAPE = 3 };

Ennemi* creer_ennemi(SDL_Rect position, int vie, int nb_tirs_max, SDL_Surface* image, int drapeau,
                     SDL_Surface* image_explosion, int nb_etapes_explosion, int duree_etape,
                     int temps_apparition, const char* nom, int largeur_explosion, int hauteur_explosion,
                     int demi_largeur, int demi_hauteur, int avec_entree, int boucle_principal,
                     int fin_sortie, int points) {
    Ennemi* e = (Ennemi*)calloc(1, sizeof(Ennemi));
    e->corps = creer_vaisseau(position, vie, nb_tirs_max, image, drapeau, image_explosion, nb_etapes_explosion,
                              duree_etape, demi_largeur, demi_hauteur);
    e->temps_apparition = temps_apparition;
    e->nom = nom;
    e->nb_etapes_max = NB_ETAPES_MAX;
    e->avec_entree = avec_entree;
    e->en_principal = avec_entree == 0 ? 1 : 0;
    e->boucle_principal = boucle_principal;
    e->fin_sortie = fin_sortie;
    e->largeur_explosion = largeur_explosion;
    e->hauteur_explosion = hauteur_explosion;
    e->points = points;
    e->images = (SDL_Surface**)calloc(NB_IMAGES_ENNEMI, sizeof(SDL_Surface*));
    e->images_bonus = (SDL_Surface**)calloc(NB_IMAGES_ENNEMI, sizeof(SDL_Surface*));
    for (int i = 0; i < NB_IMAGES_ENNEMI; ++i) {
        e->images[i] = image;
        e->images_flash[i] = image;
        e->images_bonus[i] = image;
        e->seuils_anim[i] = 5 * (i + 1);
    }
    e->seuil_boss = (int)(vie * 0.5);
    return e;
}

void detruire_etape(Etape* etape) {
    if (!etape) return;
    for (int i = 0; i < NB_MODELES_TIR; ++i) detruire_tir(etape->modeles_tir[i]);
    free(etape);
}

void detruire_ennemi(Ennemi* ennemi) {
    if (!ennemi) return;
    Etape** programmes[3] = {ennemi->programme_entree, ennemi->programme_principal, ennemi->programme_sortie};
    for (Etape** programme : programmes)
        for (int i = 0; i < NB_ETAPES_MAX; ++i) detruire_etape(programme[i]);
    detruire_vaisseau(ennemi->corps);
    free(ennemi->images);
    free(ennemi->images_bonus);
    free(ennemi);
}

Etape* creer_etape(int dx, int dy, int nb_images) {
    Etape* e = (Etape*)calloc(1, sizeof(Etape));
    e->dx = dx;
    e->dy = dy;
    e->nb_images = nb_images;
    return e;
}

Etape* creer_etape_tir(int dx, int dy, int nb_images, Tir* const* modeles, Mix_Chunk* son) {
    Etape* e = creer_etape(dx, dy, nb_images);
    for (int i = 0; modeles && modeles[i]; ++i) ajouter_tir_etape(e, modeles[i]);
    e->son = son;
    return e;
}

void ajouter_tir_etape(Etape* etape, const Tir* modele) {
    for (int i = 0; i < NB_MODELES_TIR; ++i) {
        if (etape->modeles_tir[i]) continue;
        etape->modeles_tir[i] = creer_tir_accelere(modele->position, modele->image_a, modele->image_b, modele->genre,
                                                   modele->vx0, modele->vy0, modele->ax, modele->ay);
        return;
    }
}

static Etape** programme_numero(Ennemi* ennemi, int programme) {
    switch (programme) {
        case PROGRAMME_ENTREE: return ennemi->programme_entree;
        case PROGRAMME_PRINCIPAL: return ennemi->programme_principal;
        case PROGRAMME_SORTIE: return ennemi->programme_sortie;
        default: return NULL;
    }
}

void ajouter_etape(Ennemi* ennemi, Etape* etape, int programme) {
    Etape** p = programme_numero(ennemi, programme);
    for (int i = 0; p && i < ennemi->nb_etapes_max; ++i) {
        if (p[i]) continue;
        p[i] = etape;
        return;
    }
    // Dropped: nobody else holds the step.
    detruire_etape(etape);
}

static void fin_de_programme(Ennemi* e) {
    if (e->avec_entree == 1) {
        e->avec_entree = 0;
        e->etape_courante = 0;
        e->en_principal = 1;
    } else if (e->en_sortie == 1) {
        if (e->fin_sortie == 1) e->etape_courante = 0;
        else e->fin_sortie = 2;
    } else if (e->en_principal == 1) {
        const int boss = e->nom && strcmp(e->nom, "BOSS") == 0;
        if (boss && e->boucle_principal == 1 && e->corps->vie <= e->seuil_boss) {
            e->en_sortie = 1;
            e->etape_courante = 0;
        } else if (e->boucle_principal == 1) {
            e->etape_courante = 0;
        } else {
            e->en_sortie = 1;
            e->etape_courante = 0;
        }
    }
}

void executer_programme(Ennemi* ennemi) {
    Etape** programme = ennemi->en_sortie     ? ennemi->programme_sortie
                        : ennemi->en_principal ? ennemi->programme_principal
                                               : ennemi->programme_entree;
    if (ennemi->etape_courante >= ennemi->nb_etapes_max) return;
    Etape* etape = programme[ennemi->etape_courante];
    if (!etape) return;
    deplacer_ennemi(ennemi, etape->dx, etape->dy);
    ennemi->compteur_etape += 1;
    if (ennemi->compteur_etape == etape->nb_images) {
        ennemi->compteur_etape = 0;
        ennemi->a_tire = 0;
        ennemi->etape_courante += 1;
        if (ennemi->etape_courante == ennemi->nb_etapes_max || !programme[ennemi->etape_courante])
            fin_de_programme(ennemi);
        return;
    }
    if (ennemi->a_tire == 0) {
        for (int i = 0; i < NB_MODELES_TIR && etape->modeles_tir[i]; ++i) tirer_ennemi(ennemi, etape->modeles_tir[i]);
        jouer_son(CANAL_ETAPE, etape->son);
        ennemi->a_tire = 1;
    }
}

void deplacer_ennemi(Ennemi* ennemi, int dx, int dy) {
    Vaisseau* c = ennemi->corps;
    deplacer_vaisseau(c, dx, dy);
    const SDL_Rect& p = c->position;
    if (p.y + p.h < 0 || p.y >= ECRAN_HAUTEUR || p.x + p.w <= 0 || p.x >= ECRAN_LARGEUR)
        c->etape_explosion = c->nb_etapes_explosion + 1;
}

void tirer_ennemi(Ennemi* ennemi, const Tir* modele) { ajouter_tir(ennemi->corps, modele); }
void deplacer_tirs_ennemi(Ennemi* ennemi) { deplacer_tirs(ennemi->corps); }
void afficher_tirs_ennemi(Ennemi* ennemi, SDL_Surface* ecran) { afficher_tirs(ennemi->corps, ecran); }

void fixer_son_explosion(Ennemi* ennemi, Mix_Chunk* son) { ennemi->corps->son_explosion = son; }

void fixer_images_ennemi(Ennemi* ennemi, SDL_Surface* i1, SDL_Surface* i2, SDL_Surface* i3) {
    ennemi->images[1] = i1;
    ennemi->images[2] = i2;
    ennemi->images[3] = i3;
}

void fixer_images_flash(Ennemi* ennemi, SDL_Surface* f0, SDL_Surface* f1, SDL_Surface* f2, SDL_Surface* f3) {
    ennemi->images_flash[0] = f0;
    ennemi->images_flash[1] = f1;
    ennemi->images_flash[2] = f2;
    ennemi->images_flash[3] = f3;
}

void fixer_vitesse_anim(Ennemi* ennemi, int t) {
    for (int i = 0; i < NB_IMAGES_ENNEMI; ++i) ennemi->seuils_anim[i] = t * (i + 1);
}

void fixer_type_bonus(Ennemi* ennemi, int type_bonus) { ennemi->type_bonus = type_bonus; }
void liberer_bonus(Ennemi* ennemi, int libere) { ennemi->bonus_libere = libere; }

void fixer_images_bonus(Ennemi* ennemi, SDL_Surface* b0, SDL_Surface* b1, SDL_Surface* b2, SDL_Surface* b3) {
    ennemi->images_bonus[0] = b0;
    ennemi->images_bonus[1] = b1;
    ennemi->images_bonus[2] = b2;
    ennemi->images_bonus[3] = b3;
}

void fixer_son_bonus(Ennemi* ennemi, Mix_Chunk* son) { ennemi->son_bonus = son; }

static void dessiner(SDL_Surface* image, SDL_Rect* source, int x, int y, SDL_Surface* ecran) {
    if (!image || !ecran) return;
    SDL_Rect dest = creer_rect(x, y, 0, 0);
    SDL_BlitSurface(image, source, ecran, &dest);
}

void afficher_ennemi(Ennemi* ennemi, SDL_Surface* ecran) {
    Vaisseau* c = ennemi->corps;
    const int k = c->etape_explosion;
    if (k >= 1 && k <= c->nb_etapes_explosion) {
        SDL_Rect source = creer_rect(ennemi->largeur_explosion * (k - 1), 0, ennemi->largeur_explosion,
                                     ennemi->hauteur_explosion);
        const int x = c->position.x + c->position.w / 2 - ennemi->largeur_explosion / 2;
        const int y = c->position.y + c->position.h / 2 - ennemi->hauteur_explosion / 2;
        const Uint32 maintenant = plateforme_ticks();
        // The frame drawn is the one before the advance.
        if (maintenant > c->temps_etape + (Uint32)c->duree_etape) {
            c->etape_explosion += 1;
            c->temps_etape = maintenant;
        }
        dessiner(c->image_explosion, &source, x, y, ecran);
        return;
    }
    if (ennemi->fin_sortie == 2) return;
    const int n = ennemi->compteur_anim;
    const int* t = ennemi->seuils_anim;
    const int f = n < t[0] ? 0 : n < t[1] ? 1 : n < t[2] ? 2 : 3;
    if (ennemi->touche == 1 && ennemi->bonus_libere == 0) {
        dessiner(ennemi->images_flash[f], NULL, c->position.x, c->position.y, ecran);
        ennemi->touche = 0;
    } else if (ennemi->bonus_libere == 1) {
        if (ennemi->type_bonus >= 0 && ennemi->type_bonus < NB_IMAGES_ENNEMI)
            dessiner(ennemi->images_bonus[ennemi->type_bonus], NULL, c->position.x, c->position.y, ecran);
    } else {
        if (c->etape_explosion == 0) dessiner(ennemi->images[f], NULL, c->position.x, c->position.y, ecran);
        ennemi->compteur_anim += 1;
        if (ennemi->compteur_anim > t[3]) ennemi->compteur_anim = 0;
    }
}
