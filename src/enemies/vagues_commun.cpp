// The wave-script builder: walks a level's const tables and builds its enemies (see
// vagues_commun.h).
#include "enemies/vagues_commun.h"

#include <SDL_mixer.h>
#include <assert.h>
#include <stdlib.h>

#include "combat/monde.h"
#include "core/calculs.h"
#include "enemies/ennemi.h"
#include "enemies/tir.h"

static SDL_Surface* image_de(const void* ressources, size_t champ) {
    if (champ == SANS_CHAMP) return NULL;
    return *(SDL_Surface* const*)((const char*)ressources + champ);
}

static Mix_Chunk* son_de(const void* ressources, size_t champ) {
    if (champ == SANS_CHAMP) return NULL;
    return *(Mix_Chunk* const*)((const char*)ressources + champ);
}

// The level's template lists, built once: each list is a null-terminated array of ten
// templates plus the terminator, as creer_etape_tir wants it.
typedef Tir* ListeTirs[NB_MODELES_TIR + 1];

static void construire_salve(ListeTirs liste, const Salve* s, const void* ressources) {
    SDL_Surface* a = image_de(ressources, s->image_a);
    SDL_Surface* b = image_de(ressources, s->image_b);
    for (int k = 0; k <= NB_MODELES_TIR; ++k) liste[k] = NULL;
    for (int k = 0; k < s->nb; ++k) {
        const ModeleTir* m = &s->modeles[k];
        SDL_Rect r = creer_rect(m->x, m->y, m->w, m->h);
        liste[k] = s->anime ? creer_tir_anime(r, a, b, 0, m->vx0, m->vy0)
                            : creer_tir_accelere(r, a, b, 0, m->vx0, m->vy0, m->ax, m->ay);
    }
}

static void liberer_salve(ListeTirs liste) {
    // creer_etape_tir copied every template it used: the lists are the script's own.
    for (int k = 0; liste[k]; ++k) detruire_tir(liste[k]);
}

typedef struct Chantier {
    const void* ressources;
    ListeTirs* listes;
} Chantier;

// Index of the PAS_FIN_REPETER that closes the group opened at `debut`.
static int fin_du_groupe(const Pas* table, int nb, int debut) {
    int profondeur = 0;
    for (int k = debut; k < nb; ++k) {
        if (table[k].genre == PAS_REPETER) ++profondeur;
        if (table[k].genre == PAS_FIN_REPETER && --profondeur == 0) return k;
    }
    assert(!"k x [ without its closing ]");
    return nb;
}

// Appends the steps of table[debut, fin) to program `quel` of `e`, unrolling the groups.
static void ajouter_pas(Ennemi* e, int quel, const Pas* table, int debut, int fin,
                        const Chantier* c) {
    for (int k = debut; k < fin; ++k) {
        const Pas* p = &table[k];
        if (p->genre == PAS_REPETER) {
            int f = fin_du_groupe(table, fin, k);
            for (int n = 0; n < p->fois; ++n) ajouter_pas(e, quel, table, k + 1, f, c);
            k = f;
            continue;
        }
        assert(p->genre == PAS_ETAPE);
        for (int n = 0; n < p->fois; ++n) {
            int nb_images = p->nb_images + (p->hasard_images > 0 ? hasard(p->hasard_images) : 0);
            Etape* etape = p->salve == SANS_SALVE
                               ? creer_etape(p->dx, p->dy, nb_images)
                               : creer_etape_tir(p->dx, p->dy, nb_images, c->listes[p->salve],
                                                 son_de(c->ressources, p->son));
            ajouter_etape(e, etape, quel);
        }
    }
}

static Ennemi* construire_ennemi(const Membre* m, int temps, const Chantier* c) {
    const TypeEnnemi* t = m->type;
    const void* res = c->ressources;
    int y = m->y;
    if (m->hasard_y > 0) y += hasard(m->hasard_y);
    if (m->hasard_y < 0) y -= hasard(-m->hasard_y);
    Ennemi* e = creer_ennemi(creer_rect(m->x, y, t->w, t->h), m->vie ? m->vie : t->vie,
                             t->nb_tirs_max, image_de(res, t->images[0]), 0,
                             image_de(res, t->explosion), t->nb_etapes_explosion, t->duree_etape,
                             temps, t->nom, t->largeur_explosion, t->hauteur_explosion,
                             t->demi_largeur, m->demi_hauteur ? m->demi_hauteur : t->demi_hauteur,
                             t->avec_entree, t->boucle_principal, t->fin_sortie, t->points);
    fixer_son_explosion(e, son_de(res, t->son_explosion));
    fixer_images_ennemi(e, image_de(res, t->images[1]), image_de(res, t->images[2]),
                        image_de(res, t->images[3]));
    if (t->images_flash[0] != SANS_CHAMP)
        fixer_images_flash(e, image_de(res, t->images_flash[0]), image_de(res, t->images_flash[1]),
                           image_de(res, t->images_flash[2]), image_de(res, t->images_flash[3]));
    if (t->vitesse_anim) fixer_vitesse_anim(e, t->vitesse_anim);
    if (t->images_bonus[0] != SANS_CHAMP) {
        fixer_images_bonus(e, image_de(res, t->images_bonus[0]), image_de(res, t->images_bonus[1]),
                           image_de(res, t->images_bonus[2]), image_de(res, t->images_bonus[3]));
        fixer_type_bonus(e, m->type_bonus);
        fixer_son_bonus(e, son_de(res, m->son_bonus));
    }
    ajouter_pas(e, PROGRAMME_ENTREE, m->entree.pas, 0, m->entree.nb, c);
    ajouter_pas(e, PROGRAMME_PRINCIPAL, m->principal.pas, 0, m->principal.nb, c);
    ajouter_pas(e, PROGRAMME_SORTIE, m->sortie.pas, 0, m->sortie.nb, c);
    return e;
}

static int ennemis_par_indice(const Rangee* r) { return r->choix == PAIRE ? 2 : 1; }

int compter_ennemis(const ScriptVagues* script) {
    int total = 0;
    for (int k = 0; k < script->nb_rangees; ++k)
        total += script->rangees[k].nombre * ennemis_par_indice(&script->rangees[k]);
    return total;
}

void construire_vagues(Monde* monde, const void* ressources, const ScriptVagues* script) {
    initialiser_hasard();

    ListeTirs* listes = (ListeTirs*)malloc(sizeof(ListeTirs) * (size_t)script->nb_salves);
    for (int k = 0; k < script->nb_salves; ++k)
        construire_salve(listes[k], &script->salves[k], ressources);
    Chantier c = {ressources, listes};

    // Every enemy in creation order, and where each row starts.
    Ennemi** ennemis = (Ennemi**)malloc(sizeof(Ennemi*) * (size_t)compter_ennemis(script));
    int* debut_rangee = (int*)malloc(sizeof(int) * (size_t)(script->nb_rangees + 1));
    int n = 0;
    for (int k = 0; k < script->nb_rangees; ++k) {
        const Rangee* r = &script->rangees[k];
        debut_rangee[k] = n;
        for (int i = 0; i < r->nombre; ++i) {
            int temps = r->temps - r->ecart * i;
            switch (r->choix) {
                case UN_SEUL:
                    ennemis[n++] = construire_ennemi(&r->membres[0], temps, &c);
                    break;
                case PAIRE:
                    ennemis[n++] = construire_ennemi(&r->membres[0], temps, &c);
                    ennemis[n++] = construire_ennemi(&r->membres[1], temps, &c);
                    break;
                case COTE_HASARD:
                    ennemis[n++] = construire_ennemi(&r->membres[hasard(2) == 1 ? 0 : 1], temps, &c);
                    break;
                case COTE_PARITE:
                    ennemis[n++] = construire_ennemi(&r->membres[i % 2 == 1 ? 0 : 1], temps, &c);
                    break;
            }
        }
    }
    debut_rangee[script->nb_rangees] = n;

    // ajouter_ennemi puts each enemy at the front: the last row goes in first, and inside a
    // row the first-built enemy goes in first, so it ends up behind the rest of its row.
    for (int k = script->nb_rangees - 1; k >= 0; --k)
        for (int j = debut_rangee[k]; j < debut_rangee[k + 1]; ++j) ajouter_ennemi(monde, ennemis[j]);

    free(debut_rangee);
    free(ennemis);
    for (int k = 0; k < script->nb_salves; ++k) liberer_salve(listes[k]);
    free(listes);
}
