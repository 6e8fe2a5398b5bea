// The view of a level's frame for the observer (see vue_monde.h).
#include "level/vue_monde.h"

#include "combat/monde.h"
#include "platform/plateforme.h"

namespace {

ObservateurVue g_observateur = nullptr;
void* g_donnees = nullptr;
VueMonde g_vue;  // one record, refilled every frame (it holds a thousand shots)

SDL_Rect coeur(const Vaisseau* c) {
    int cx = c->position.x + c->position.w / 2, cy = c->position.y + c->position.h / 2;
    SDL_Rect r;
    r.x = Sint16(cx - c->demi_largeur);
    r.y = Sint16(cy - c->demi_hauteur);
    r.w = Uint16(2 * c->demi_largeur);
    r.h = Uint16(2 * c->demi_hauteur);
    return r;
}

}  // namespace

void observer_vue_monde(ObservateurVue observateur, void* donnees) {
    g_observateur = observateur;
    g_donnees = donnees;
}

int vue_monde_observee(void) { return g_observateur != nullptr; }

void montrer_vue_monde(const Monde* monde, int niveau, int image, int en_retour, int limite_bas, int victoire) {
    if (!g_observateur) return;
    VueMonde* v = &g_vue;
    const Vaisseau* s = monde->vaisseau;
    // The clock as last read: the view must not add a reading of its own, or a run watched by
    // the autopilot would not replay as it was recorded.
    v->t = plateforme_maintenant();
    v->niveau = niveau;
    v->image = image;
    v->vaisseau = s->position;
    v->etat_vaisseau = en_retour ? VUE_RETOUR : s->etape_explosion != 0 ? VUE_EXPLOSE : VUE_PILOTABLE;
    v->vie = s->vie;
    v->invincibilite = s->invincibilite;
    v->arme = s->arme;
    for (int k = 0; k < 5; ++k) v->armes[k] = s->armes[k];
    v->vitesse = s->vitesse;
    v->modules = s->modules;
    v->limite_bas = limite_bas;
    v->victoire = victoire > 0;
    v->score = monde->score;
    v->nb_ennemis = 0;
    v->nb_tirs = 0;
    for (int p = 0; p < monde->nb_places && p < VUE_MAX_ENNEMIS; ++p) {
        const Ennemi* e = monde->actifs[p];
        if (!e) continue;
        const Vaisseau* c = e->corps;
        // Only what is drawn: an enemy gone off screen or at the end of its exit is invisible.
        int etat;
        if (e->bonus_libere && e->type_bonus != BONUS_RAMASSE && c->etape_explosion > c->nb_etapes_explosion)
            etat = VUE_BONUS;
        else if (c->etape_explosion >= 1 && c->etape_explosion <= c->nb_etapes_explosion)
            etat = VUE_EN_EXPLOSION;
        else if (c->etape_explosion == 0 && e->fin_sortie != 2)
            etat = VUE_VIVANT;
        else
            etat = -1;
        if (etat >= 0) {
            VueEnnemi* ve = &v->ennemis[v->nb_ennemis++];
            ve->id = p;
            ve->nom = e->nom;
            ve->rect = c->position;
            ve->corps = coeur(c);
            ve->vie = c->vie;
            ve->etat = etat;
            ve->type_bonus = etat == VUE_BONUS ? e->type_bonus : -1;
        }
        for (int i = 0; i < c->nb_tirs_max && v->nb_tirs < VUE_MAX_TIRS; ++i) {
            const Tir* t = c->tirs[i];
            if (!t) continue;
            VueTir* vt = &v->tirs[v->nb_tirs++];
            vt->id = p * 1000 + i;
            vt->rect = t->position;
        }
    }
    g_observateur(v, g_donnees);
}
