// Small shared helpers: the rectangle maker every blit and hit box goes through, the wave
// scripts' random numbers, and points on a circle (the modules' orbit).
#pragma once
#include <SDL.h>

typedef struct Point {
    double x;
    double y;
} Point;

// Rectangle from four 32-bit integers, each cut to its 16-bit field (x, y signed, w, h
// unsigned), without clamping: (-40, 220, 37, 32) keeps x = -40.
SDL_Rect creer_rect(int x, int y, int w, int h);
// Seeds the C library generator (srand) from the platform's seed: the calendar time in
// seconds in the real game, the simulator's fixed seed when simulated.
void initialiser_hasard(void);
// rand() modulo n, 0 <= result < n, for n >= 1 (modulo bias kept on purpose).
int hasard(int n);
Point creer_point(double x, double y);
// New array of n points on the circle (cx, cy, r), entry 0 at (cx + r, cy), clockwise on
// screen in steps of 360 / n degrees (integer division). n must divide 360. The caller owns
// the array (free()). Asserts "tableau" when the allocation fails.
Point* cercle(double cx, double cy, double r, int n);
// Pixel rounding: truncation i toward zero, plus 1 when the value is >= i + 0.5.
int arrondir_pixel(double v);
// Scales the n points about (cx, cy) by b / a, in place. Not used by the game.
void homothetie(double cx, double cy, double a, int n, double b, Point* points);
// Prints the points as a 50 x 50 text picture (row = rounded x, column = rounded y) on
// standard output. Not used by the game. Asserts "matrice" when the allocation fails.
void afficher_points(Point* points, int n);
