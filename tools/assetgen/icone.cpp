// The desktop icon: the ship flying out of a round desert sunset. One table of shapes on a
// 256-unit square is both rasterised (anti-aliased, with transparency) at every size of the
// hicolor theme and written as the scalable SVG, so the two never drift apart.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "generateurs.h"
#include "sortie.h"

namespace ag {

namespace {

// The hicolor theme's standard sizes; the build installs each as NxN/apps/<application id>.png.
const int TAILLES_ICONE[] = {16, 22, 24, 32, 48, 64, 128, 256};

constexpr double COTE = 256.0;  // the drawing's own square, in units
constexpr double CX = 128, CY = 128, RAYON = 116;  // the medallion every scenery shape is clipped to

enum class Sorte { Polygone, Ellipse };

struct Forme {
    Sorte sorte;
    std::vector<double> p;   // polygon: x0,y0,x1,y1,...; ellipse: cx, cy, rx, ry
    Px haut, bas;            // vertical gradient from y_haut to y_bas (equal colours: flat)
    double y_haut, y_bas;
    double trait;            // > 0: the shape grown by trait/2 on every side (a round-joined outline)
    bool dans_medaillon;     // clipped to the medallion
    int taille_min;          // left out of rasters smaller than this (details a few pixels wide turn to mud)
};

const Px SOMBRE = rgb(34, 18, 44);

// Hull, fins and stripe of the ship, nose to the right, reused by its outline pass.
const std::vector<double> COQUE = {36, 94, 64, 80, 146, 74, 238, 92, 146, 108, 64, 106};
const std::vector<double> AILERON = {70, 80, 96, 46, 118, 46, 124, 77};
const std::vector<double> AILE = {76, 102, 108, 136, 134, 136, 142, 104};
const std::vector<double> BANDE = {70, 90, 196, 87, 206, 92, 70, 96};

const std::vector<Forme> FORMES = {
    // The medallion's dark rim, then the scenery inside it.
    {Sorte::Ellipse, {CX, CY, RAYON + 6, RAYON + 6}, SOMBRE, SOMBRE, 0, 0, 0, false, 0},
    {Sorte::Polygone, {0, 0, COTE, 0, COTE, COTE, 0, COTE}, rgb(52, 26, 88), rgb(244, 124, 58), 20, 178, 0, true, 0},
    {Sorte::Ellipse, {92, 158, 44, 44}, rgb(255, 226, 128), rgb(255, 146, 66), 114, 202, 0, true, 0},
    {Sorte::Polygone, {0, 182, 0, 156, 18, 156, 24, 144, 58, 144, 64, 158, 92, 158, 98, 166, 168, 166, 176, 142,
                       212, 142, 218, 156, COTE, 156, COTE, 182},
     rgb(128, 58, 78), rgb(92, 40, 64), 142, 182, 0, true, 32},
    {Sorte::Polygone, {0, 180, 44, 170, 96, 182, 146, 172, 204, 186, COTE, 174, COTE, COTE, 0, COTE},
     rgb(214, 120, 84), rgb(150, 70, 58), 170, 230, 0, true, 0},
    {Sorte::Polygone, {0, 214, 60, 200, 128, 218, 192, 204, COTE, 220, COTE, COTE, 0, COTE},
     rgb(176, 92, 60), rgb(104, 50, 42), 200, COTE, 0, true, 24},
    // The ship: outline pass first, then the exhaust, fins, hull, stripe and canopy.
    {Sorte::Polygone, AILERON, SOMBRE, SOMBRE, 0, 0, 10, false, 0},
    {Sorte::Polygone, AILE, SOMBRE, SOMBRE, 0, 0, 10, false, 0},
    {Sorte::Polygone, COQUE, SOMBRE, SOMBRE, 0, 0, 10, false, 0},
    {Sorte::Ellipse, {30, 93, 20, 9}, rgb(255, 244, 170), rgb(255, 136, 52), 84, 102, 0, false, 0},
    {Sorte::Polygone, AILERON, rgb(214, 60, 56), rgb(132, 36, 44), 46, 80, 0, false, 0},
    {Sorte::Polygone, AILE, rgb(126, 136, 170), rgb(84, 92, 128), 102, 136, 0, false, 0},
    {Sorte::Polygone, COQUE, rgb(226, 232, 244), rgb(118, 128, 160), 74, 108, 0, false, 0},
    {Sorte::Polygone, BANDE, rgb(220, 58, 52), rgb(220, 58, 52), 0, 0, 0, false, 22},
    {Sorte::Ellipse, {172, 84, 24, 7.5}, rgb(150, 226, 255), rgb(44, 122, 206), 76, 92, 0, false, 0},
};

// Squared distance from (x, y) to the segment (ax, ay)-(bx, by).
double distance2_segment(double x, double y, double ax, double ay, double bx, double by) {
    double dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
    double t = l2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / l2, 0.0, 1.0) : 0.0;
    double ex = x - (ax + t * dx), ey = y - (ay + t * dy);
    return ex * ex + ey * ey;
}

bool contient(const Forme& f, double x, double y) {
    if (f.dans_medaillon && (x - CX) * (x - CX) + (y - CY) * (y - CY) > RAYON * RAYON) return false;
    double marge = f.trait / 2;
    if (f.sorte == Sorte::Ellipse) {
        double rx = f.p[2] + marge, ry = f.p[3] + marge;
        double u = (x - f.p[0]) / rx, v = (y - f.p[1]) / ry;
        return u * u + v * v <= 1.0;
    }
    size_t n = f.p.size() / 2;
    bool dedans = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        double xi = f.p[2 * i], yi = f.p[2 * i + 1], xj = f.p[2 * j], yj = f.p[2 * j + 1];
        if ((yi > y) != (yj > y) && x < xj + (y - yj) * (xi - xj) / (yi - yj)) dedans = !dedans;
    }
    if (dedans || marge <= 0) return dedans;
    for (size_t i = 0, j = n - 1; i < n; j = i++)
        if (distance2_segment(x, y, f.p[2 * j], f.p[2 * j + 1], f.p[2 * i], f.p[2 * i + 1]) <= marge * marge)
            return true;
    return false;
}

Px couleur_en(const Forme& f, double y) {
    if (f.haut == f.bas || f.y_bas <= f.y_haut) return f.haut;
    return melange(f.haut, f.bas, std::clamp((y - f.y_haut) / (f.y_bas - f.y_haut), 0.0, 1.0));
}

// The icon at `taille` pixels square, 0xAARRGGBB with straight alpha: each pixel averages a
// grid of samples (finer for the small sizes), each sample the topmost shape under it.
std::vector<Px> rasteriser(int taille) {
    const int n = std::max(4, 64 / taille);
    const double echelle = COTE / taille;
    std::vector<Px> px(size_t(taille) * taille, 0);
    for (int py = 0; py < taille; ++py)
        for (int pxl = 0; pxl < taille; ++pxl) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < n; ++sy)
                for (int sx = 0; sx < n; ++sx) {
                    double x = (pxl + (sx + 0.5) / n) * echelle, y = (py + (sy + 0.5) / n) * echelle;
                    const Forme* dessus = nullptr;
                    for (const Forme& f : FORMES)
                        if (taille >= f.taille_min && contient(f, x, y)) dessus = &f;
                    if (!dessus) continue;
                    Px c = couleur_en(*dessus, y);
                    r += R(c), g += G(c), b += B(c), a += 1;
                }
            if (a == 0) continue;
            int alpha = int(std::lround(255.0 * a / (n * n)));
            px[size_t(py) * taille + pxl] = (uint32_t(alpha) << 24) | (rgb(int(std::lround(r / a)), int(std::lround(g / a)),
                                                                            int(std::lround(b / a))) & 0xFFFFFFu);
        }
    return px;
}

std::string hex(Px c) {
    char s[8];
    std::snprintf(s, sizeof s, "#%02x%02x%02x", R(c), G(c), B(c));
    return s;
}

std::string nombre(double v) {
    char s[32];
    std::snprintf(s, sizeof s, "%g", v);
    return s;
}

// The same table as SVG: gradients in user space, the medallion as a clip path, outlines as
// round-joined strokes of the shape's own colour.
std::string svg() {
    std::string defs, corps;
    defs += "<clipPath id=\"medaillon\"><circle cx=\"" + nombre(CX) + "\" cy=\"" + nombre(CY) + "\" r=\"" +
            nombre(RAYON) + "\"/></clipPath>\n";
    int i = 0;
    for (const Forme& f : FORMES) {
        ++i;
        std::string remplissage = hex(f.haut);
        if (f.haut != f.bas && f.y_bas > f.y_haut) {
            std::string id = "d" + std::to_string(i);
            defs += "<linearGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" +
                    nombre(f.y_haut) + "\" x2=\"0\" y2=\"" + nombre(f.y_bas) + "\"><stop offset=\"0\" stop-color=\"" +
                    hex(f.haut) + "\"/><stop offset=\"1\" stop-color=\"" + hex(f.bas) + "\"/></linearGradient>\n";
            remplissage = "url(#" + id + ")";
        }
        std::string attributs = " fill=\"" + remplissage + "\"";
        if (f.trait > 0)
            attributs += " stroke=\"" + remplissage + "\" stroke-width=\"" + nombre(f.trait) + "\" stroke-linejoin=\"round\"";
        if (f.dans_medaillon) attributs += " clip-path=\"url(#medaillon)\"";
        if (f.sorte == Sorte::Ellipse) {
            corps += "<ellipse cx=\"" + nombre(f.p[0]) + "\" cy=\"" + nombre(f.p[1]) + "\" rx=\"" + nombre(f.p[2]) +
                     "\" ry=\"" + nombre(f.p[3]) + "\"" + attributs + "/>\n";
        } else {
            std::string points;
            for (size_t k = 0; k < f.p.size(); k += 2)
                points += (k ? " " : "") + nombre(f.p[k]) + "," + nombre(f.p[k + 1]);
            corps += "<polygon points=\"" + points + "\"" + attributs + "/>\n";
        }
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
           "<title>Mirage</title>\n<defs>\n" + defs + "</defs>\n" + corps + "</svg>\n";
}

}  // namespace

void generer_icone() {
    const std::string dossier = chemin("icones");
    ::mkdir(dossier.c_str(), 0755);
    for (int taille : TAILLES_ICONE) {
        std::string nom = std::to_string(taille) + "x" + std::to_string(taille);
        ecrire_png_rgba(rasteriser(taille), taille, taille, dossier + "/" + nom + ".png");
    }
    std::string texte = svg();
    sauver_octets("icones/scalable.svg", std::vector<uint8_t>(texte.begin(), texte.end()));
}

}  // namespace ag
