// The top bar of a level (the 80 pixels above the playfield): weapons owned and selected,
// speed level as triangles, lives left as one digit, score as five digits.
#pragma once
#include <SDL.h>

#include "core/ressources.h"

typedef struct Monde Monde;

typedef struct MenuHaut {
    SDL_Surface* fond;           // "./Images/Menu_Haut.png": the bar, drawn at (0, 0)
    SDL_Surface* curseur_rouge;  // "./Images/Curseur_Rouge.png", black key: frame of the selected weapon
    SDL_Surface* curseur_noir;   // "./Images/Curseur_Noir.png": covers a weapon not owned
    SDL_Surface* zero;           // "./Images/Zero.png" .. "./Images/Neuf.png": the ten digits
    SDL_Surface* un;
    SDL_Surface* deux;
    SDL_Surface* trois;
    SDL_Surface* quatre;
    SDL_Surface* cinq;
    SDL_Surface* six;
    SDL_Surface* sept;
    SDL_Surface* huit;
    SDL_Surface* neuf;
    SDL_Surface* triangle_vitesse;  // "./Images/Triangle_Vitesse.png": one per speed level
    SDL_Surface** chiffres;      // own array of 10: the same digit pictures indexed by value
    SDL_Rect rect_score[5];      // score digits, most significant first: x 143..207, y 41, 16 x 16
    SDL_Rect rect_vies;          // lives digit: (592, 32, 16, 16)
} MenuHaut;

// The bar's fourteen pictures as fields of MenuHaut, in the order they are loaded: what
// charger_menu_haut and liberer_menu_haut walk, and the bar's part of the list of files the
// game loads.
extern const EntreeRessource IMAGES_MENU_HAUT[];
extern const int NB_IMAGES_MENU_HAUT;

// Loads the bar's pictures of IMAGES_MENU_HAUT (a missing file stops the game) and sets its
// rectangles.
// Release with liberer_menu_haut.
MenuHaut* charger_menu_haut(void);

// Fills the `chiffres` array from the ten digit fields and sets the rectangles: for a record
// whose pictures were set by hand (charger_menu_haut calls it too).
void preparer_menu_haut(MenuHaut* menu);

// Draws the bar onto `ecran` from the world's ship (armes, arme, vitesse, vie) and score:
// the background; on each weapon slot i (x = 272 + 48 i, y = 32) the black cover when the
// weapon is not owned, else the red frame when it is the current one; `vitesse` triangles
// from (546, 48) every 16 pixels; the lives digit; the score as five digits with leading
// zeros. Reads only; `vie` must be 0..9 and the score 0..99999.
void afficher_menu_haut(const MenuHaut* menu, const Monde* monde, SDL_Surface* ecran);

// Frees every picture of the bar once, the digit array and the record. Accepts NULL.
void liberer_menu_haut(MenuHaut* menu);
