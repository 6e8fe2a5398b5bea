// The player's weapons and modules: volley tables, weapon cycling, module orbit and volleys.
#include "ship/armes.h"

#include <stddef.h>

#include "core/calculs.h"
#include "core/ressources.h"
#include "platform/audio.h"

namespace {

// Index of a shot picture among the seven that tirer_vaisseau and afficher_modules receive.
enum ImageTir { T1, T2, T3, T3A, T3B, T4, T5, NB_IMAGES_TIR };

// One shot of a volley: offset or module-relative corner, size, picture, kind, velocity, and
// whether it shows the impact pictures (else its own picture four times).
struct ModeleVolee {
    int x, y, w, h;
    ImageTir image;
    int genre;
    int vx, vy;
    int avec_impacts;
};

enum { NB_TIRS_VOLEE_MAX = 3 };

struct Volee {
    int nb;
    ModeleVolee tirs[NB_TIRS_VOLEE_MAX];
};

// The ship's five volleys; offsets from the ship's top-left corner.
const Volee VOLEES[NB_ARMES] = {
    {2, {{37, 0, 32, 8, T1, TIR_DROIT, 15, 0, 1}, {37, 31, 32, 8, T1, TIR_DROIT, 15, 0, 1}}},
    {2, {{44, 16, 32, 8, T2, TIR_DROIT, 15, 0, 1}, {3, 13, 32, 8, T2, TIR_DROIT, -15, 0, 1}}},
    {3,
     {{28, -10, 8, 30, T3A, TIR_BOMBE, 0, -15, 1},
      {28, 18, 8, 30, T3, TIR_BOMBE, 0, 15, 1},
      {44, 16, 32, 8, T1, TIR_DROIT, 15, 0, 1}}},
    {3,
     {{42, 2, 32, 32, T4, TIR_GUIDE, 15, 0, 1},
      {42, 2, 32, 32, T4, TIR_GUIDE, 15, 15, 1},
      {42, 2, 32, 32, T4, TIR_GUIDE, 15, -15, 1}}},
    {1, {{57, -4, 24, 48, T5, TIR_LOURD, 15, 0, 1}}},
};

// The modules' shots, one row per weapon plus the weapon 2 row used when module A is not above
// module B; column 0 is module A, column 1 module B; offsets from the module's corner.
enum { LIGNE_BOMBES_INVERSEES = NB_ARMES };
const ModeleVolee VOLEES_MODULES[NB_ARMES + 1][2] = {
    {{31, 10, 32, 8, T1, TIR_MODULE_DROIT, 15, 0, 1}, {31, 10, 32, 8, T1, TIR_MODULE_DROIT, 15, 0, 1}},
    {{-31, 10, 32, 8, T2, TIR_MODULE_DROIT, -15, 0, 1}, {-31, 10, 32, 8, T2, TIR_MODULE_DROIT, -15, 0, 1}},
    {{14, -30, 8, 30, T3A, TIR_MODULE_BOMBE, 0, -15, 1}, {14, 0, 8, 30, T3, TIR_MODULE_BOMBE, 0, 15, 1}},
    {{20, 0, 32, 32, T4, TIR_MODULE_GUIDE, 15, 5, 0}, {20, 0, 32, 32, T4, TIR_MODULE_GUIDE, 15, -5, 0}},
    {{28, -9, 24, 48, T5, TIR_MODULE_LOURD, 15, 3, 0}, {28, -9, 24, 48, T5, TIR_MODULE_LOURD, 15, -3, 0}},
    {{14, 0, 8, 30, T3A, TIR_MODULE_BOMBE, 0, 15, 0}, {14, -30, 8, 30, T3, TIR_MODULE_BOMBE, 0, -15, 0}},
};

// Builds the template of one shot at (base_x + m.x, base_y + m.y), launches it into the ship's
// slots and frees it: the slot holds its own copy.
void lancer_modele(Vaisseau* vaisseau, const ModeleVolee& m, int base_x, int base_y,
                   SDL_Surface* const images[NB_IMAGES_TIR], const ImagesImpact* impacts) {
    Tir* modele = creer_tir(creer_rect(base_x + m.x, base_y + m.y, m.w, m.h), images[m.image], m.genre, m.vx, m.vy);
    if (m.avec_impacts && impacts)
        fixer_images_impact(modele, impacts->images[0], impacts->images[1], impacts->images[2],
                            impacts->images[3]);
    if (m.genre == TIR_BOMBE || m.genre == TIR_MODULE_BOMBE) fixer_image_sol(modele, images[T3B]);
    ajouter_tir(vaisseau, modele);
    detruire_tir(modele);
}

}  // namespace

const EntreeRessource IMAGES_MODULES[NB_IMAGES_MODULE] = {
    {offsetof(ImagesModules, images[0]), "./Images/Module1.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(ImagesModules, images[1]), "./Images/Module2.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(ImagesModules, images[2]), "./Images/Module3.png", RES_IMAGE_CLE, 0, 255, 0},
    {offsetof(ImagesModules, images[3]), "./Images/Module4.png", RES_IMAGE_CLE, 0, 255, 0},
};

int tirer_vaisseau(const Uint8* touches, Vaisseau* vaisseau, SDL_Surface* t1, SDL_Surface* t2,
                   SDL_Surface* t3, SDL_Surface* t3a, SDL_Surface* t3b, SDL_Surface* t4, SDL_Surface* t5,
                   const ImagesImpact* impacts, Mix_Chunk* s1, Mix_Chunk* s2, Mix_Chunk* s3, Mix_Chunk* s4,
                   int rafale) {
    if (!touches[SDLK_g]) return 0;
    SDL_Surface* const images[NB_IMAGES_TIR] = {t1, t2, t3, t3a, t3b, t4, t5};
    Mix_Chunk* const sons[NB_ARMES] = {s1, s1, s2, s3, s4};
    int arme = vaisseau->arme;
    if (arme < 0 || arme >= NB_ARMES) arme = 0;
    const Volee& volee = VOLEES[arme];
    for (int i = 0; i < volee.nb; ++i) lancer_modele(vaisseau, volee.tirs[i], 0, 0, images, impacts);
    if (rafale == 0) jouer_son(0, sons[arme]);
    return 1;
}

void gagner_arme(Vaisseau* vaisseau, int type_bonus) {
    if (type_bonus >= 0 && type_bonus + 1 < NB_ARMES) vaisseau->armes[type_bonus + 1] = 1;
}

void perdre_arme(Vaisseau* vaisseau) {
    if (vaisseau->arme > 1 && vaisseau->arme < NB_ARMES) vaisseau->armes[vaisseau->arme] = 0;
}

void arme_suivante(Vaisseau* vaisseau) {
    int a = vaisseau->arme + 1;
    if (a > NB_ARMES - 1) a = 0;
    while (a < NB_ARMES && !vaisseau->armes[a]) ++a;
    vaisseau->arme = a < NB_ARMES ? a : 0;
}

void activer_modules(Vaisseau* vaisseau) { vaisseau->modules = 1; }
void desactiver_modules(Vaisseau* vaisseau) { vaisseau->modules = 0; }

// The orbit's points, cercle(64, 64, 64, 60) rounded by arrondir_pixel, written down once:
// cosines and sines differ in their last bits from one maths library to another (the
// browser's), and a point that rounds the other way moves a module by a pixel. The tests
// recompute them with the desktop's library.
const int POINTS_ORBITE[NB_POINTS_ORBITE][2] = {
    {128, 64}, {128, 71}, {127, 77}, {125, 84}, {122, 90}, {119, 96},  {116, 102}, {112, 107}, {107, 112}, {102, 116},
    {96, 119}, {90, 122}, {84, 125}, {77, 127}, {71, 128}, {64, 128},  {57, 128},  {51, 127},  {44, 125},  {38, 122},
    {32, 119}, {26, 116}, {21, 112}, {16, 107}, {12, 102}, {9, 96},    {6, 90},    {3, 84},    {1, 77},    {0, 71},
    {0, 64},   {0, 57},   {1, 51},   {3, 44},   {6, 38},   {9, 32},    {12, 26},   {16, 21},   {21, 16},   {26, 12},
    {32, 9},   {38, 6},   {44, 3},   {51, 1},   {57, 0},   {64, 0},    {71, 0},    {77, 1},    {84, 3},    {90, 6},
    {96, 9},   {102, 12}, {107, 16}, {112, 21}, {116, 26}, {119, 32},  {122, 38},  {125, 44},  {127, 51},  {128, 57},
};

void calculer_orbite(SDL_Rect orbite[NB_POINTS_ORBITE]) {
    for (int i = 0; i < NB_POINTS_ORBITE; ++i) orbite[i] = creer_rect(POINTS_ORBITE[i][0], POINTS_ORBITE[i][1], 32, 28);
}

void charger_modules(ImagesModules* images, SDL_Rect orbite[NB_POINTS_ORBITE]) {
    charger_table(images, IMAGES_MODULES, NB_IMAGES_MODULE);
    calculer_orbite(orbite);
}

void liberer_modules(ImagesModules* images) { liberer_table(images, IMAGES_MODULES, NB_IMAGES_MODULE); }

void afficher_modules(Vaisseau* vaisseau, int a, int b, int image_anim, int a_tire,
                      const ImagesModules* images, const SDL_Rect orbite[NB_POINTS_ORBITE], SDL_Surface* t1,
                      SDL_Surface* t2, SDL_Surface* t3, SDL_Surface* t3a, SDL_Surface* t3b, SDL_Surface* t4,
                      SDL_Surface* t5, const ImagesImpact* impacts, SDL_Surface* ecran) {
    const int x = vaisseau->position.x, y = vaisseau->position.y;
    const SDL_Rect modules[2] = {creer_rect(orbite[a].x + x - 55, orbite[a].y + y - 64, 32, 28),
                                 creer_rect(orbite[b].x + x - 55, orbite[b].y + y - 64, 32, 28)};
    SDL_Surface* image = images ? images->images[image_anim & (NB_IMAGES_MODULE - 1)] : NULL;
    for (int m = 0; m < 2; ++m) {
        if (!image || !ecran) break;
        SDL_Rect dest = modules[m];
        SDL_BlitSurface(image, NULL, ecran, &dest);
    }
    if (!a_tire) return;
    SDL_Surface* const tirs[NB_IMAGES_TIR] = {t1, t2, t3, t3a, t3b, t4, t5};
    int arme = vaisseau->arme;
    if (arme < 0 || arme >= NB_ARMES) arme = 0;
    // The module on top always bombs upwards; the pictures stay with their modules.
    int ligne = (arme == 2 && !(modules[0].y < modules[1].y)) ? LIGNE_BOMBES_INVERSEES : arme;
    for (int m = 0; m < 2; ++m)
        lancer_modele(vaisseau, VOLEES_MODULES[ligne][m], modules[m].x, modules[m].y, tirs, impacts);
}
