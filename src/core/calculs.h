// Small shared helpers: the rectangle maker every blit and hit box goes through, the wave
// scripts' random numbers, and points on a circle (the modules' orbit).
#pragma once
#include <SDL.h>
#include <stdint.h>

typedef struct Point {
    double x;
    double y;
} Point;

// Rectangle from four 32-bit integers, each cut to its 16-bit field (x, y signed, w, h
// unsigned), without clamping: (-40, 220, 37, 32) keeps x = -40.
SDL_Rect creer_rect(int x, int y, int w, int h);
// The wave scripts' generator: the sequence of glibc's srand()/rand() (its default additive
// feedback generator, 31 words), reproduced here so that a seed gives the same layouts with
// any C library, in the browser too, and every replay recorded on Linux stays valid.
typedef struct Generateur {
    int32_t etat[31];
    int avant;    // the word that receives the sum (starts 3 ahead)
    int arriere;  // the word added to it
} Generateur;
// Seeds like srand(graine): 0 counts as 1.
void semer_generateur(Generateur* g, unsigned int graine);
// The next number, 0 to 2^31 - 1, as rand() would give it.
int tirer_generateur(Generateur* g);

// Seeds the game's generator from the platform's seed: the calendar time in seconds in the
// real game, the simulator's fixed seed when simulated. Unseeded, it acts as seeded with 1.
void initialiser_hasard(void);
// The game's generator modulo n, 0 <= result < n, for n >= 1 (modulo bias kept on purpose).
int hasard(int n);
Point creer_point(double x, double y);
// New array of n points on the circle (cx, cy, r), entry 0 at (cx + r, cy), clockwise on
// screen in steps of 360 / n degrees (integer division). n must divide 360. The caller owns
// the array (free()). Asserts "tableau" when the allocation fails. Its cosines and sines come
// from the maths library, whose last bits vary between libraries: the modules' orbit keeps
// the rounded points it gave here as a table (calculer_orbite).
Point* cercle(double cx, double cy, double r, int n);
// Pixel rounding: truncation i toward zero, plus 1 when the value is >= i + 0.5.
int arrondir_pixel(double v);
// Scales the n points about (cx, cy) by b / a, in place. Not used by the game.
void homothetie(double cx, double cy, double a, int n, double b, Point* points);
// Prints the points as a 50 x 50 text picture (row = rounded x, column = rounded y) on
// standard output. Not used by the game. Asserts "matrice" when the allocation fails.
void afficher_points(Point* points, int n);
