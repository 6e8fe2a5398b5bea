// What a player sees of a level in one frame, as a read-only record handed to one observer
// (the simulator's autopilot): the ship, the enemies and bonus items on screen, the enemies'
// shots. Nothing in it tells what comes next; the observer can only act through input.
#pragma once
#include <SDL.h>
#include <stdint.h>

typedef struct Monde Monde;

enum { VUE_MAX_ENNEMIS = 10, VUE_MAX_TIRS = 1024 };

// How the ship stands: under the player's control, exploding, or flying back in.
enum { VUE_PILOTABLE = 0, VUE_EXPLOSE = 1, VUE_RETOUR = 2 };
// What an enemy shows: alive, its explosion, or the bonus item it left (to be collected).
enum { VUE_VIVANT = 0, VUE_EN_EXPLOSION = 1, VUE_BONUS = 2 };

typedef struct VueEnnemi {
    int id;             // its ring slot: the same while it stays in play, taken again by a later one
    const char* nom;    // its kind, as its picture tells ("OCTOPUS", "BOSS", ...)
    SDL_Rect rect;      // where its picture is drawn
    SDL_Rect corps;     // the part that hurts on contact, centred on the picture (the solid core
                        // a player learns to avoid; for a bonus item, the part that collects it)
    int vie;            // hit points left
    int etat;           // VUE_VIVANT, VUE_EN_EXPLOSION or VUE_BONUS
    int type_bonus;     // for VUE_BONUS: 0 modules, 1 bombs, 2 homing, 3 plasma
} VueEnnemi;

typedef struct VueTir {
    int id;             // the same while the shot flies (a freed slot is reused by a later shot)
    SDL_Rect rect;      // where it is drawn; the whole of it hurts
} VueTir;

typedef struct VueMonde {
    uint32_t t;         // virtual time of the frame (ms since the run started)
    int niveau;         // 1 or 2
    int image;          // frame of play, from 1
    SDL_Rect vaisseau;  // the ship's picture; only its centre (x + w/2, y + h/2) +-3 can be hit
    int etat_vaisseau;  // VUE_PILOTABLE, VUE_EXPLOSE or VUE_RETOUR
    int vie;            // hits the ship may still take
    int invincibilite;  // frames of invincibility left (the ship blinks meanwhile)
    int arme;           // weapon shown in the top bar, and which ones are owned
    int armes[5];
    int vitesse;        // speed level 1..4: vitesse + 1 pixels per frame on each axis
    int modules;        // 1 while the two modules circle the ship
    int limite_bas;     // the ship moves down while y + 32 <= limite_bas
    int victoire;       // 1 once the boss has fallen (the scenery turns grey)
    int score;
    int nb_ennemis;
    VueEnnemi ennemis[VUE_MAX_ENNEMIS];
    int nb_tirs;        // enemy shots on screen (beyond VUE_MAX_TIRS they are left out)
    VueTir tirs[VUE_MAX_TIRS];
} VueMonde;

// Called with the view of each frame of play; the record is only valid during the call.
typedef void (*ObservateurVue)(const VueMonde* vue, void* donnees);
// Sets the one observer (NULL removes it).
void observer_vue_monde(ObservateurVue observateur, void* donnees);
// 1 while an observer is set: the level only builds the view then.
int vue_monde_observee(void);

// Built by the level once per frame of play, after the world update, with what the frame
// shows; handed to the observer if there is one. `en_retour` is 1 while the ship flies back
// in after a lost life; `victoire` is the level's victory counter.
void montrer_vue_monde(const Monde* monde, int niveau, int image, int en_retour, int limite_bas, int victoire);
