// Tir: every projectile of the game, the player's and the enemies', and the template a volley
// is launched from. Holds the launch, flight and picture rules that the shot slots apply.
#pragma once
#include <SDL.h>

// Screen limits the flight rule checks against.
enum { ECRAN_LARGEUR = 640, ECRAN_HAUTEUR = 480 };
// "No target" marker in a ship's `cible.x`.
enum { SANS_CIBLE = 999 };

// Shot kinds: 0 enemy shot; 1 straight, 2 bomb, 3 homing, 4 heavy (ship weapons, fired at an
// offset from the shooter); 5..8 the same four for the modules, fired at a screen position.
enum {
    TIR_ENNEMI = 0,
    TIR_DROIT = 1,
    TIR_BOMBE = 2,
    TIR_GUIDE = 3,
    TIR_LOURD = 4,
    TIR_MODULE_DROIT = 5,
    TIR_MODULE_BOMBE = 6,
    TIR_MODULE_GUIDE = 7,
    TIR_MODULE_LOURD = 8
};

typedef struct Tir {
    SDL_Rect position;            // on screen; for a template an offset (kinds 0-4) or a screen position (5-8)
    SDL_Surface* image_a;         // first flight picture
    SDL_Surface* image_b;         // second flight picture
    SDL_Surface* image_sol;       // bomb on the ground (kinds 2 and 6, low on the screen)
    int compteur_anim;            // flight animation counter, 0 at creation
    int seuil_anim;               // 5: above it image_a shows for one frame
    int seuil_remise;             // 10: above it the counter returns to 0
    int genre;                    // kind 0..8
    int vx0;                      // initial velocity, pixels per frame (what a launch copies)
    int vy0;
    double ax;                    // factor applied to vx after every move
    double ay;                    // factor applied to vy after every move
    double vx;                    // current velocity
    double vy;
    SDL_Surface** images_impact;  // 4 impact pictures (own array)
    int vivant;                   // 1 in flight, 0 impact animation playing
    int image_impact;             // next impact picture to show, 0..4
} Tir;

// New shot: image_a = image_b = image_sol = all four impact pictures = `image`; ax = ay = 1.0;
// vx, vy = vx0, vy0; compteur_anim 0, seuil_anim 5, seuil_remise 10, vivant 1, image_impact 0.
Tir* creer_tir(SDL_Rect position, SDL_Surface* image, int genre, int vx0, int vy0);
// The same with two flight pictures; image_sol and the impact pictures are image_a.
Tir* creer_tir_anime(SDL_Rect position, SDL_Surface* image_a, SDL_Surface* image_b, int genre, int vx0,
                     int vy0);
// The same with per-frame velocity factors ax, ay.
Tir* creer_tir_accelere(SDL_Rect position, SDL_Surface* image_a, SDL_Surface* image_b, int genre, int vx0,
                        int vy0, double ax, double ay);
// Frees the shot and its impact array (never the pictures). Accepts NULL.
void detruire_tir(Tir* tir);

// Sets the ground picture.
void fixer_image_sol(Tir* tir, SDL_Surface* image);
// Sets the four impact pictures in order.
void fixer_images_impact(Tir* tir, SDL_Surface* i1, SDL_Surface* i2, SDL_Surface* i3, SDL_Surface* i4);
// Sets the current velocity (not vx0/vy0).
void fixer_vitesse_tir(Tir* tir, double vx, double vy);

// Hit points a player's shot takes from an enemy: kind k, minus 4 above 4, 3 counts as 2
// (kinds 1,5 -> 1; 2,3,6,7 -> 2; 4,8 -> 4; kind 0 -> 0).
int degats_tir(const Tir* tir);

// Launch rule: a fresh shot made from `modele` for a shooter whose top-left corner is
// (x_tireur, y_tireur). Kinds 0-4 are placed at template offset + shooter corner, kinds 5-8 at
// the template's own rectangle. Made by creer_tir_accelere from image_a, image_b, genre, vx0,
// vy0, ax, ay (the template's current vx/vy are ignored); the impact pictures are copied and,
// for kinds 2 and 6, the ground picture too. The template is left untouched; the caller owns
// the new shot.
Tir* lancer_tir(const Tir* modele, int x_tireur, int y_tireur);

// Flight rule, one frame of a shot in flight. `cible` is the shooter's target (x = SANS_CIBLE
// when none; only kinds 3 and 7 read it). Returns 0 when the shot was already off screen
// (y < 1, y > 479, x <= -w or x > 639): it did not move and its slot must be freed; else 1.
// Bombs (2, 6) at y >= 420 run along the ground: (x + 15, 435, 30, 8), velocity (15, 0).
// Homing shots with a target step 15 pixels on each axis toward the target's centre.
// Otherwise x, y += trunc(vx), trunc(vy), then vx *= ax, vy *= ay.
int deplacer_tir(Tir* tir, const SDL_Rect* cible);

// Picture rule, one frame: a hit shot (vivant 0) draws impact picture `image_impact` and
// advances it; after the fourth it draws nothing and returns 0 (its slot must be freed).
// A flying shot draws image_sol (bombs below y 429), image_a (counter above seuil_anim, which
// resets the counter to 1) or image_b, then advances its counter. Returns 1 while it lives on.
int afficher_tir(Tir* tir, SDL_Surface* ecran);
