// The walking figures of the stories: a sprite sheet of four rows (down, left, right, up) by
// four columns, played as a six-step walk cycle per row and addressed by direction words.
#pragma once
#include <SDL.h>

// One animated figure. Each direction has its own step counter: walking right advances only
// etape_droite, so a figure drawn in another direction shows that row where it was left.
typedef struct Personnage {
    SDL_Surface* planche;      // the sprite sheet; belongs to the story's asset set
    SDL_Rect images_bas[6];    // source rectangle of each step of the "BAS" row
    int etape_bas;             // current step of that row, 0 to 5
    SDL_Rect images_gauche[6];
    int etape_gauche;
    SDL_Rect images_droite[6];
    int etape_droite;
    SDL_Rect images_haut[6];
    int etape_haut;
    SDL_Rect position;         // top-left corner on screen and frame size
} Personnage;

// New figure with 32x48 frames (a 128x192 sheet) standing at (x, y), every step at 0.
// Free with detruire_personnage.
Personnage* creer_personnage(SDL_Surface* planche, int x, int y);
// The same with 64x48 frames (a 256x192 sheet): the snakes.
Personnage* creer_grand_personnage(SDL_Surface* planche, int x, int y);
// Frees the figure (not its sheet). NULL is allowed.
void detruire_personnage(Personnage* personnage);

// Moves the figure by (dx, dy) (16-bit wrapping) and advances the step of `direction` by one,
// from 5 back to 0. (0, 0) only advances the step: walking on the spot, or picking a column.
// The word is tested against "BAS", then "GAUCHE", then "DROITE"; any other word is "HAUT".
void deplacer_personnage(Personnage* personnage, int dx, int dy, const char* direction);
// Blits the current step of `direction`'s row at `position`. The blit clips the position
// rectangle and writes the clipped rectangle back: a figure partly beyond the left or top
// edge has its x or y raised to 0 and later moves start from there. Steps are unchanged.
void afficher_personnage(Personnage* personnage, const char* direction, SDL_Surface* ecran);
