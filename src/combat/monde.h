// Monde: one level's fight (the player's ship, the queue of scheduled enemies, the ring of ten
// enemies in play, the level clock, the score) and its per-frame update.
#pragma once
#include <SDL.h>
#include <stdint.h>

#include "core/liste.h"
#include "enemies/ennemi.h"
#include "enemies/tir.h"
#include "ship/vaisseau.h"

enum { NB_PLACES = 10, SCORE_MAX = 99999, NB_IMAGES_MONDE = 5 };

typedef struct Monde {
    Vaisseau* vaisseau;      // the player's ship (owned by the level, not by the world)
    int prochain;            // ring slot the next arriving enemy takes
    int nb_places;           // 10
    int nb_actifs;           // enemies in play (non-null ring slots)
    Ennemi** actifs;         // the ring of nb_places slots, null = free (own enemies)
    Uint32 debut_niveau;     // tick from which every temps_apparition counts
    Liste* en_attente;       // scheduled enemies, due first at the head; null while empty (own)
    int score;               // 0..99999
    int nb_reserve;          // spare slot array, never read by the game
    Ennemi** reserve;
    SDL_Surface* images[NB_IMAGES_MONDE];  // unused pictures kept as given
} Monde;

// New world: ring of 10 empty slots, prochain 0, nb_actifs 0, debut_niveau = `debut`, empty
// queue, score 0. `nb_reserve` spare slots and the five pictures are kept, never read.
Monde* creer_monde(Vaisseau* vaisseau, int nb_reserve, Uint32 debut, SDL_Surface* i1, SDL_Surface* i2,
                   SDL_Surface* i3, SDL_Surface* i4, SDL_Surface* i5);
// Frees the world with every enemy still pending or in play. Not the ship. Accepts NULL.
void detruire_monde(Monde* monde);
// Puts the enemy at the front of the queue; the world owns it from then on. Scripts add the
// enemy due last first, so that the head is always the one due first.
void ajouter_ennemi(Monde* monde, Ennemi* ennemi);

// Hit test between two hit boxes: centres (x + w/2, y + h/2) closer than the summed
// half-extents on both axes (strict).
int collision_vaisseaux(const Vaisseau* a, const Vaisseau* b);
// Hit test between a shot's whole rectangle and a body's hit box: |dx| < w/2 + demi_largeur and
// |dy| < h/2 + demi_hauteur between centres.
int collision_tir(const Tir* tir, const Vaisseau* vaisseau);

// The ship is hit: invincibilite 150, vie - 1, explosion starts now, its sound on channel 2,
// modules off, current weapon lost, weapon 0 selected.
void sequence_touche(Vaisseau* vaisseau, Uint32 maintenant);

// One frame of the fight, in this order: due enemies enter the ring (the head holds back those
// behind it; an enemy still occupying the slot taken is freed); the ship's shots against the
// enemies (one hit per enemy per frame, score capped at 99999); unless the ship is invincible
// or exploding, the ship against enemies, their shots and bonus items (and the homing target);
// programs run, released bonuses drift, finished enemies leave play (and are freed); the
// ship's shots fly; the ship's shots, the enemies with their shots and the ship are drawn
// (advancing explosions); invincibility counts down. `inutile1`, `inutile2` and `terrain` are
// not read.
void mettre_a_jour_monde(Monde* monde, SDL_Surface* inutile1, SDL_Surface* inutile2, SDL_Rect terrain,
                         SDL_Surface* ecran);
