// The intro story: the base where Gentil reports to the General, the newspaper, the corridor
// where Gentille joins Gentil, and the closing picture; 32 shots written as a table.
#include "cutscene/intro.h"

#include <stddef.h>

#include "cutscene/histoire.h"
#include "cutscene/ressources_histoires.h"

#define R(champ) REF(RessourcesIntro, champ)

namespace {

enum { GENERAL = 1, GENTIL_BASE, GENTIL_COULOIR, GENTILLE };

const FigureHistoire k_figures[] = {
    {"general", R(general), 0, 275, 116},
    {"gentil_base", R(gentil), 0, 312, 386},
    {"gentil_couloir", R(gentil), 0, 290, 230},
    {"gentille", R(gentille), 0, 0, 230},
};

// The base picture changes every 5, 4 and 4 frames; the lights blink off for 10 frames in 30.
enum { BASE, CLIGNOTEMENT };
const Compteur k_compteurs[] = {{0, 13, 0}, {0, 30, 0}};
enum { CYCLE_BASE = 1, CYCLE_LUMIERE, CYCLE_BLOC };
const Cycle k_cycles[] = {
    {BASE, {{0, 4, R(base1)}, {5, 8, R(base2)}, {9, 12, R(base3)}}},
    {CLIGNOTEMENT, {{10, 29, R(lumiere)}}},
    {CLIGNOTEMENT, {{10, 29, R(bloc_milieu)}}},
};

#define BASE_ANIMEE {CYCLE(CYCLE_BASE), CYCLE(CYCLE_LUMIERE), CYCLE(CYCLE_BLOC)}
#define ANIMEE (1u << BASE | 1u << CLIGNOTEMENT)
#define COULOIR {IMAGE(R(paysage)), IMAGE(R(couloir))}
#define FACE_A_FACE {DESSIN(GENERAL, "DROITE"), DESSIN(GENTIL_BASE, "GAUCHE")}
#define GENERAL_DE_DOS {DESSIN(GENERAL, "HAUT"), DESSIN(GENTIL_BASE, "GAUCHE")}
#define DANS_LE_COULOIR {DESSIN(GENTILLE, "DROITE"), DESSIN(GENTIL_COULOIR, "GAUCHE")}

// numero, frames, delay, options, first flipped frame, background, layer steps, figures,
// dialogue, counters
const Plan k_plans[] = {
    // The base: Gentil walks up to the General.
    {1, 10, 50, SANS_EVENEMENTS, 0, {IMAGE(R(base1))}, 0,
     {DESSIN(GENERAL, "HAUT"), DESSIN(GENTIL_BASE, "HAUT")}, RIEN, 0},
    {2, 16, 75, GARDE_SAUT, 0, BASE_ANIMEE, 0,
     {DESSIN(GENERAL, "HAUT"), MARCHE(GENTIL_BASE, 5, 0, "DROITE")}, RIEN, ANIMEE},
    {3, 54, 75, 0, 0, BASE_ANIMEE, 0, {DESSIN(GENERAL, "HAUT"), MARCHE(GENTIL_BASE, 0, -5, "HAUT")}, RIEN, ANIMEE},
    {4, 12, 75, 0, 0, BASE_ANIMEE, 0, {DESSIN(GENERAL, "HAUT"), MARCHE(GENTIL_BASE, -5, 0, "GAUCHE")}, RIEN, ANIMEE},
    {5, 12, 75, 0, 0, BASE_ANIMEE, 0, GENERAL_DE_DOS, RIEN, ANIMEE},
    {6, 24, 75, 0, 0, BASE_ANIMEE, 0, FACE_A_FACE, RIEN, ANIMEE},
    // The first dialogue.
    {7, 100, 75, 0, 0, BASE_ANIMEE, 0, FACE_A_FACE, DIALOGUE(R(olek), R(olek_1)), ANIMEE},
    {8, 100, 75, 0, 0, BASE_ANIMEE, 0, FACE_A_FACE, DIALOGUE(R(dorvin), R(dorvin1)), ANIMEE},
    {9, 100, 75, 0, 0, BASE_ANIMEE, 0, FACE_A_FACE, DIALOGUE(R(dorvin), R(dorvin2)), ANIMEE},
    {10, 100, 75, 0, 0, BASE_ANIMEE, 0, FACE_A_FACE, DIALOGUE(R(olek), R(olek_2)), ANIMEE},
    {11, 100, 75, 0, 0, BASE_ANIMEE, 0, GENERAL_DE_DOS, DIALOGUE(R(dorvin), R(dorvin3)), ANIMEE},
    {12, 100, 75, 0, 0, BASE_ANIMEE, 0, GENERAL_DE_DOS, DIALOGUE(R(dorvin), R(dorvin4)), ANIMEE},
    {13, 100, 75, 0, 0, BASE_ANIMEE, 0, FACE_A_FACE, DIALOGUE(R(dorvin), R(dorvin5)), ANIMEE},
    {14, 100, 75, 0, 0, BASE_ANIMEE, 0, FACE_A_FACE, DIALOGUE(R(dorvin), R(dorvin6)), ANIMEE},
    {15, 100, 75, 0, 0, BASE_ANIMEE, 0, FACE_A_FACE, DIALOGUE(R(olek), R(olek_3)), ANIMEE},
    {16, 20, 75, 0, 0, BASE_ANIMEE, 0, FACE_A_FACE, RIEN, ANIMEE},
    // The newspaper, its pages turning fast.
    {17, 20, 75, 0, 0, {IMAGE(R(journal1))}, 0, RIEN, RIEN, 0},
    {18, 50, 15, 0, 0,
     {IMAGE_DE(0, 10, R(journal2)), IMAGE_DE(11, 20, R(journal3)), IMAGE_DE(21, 30, R(journal4)),
      IMAGE_DE(31, 40, R(journal5)), IMAGE_DE(41, FIN, R(journal6))},
     0, RIEN, RIEN, 0},
    // The corridor slides past Gentil walking on the spot; then Gentille joins him.
    {19, 120, 75, 0, 0, {IMAGE(R(paysage))}, 2, {MARCHE(GENTIL_COULOIR, 0, 0, "DROITE")}, RIEN, 0},
    {20, 42, 75, 0, 0, COULOIR, 0, {MARCHE(GENTILLE, 5, 0, "DROITE"), DESSIN(GENTIL_COULOIR, "DROITE")}, RIEN, 0},
    {21, 30, 75, 0, 0, COULOIR, 0, DANS_LE_COULOIR, RIEN, 0},
    {22, 100, 75, 0, 0, COULOIR, 0, DANS_LE_COULOIR, DIALOGUE(R(sabri), R(sabri1)), 0},
    {23, 100, 75, 0, 0, COULOIR, 0, DANS_LE_COULOIR, DIALOGUE(R(olek), R(olek_4)), 0},
    {24, 100, 75, 0, 0, COULOIR, 0, DANS_LE_COULOIR, DIALOGUE(R(olek), R(olek_5)), 0},
    {25, 100, 75, 0, 0, COULOIR, 0, DANS_LE_COULOIR, DIALOGUE(R(sabri), R(sabri2)), 0},
    {26, 100, 75, 0, 0, COULOIR, 0, DANS_LE_COULOIR, DIALOGUE(R(olek), R(olek_6)), 0},
    // Gentil walks on ahead, moved before anyone is drawn.
    {27, 40, 75, 0, 0, COULOIR, 0,
     {PAS(GENTIL_COULOIR, 5, 0, "DROITE"), DESSIN(GENTILLE, "DROITE"), DESSIN(GENTIL_COULOIR, "DROITE")}, RIEN, 0},
    {28, 30, 75, 0, 0, COULOIR, 0, DANS_LE_COULOIR, RIEN, 0},
    {29, 100, 75, 0, 0, COULOIR, 0, DANS_LE_COULOIR, DIALOGUE(R(olek), R(olek_7)), 0},
    {30, 50, 75, 0, 0, COULOIR, 0, DANS_LE_COULOIR, DIALOGUE(R(sabri), R(sabri3)), 0},
    {31, 20, 75, 0, 0, COULOIR, 0, DANS_LE_COULOIR, RIEN, 0},
    {32, 50, 75, 0, 0, {IMAGE(R(end_intro))}, 0, RIEN, RIEN, 0},
};

// The newspaper comes with the second music, which replaces the first at once.
const Transition k_transitions[] = {
    {17, AUCUNE, 0, 0, R(musique_sad), -1},
};

void* charger(void) { return charger_intro(); }
void liberer(void* ressources) { liberer_intro((RessourcesIntro*)ressources); }

#define NB(t) ((int)(sizeof(t) / sizeof((t)[0])))

const Scenario k_intro = {
    "intro",       charger,     liberer,          R(mythique),           R(musique_intro), 1, 280,
    k_figures,     NB(k_figures), k_compteurs,    NB(k_compteurs),       k_cycles,         R(couloir),
    k_transitions, NB(k_transitions), k_plans,    NB(k_plans),
    0,  // no fade at the end: releasing the music cuts it off
    0,
};

}  // namespace

void raconter_intro(SDL_Surface* ecran, Uint32 periode, SDL_Surface* image_chargement) {
    raconter_histoire(&k_intro, ecran, periode, image_chargement);
}
