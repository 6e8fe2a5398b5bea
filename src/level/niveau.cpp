// The level scenes (see niveau.h): one loop, run over a const description of each level.
#include "level/niveau.h"

#include <stddef.h>
#include <stdlib.h>

#include "combat/monde.h"
#include "core/calculs.h"
#include "enemies/vagues.h"
#include "level/decor.h"
#include "level/menu_haut.h"
#include "level/ressources_niveau.h"
#include "level/vue_monde.h"
#include "platform/audio.h"
#include "platform/plateforme.h"
#include "platform/trace.h"
#include "shell/cadence.h"
#include "ship/armes.h"
#include "ship/vaisseau.h"

// ---- what tells the two levels apart ----

// A field of an asset set is named by its offset, so one description serves both levels'
// records (RessourcesNiveau1 and RessourcesNiveau2 share their field names).
static const size_t AUCUN_CHAMP = (size_t)-1;

// The fields of asset set A that the loop itself uses.
typedef struct ChampsNiveau {
    size_t blanc;             // victory screen
    size_t game_over;         // game over message
    size_t alerte[2];         // warning pictures, even and odd frames
    size_t explosion;         // the ship's explosion strip
    size_t impacts[4];
    size_t vaisseau[10];      // in the order piloter_vaisseau takes them
    size_t tirs[7];           // Tir1, Tir2, Tir3, Tir3a, Tir3b, Tir4, Tir5
    size_t sons_tir[4];
    size_t son_curseur;       // weapon change
    size_t son_alarme;        // boss alarm
    size_t son_explosion;     // the ship hit
    size_t musique;           // the level music, played once
    size_t musique_boss;      // AUCUN_CHAMP when the level has none
} ChampsNiveau;

#define CHAMPS_NIVEAU(T, MUSIQUE, MUSIQUE_BOSS)                                                               \
    {offsetof(T, blanc),                                                                                      \
     offsetof(T, game_over),                                                                                  \
     {offsetof(T, emergency), offsetof(T, emergency1)},                                                       \
     offsetof(T, explosions1),                                                                                \
     {offsetof(T, impact1), offsetof(T, impact2), offsetof(T, impact3), offsetof(T, impact4)},                \
     {offsetof(T, vaisseau1), offsetof(T, vaisseau_haut), offsetof(T, vaisseau_bas), offsetof(T, vaisseau_haut0), \
      offsetof(T, vaisseau_bas0), offsetof(T, vaisseau1_invincible), offsetof(T, vaisseau_haut_invincible),  \
      offsetof(T, vaisseau_bas_invincible), offsetof(T, vaisseau_haut0_invincible),                          \
      offsetof(T, vaisseau_bas0_invincible)},                                                                 \
     {offsetof(T, vaisseau_tir1), offsetof(T, vaisseau_tir2), offsetof(T, vaisseau_tir3),                    \
      offsetof(T, vaisseau_tir3a), offsetof(T, vaisseau_tir3b), offsetof(T, vaisseau_tir4),                  \
      offsetof(T, vaisseau_tir5)},                                                                            \
     {offsetof(T, son_hero_tir1), offsetof(T, son_hero_tir2), offsetof(T, son_hero_tir31),                   \
      offsetof(T, son_hero_tir41)},                                                                           \
     offsetof(T, son_curseur),                                                                                \
     offsetof(T, son_emergency),                                                                              \
     offsetof(T, son_explosion1),                                                                             \
     MUSIQUE,                                                                                                 \
     MUSIQUE_BOSS}

enum { MAX_COUCHES = 3 };
// Columns of a band's speed table.
enum { VITESSE_ENTREE, VITESSE_DEBUT, VITESSE_MILIEU, VITESSE_FIN, VITESSE_APRES_BOSS, NB_VITESSES };

typedef struct CoucheNiveau {
    SDL_Rect rect;              // the visible piece; the wrap piece is the same with height 0
    size_t image;               // pictures in asset set A: at the start,
    size_t image_changee;       // from the timed scenery change,
    size_t image_grise;         // from the frame after the boss's destruction
    int vitesses[NB_VITESSES];  // 2-pixel steps per frame
    int devant;                 // 1: drawn over the world (the ground), else behind it
} CoucheNiveau;

typedef struct DescriptionNiveau {
    int numero;
    void* (*charger_niveau)(void);  // asset set A
    void (*liberer_niveau)(void*);
    void* (*charger_ennemis)(void);  // asset set B, handed to the wave script
    void (*liberer_ennemis)(void*);
    void (*creer_vagues)(Monde*, void*);
    ChampsNiveau champs;
    Uint32 delai_depart;         // before the music and the entry run
    int nb_couches;
    CoucheNiveau couches[MAX_COUCHES];  // in drawing order
    Uint32 seuils_vitesse[2];    // level times at which the bands speed up
    Uint32 moment_changement;    // level time of the scenery change
    int alerte;                  // 1: alarm, blinking warning, then the repeating boss music
    Uint32 debut_alerte;
    Uint32 fin_alerte;           // last level time at which the warning shows
    Uint32 moment_boss;          // from then on the boss check runs
    int limite_bas;              // the ship's lower bound
} DescriptionNiveau;

static void* charger_a_1(void) { return charger_ressources_niveau_1(); }
static void* charger_b_1(void) { return charger_ennemis_niveau_1(); }
static void* charger_a_2(void) { return charger_ressources_niveau_2(); }
static void* charger_b_2(void) { return charger_ennemis_niveau_2(); }
static void liberer_a_1(void* r) { liberer_ressources_niveau_1((RessourcesNiveau1*)r); }
static void liberer_b_1(void* r) { liberer_ennemis_niveau_1((RessourcesEnnemis1*)r); }
static void liberer_a_2(void* r) { liberer_ressources_niveau_2((RessourcesNiveau2*)r); }
static void liberer_b_2(void* r) { liberer_ennemis_niveau_2((RessourcesEnnemis2*)r); }
static void vagues_1(Monde* m, void* r) { creer_vagues_niveau_1(m, (RessourcesEnnemis1*)r); }
static void vagues_2(Monde* m, void* r) { creer_vagues_niveau_2(m, (RessourcesEnnemis2*)r); }

static const DescriptionNiveau NIVEAU_1 = {
    1,
    charger_a_1,
    liberer_a_1,
    charger_b_1,
    liberer_b_1,
    vagues_1,
    CHAMPS_NIVEAU(RessourcesNiveau1, offsetof(RessourcesNiveau1, musique_steelofdestiny),
                  offsetof(RessourcesNiveau1, musique_boss)),
    3000,
    3,
    {
        {{0, 80, 640, 400}, offsetof(RessourcesNiveau1, desert_haut1a), offsetof(RessourcesNiveau1, desert_haut1b),
         offsetof(RessourcesNiveau1, desert_haut1a_gris), {1, 1, 2, 3, 1}, 0},
        {{0, 257, 640, 223}, offsetof(RessourcesNiveau1, desert_bas1a), offsetof(RessourcesNiveau1, desert_bas1b),
         offsetof(RessourcesNiveau1, desert_bas1a_gris), {4, 4, 5, 6, 4}, 0},
        // The second copy of the ground picture is the one the level draws.
        {{0, 413, 640, 67}, offsetof(RessourcesNiveau1, desert_sol1a_2), offsetof(RessourcesNiveau1, desert_sol1b),
         offsetof(RessourcesNiveau1, desert_sol1a_gris), {6, 6, 7, 8, 6}, 1},
    },
    {25000, 75000},
    85000,
    1,
    134000,
    137000,
    139500,
    LIMITE_BAS_NIVEAU_1,
};

static const DescriptionNiveau NIVEAU_2 = {
    2,
    charger_a_2,
    liberer_a_2,
    charger_b_2,
    liberer_b_2,
    vagues_2,
    CHAMPS_NIVEAU(RessourcesNiveau2, offsetof(RessourcesNiveau2, musique_sho), AUCUN_CHAMP),
    6000,
    1,
    {
        {{0, 80, 640, 400}, offsetof(RessourcesNiveau2, sky1), offsetof(RessourcesNiveau2, sky2),
         offsetof(RessourcesNiveau2, sky_gris), {3, 3, 4, 5, 1}, 0},
    },
    {35000, 75000},
    35000,
    0,
    0,
    0,
    122000,
    LIMITE_BAS_NIVEAU_2,
};

// ---- fixed values shared by both levels ----

static const int X_DEPART = 100, Y_DEPART = 220;  // where the ship is created and brought back
static const int X_ENTREE = -40;                  // where the entry run and every re-entry start
static const int PAS_ENTREE = 2, PAS_RETOUR = 4;  // pixels per frame
static const Uint32 INTERVALLE_TIR = 100;         // shortest time between two volleys
static const int INVINCIBILITE_RETOUR = 200;
static const int INVINCIBILITE_VICTOIRE = 20000;
static const int FIN_VICTOIRE = 300;
static const int IMAGES_ECRAN_BLANC = 200;
static const int X_MESSAGE = 120, Y_MESSAGE = 190;
static const int FONDU_MUSIQUE = 1000;
static const int CANAL_CURSEUR = 1, CANAL_ALARME = 7;

// Phases of level 1's boss warning.
enum { ALERTE_AVANT, ALERTE_CLIGNOTE, ALERTE_LANCER_MUSIQUE, ALERTE_MUSIQUE_BOSS };

static int invincibilite_permanente = 0;
static int sans_vagues = 0;

void fixer_invincibilite_permanente(int active) { invincibilite_permanente = active; }
void fixer_sans_vagues(int active) { sans_vagues = active; }

template <typename T>
static T* champ(void* ressources, size_t decalage) {
    return decalage == AUCUN_CHAMP ? NULL : *(T**)((char*)ressources + decalage);
}

static void poser(SDL_Surface* image, int x, int y, SDL_Surface* ecran) {
    SDL_Rect position = creer_rect(x, y, 0, 0);
    SDL_BlitSurface(image, NULL, ecran, &position);
}

int gerer_evenements(SDL_Event* evenement, Vaisseau* vaisseau, Mix_Chunk* son) {
    while (plateforme_evenement(evenement)) {
        if (evenement->type == SDL_QUIT) return -1;
        if (evenement->type != SDL_KEYDOWN) continue;
        switch (evenement->key.keysym.sym) {
            case SDLK_ESCAPE: return -1;
            case SDLK_f:
                arme_suivante(vaisseau);
                jouer_son(CANAL_CURSEUR, son);
                return 1;
            case SDLK_d: vitesse_suivante(vaisseau); return 1;
            default: break;
        }
    }
    return 0;
}

static int vitesse_couche(const DescriptionNiveau* d, const CoucheNiveau* c, Uint32 ecoule, int victoire) {
    if (victoire >= 1) return c->vitesses[VITESSE_APRES_BOSS];
    if (ecoule < d->seuils_vitesse[0]) return c->vitesses[VITESSE_DEBUT];
    if (ecoule < d->seuils_vitesse[1]) return c->vitesses[VITESSE_MILIEU];
    return c->vitesses[VITESSE_FIN];
}

// Scrolls and draws the bands on one side of the action (devant 0: behind, 1: in front).
static void dessiner_couches(const DescriptionNiveau* d, Decor* const* couches, int devant, Uint32 ecoule,
                             int victoire, SDL_Surface* ecran) {
    for (int i = 0; i < d->nb_couches; ++i)
        if (d->couches[i].devant == devant)
            defiler_decor(couches[i], vitesse_couche(d, &d->couches[i], ecoule, victoire), 0, ecran);
}

static void changer_couches(const DescriptionNiveau* d, Decor* const* couches, void* ressources,
                            size_t CoucheNiveau::*image) {
    for (int i = 0; i < d->nb_couches; ++i)
        changer_image_decor(couches[i], champ<SDL_Surface>(ressources, d->couches[i].*image));
}

// Level 1's alarm, blinking warning and boss music, which repeats until the boss is destroyed.
static void gerer_alerte(const DescriptionNiveau* d, void* a, Uint32 ecoule, int victoire, int* phase,
                         int* clignotement, SDL_Surface* ecran) {
    const ChampsNiveau* c = &d->champs;
    if (*phase == ALERTE_AVANT && ecoule >= d->debut_alerte) {
        jouer_son(CANAL_ALARME, champ<Mix_Chunk>(a, c->son_alarme));
        *phase = ALERTE_CLIGNOTE;
    }
    if (*phase == ALERTE_CLIGNOTE) {
        if (ecoule <= d->fin_alerte) {
            poser(champ<SDL_Surface>(a, c->alerte[*clignotement % 2]), X_MESSAGE, Y_MESSAGE, ecran);
            ++*clignotement;
        } else {
            *phase = ALERTE_LANCER_MUSIQUE;
        }
    }
    if (*phase == ALERTE_LANCER_MUSIQUE) {
        jouer_musique(champ<Mix_Music>(a, c->musique_boss), 0);
        *phase = ALERTE_MUSIQUE_BOSS;
    }
    // Read only while the boss music is due to go on: each reading is part of a replay.
    if (*phase == ALERTE_MUSIQUE_BOSS && victoire == 0 && musique_en_cours() == 0)
        jouer_musique(champ<Mix_Music>(a, c->musique_boss), 0);
}

// The enemy the world brought into play last (the boss, by the boss time) is gone or beaten.
static int boss_vaincu(const Monde* monde) {
    int k = monde->prochain == 0 ? NB_PLACES : monde->prochain;
    const Ennemi* e = monde->actifs[k - 1];
    return e == NULL || e->corps->vie < 1;
}

// One run of a level: what it loaded and built, and the loop state, all set before the
// entry run.
typedef struct Partie {
    const DescriptionNiveau* d;
    SDL_Surface* ecran;
    Uint32 periode;
    void* a;  // asset sets A and B
    void* b;
    SDL_Surface* images_vaisseau[10];  // in the order piloter_vaisseau takes them
    SDL_Surface* tirs[7];
    Mix_Chunk* sons_tir[4];
    ImagesImpact impacts;
    ImagesModules images_modules;
    SDL_Rect orbite[NB_POINTS_ORBITE];
    Vaisseau* vaisseau;
    MenuHaut* menu;
    Monde* monde;
    Decor* couches[MAX_COUCHES];
    int fin, abandon, partie_perdue;
    int victoire;  // 0 until the boss is beaten, then counts the frames up to FIN_VICTOIRE
    int phase_alerte, clignotement, decor_change;
    int en_retour;  // the ship flies back in after a lost life
    int a_bouge, a_tire, rafale;
    Uint32 dernier_tir;
    int* compteur_haut;  // climb and dive counters of piloter_vaisseau
    int* compteur_bas;
    Uint32 prochaine_image;
    int orbite_a, orbite_b, image_module, sous_compteur;
    int images;  // frames of the loop shown, for the trace
} Partie;

// Loads and builds everything, up to the music and the start of the level clock.
static void preparer_partie(Partie* p, int score_initial, SDL_Surface* image_chargement) {
    const DescriptionNiveau* d = p->d;
    const ChampsNiveau* c = &d->champs;
    poser(image_chargement, 0, 0, p->ecran);
    plateforme_afficher(p->ecran);

    p->a = d->charger_niveau();
    p->b = d->charger_ennemis();
    for (int i = 0; i < 4; ++i) p->impacts.images[i] = champ<SDL_Surface>(p->a, c->impacts[i]);
    for (int i = 0; i < 10; ++i) p->images_vaisseau[i] = champ<SDL_Surface>(p->a, c->vaisseau[i]);
    for (int i = 0; i < 7; ++i) p->tirs[i] = champ<SDL_Surface>(p->a, c->tirs[i]);
    for (int i = 0; i < 4; ++i) p->sons_tir[i] = champ<Mix_Chunk>(p->a, c->sons_tir[i]);
    SDL_Surface* repos = p->images_vaisseau[0];

    p->vaisseau = creer_vaisseau(creer_rect(X_DEPART, Y_DEPART, 37, 32), 5, 50, repos, 0,
                                 champ<SDL_Surface>(p->a, c->explosion), 12, 75, 3, 3);
    fixer_son_explosion(p->vaisseau, champ<Mix_Chunk>(p->a, c->son_explosion));
    p->menu = charger_menu_haut();
    p->monde = creer_monde(p->vaisseau, 0, plateforme_ticks(), repos, repos, repos, repos, repos);
    if (!sans_vagues) d->creer_vagues(p->monde, p->b);

    p->monde->score = score_initial;
    p->phase_alerte = ALERTE_AVANT;
    p->dernier_tir = plateforme_ticks();
    p->compteur_haut = (int*)calloc(1, sizeof(int));
    p->compteur_bas = (int*)calloc(1, sizeof(int));

    plateforme_attendre(d->delai_depart);
    jouer_musique(champ<Mix_Music>(p->a, c->musique), 0);

    for (int i = 0; i < d->nb_couches; ++i) {
        SDL_Rect r = d->couches[i].rect;
        p->couches[i] = creer_decor(r, creer_rect(r.x, r.y, r.w, 0), champ<SDL_Surface>(p->a, d->couches[i].image));
    }
    charger_modules(&p->images_modules, p->orbite);
    p->orbite_a = 0;
    p->orbite_b = NB_POINTS_ORBITE / 2;  // the two modules on opposite sides of the ship
    p->monde->debut_niveau = plateforme_ticks();
}

// Entry run: only the ship's picture flies in; the record already stands at (100, 220). No
// event is read: keys pressed meanwhile wait for the first frames of play.
static void faire_entree(Partie* p) {
    for (int x = X_ENTREE; x < X_DEPART; x += PAS_ENTREE) {
        for (int i = 0; i < p->d->nb_couches; ++i)
            defiler_decor(p->couches[i], p->d->couches[i].vitesses[VITESSE_ENTREE], 0, p->ecran);
        poser(p->images_vaisseau[0], x, Y_DEPART, p->ecran);
        afficher_menu_haut(p->menu, p->monde, p->ecran);
        plateforme_afficher(p->ecran);
        attendre_cadence(&p->prochaine_image, p->periode);
    }
}

// Steering and fire while the ship is intact; after its explosion, the flight back in from
// x = -40; while it explodes, nothing.
static void conduire_vaisseau(Partie* p, const Uint8* touches) {
    Vaisseau* v = p->vaisseau;
    SDL_Surface** im = p->images_vaisseau;
    if (v->etape_explosion == 0 && !p->en_retour) {
        p->a_bouge = piloter_vaisseau(touches, v, im[0], im[1], im[2], im[3], im[4], im[5], im[6], im[7], im[8],
                                      im[9], p->compteur_haut, p->compteur_bas, p->d->limite_bas);
        if (plateforme_ticks() > p->dernier_tir + INTERVALLE_TIR) {
            SDL_Surface** t = p->tirs;
            Mix_Chunk** s = p->sons_tir;
            p->a_tire = tirer_vaisseau(touches, v, t[0], t[1], t[2], t[3], t[4], t[5], t[6], &p->impacts, s[0], s[1],
                                       s[2], s[3], p->rafale);
            if (p->a_tire == 1) {
                p->dernier_tir = plateforme_ticks();
                p->rafale = p->rafale + 1 == 2 ? 0 : p->rafale + 1;
            } else {
                p->rafale = 0;  // the fire key is up: the next volley sounds again
            }
        }
        if (!p->a_bouge) {
            fixer_image(v, v->invincibilite != 0 ? im[5] : im[0]);
            *p->compteur_haut = 0;
            *p->compteur_bas = 0;
        }
    } else if (v->etape_explosion > v->nb_etapes_explosion || p->en_retour) {
        if (!p->en_retour) {
            fixer_image(v, im[5]);
            placer_vaisseau(v, creer_rect(X_ENTREE, Y_DEPART, 37, 32));
            fixer_invincibilite(v, INVINCIBILITE_RETOUR);
            fixer_etape_explosion(v, 0);
            p->en_retour = 1;
        } else {
            deplacer_vaisseau(v, PAS_RETOUR, 0);
            if (v->position.x == X_DEPART) p->en_retour = 0;
        }
    }
}

// The modules (drawn, and their volley when the ship fired), then their orbit and animation,
// which run every frame, modules on or not.
static void animer_modules(Partie* p) {
    if (p->vaisseau->modules == 1) {
        SDL_Surface** t = p->tirs;
        afficher_modules(p->vaisseau, p->orbite_a, p->orbite_b, p->image_module, p->a_tire, &p->images_modules,
                         p->orbite, t[0], t[1], t[2], t[3], t[4], t[5], t[6], &p->impacts, p->ecran);
    }
    if (++p->sous_compteur == 5) {
        p->sous_compteur = 0;
        if (++p->image_module == NB_IMAGES_MODULE) p->image_module = 0;
    }
    if (++p->orbite_a == NB_POINTS_ORBITE) p->orbite_a = 0;
    if (++p->orbite_b == NB_POINTS_ORBITE) p->orbite_b = 0;
}

// One frame of play, in the level's fixed order. Returns 0 when the player quit (that frame
// is neither drawn further nor shown).
static int jouer_image(Partie* p) {
    const DescriptionNiveau* d = p->d;
    Vaisseau* v = p->vaisseau;
    SDL_Event evenement;
    p->a_bouge = 0;
    Uint32 ecoule = plateforme_ticks() - p->monde->debut_niveau;
    if (invincibilite_permanente && v->invincibilite < 2) v->invincibilite = 2;

    if (!p->decor_change && ecoule >= d->moment_changement && p->victoire == 0) {
        changer_couches(d, p->couches, p->a, &CoucheNiveau::image_changee);
        p->decor_change = 1;
    }
    if (p->victoire == 1) changer_couches(d, p->couches, p->a, &CoucheNiveau::image_grise);
    dessiner_couches(d, p->couches, 0, ecoule, p->victoire, p->ecran);

    int arme_avant = v->arme, vitesse_avant = v->vitesse;
    int commande = gerer_evenements(&evenement, v, champ<Mix_Chunk>(p->a, d->champs.son_curseur));
    if (commande == -1) return 0;
    if (commande == 1)
        trace_ecrire("commande", "\"image\":%d,\"arme\":%d,\"vitesse\":%d,\"arme_avant\":%d,\"vitesse_avant\":%d",
                     p->images + 1, v->arme, v->vitesse, arme_avant, vitesse_avant);

    int tirs_avant = v->nb_tirs;
    conduire_vaisseau(p, plateforme_touches());
    animer_modules(p);
    if (p->a_tire == 1) trace_ecrire("volee", "\"arme\":%d,\"tirs\":%d", v->arme, v->nb_tirs - tirs_avant);
    p->a_tire = 0;

    mettre_a_jour_monde(p->monde, p->images_vaisseau[0], p->images_vaisseau[0], creer_rect(0, 0, 640, 480),
                        p->ecran);
    dessiner_couches(d, p->couches, 1, ecoule, p->victoire, p->ecran);
    afficher_menu_haut(p->menu, p->monde, p->ecran);

    if (v->etape_explosion > v->nb_etapes_explosion && v->vie == 0) {
        p->fin = 1;
        p->partie_perdue = 1;
        poser(champ<SDL_Surface>(p->a, d->champs.game_over), X_MESSAGE, Y_MESSAGE, p->ecran);
    }
    if (d->alerte) gerer_alerte(d, p->a, ecoule, p->victoire, &p->phase_alerte, &p->clignotement, p->ecran);
    if (p->victoire > 0 && ++p->victoire == FIN_VICTOIRE) p->fin = 1;
    if (ecoule >= d->moment_boss && p->victoire == 0 && boss_vaincu(p->monde)) {
        fixer_invincibilite(v, INVINCIBILITE_VICTOIRE);
        fondre_musique(FONDU_MUSIQUE);
        p->victoire = 1;
        trace_ecrire("boss_vaincu", "\"niveau\":%d,\"niveau_t\":%u,\"image\":%d", d->numero, (unsigned)ecoule,
                     p->images + 1);
    }

    if (vue_monde_observee())
        montrer_vue_monde(p->monde, d->numero, p->images + 1, p->en_retour, d->limite_bas, p->victoire);
    plateforme_afficher(p->ecran);
    ++p->images;
    attendre_cadence(&p->prochaine_image, p->periode);
    if (p->fin) plateforme_attendre(100);
    return 1;
}

// Game over pause, quit pause, or the white victory screen; then the result.
static void finir_partie(Partie* p, ResultatNiveau* resultat) {
    if (p->partie_perdue) {
        fondre_musique(FONDU_MUSIQUE);
        plateforme_attendre(3000);
        resultat->etat = -1;
    } else if (p->abandon) {
        fondre_musique(FONDU_MUSIQUE);
        plateforme_attendre(1000);
    } else {
        SDL_Surface* blanc = champ<SDL_Surface>(p->a, p->d->champs.blanc);
        for (int i = 0; i < IMAGES_ECRAN_BLANC; ++i) {
            poser(blanc, 0, 0, p->ecran);
            plateforme_afficher(p->ecran);
            attendre_cadence(&p->prochaine_image, p->periode);
        }
        resultat->etat = 1;
        resultat->score = p->monde->score;
    }
}

// Everything the level built goes with it: the next level starts from nothing.
static void liberer_partie(Partie* p) {
    liberer_modules(&p->images_modules);
    detruire_monde(p->monde);
    detruire_vaisseau(p->vaisseau);
    for (int i = 0; i < p->d->nb_couches; ++i) detruire_decor(p->couches[i]);
    liberer_menu_haut(p->menu);
    free(p->compteur_haut);
    free(p->compteur_bas);
    p->d->liberer_niveau(p->a);
    p->d->liberer_ennemis(p->b);
}

static ResultatNiveau* jouer_niveau(const DescriptionNiveau* d, SDL_Surface* ecran, int score_initial,
                                    Uint32 periode, SDL_Surface* image_chargement) {
    ResultatNiveau* resultat = (ResultatNiveau*)malloc(sizeof(ResultatNiveau));
    resultat->etat = 0;
    resultat->score = 0;
    Partie* p = (Partie*)calloc(1, sizeof(Partie));
    p->d = d;
    p->ecran = ecran;
    p->periode = periode;
    preparer_partie(p, score_initial, image_chargement);
    faire_entree(p);
    while (!p->fin) {
        if (!jouer_image(p)) {
            p->abandon = 1;
            p->fin = 1;
        }
    }
    finir_partie(p, resultat);
    liberer_partie(p);
    trace_ecrire("fin_niveau", "\"niveau\":%d,\"etat\":%d,\"score\":%d,\"images\":%d", d->numero, resultat->etat,
                 resultat->score, p->images);
    free(p);
    return resultat;
}

ResultatNiveau* jouer_niveau_1(SDL_Surface* ecran, int, int score_initial, Uint32 periode,
                               SDL_Surface* image_chargement) {
    return jouer_niveau(&NIVEAU_1, ecran, score_initial, periode, image_chargement);
}

ResultatNiveau* jouer_niveau_2(SDL_Surface* ecran, int, int score_initial, Uint32 periode,
                               SDL_Surface* image_chargement) {
    return jouer_niveau(&NIVEAU_2, ecran, score_initial, periode, image_chargement);
}
