// The story frame and the walker of story scripts (see histoire.h).
#include "cutscene/histoire.h"

#include <SDL_mixer.h>
#include <assert.h>
#include <stdio.h>
#include <string.h>

#include "core/calculs.h"
#include "cutscene/personnage.h"
#include "level/decor.h"
#include "platform/audio.h"
#include "platform/plateforme.h"
#include "platform/trace.h"
#include "shell/cadence.h"

namespace {

// Everything one play of a story owns, for exactly the length of the call.
struct Histoire {
    const Scenario* scenario;
    SDL_Surface* ecran;
    Uint32 periode;
    Uint32 prochaine_image;
    void* ressources;
    Personnage* figures[MAX_FIGURES];
    Decor* decor;
    int compteurs[MAX_COMPTEURS];
    int saut;
    SDL_Rect cadre_dialogue;
};

void* champ(const Histoire* h, RefRessource ref) {
    assert(ref != AUCUNE);
    return *(void**)((char*)h->ressources + (ref - 1));
}

SDL_Surface* image(const Histoire* h, RefRessource ref) { return (SDL_Surface*)champ(h, ref); }

void lancer_musique(const Histoire* h, RefRessource ref) { jouer_musique((Mix_Music*)champ(h, ref), 0); }

void plein_ecran(Histoire* h, SDL_Surface* surface) {
    if (surface) SDL_BlitSurface(surface, NULL, h->ecran, NULL);
}

int dans(int de, int a, int i) { return de <= i && i <= a; }

// The picture of a layer entry in frame i, or NULL when it shows nothing then.
SDL_Surface* image_calque(const Histoire* h, const Calque* c, int i) {
    if (!dans(c->de, c->a, i)) return NULL;
    if (c->cycle == 0) return image(h, c->image);
    const Cycle* cycle = &h->scenario->cycles[c->cycle - 1];
    int valeur = h->compteurs[cycle->compteur];
    for (const Plage& p : cycle->plages) {
        if (p.image == AUCUNE) break;
        if (dans(p.min, p.max, valeur)) return image(h, p.image);
    }
    return NULL;
}

int calque_vide(const Calque* c) { return c->cycle == 0 && c->image == AUCUNE; }

void prendre_evenements(Histoire* h) {
    SDL_Event e;
    while (plateforme_evenement(&e)) {
        if (e.type == SDL_QUIT) h->saut = 1;
        if (e.type == SDL_KEYDOWN) {
            SDLKey touche = e.key.keysym.sym;
            if (touche == SDLK_ESCAPE || (touche == SDLK_RETURN && h->scenario->retour_saute)) h->saut = 1;
        }
    }
}

void jouer_geste(Histoire* h, const Geste* g) {
    Personnage* p = h->figures[g->figure - 1];
    if (g->si_x_positif && p->position.x <= 0) return;
    if (g->pas) deplacer_personnage(p, g->dx, g->dy, g->pas);
    if (g->dessin) afficher_personnage(p, g->dessin, h->ecran);
}

void dessiner_image(Histoire* h, const Plan* plan, int i) {
    for (const Calque& c : plan->fond) {
        if (calque_vide(&c)) break;
        plein_ecran(h, image_calque(h, &c, i));
    }
    if (plan->pas_decor != 0) defiler_decor(h->decor, pas_du_decor(plan->pas_decor, i), 0, h->ecran);
    for (const Geste& g : plan->gestes) {
        if (g.figure == 0) break;
        if (dans(g.de, g.a, i)) jouer_geste(h, &g);
    }
    for (const Calque& c : plan->dialogue) {
        if (calque_vide(&c)) break;
        SDL_Surface* s = image_calque(h, &c, i);
        SDL_Rect cadre = h->cadre_dialogue;  // the blit may clip its destination: use a copy
        if (s) SDL_BlitSurface(s, NULL, h->ecran, &cadre);
    }
}

void avancer_compteurs(Histoire* h, const Plan* plan, int i) {
    for (int k = 0; k < h->scenario->nb_compteurs; ++k) {
        if (!(plan->compteurs & (1u << k))) continue;
        const Compteur* c = &h->scenario->compteurs[k];
        if (c->pairs && i % 2 != 0) continue;
        if (++h->compteurs[k] == c->limite) h->compteurs[k] = c->depart;
    }
}

void tracer_fin_plan(const Histoire* h, int numero) {
    if (!trace_active()) return;
    char figures[64 * MAX_FIGURES];
    size_t n = 0;
    for (int k = 0; k < h->scenario->nb_figures && n < sizeof figures; ++k)
        n += (size_t)snprintf(figures + n, sizeof figures - n, "%s\"%s\":[%d,%d]", k ? "," : "",
                              h->scenario->figures[k].nom, h->figures[k]->position.x, h->figures[k]->position.y);
    trace_ecrire("fin_plan", "\"histoire\":\"%s\",\"plan\":%d,\"figures\":{%s}", h->scenario->nom, numero, figures);
}

// Runs every frame of a shot. Returns 0 when the skip request was seen.
int jouer_plan(Histoire* h, const Plan* plan) {
    trace_ecrire("plan", "\"histoire\":\"%s\",\"plan\":%d", h->scenario->nom, plan->numero);
    const int premier = (plan->options & INDICES_DE_1) ? 1 : 0;
    for (int i = premier; i < premier + plan->nb_images; ++i) {
        if (!(plan->options & SANS_EVENEMENTS)) prendre_evenements(h);
        if ((plan->options & GARDE_SAUT) && i == premier) {
            h->saut = 0;  // nothing pressed before this frame may skip the story
        } else if (h->saut) {
            trace_ecrire("saut", "\"histoire\":\"%s\",\"plan\":%d", h->scenario->nom, plan->numero);
            return 0;
        }
        dessiner_image(h, plan, i);
        if (i >= plan->premiere_montree) plateforme_afficher(h->ecran);
        attendre_cadence(&h->prochaine_image, h->periode);
        plateforme_attendre((Uint32)plan->delai);
        avancer_compteurs(h, plan, i);
    }
    tracer_fin_plan(h, plan->numero);
    return 1;
}

void jouer_transition(Histoire* h, const Transition* t) {
    if (t->image != AUCUNE) {
        plein_ecran(h, image(h, t->image));
        plateforme_afficher(h->ecran);
        attendre_cadence(&h->prochaine_image, h->periode);
    }
    if (t->fondu > 0) fondre_musique(t->fondu);
    if (t->pause > 0) plateforme_attendre((Uint32)t->pause);
    if (t->cadre_y >= 0) h->cadre_dialogue = creer_rect(0, t->cadre_y, 640, 200);
    if (t->musique != AUCUNE) lancer_musique(h, t->musique);
}

void ouvrir(Histoire* h, SDL_Surface* image_chargement) {
    const Scenario* s = h->scenario;
    plein_ecran(h, image_chargement);
    plateforme_afficher(h->ecran);
    h->ressources = s->charger();
    for (int k = 0; k < s->nb_figures; ++k) {
        const FigureHistoire* f = &s->figures[k];
        SDL_Surface* planche = image(h, f->planche);
        h->figures[k] = f->grand ? creer_grand_personnage(planche, f->x, f->y) : creer_personnage(planche, f->x, f->y);
    }
    h->prochaine_image = 0;
    for (int k = 0; k < s->nb_compteurs; ++k) h->compteurs[k] = s->compteurs[k].depart;
    h->cadre_dialogue = creer_rect(0, s->cadre_y, 640, 200);
    h->decor = creer_decor(creer_rect(0, 0, 640, 480), creer_rect(0, 0, 640, 0), image(h, s->image_decor));
    plateforme_attendre(3000);
    plein_ecran(h, image(h, s->carte_titre));
    plateforme_afficher(h->ecran);
    plateforme_attendre(3000);
    lancer_musique(h, s->premiere_musique);
    h->saut = 0;
}

void fermer(Histoire* h) {
    for (int k = 0; k < h->scenario->nb_figures; ++k) detruire_personnage(h->figures[k]);
    detruire_decor(h->decor);
    h->scenario->liberer(h->ressources);
}

}  // namespace

int pas_du_decor(int pas_decor, int i) {
    if (pas_decor != PAS_ACCELERE) return pas_decor;
    if (i <= 5) return 4;
    int pas = 4 + (i - 1) / 5;
    return pas > 13 ? 13 : pas;
}

void raconter_histoire(const Scenario* scenario, SDL_Surface* ecran, Uint32 periode, SDL_Surface* image_chargement) {
    assert(scenario->nb_figures <= MAX_FIGURES && scenario->nb_compteurs <= MAX_COMPTEURS);
    Histoire h;
    memset(&h, 0, sizeof h);
    h.scenario = scenario;
    h.ecran = ecran;
    h.periode = periode;
    ouvrir(&h, image_chargement);
    for (int p = 0; p < scenario->nb_plans; ++p) {
        const Plan* plan = &scenario->plans[p];
        for (int t = 0; t < scenario->nb_transitions; ++t)
            if (scenario->transitions[t].avant_plan == plan->numero) jouer_transition(&h, &scenario->transitions[t]);
        if (!jouer_plan(&h, plan)) {
            // The skip sequence: the music fades while the story lets go of everything; freeing
            // a fading music waits for the rest of the fade.
            fondre_musique(1000);
            plateforme_attendre(500);
            fermer(&h);
            return;
        }
    }
    if (scenario->fondu_fin > 0) fondre_musique(scenario->fondu_fin);
    if (scenario->pause_fin > 0) plateforme_attendre((Uint32)scenario->pause_fin);
    fermer(&h);
}
