// The story frame shared by the intro and the interlude. A story is a const script: its asset
// set, its figures, its animation counters and a table of shots, each shot a table of frame
// ranges saying which pictures, figure moves and dialogue pictures make each frame. One
// function walks any such script: the opening, every frame of every shot (events, skip,
// drawing from the bottom up, flip, pacing, frame delay, counters), the pauses between shots,
// and the closing or the skip sequence.
#pragma once
#include <SDL.h>
#include <stddef.h>

// A field of a story's asset-set record (a picture or a music): its offset in the record plus
// one, so that 0 can stand for "none" in the tables.
typedef size_t RefRessource;
#define AUCUNE 0
#define REF(Record, champ) (offsetof(Record, champ) + 1)

// Upper bound of a frame range that lasts to the end of its shot.
enum { FIN = 9999 };

// A picture drawn during frames de..a of a shot: full-screen at (0, 0) in a background, at the
// dialogue box in a dialogue.
typedef struct Calque {
    int de, a;           // frame indices, both included
    int cycle;           // 0: `image`; k >= 1: the picture that the story's k-th cycle picks
    RefRessource image;
} Calque;

// One figure's part in the frames de..a of a shot: a move (when `pas` names a direction) and
// then a drawing (when `dessin` names one). Moves after drawing are written as later entries.
typedef struct Geste {
    int de, a;
    int figure;          // 1-based index into the story's figures; 0 ends the list
    int dx, dy;
    const char* pas;     // direction word of the move, NULL: not moved
    const char* dessin;  // direction word of the drawing, NULL: not drawn
    int si_x_positif;    // 1: the whole entry only while the figure's x is above 0 (read before moving)
} Geste;

enum { MAX_FOND = 5, MAX_GESTES = 16, MAX_DIALOGUE = 6, MAX_PLAGES = 10 };

// Options of a shot.
enum {
    SANS_EVENEMENTS = 1,  // the shot takes no events at all
    GARDE_SAUT = 2,       // at its first frame the skip request is dropped, whatever was pressed
    INDICES_DE_1 = 4,     // frame indices run from 1 to the number of frames
};

// Scroll steps of the shot whose layer gathers speed: 4 steps per frame, one more every five
// frames from frame 6 on, up to 13.
enum { PAS_ACCELERE = -1 };

typedef struct Plan {
    int numero;
    int nb_images;
    int delai;                        // ms waited after each frame
    int options;
    int premiere_montree;             // frames before this index are drawn but not flipped
    Calque fond[MAX_FOND];            // full-screen pictures, bottom first
    int pas_decor;                    // steps of the scrolling layer per frame; 0: no layer
    Geste gestes[MAX_GESTES];
    Calque dialogue[MAX_DIALOGUE];    // drawn last, at the dialogue box
    unsigned compteurs;               // bit k: counter k advances after each frame
} Plan;

// What happens between two shots, with nothing drawn but `image` and no event taken.
typedef struct Transition {
    int avant_plan;       // the shot it precedes
    RefRessource image;   // shown with a flip and a pacing wait; AUCUNE: none
    int fondu;            // fondre_musique over this many ms when above 0
    int pause;            // ms waited
    RefRessource musique; // started once (loop count 0) after the pause; AUCUNE: none
    int cadre_y;          // new top of the dialogue box; -1: unchanged
} Transition;

// An animation counter: starts at `depart`, goes up by one after each frame of the shots that
// name it (only after even frame indices when `pairs`), back to `depart` on reaching `limite`.
typedef struct Compteur {
    int depart;
    int limite;
    int pairs;
} Compteur;

// The pictures a counter picks: the first range holding the counter's value gives the
// picture; a value in no range draws nothing.
typedef struct Plage {
    int min, max;
    RefRessource image;
} Plage;
typedef struct Cycle {
    int compteur;                 // index into the story's counters
    Plage plages[MAX_PLAGES];     // a range with no picture ends the list
} Cycle;

typedef struct FigureHistoire {
    const char* nom;        // name in the trace
    RefRessource planche;
    int grand;              // 1: 64-pixel frames (creer_grand_personnage)
    int x, y;               // start position
} FigureHistoire;

typedef struct Scenario {
    const char* nom;                      // "intro" or "interlude", in the trace
    void* (*charger)(void);               // the asset set
    void (*liberer)(void*);
    RefRessource carte_titre;
    RefRessource premiere_musique;
    int retour_saute;                     // 1: Return skips as Escape does
    int cadre_y;                          // top of the dialogue box from the opening on
    const FigureHistoire* figures;
    int nb_figures;
    const Compteur* compteurs;
    int nb_compteurs;
    const Cycle* cycles;
    RefRessource image_decor;             // picture of the scrolling layer
    const Transition* transitions;
    int nb_transitions;
    const Plan* plans;
    int nb_plans;
    int fondu_fin;                        // after the last shot: fade (ms, 0: none), then
    int pause_fin;                        // wait (ms), then release
} Scenario;

enum { MAX_FIGURES = 20, MAX_COMPTEURS = 4 };

// Table shorthands. Figure entries for every frame of a shot:
#define DESSIN(f, mot) {0, FIN, f, 0, 0, NULL, mot, 0}              // drawn, not moved
#define MARCHE(f, dx, dy, mot) {0, FIN, f, dx, dy, mot, mot, 0}     // moved, then drawn
#define PAS(f, dx, dy, mot) {0, FIN, f, dx, dy, mot, NULL, 0}       // moved, not drawn
// ... and for frames de..a only:
#define DESSIN_DE(de, a, f, mot) {de, a, f, 0, 0, NULL, mot, 0}
#define MARCHE_DE(de, a, f, dx, dy, mot) {de, a, f, dx, dy, mot, mot, 0}
#define MARCHE_SI_X_POSITIF(de, a, f, dx, dy, mot) {de, a, f, dx, dy, mot, mot, 1}
#define SUR_PLACE(i, f, mot) {i, i, f, 0, 0, mot, NULL, 0}          // one step on the spot in frame i
// Pictures:
#define IMAGE(ref) {0, FIN, 0, ref}
#define IMAGE_DE(de, a, ref) {de, a, 0, ref}
#define CYCLE(k) {0, FIN, k, AUCUNE}
// A line of dialogue: the speaker's portrait for frames 0 to 10, the line from frame 11 on.
#define DIALOGUE(portrait, ligne) {IMAGE_DE(0, 10, portrait), IMAGE_DE(11, FIN, ligne)}
#define RIEN {}

// Plays a story: opening (loading picture, asset set, 3000 ms, title card for 3000 ms, first
// music), every shot with its transitions, and the closing; or, as soon as a frame sees the
// skip request, the skip sequence (fade over 1000 ms, 500 ms, release). Everything the story
// made is freed before it returns. Trace events: "plan" when a shot starts, "fin_plan" with
// every figure's position when it ends, "saut" when a skip is seen.
void raconter_histoire(const Scenario* scenario, SDL_Surface* ecran, Uint32 periode, SDL_Surface* image_chargement);

// Scroll steps of the layer in frame i of a shot with `pas_decor` (PAS_ACCELERE or a count).
int pas_du_decor(int pas_decor, int i);
