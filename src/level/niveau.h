// The two level scenes: each loads its assets, plays its timeline of enemy waves up to the
// boss, and hands back how it ended.
#pragma once
#include <SDL.h>

// A level's result, owned by the caller (free()).
typedef struct ResultatNiveau {
    int etat;   // 1 won (boss destroyed), -1 lost (last ship gone), 0 left (Escape or window closed)
    int score;  // the world's score when won; 0 otherwise
} ResultatNiveau;

// Level 1 (the desert). `inutilise` is not read; `score_initial` is the world's starting
// score; `periode` paces the frames (PERIODE_IMAGE); `image_chargement` is shown while loading.
ResultatNiveau* jouer_niveau_1(SDL_Surface* ecran, int inutilise, int score_initial, Uint32 periode,
                               SDL_Surface* image_chargement);
// Level 2 (above the clouds), same arguments.
ResultatNiveau* jouer_niveau_2(SDL_Surface* ecran, int inutilise, int score_initial, Uint32 periode,
                               SDL_Surface* image_chargement);
