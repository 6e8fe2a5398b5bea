// The player's five weapons (volleys, cycling, winning and losing) and the two orbiting
// modules that copy every volley.
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>

#include "core/ressources.h"
#include "ship/vaisseau.h"

enum { NB_POINTS_ORBITE = 60, NB_IMAGES_MODULE = 4 };

// The four impact pictures every ship shot shows when it hits ("Impact1.png" .. "Impact4.png").
typedef struct ImagesImpact {
    SDL_Surface* images[4];
} ImagesImpact;

// The four frames of the module animation ("Module1.png" .. "Module4.png"), owned by the record
// once charger_modules filled it.
typedef struct ImagesModules {
    SDL_Surface* images[NB_IMAGES_MODULE];
} ImagesModules;

// The four module pictures (green key) as fields of ImagesModules, in load order: what
// charger_modules and liberer_modules walk, and the modules' part of the list of files the game
// loads.
extern const EntreeRessource IMAGES_MODULES[NB_IMAGES_MODULE];

// Fires one volley of the current weapon when the fire key 'g' is held (touches: key state
// array) and returns 1; else returns 0 and fires nothing. Shot pictures: t1 "Vaisseau_Tir1",
// t2, t3 (bomb down), t3a (bomb up), t3b (bomb on the ground), t4, t5. Every shot gets the
// impact pictures; the bombs also t3b as their ground picture. Sounds s1..s4 ("Hero_Tir1",
// "Hero_Tir2", "Hero_Tir31", "Hero_Tir41"): the weapon's sound plays once on channel 0 only
// when `rafale` is 0 (a null sound is not played). Shots that find no free slot are dropped.
int tirer_vaisseau(const Uint8* touches, Vaisseau* vaisseau, SDL_Surface* t1, SDL_Surface* t2,
                   SDL_Surface* t3, SDL_Surface* t3a, SDL_Surface* t3b, SDL_Surface* t4, SDL_Surface* t5,
                   const ImagesImpact* impacts, Mix_Chunk* s1, Mix_Chunk* s2, Mix_Chunk* s3, Mix_Chunk* s4,
                   int rafale);

// Bonus kind k (1..3) makes weapon k + 1 available (the caller selects it).
void gagner_arme(Vaisseau* vaisseau, int type_bonus);
// Loses the current weapon when it is 2, 3 or 4 (the caller then sets arme to 0).
void perdre_arme(Vaisseau* vaisseau);
// Selects the next available weapon after the current one, wrapping round to weapon 0.
void arme_suivante(Vaisseau* vaisseau);
void activer_modules(Vaisseau* vaisseau);
void desactiver_modules(Vaisseau* vaisseau);

// Loads the four module pictures of IMAGES_MODULES into `images` and fills the 60-point
// orbit: circle of centre (64, 64), radius 64, entry i = (rounded x, rounded y, 32, 28), entry 0
// at (128, 64), clockwise in 6-degree steps (the points of cercle() and arrondir_pixel(), kept
// as a table so that every maths library gives the same pixels). The pictures must exist (the
// loader exits otherwise).
void charger_modules(ImagesModules* images, SDL_Rect orbite[NB_POINTS_ORBITE]);
// Only the orbit table of charger_modules (no pictures): for the tests and for callers that
// already hold the module pictures.
void calculer_orbite(SDL_Rect orbite[NB_POINTS_ORBITE]);
// Frees the four module pictures and clears the record (not the record itself).
void liberer_modules(ImagesModules* images);

// Draws both modules at orbit indices a and b (module rectangle: orbit entry + ship corner -
// (55, 64), 32 x 28) with animation frame `image_anim` (0..3), A first, and, when `a_tire` is
// 1 (the ship fired this frame), launches one shot from each module into the ship's slots
// (kinds 5..8 by weapon, screen positions). Module shots play no sound.
void afficher_modules(Vaisseau* vaisseau, int a, int b, int image_anim, int a_tire,
                      const ImagesModules* images, const SDL_Rect orbite[NB_POINTS_ORBITE], SDL_Surface* t1,
                      SDL_Surface* t2, SDL_Surface* t3, SDL_Surface* t3a, SDL_Surface* t3b, SDL_Surface* t4,
                      SDL_Surface* t5, const ImagesImpact* impacts, SDL_Surface* ecran);
