// Monde: arrivals into the ring of ten, hit tests and damage, the ship's hits and bonus
// pick-ups, enemy progress and retirement, flight and drawing, one frame at a time.
#include "combat/monde.h"

#include <stdlib.h>
#include <string.h>

#include "core/calculs.h"
#include "platform/audio.h"
#include "platform/plateforme.h"
#include "platform/trace.h"
#include "ship/armes.h"

enum { CANAL_TOUCHE = 2, CANAL_DESTRUCTION = 5, CANAL_BONUS = 6 };
// The player's explosion strip: frames of 64 x 50.
enum { LARGEUR_EXPLOSION_VAISSEAU = 64, HAUTEUR_EXPLOSION_VAISSEAU = 50 };
// A released bonus leaves play once it has drifted this far left.
enum { X_SORTIE_BONUS = -32 };

Monde* creer_monde(Vaisseau* vaisseau, int nb_reserve, Uint32 debut, SDL_Surface* i1, SDL_Surface* i2,
                   SDL_Surface* i3, SDL_Surface* i4, SDL_Surface* i5) {
    Monde* m = (Monde*)calloc(1, sizeof(Monde));
    m->vaisseau = vaisseau;
    m->prochain = 0;
    m->nb_places = NB_PLACES;
    m->nb_actifs = 0;
    m->actifs = (Ennemi**)calloc(NB_PLACES, sizeof(Ennemi*));
    m->debut_niveau = debut;
    m->en_attente = NULL;
    m->score = 0;
    m->nb_reserve = nb_reserve;
    m->reserve = (Ennemi**)calloc(nb_reserve > 0 ? nb_reserve : 1, sizeof(Ennemi*));
    SDL_Surface* images[NB_IMAGES_MONDE] = {i1, i2, i3, i4, i5};
    for (int i = 0; i < NB_IMAGES_MONDE; ++i) m->images[i] = images[i];
    return m;
}

void detruire_monde(Monde* monde) {
    if (!monde) return;
    if (!liste_vide(monde->en_attente)) {
        for (debut_liste(monde->en_attente); !fin_liste(monde->en_attente); suivant_liste(monde->en_attente))
            detruire_ennemi((Ennemi*)valeur_liste(monde->en_attente));
    }
    detruire_liste(monde->en_attente);
    for (int i = 0; i < monde->nb_places; ++i) detruire_ennemi(monde->actifs[i]);
    free(monde->actifs);
    free(monde->reserve);
    free(monde);
}

void ajouter_ennemi(Monde* monde, Ennemi* ennemi) { monde->en_attente = ajouter_liste(monde->en_attente, ennemi); }

static int centre_x(const SDL_Rect& r) { return r.x + r.w / 2; }
static int centre_y(const SDL_Rect& r) { return r.y + r.h / 2; }

int collision_vaisseaux(const Vaisseau* a, const Vaisseau* b) {
    if (abs(centre_x(a->position) - centre_x(b->position)) >= a->demi_largeur + b->demi_largeur) return 0;
    return abs(centre_y(a->position) - centre_y(b->position)) < a->demi_hauteur + b->demi_hauteur;
}

int collision_tir(const Tir* tir, const Vaisseau* vaisseau) {
    const SDL_Rect& t = tir->position;
    if (abs(centre_x(t) - centre_x(vaisseau->position)) >= t.w / 2 + vaisseau->demi_largeur) return 0;
    return abs(centre_y(t) - centre_y(vaisseau->position)) < t.h / 2 + vaisseau->demi_hauteur;
}

void sequence_touche(Vaisseau* vaisseau, Uint32 maintenant) {
    vaisseau->invincibilite = 150;
    vaisseau->vie -= 1;
    vaisseau->etape_explosion = 1;
    vaisseau->temps_etape = maintenant;
    jouer_son(CANAL_TOUCHE, vaisseau->son_explosion);
    desactiver_modules(vaisseau);
    perdre_arme(vaisseau);
    vaisseau->arme = 0;
    trace_ecrire("touche", "\"vie\":%d", vaisseau->vie);
}

// The enemy in ring slot `place` leaves play: nothing refers to it any more, so it is freed.
static void retirer_ennemi(Monde* monde, int place) {
    detruire_ennemi(monde->actifs[place]);
    monde->actifs[place] = NULL;
    monde->nb_actifs -= 1;
}

// Step 1: every due enemy at the head of the queue takes the ring slot `prochain`.
static void arrivees(Monde* monde, Uint32 maintenant) {
    Liste* l = monde->en_attente;
    if (liste_vide(l) || fin_liste(l)) return;
    while (!fin_liste(l)) {
        Ennemi* e = (Ennemi*)valeur_liste(l);
        if ((int64_t)monde->debut_niveau + e->temps_apparition > (int64_t)maintenant) break;
        supprimer_liste(l, 0);
        const int place = monde->prochain;
        if (monde->actifs[place]) {
            // The slot was not free again in time: the enemy still in it leaves play, so the
            // ring and its count stay true.
            retirer_ennemi(monde, place);
        }
        monde->actifs[place] = e;
        monde->nb_actifs += 1;
        monde->prochain = (place + 1) % monde->nb_places;
        trace_ecrire("arrivee", "\"nom\":\"%s\",\"x\":%d,\"y\":%d,\"place\":%d,\"niveau_t\":%ld", e->nom ? e->nom : "",
                     e->corps->position.x, e->corps->position.y, place,
                     (long)((int64_t)maintenant - (int64_t)monde->debut_niveau));
    }
    debut_liste(l);
}

// Step 2: the ship's shots against the enemies, one hit per enemy per frame.
static void tirs_contre_ennemis(Monde* monde, Uint32 maintenant) {
    Vaisseau* v = monde->vaisseau;
    for (int p = 0; p < monde->nb_places; ++p) {
        Ennemi* e = monde->actifs[p];
        if (!e) continue;
        for (int i = 0; i < v->nb_tirs_max; ++i) {
            Tir* t = v->tirs[i];
            if (!t || !collision_tir(t, e->corps) || e->corps->vie <= 0 || t->vivant != 1) continue;
            e->corps->vie -= degats_tir(t);
            t->vivant = 0;
            if (e->corps->vie < 1) {
                monde->score += e->points;
                if (monde->score > SCORE_MAX) monde->score = SCORE_MAX;
                if (e->nom && strcmp(e->nom, "Ennemi_Bonus") == 0) liberer_bonus(e, 1);
                e->corps->etape_explosion = 1;
                e->corps->temps_etape = maintenant;
                jouer_son(CANAL_DESTRUCTION, e->corps->son_explosion);
                trace_ecrire("destruction", "\"nom\":\"%s\",\"points\":%d,\"score\":%d", e->nom ? e->nom : "",
                             e->points, monde->score);
            } else {
                e->touche = 1;
            }
            break;
        }
    }
}

// Step 3: the ship against the enemies, their shots and the bonus items; also finds the
// homing target (the first living enemy examined). Ends at the first contact.
static void vaisseau_contre_ennemis(Monde* monde, Uint32 maintenant, SDL_Rect* cible) {
    Vaisseau* v = monde->vaisseau;
    for (int p = 0; p < monde->nb_places; ++p) {
        Ennemi* e = monde->actifs[p];
        if (!e) continue;
        if (e->corps->vie > 0 && cible->x == SANS_CIBLE) *cible = e->corps->position;
        if (collision_vaisseaux(v, e->corps) && (e->corps->vie > 0 || e->bonus_libere == 1)) {
            if (e->bonus_libere == 1) {
                if (e->type_bonus == BONUS_MODULES) {
                    activer_modules(v);
                } else {
                    gagner_arme(v, e->type_bonus);
                    v->arme = e->type_bonus + 1;
                }
                jouer_son(CANAL_BONUS, e->son_bonus);
                trace_ecrire("bonus", "\"type\":%d", e->type_bonus);
                e->type_bonus = BONUS_RAMASSE;
            } else {
                sequence_touche(v, maintenant);
            }
            return;
        }
        for (int i = 0; i < e->corps->nb_tirs_max; ++i) {
            Tir* s = e->corps->tirs[i];
            if (s && collision_tir(s, v)) {
                sequence_touche(v, maintenant);
                return;
            }
        }
    }
}

// Step 4: programs, bonus drift, retirement and the enemies' shots in flight.
static void progression_ennemis(Monde* monde) {
    for (int p = 0; p < monde->nb_places; ++p) {
        Ennemi* e = monde->actifs[p];
        if (!e) continue;
        Vaisseau* c = e->corps;
        if (e->fin_sortie != 2 && (c->etape_explosion == 0 || e->bonus_libere == 1)) {
            if (e->bonus_libere == 0) {
                executer_programme(e);
            } else if (c->position.x <= X_SORTIE_BONUS) {
                retirer_ennemi(monde, p);
                continue;
            } else {
                deplacer_ennemi(e, -2, 0);
            }
        }
        if (c->nb_tirs < 1) {
            const int explose = c->etape_explosion > c->nb_etapes_explosion && e->bonus_libere == 0;
            if (explose || e->fin_sortie == 2 || e->type_bonus == BONUS_RAMASSE) retirer_ennemi(monde, p);
        } else {
            deplacer_tirs(c);
        }
    }
}

// Step 8: the ship, or the frame of its explosion (advanced before the blit, drawn as it was).
static void afficher_vaisseau(Vaisseau* v, Uint32 maintenant, SDL_Surface* ecran) {
    const int k = v->etape_explosion;
    if (k < 1 || k > v->nb_etapes_explosion) {
        if (v->image && ecran) {
            SDL_Rect dest = v->position;
            SDL_BlitSurface(v->image, NULL, ecran, &dest);
        }
        return;
    }
    SDL_Rect source = creer_rect(LARGEUR_EXPLOSION_VAISSEAU * (k - 1), 0, LARGEUR_EXPLOSION_VAISSEAU,
                                 HAUTEUR_EXPLOSION_VAISSEAU);
    if (maintenant > v->temps_etape + (Uint32)v->duree_etape) {
        v->etape_explosion += 1;
        v->temps_etape = maintenant;
    }
    if (v->image_explosion && ecran) {
        SDL_Rect dest = creer_rect(v->position.x, v->position.y, 0, 0);
        SDL_BlitSurface(v->image_explosion, &source, ecran, &dest);
    }
}

void mettre_a_jour_monde(Monde* monde, SDL_Surface* inutile1, SDL_Surface* inutile2, SDL_Rect terrain,
                         SDL_Surface* ecran) {
    (void)inutile1;
    (void)inutile2;
    (void)terrain;
    const Uint32 maintenant = plateforme_ticks();
    Vaisseau* v = monde->vaisseau;
    SDL_Rect cible = creer_rect(SANS_CIBLE, 0, 0, 0);

    arrivees(monde, maintenant);
    if (monde->nb_actifs > 0) tirs_contre_ennemis(monde, maintenant);
    if (v->invincibilite == 0 && v->etape_explosion == 0 && monde->nb_actifs > 0)
        vaisseau_contre_ennemis(monde, maintenant, &cible);
    if (monde->nb_actifs > 0) progression_ennemis(monde);

    v->cible = cible;
    // The ship's shots are drawn where step 2 tested them, then fly toward the new target;
    // they lie under the enemies and the ship.
    afficher_tirs(v, ecran);
    if (v->nb_tirs > 0) deplacer_tirs(v);

    for (int p = 0; p < monde->nb_places; ++p) {
        Ennemi* e = monde->actifs[p];
        if (!e) continue;
        afficher_ennemi(e, ecran);
        if (e->corps->nb_tirs > 0) afficher_tirs(e->corps, ecran);
    }
    afficher_vaisseau(v, maintenant, ecran);
    if (v->invincibilite > 0) v->invincibilite -= 1;
}
