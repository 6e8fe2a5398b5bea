// The two level scenes: each loads its assets, plays its timeline of enemy waves up to the
// boss, and hands back how it ended. Both run the same loop over a description of the level.
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>

typedef struct Vaisseau Vaisseau;

// A level's result, owned by the caller (free()).
typedef struct ResultatNiveau {
    int etat;   // 1 won (boss destroyed), -1 lost (last ship gone), 0 left (Escape or window closed)
    int score;  // the world's score when won; 0 otherwise
} ResultatNiveau;

// Level 1 (the desert: three bands, an alarm before the boss). `inutilise` is not read;
// `score_initial` is the world's starting score; `periode` paces the frames (PERIODE_IMAGE);
// `image_chargement` is shown while loading. Frees everything it built before returning.
ResultatNiveau* jouer_niveau_1(SDL_Surface* ecran, int inutilise, int score_initial, Uint32 periode,
                               SDL_Surface* image_chargement);
// Level 2 (above the clouds: one sky band), same arguments.
ResultatNiveau* jouer_niveau_2(SDL_Surface* ecran, int inutilise, int score_initial, Uint32 periode,
                               SDL_Surface* image_chargement);

// The level's event handler, called once per frame: polls events into `evenement` (the
// handler's own buffer) until one of them is handled. Window close or Escape: returns -1.
// 'f': next available weapon and `son` (may be null) once on channel 1, returns 1. 'd': next
// speed level, returns 1. Any other event is dropped. Returns 0 when the queue is empty. So at
// most one 'f' or 'd' is handled per frame; the events behind it wait for the next frame.
int gerer_evenements(SDL_Event* evenement, Vaisseau* vaisseau, Mix_Chunk* son);

// Test aid for the simulator's --invincible: while set, the level keeps the ship's
// invincibilite at 2 or more in every frame of play, so it can never be hit. The game itself
// never sets it.
void fixer_invincibilite_permanente(int active);

// Test aid for the simulator's --sans-vagues: while set, the levels do not run their wave
// script, so no enemy ever arrives and the boss check finds the boss's ring slot empty (the
// level is won at the boss time). The game itself never sets it.
void fixer_sans_vagues(int active);
