// Scrolling landscape bands: a picture as wide as the screen that scrolls left in 2-pixel
// steps forever, drawn twice per frame (the picture shifted left, and the strip that left on
// the left drawn again at the right edge), so the band never shows a gap. Used by the levels
// and the stories.
#pragma once
#include <SDL.h>

// One piece of a band. The picture is not owned (it belongs to an asset set).
typedef struct Morceau {
    SDL_Rect rect;       // main piece: where it stands; wrap piece: which strip of the picture
    SDL_Surface* image;
} Morceau;

// One band. Its pictures must be 640 pixels wide and the main rectangle's width even.
typedef struct Decor {
    Morceau* principal;        // the whole picture, drawn at its rectangle's x, y
    Morceau* raccord;          // the strip that scrolled out on the left
    SDL_Rect courant_principal;
    SDL_Rect courant_raccord;
    SDL_Rect initial_principal;
    SDL_Rect initial_raccord;
} Decor;

// New piece with the given rectangle and picture (the caller owns the piece).
Morceau* creer_morceau(SDL_Rect rect, SDL_Surface* image);
void deplacer_morceau(Morceau* morceau, int dx, int dy);
void placer_morceau(Morceau* morceau, SDL_Rect rect);
void changer_image_morceau(Morceau* morceau, SDL_Surface* image);

// New band: the main piece at `rect_principal`, the wrap piece at `rect_raccord` (the callers
// pass the main rectangle with height 0), both showing `image`. Free with detruire_decor.
Decor* creer_decor(SDL_Rect rect_principal, SDL_Rect rect_raccord, SDL_Surface* image);
// Advances the band by n >= 1 steps of 2 pixels (a full cycle is 320 steps), then draws it on
// `ecran`. `inutilise` is not read. n steps give the same picture as n single calls.
void defiler_decor(Decor* decor, int n, int inutilise, SDL_Surface* ecran);
// Gives both pieces a new picture; the position is kept, so the scroll goes on seamlessly.
void changer_image_decor(Decor* decor, SDL_Surface* image);
// Frees the band and its two pieces (not the picture).
void detruire_decor(Decor* decor);
