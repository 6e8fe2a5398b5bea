// Vaisseau: everything that flies and can be shot (the player's ship and every enemy's body),
// its small operations, the player's steering, and the shot slots every body carries.
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>

#include "enemies/tir.h"

enum { NB_ARMES = 5 };
// Lowest y + 32 from which the ship may still dive, per level.
enum { LIMITE_BAS_NIVEAU_1 = 450, LIMITE_BAS_NIVEAU_2 = 475 };

typedef struct Vaisseau {
    SDL_Rect position;              // x, y: top-left corner of the picture; w, h: to find the hit centre
    int vie;                        // player: hits still allowed (5); enemy: hit points
    int nb_tirs_max;                // number of shot slots
    int nb_tirs;                    // occupied slots (flying or showing their impact)
    Tir** tirs;                     // the slots, null = empty (own array, own shots)
    SDL_Surface* image;             // picture while intact
    int drapeau;                    // constructor flag, never read
    SDL_Surface* image_explosion;   // strip of equally wide explosion frames
    SDL_Surface* image_explosion2;  // second explosion picture, never drawn
    int etape_explosion;            // 0 intact; 1..N explosion frame shown; N + 1 over (or gone)
    int nb_etapes_explosion;        // N, frames in the strip
    int duree_etape;                // ms per explosion frame
    Uint32 temps_etape;             // tick of the last explosion frame change
    int invincibilite;              // frames of invincibility left
    Mix_Chunk* son_explosion;       // played when hit or destroyed; may be null
    int demi_largeur;               // hit box half-extents around the rectangle's centre
    int demi_hauteur;
    int armes[NB_ARMES];            // weapon k available when 1; starts 1, 1, 0, 0, 0
    int arme;                       // current weapon 0..4
    int modules;                    // 1 while the two orbiting modules are on
    int vitesse;                    // speed level 1..4: moves vitesse + 1 pixels per frame
    SDL_Rect cible;                 // homing target, x = SANS_CIBLE (999) when none
} Vaisseau;

// New ship with `nb_tirs_max` empty slots; image_explosion2 = image_explosion; nb_tirs,
// etape_explosion, temps_etape, invincibilite 0; no sound; armes 1,1,0,0,0; arme 0; modules 0;
// vitesse 1; cible (0, 0, 0, 0).
Vaisseau* creer_vaisseau(SDL_Rect position, int vie, int nb_tirs_max, SDL_Surface* image, int drapeau,
                         SDL_Surface* image_explosion, int nb_etapes_explosion, int duree_etape,
                         int demi_largeur, int demi_hauteur);
// Frees the ship, its slot array and every shot still in a slot (never pictures or sounds).
// Accepts NULL.
void detruire_vaisseau(Vaisseau* vaisseau);

// x += dx, y += dy in 16-bit arithmetic.
void deplacer_vaisseau(Vaisseau* vaisseau, int dx, int dy);
// Replaces the whole rectangle.
void placer_vaisseau(Vaisseau* vaisseau, SDL_Rect position);
void fixer_vie(Vaisseau* vaisseau, int vie);
void fixer_image(Vaisseau* vaisseau, SDL_Surface* image);
void fixer_image_explosion(Vaisseau* vaisseau, SDL_Surface* image);
void fixer_image_explosion2(Vaisseau* vaisseau, SDL_Surface* image);
void fixer_etape_explosion(Vaisseau* vaisseau, int etape);
void fixer_invincibilite(Vaisseau* vaisseau, int invincibilite);
// (An enemy's body gets its sound through fixer_son_explosion(Ennemi*, ...), same name.)
void fixer_son_explosion(Vaisseau* vaisseau, Mix_Chunk* son);
// Next speed level: 1, 2, 3, 4, then 1 again.
void vitesse_suivante(Vaisseau* vaisseau);

// One frame of steering by the arrow keys (touches: the key state array indexed by SDLK_*).
// The ten pictures in this order: level picture, climbing, diving, starting to climb,
// starting to dive, then the invincible versions of the same five. compteur_haut and
// compteur_bas are the level's climb and dive counters. limite_bas is LIMITE_BAS_NIVEAU_1
// (450) or LIMITE_BAS_NIVEAU_2 (475): the ship dives only while y + 32 <= limite_bas. Climbs
// while y >= 82, goes left while x >= 2, right while x + 64 <= 640, each by vitesse + 1 and
// each bound tested before its own move. Returns 1 when any arrow moved the ship, else 0.
int piloter_vaisseau(const Uint8* touches, Vaisseau* vaisseau, SDL_Surface* image,
                     SDL_Surface* image_haut, SDL_Surface* image_bas, SDL_Surface* image_haut0,
                     SDL_Surface* image_bas0, SDL_Surface* image_inv, SDL_Surface* image_haut_inv,
                     SDL_Surface* image_bas_inv, SDL_Surface* image_haut0_inv, SDL_Surface* image_bas0_inv,
                     int* compteur_haut, int* compteur_bas, int limite_bas);

// ---- shot slots ----

// Launches a shot made from `modele` (launch rule, see lancer_tir) into the first empty slot,
// nb_tirs + 1. With no empty slot nothing happens. The template stays the caller's.
void ajouter_tir(Vaisseau* vaisseau, const Tir* modele);
// Frees the shot in slot `indice` and empties the slot, nb_tirs - 1. An empty slot is left alone.
void retirer_tir(Vaisseau* vaisseau, int indice);
// One frame of flight for every shot in flight (vivant 1), in slot order, toward the ship's
// `cible`; shots that had left the screen are removed. Shots showing their impact stay put.
void deplacer_tirs(Vaisseau* vaisseau);
// Draws every occupied slot in order by the picture rule; a shot whose fourth impact picture
// was shown is removed.
void afficher_tirs(Vaisseau* vaisseau, SDL_Surface* ecran);
