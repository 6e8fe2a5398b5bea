// The interlude story: the desert where Gentil dies and the snakes close in, the base, the
// newspaper over the ship, the ship and the white room, and the farewell with the narrator;
// 40 shots in five scenes written as a table.
#include "cutscene/interlude.h"

#include <stddef.h>

#include "cutscene/histoire.h"
#include "cutscene/ressources_histoires.h"

#define R(champ) REF(RessourcesInterlude, champ)

namespace {

enum {
    MORT = 1, GENTIL, MORT_GENTIL_DESERT,
    SERPENT1, SERPENT2, SERPENT3, SERPENT4, SERPENT5, SERPENT6,
    GENTILLE_BASE, GENERAL, SOLDAT1, SOLDAT2, SOLDAT3, SOLDAT4,
    MORT_GENTIL, MORT_GENTIL1, GENTILLE_BLANC,
};

const FigureHistoire k_figures[] = {
    {"mort", R(mort), 0, 308, 256},
    {"gentil", R(gentil), 0, 0, 254},
    {"mort_gentil_desert", R(mort_gentil), 0, 276, 254},
    {"serpent1", R(serpent), 1, 0, 254},
    {"serpent2", R(serpent), 1, 0, 320},
    {"serpent3", R(serpent), 1, 176, 432},
    {"serpent4", R(serpent), 1, 244, 432},
    {"serpent5", R(serpent), 1, 306, 432},
    {"serpent6", R(serpent), 1, 576, 364},
    {"gentille_base", R(gentille), 0, 360, 193},
    {"general", R(general), 0, 294, 193},
    {"soldat1", R(soldat), 0, 485, 193},
    {"soldat2", R(soldat), 0, 232, 193},
    {"soldat3", R(soldat), 0, 100, 193},
    {"soldat4", R(soldat), 0, 152, 193},
    {"mort_gentil", R(mort_gentil), 0, 67, 272},
    {"mort_gentil1", R(mort_gentil1), 0, 67, 272},
    {"gentille_blanc", R(gentille), 0, 500, 272},
};

// The landscape alternates its two pictures over 9 frames (5 and 4) and counts every frame of
// shots 1 to 21, so each scene picks it up in the phase it has reached. The ship and the
// farewell pictures change every second frame.
enum { PAYSAGE, VAISSEAU, ADIEU };
const Compteur k_compteurs[] = {{0, 9, 0}, {1, 9, 1}, {1, 11, 1}};
enum { CYCLE_DESERT = 1, CYCLE_PAYSAGE, CYCLE_VAISSEAU, CYCLE_ADIEU };
const Cycle k_cycles[] = {
    {PAYSAGE, {{0, 4, R(desert1)}, {5, 8, R(desert2)}}},
    {PAYSAGE, {{0, 4, R(paysage)}, {5, 8, R(paysage1)}}},
    {VAISSEAU,
     {{1, 1, R(desert_vaisseau1)}, {2, 2, R(desert_vaisseau1a)}, {3, 3, R(desert_vaisseau1b)},
      {4, 4, R(desert_vaisseau1c)}, {5, 5, R(desert_vaisseau1d)}, {6, 6, R(desert_vaisseau1c)},
      {7, 7, R(desert_vaisseau1b)}, {8, 8, R(desert_vaisseau1a)}}},
    {ADIEU,
     {{1, 1, R(desert_vaisseau_adieu1)}, {2, 2, R(desert_vaisseau_adieu2)}, {3, 3, R(desert_vaisseau_adieu3)},
      {4, 4, R(desert_vaisseau_adieu4)}, {5, 5, R(desert_vaisseau_adieu5)}, {6, 6, R(desert_vaisseau_adieu6)},
      {7, 7, R(desert_vaisseau_adieu5)}, {8, 8, R(desert_vaisseau_adieu4)}, {9, 9, R(desert_vaisseau_adieu3)},
      {10, 10, R(desert_vaisseau_adieu2)}}},
};

#define COMPTE (1u << PAYSAGE)
#define DESERT_FIXE {IMAGE(R(desert2))}
#define DESERT {CYCLE(CYCLE_DESERT)}
#define BASE {CYCLE(CYCLE_PAYSAGE), IMAGE(R(couloir))}
#define VAISSEAU_ANIME {CYCLE(CYCLE_VAISSEAU)}
#define SALLE_BLANCHE {IMAGE(R(blanc1))}

#define FACE_A_MORT {DESSIN(MORT_GENTIL_DESERT, "BAS"), DESSIN(MORT, "DROITE")}
#define VERS_MORT {DESSIN(GENTIL, "DROITE"), DESSIN(MORT, "DROITE")}
#define SERPENTS_DESSINES                                                                    \
    DESSIN(GENTIL, "DROITE"), DESSIN(MORT, "DROITE"), DESSIN(SERPENT1, "DROITE"),            \
        DESSIN(SERPENT2, "DROITE"), DESSIN(SERPENT3, "HAUT"), DESSIN(SERPENT4, "HAUT"),      \
        DESSIN(SERPENT5, "HAUT"), DESSIN(SERPENT6, "GAUCHE")
#define GARDE(gentille, general, soldat2)                                                    \
    {DESSIN(GENTILLE_BASE, gentille), DESSIN(GENERAL, general), DESSIN(SOLDAT1, "HAUT"),     \
     DESSIN(SOLDAT2, soldat2), DESSIN(SOLDAT3, "DROITE"), DESSIN(SOLDAT4, "GAUCHE")}
#define SANS_SOLDAT2                                                                         \
    {DESSIN(GENTILLE_BASE, "GAUCHE"), DESSIN(GENERAL, "DROITE"), DESSIN(SOLDAT1, "HAUT"),    \
     DESSIN(SOLDAT3, "DROITE"), DESSIN(SOLDAT4, "GAUCHE")}
#define EN_FACE {DESSIN(MORT_GENTIL, "DROITE"), DESSIN(GENTILLE_BLANC, "GAUCHE")}

// numero, frames, delay, options, first flipped frame, background, layer steps, figures,
// dialogue, counters
const Plan k_plans[] = {
    // Scene 1, the desert: Gentil walks to Mort and Mort_Gentil takes his place.
    {1, 20, 75, 0, 0, DESERT_FIXE, 0, {DESSIN(MORT, "DROITE")}, RIEN, COMPTE},
    {2, 69, 75, 0, 0, DESERT_FIXE, 0, {MARCHE(GENTIL, 4, 0, "DROITE"), DESSIN(MORT, "DROITE")}, RIEN, COMPTE},
    {3, 20, 75, 0, 0, DESERT_FIXE, 0, FACE_A_MORT, RIEN, COMPTE},
    {4, 100, 75, 0, 0, DESERT_FIXE, 0, FACE_A_MORT, DIALOGUE(R(olek), R(olek_8)), COMPTE},
    {5, 100, 75, 0, 0, DESERT_FIXE, 0, FACE_A_MORT, DIALOGUE(R(olek), R(olek_9)), COMPTE},
    {6, 100, 75, 0, 0, DESERT_FIXE, 0, FACE_A_MORT, DIALOGUE(R(olek), R(olek_10)), COMPTE},
    {7, 100, 75, 0, 0, DESERT_FIXE, 0, FACE_A_MORT, DIALOGUE(R(olek), R(olek_11)), COMPTE},
    {8, 100, 75, 0, 0, DESERT, 0, VERS_MORT, RIEN, COMPTE},
    {9, 120, 75, 0, 0, DESERT, 0, VERS_MORT, {IMAGE_DE(0, 10, R(olek)), IMAGE_DE(11, 100, R(olek_12))}, COMPTE},
    // The snakes close in, moved after they are drawn.
    {10, 60, 75, 0, 0, DESERT, 0,
     {SERPENTS_DESSINES, PAS(SERPENT1, 1, 0, "DROITE"), PAS(SERPENT2, 2, 0, "DROITE"), PAS(SERPENT3, 0, -1, "HAUT"),
      PAS(SERPENT4, 0, 0, "HAUT"), PAS(SERPENT5, 0, -1, "HAUT"), PAS(SERPENT6, -1, 0, "GAUCHE")},
     RIEN, COMPTE},
    {11, 20, 50, 0, 0, DESERT, 0,
     {SERPENTS_DESSINES, PAS(SERPENT1, 8, 0, "DROITE"), PAS(SERPENT2, 0, 0, "DROITE"), PAS(SERPENT3, 0, 0, "HAUT"),
      PAS(SERPENT4, 0, 0, "HAUT"), PAS(SERPENT5, 0, 0, "HAUT"), PAS(SERPENT6, 0, 0, "GAUCHE")},
     RIEN, COMPTE},
    // Scene 2, the base: the General, Gentille and four soldiers; the second soldier leaves.
    {12, 50, 75, 0, 0, BASE, 0, GARDE("HAUT", "HAUT", "HAUT"), RIEN, COMPTE},
    {13, 100, 75, 0, 0, BASE, 0, GARDE("HAUT", "HAUT", "HAUT"), DIALOGUE(R(dorvin), R(dorvin7)), COMPTE},
    {14, 100, 75, 0, 0, BASE, 0, GARDE("HAUT", "HAUT", "DROITE"), DIALOGUE(R(dorvin), R(dorvin8)), COMPTE},
    {15, 100, 75, 0, 0, BASE, 0, GARDE("HAUT", "GAUCHE", "DROITE"), DIALOGUE(R(dorvin), R(dorvin9)), COMPTE},
    {16, 100, 75, 0, 0, BASE, 0,
     {DESSIN(GENTILLE_BASE, "GAUCHE"), DESSIN(GENERAL, "DROITE"), DESSIN(SOLDAT1, "HAUT"),
      MARCHE_DE(0, 10, SOLDAT2, 0, 5, "BAS"), MARCHE_SI_X_POSITIF(11, FIN, SOLDAT2, -5, 0, "GAUCHE"),
      DESSIN(SOLDAT3, "DROITE"), DESSIN(SOLDAT4, "GAUCHE")},
     DIALOGUE(R(sabri), R(sabri4)), COMPTE},
    {17, 100, 75, 0, 0, BASE, 0, SANS_SOLDAT2, DIALOGUE(R(dorvin), R(dorvin10)), COMPTE},
    {18, 100, 75, 0, 0, BASE, 0, SANS_SOLDAT2, DIALOGUE(R(dorvin), R(dorvin11)), COMPTE},
    {19, 100, 75, 0, 0, BASE, 0, SANS_SOLDAT2, DIALOGUE(R(sabri), R(sabri3)), COMPTE},
    {20, 20, 75, 0, 0, BASE, 0, SANS_SOLDAT2, RIEN, COMPTE},
    // Scene 3, the newspaper torn away over the ship.
    {21, 8, 50, 0, 0,
     {IMAGE(R(desert_vaisseau1)), IMAGE_DE(0, 1, R(journal71)), IMAGE_DE(2, 3, R(journal72)),
      IMAGE_DE(4, 5, R(journal73)), IMAGE_DE(6, 7, R(journal74))},
     0, RIEN, RIEN, COMPTE},
    // Scene 4, the ship: the Mort_Gentil figures always move together.
    {22, 70, 75, 0, 0, VAISSEAU_ANIME, 0, {DESSIN(MORT_GENTIL1, "DROITE")}, RIEN, 1u << VAISSEAU},
    {23, 30, 75, 0, 0, VAISSEAU_ANIME, 0,
     {PAS(MORT_GENTIL, 3, 0, "DROITE"), PAS(MORT_GENTIL1, 3, 0, "DROITE"), DESSIN(MORT_GENTIL1, "DROITE")}, RIEN,
     1u << VAISSEAU},
    {24, 20, 75, 0, 0, VAISSEAU_ANIME, 0, {DESSIN(MORT_GENTIL1, "DROITE")}, RIEN, 1u << VAISSEAU},
    {25, 20, 75, 0, 0, VAISSEAU_ANIME, 0,
     {SUR_PLACE(0, MORT_GENTIL, "HAUT"), SUR_PLACE(0, MORT_GENTIL1, "HAUT"), SUR_PLACE(10, MORT_GENTIL, "HAUT"),
      SUR_PLACE(10, MORT_GENTIL1, "HAUT"), SUR_PLACE(10, MORT_GENTIL, "HAUT"), SUR_PLACE(10, MORT_GENTIL1, "HAUT"),
      DESSIN(MORT_GENTIL1, "HAUT")},
     RIEN, 1u << VAISSEAU},
    // The white room.
    {26, 50, 75, 0, 0, {IMAGE(R(blanc))}, 0, {DESSIN(MORT_GENTIL, "HAUT")}, RIEN, 0},
    {27, 20, 75, 0, 0, {IMAGE(R(blanc))}, 0,
     {SUR_PLACE(0, MORT_GENTIL, "HAUT"), SUR_PLACE(0, MORT_GENTIL, "HAUT"), SUR_PLACE(0, MORT_GENTIL, "HAUT"),
      SUR_PLACE(0, MORT_GENTIL, "HAUT"), DESSIN_DE(0, 10, MORT_GENTIL, "HAUT"), DESSIN_DE(11, FIN, MORT_GENTIL, "DROITE")},
     RIEN, 0},
    {28, 10, 75, 0, 0, SALLE_BLANCHE, 0, EN_FACE, RIEN, 0},
    {29, 50, 75, 0, 0, SALLE_BLANCHE, PAS_ACCELERE, EN_FACE, RIEN, 0},
    {30, 10, 75, 0, 0, SALLE_BLANCHE, 13, EN_FACE, RIEN, 0},
    {31, 100, 75, 0, 0, SALLE_BLANCHE, 13, EN_FACE, DIALOGUE(R(olek), R(olek_13)), 0},
    {32, 100, 75, 0, 0, SALLE_BLANCHE, 13, EN_FACE, DIALOGUE(R(sabri), R(sabri5)), 0},
    {33, 100, 75, 0, 0, SALLE_BLANCHE, 13, EN_FACE, DIALOGUE(R(sabri), R(sabri6)), 0},
    {34, 100, 75, 0, 0, SALLE_BLANCHE, 13, EN_FACE, DIALOGUE(R(olek), R(olek_14)), 0},
    {35, 100, 75, 0, 0, SALLE_BLANCHE, 13, EN_FACE, DIALOGUE(R(olek), R(olek_15)), 0},
    {36, 20, 75, 0, 0, SALLE_BLANCHE, 13,
     {SUR_PLACE(10, MORT_GENTIL, "HAUT"), SUR_PLACE(10, MORT_GENTIL1, "HAUT"), SUR_PLACE(10, MORT_GENTIL, "HAUT"),
      SUR_PLACE(10, MORT_GENTIL1, "HAUT"), DESSIN(MORT_GENTIL, "HAUT"), DESSIN(GENTILLE_BLANC, "GAUCHE")},
     RIEN, 0},
    {37, 40, 75, 0, 0, {IMAGE(R(blanc))}, 0, {DESSIN(MORT_GENTIL, "HAUT")}, RIEN, 0},
    // The white fades in late: frames 0 to 9 leave the last picture on screen.
    {38, 35, 75, 0, 10, {IMAGE(R(blanc))}, 0, RIEN, RIEN, 0},
    // Scene 5, the farewell, with the narrator's three texts.
    {39, 100, 75, INDICES_DE_1, 0, {CYCLE(CYCLE_ADIEU)}, 0, RIEN, RIEN, 1u << ADIEU},
    {40, 400, 75, INDICES_DE_1, 0, {CYCLE(CYCLE_ADIEU)}, 0, RIEN,
     {IMAGE_DE(1, 10, R(narrateur)), IMAGE_DE(11, 119, R(narrateur1)), IMAGE_DE(120, 130, R(narrateur)),
      IMAGE_DE(131, 239, R(narrateur2)), IMAGE_DE(240, 250, R(narrateur)), IMAGE_DE(251, 360, R(narrateur3))},
     1u << ADIEU},
};

// avant_plan, picture, fade, pause, music, dialogue box
const Transition k_transitions[] = {
    {3, AUCUNE, 0, 500, AUCUNE, -1},
    {4, AUCUNE, 0, 500, AUCUNE, -1},
    // From the desert to the base: the old man's picture while the first music fades.
    {12, R(vieux3), 500, 3000, R(musique_bye), 280},
    {21, R(journal7), 0, 1500, AUCUNE, -1},
    {31, AUCUNE, 0, 0, AUCUNE, 0},
};

void* charger(void) { return charger_interlude(); }
void liberer(void* ressources) { liberer_interlude((RessourcesInterlude*)ressources); }

#define NB(t) ((int)(sizeof(t) / sizeof((t)[0])))

const Scenario k_interlude = {
    "interlude",   charger,       liberer,       R(cruel),        R(musique_mort), 0, 0,
    k_figures,     NB(k_figures), k_compteurs,   NB(k_compteurs), k_cycles,        R(blanc1),
    k_transitions, NB(k_transitions), k_plans,   NB(k_plans),
    1000,  // the music fades while the last farewell picture stays two seconds
    2000,
};

}  // namespace

void raconter_interlude(SDL_Surface* ecran, Uint32 periode, SDL_Surface* image_chargement) {
    raconter_histoire(&k_interlude, ecran, periode, image_chargement);
}
