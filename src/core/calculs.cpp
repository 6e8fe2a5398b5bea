// Rectangles, random numbers and points on a circle (see calculs.h).
#include "core/calculs.h"

#include <assert.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "platform/plateforme.h"

SDL_Rect creer_rect(int x, int y, int w, int h) {
    SDL_Rect r;
    r.x = (Sint16)x;
    r.y = (Sint16)y;
    r.w = (Uint16)w;
    r.h = (Uint16)h;
    return r;
}

void initialiser_hasard(void) { srand(plateforme_graine()); }

int hasard(int n) { return rand() % n; }

Point creer_point(double x, double y) {
    Point p;
    p.x = x;
    p.y = y;
    return p;
}

Point* cercle(double cx, double cy, double r, int n) {
    Point* tableau = (Point*)malloc(sizeof(Point) * (size_t)n);
    assert(tableau);
    int pas = 360 / n;
    int i = 0;
    // Callers pass a divisor of 360, so exactly n entries are written; the bound on i keeps
    // any other n inside the array.
    for (int angle = 0; angle < 360 && i < n; angle += pas, ++i) {
        double a = angle * 3.141592654 / 180;
        tableau[i].x = r * cos(a) + cx;
        tableau[i].y = r * sin(a) + cy;
    }
    return tableau;
}

int arrondir_pixel(double v) {
    int i = (int)v;
    return v >= i + 0.5 ? i + 1 : i;
}

void homothetie(double cx, double cy, double a, int n, double b, Point* points) {
    for (int i = 0; i < n; ++i) {
        points[i].x = cx + (points[i].x - cx) * b / a;
        points[i].y = cy + (points[i].y - cy) * b / a;
    }
}

void afficher_points(Point* points, int n) {
    char* matrice = (char*)malloc(50 * 50);
    assert(matrice);
    for (int i = 0; i < 50 * 50; ++i) matrice[i] = ' ';
    for (int k = 0; k < n; ++k) {
        int x = arrondir_pixel(points[k].x), y = arrondir_pixel(points[k].y);
        if (x >= 0 && x < 50 && y >= 0 && y < 50) matrice[x * 50 + y] = 'O';
    }
    for (int x = 0; x < 50; ++x) {
        for (int y = 0; y < 50; ++y) printf("%c", matrice[x * 50 + y]);
        printf("\n");
    }
    free(matrice);
}
