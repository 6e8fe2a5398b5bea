// Ennemi: a Vaisseau body driven by three movement programs (entry, main, exit) of Etape
// steps, with its score, animation, hit flash and, for bonus carriers, the bonus it releases.
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>

#include "enemies/tir.h"
#include "ship/vaisseau.h"

enum { NB_ETAPES_MAX = 1000, NB_MODELES_TIR = 10, NB_IMAGES_ENNEMI = 4 };

// Which program ajouter_etape fills (0, 1, 2 may be passed as plain ints as well).
enum Programme { PROGRAMME_ENTREE = 0, PROGRAMME_PRINCIPAL = 1, PROGRAMME_SORTIE = 2 };

// Bonus kinds carried by an "Ennemi_Bonus": 0 modules, 1..3 weapons 2..4; -1 once collected.
enum { BONUS_MODULES = 0, BONUS_RAMASSE = -1 };

// One step: move by (dx, dy) every frame for nb_images frames, fire the templates and play the
// sound on the step's first frame.
typedef struct Etape {
    int dx;
    int dy;
    int nb_images;                     // frames the step lasts (>= 1)
    Tir* modeles_tir[NB_MODELES_TIR];  // own copies; the first null ends the list
    Mix_Chunk* son;                    // played on channel 3 when the step fires; null = silent
} Etape;

typedef struct Ennemi {
    Vaisseau* corps;                           // the body (own)
    int temps_apparition;                      // ms after debut_niveau at which it enters play
    const char* nom;                           // "OCTOPUS", "Ennemi_Bonus", "BOSS", ...
    int nb_etapes_max;                         // 1000
    Etape* programme_entree[NB_ETAPES_MAX];    // own steps, null-terminated
    Etape* programme_principal[NB_ETAPES_MAX];
    Etape* programme_sortie[NB_ETAPES_MAX];
    int etape_courante;                        // index in the current program
    int compteur_etape;                        // frames spent in the current step
    int a_tire;                                // the current step has fired
    int en_principal;                          // entry program over
    int en_sortie;                             // exit program running (implies en_principal)
    int avec_entree;                           // entry program still to run
    int boucle_principal;                      // main program repeats (subject to the boss rule)
    int fin_sortie;                            // 1 exit repeats, 0 finish after exit, 2 finished
    int largeur_explosion;                     // one frame of the explosion strip
    int hauteur_explosion;
    int points;                                // score for destroying it
    SDL_Surface** images;                      // 4 animation pictures (own array)
    int compteur_anim;
    int seuils_anim[NB_IMAGES_ENNEMI];         // 5, 10, 15, 20 at creation
    int touche;                                // hit without dying: flash at the next drawing
    SDL_Surface* images_flash[NB_IMAGES_ENNEMI];
    int seuil_boss;                            // trunc(hit points at creation / 2)
    int bonus_libere;                          // a destroyed carrier turned into a bonus item
    int type_bonus;                            // 0..3, -1 once collected
    SDL_Surface** images_bonus;                // 4 bonus pictures indexed by type_bonus (own array)
    Mix_Chunk* son_bonus;                      // played on channel 6 when collected
} Ennemi;

// New enemy. position -> body rectangle; vie -> body hit points and seuil_boss = vie / 2
// (truncated); nb_tirs_max -> body shot slots; image -> body picture and every picture of
// images, images_flash and images_bonus; drapeau -> body flag; image_explosion,
// nb_etapes_explosion, duree_etape (ms) -> body; demi_largeur, demi_hauteur -> body hit box;
// avec_entree 0 also sets en_principal 1. Everything else 0 / null, except nb_etapes_max 1000
// and seuils_anim 5, 10, 15, 20. `nom` is not copied (a literal).
Ennemi* creer_ennemi(SDL_Rect position, int vie, int nb_tirs_max, SDL_Surface* image, int drapeau,
                     SDL_Surface* image_explosion, int nb_etapes_explosion, int duree_etape,
                     int temps_apparition, const char* nom, int largeur_explosion, int hauteur_explosion,
                     int demi_largeur, int demi_hauteur, int avec_entree, int boucle_principal,
                     int fin_sortie, int points);
// Frees the enemy: its body (with its shots), every step of its three programs (with their
// templates) and its picture arrays. Never pictures or sounds. Accepts NULL.
void detruire_ennemi(Ennemi* ennemi);

// Step without shots or sound.
Etape* creer_etape(int dx, int dy, int nb_images);
// Step firing copies of the templates of the null-terminated `modeles` (may be NULL), in order,
// at most 10, with `son` (may be NULL). The templates stay the caller's.
Etape* creer_etape_tir(int dx, int dy, int nb_images, Tir* const* modeles, Mix_Chunk* son);
// Puts a copy of `modele` (creer_tir_accelere of its rectangle, pictures, kind, vx0, vy0, ax,
// ay: impact and ground pictures become its image_a) in the first free template slot; full
// (10) = dropped. The template stays the caller's.
void ajouter_tir_etape(Etape* etape, const Tir* modele);
// Frees the step and its templates. Accepts NULL.
void detruire_etape(Etape* etape);
// Appends the step to program `programme` (PROGRAMME_ENTREE / _PRINCIPAL / _SORTIE, or 0/1/2).
// The enemy owns it from then on; a full program (1000 steps) frees and drops it.
void ajouter_etape(Ennemi* ennemi, Etape* etape, int programme);

// One frame of the current program: move by the current step, count the frame; at the step's
// end go to the next step (and apply the end-of-program rule when there is none, or after slot
// 999); otherwise fire the step's templates and play its sound once, on its first frame.
// End of program: entry -> main; exit -> again (fin_sortie 1) or finished (fin_sortie := 2);
// main -> exit for a "BOSS" with boucle_principal 1 whose vie <= seuil_boss, else again
// (boucle_principal 1) or exit. An empty program leaves the enemy standing.
void executer_programme(Ennemi* ennemi);
// Moves the body by (dx, dy); if it then lies wholly off the 640 x 480 screen (y + h < 0,
// y >= 480, x + w <= 0 or x >= 640) it is gone: etape_explosion := nb_etapes_explosion + 1.
void deplacer_ennemi(Ennemi* ennemi, int dx, int dy);
// Launches one shot from `modele` into the body's slots (launch rule).
void tirer_ennemi(Ennemi* ennemi, const Tir* modele);
// The body's flight and picture rules for the enemy's shots.
void deplacer_tirs_ennemi(Ennemi* ennemi);
void afficher_tirs_ennemi(Ennemi* ennemi, SDL_Surface* ecran);

void fixer_son_explosion(Ennemi* ennemi, Mix_Chunk* son);
// Pictures 1, 2, 3 of the animation; picture 0 stays the constructor's.
void fixer_images_ennemi(Ennemi* ennemi, SDL_Surface* i1, SDL_Surface* i2, SDL_Surface* i3);
void fixer_images_flash(Ennemi* ennemi, SDL_Surface* f0, SDL_Surface* f1, SDL_Surface* f2, SDL_Surface* f3);
// Animation thresholds t, 2t, 3t, 4t.
void fixer_vitesse_anim(Ennemi* ennemi, int t);
void fixer_type_bonus(Ennemi* ennemi, int type_bonus);
// Sets bonus_libere (1 once a destroyed carrier turned into its bonus item).
void liberer_bonus(Ennemi* ennemi, int libere);
void fixer_images_bonus(Ennemi* ennemi, SDL_Surface* b0, SDL_Surface* b1, SDL_Surface* b2, SDL_Surface* b3);
void fixer_son_bonus(Ennemi* ennemi, Mix_Chunk* son);

// The enemy's picture for this frame, drawn at its body: explosion frame k centred on the body
// (advancing k when duree_etape ms have passed since temps_etape); nothing once finished;
// otherwise animation frame f from compteur_anim and seuils_anim: the flash picture when
// `touche` (cleared, counter frozen), the bonus picture of type_bonus for a released bonus, or
// the animation picture while intact, after which the counter advances (0 again above t4).
void afficher_ennemi(Ennemi* ennemi, SDL_Surface* ecran);
