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

void semer_generateur(Generateur* g, unsigned int graine) {
    if (graine == 0) graine = 1;
    // Park and Miller's minimal standard, 16807 x mod 2^31 - 1, fills the words (Schrage's
    // method keeps it inside 32 bits); a seed of 2^31 or more starts from its negative word.
    int32_t mot = int32_t(graine);
    g->etat[0] = mot;
    for (int i = 1; i < 31; ++i) {
        int64_t haut = mot / 127773, bas = mot % 127773;
        mot = int32_t(16807 * bas - 2836 * haut);
        if (mot < 0) mot += 2147483647;
        g->etat[i] = mot;
    }
    g->avant = 3;
    g->arriere = 0;
    // The first 310 sums carry too much of the seed's pattern: they are thrown away.
    for (int i = 0; i < 310; ++i) tirer_generateur(g);
}

int tirer_generateur(Generateur* g) {
    // r[i] = r[i - 31] + r[i - 3] modulo 2^32, the lowest bit dropped.
    uint32_t somme = uint32_t(g->etat[g->avant]) + uint32_t(g->etat[g->arriere]);
    g->etat[g->avant] = int32_t(somme);
    g->avant = (g->avant + 1) % 31;
    g->arriere = (g->arriere + 1) % 31;
    return int(somme >> 1);
}

namespace {
Generateur& generateur_du_jeu() {
    static Generateur g;
    static bool seme = false;
    if (!seme) semer_generateur(&g, 1);
    seme = true;
    return g;
}
}  // namespace

void initialiser_hasard(void) { semer_generateur(&generateur_du_jeu(), plateforme_graine()); }

int hasard(int n) { return tirer_generateur(&generateur_du_jeu()) % n; }

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
