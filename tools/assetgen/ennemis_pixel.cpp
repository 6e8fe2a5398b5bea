// Enemy art toolkit: palette ramps, distance-field shading of masks, hull details.
#include "ennemis_pixel.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace ag {

namespace pal {
// Shadows lean cool and highlights warm, as under a low evening sun.
const Rampe acier = {{rgb(34, 38, 56), rgb(66, 74, 96), rgb(108, 118, 138), rgb(156, 166, 182), rgb(212, 218, 226)}};
const Rampe sable = {{rgb(70, 46, 38), rgb(120, 84, 56), rgb(174, 132, 82), rgb(212, 178, 118), rgb(242, 220, 166)}};
const Rampe rouille = {{rgb(56, 26, 30), rgb(102, 44, 38), rgb(150, 72, 46), rgb(194, 110, 64), rgb(230, 158, 98)}};
const Rampe os = {{rgb(82, 68, 66), rgb(134, 116, 100), rgb(182, 164, 138), rgb(218, 204, 176), rgb(244, 238, 218)}};
const Rampe alien = {{rgb(18, 50, 58), rgb(28, 94, 86), rgb(50, 144, 104), rgb(108, 194, 118), rgb(186, 234, 158)}};
const Rampe verre = {{rgb(14, 38, 68), rgb(26, 82, 128), rgb(50, 140, 188), rgb(118, 202, 230), rgb(218, 246, 252)}};
const Rampe braise = {{rgb(118, 38, 20), rgb(198, 78, 24), rgb(242, 138, 38), rgb(254, 202, 78), rgb(255, 246, 196)}};
const Rampe rouge = {{rgb(68, 14, 22), rgb(128, 24, 32), rgb(194, 40, 40), rgb(238, 88, 68), rgb(255, 178, 148)}};
const Rampe sombre = {{rgb(16, 16, 28), rgb(32, 32, 50), rgb(54, 54, 78), rgb(84, 86, 114), rgb(128, 132, 162)}};
const Rampe energie = {{rgb(18, 28, 98), rgb(28, 68, 196), rgb(58, 138, 252), rgb(148, 208, 255), rgb(232, 248, 255)}};
const Rampe laiton = {{rgb(68, 50, 20), rgb(126, 94, 36), rgb(182, 144, 56), rgb(222, 194, 94), rgb(250, 234, 168)}};
const Rampe kaki = {{rgb(40, 44, 30), rgb(72, 80, 50), rgb(108, 118, 70), rgb(148, 156, 96), rgb(196, 200, 140)}};
}  // namespace pal

Image forme(const Image& im) { return Image(im.w, im.h, VIDE); }

void peindre(Image& im, const Image& f, const Rampe& r, const Relief& rel) {
    int x0 = f.w, y0 = f.h, x1 = -1, y1 = -1;
    for (int y = 0; y < f.h; ++y)
        for (int x = 0; x < f.w; ++x)
            if (f.get(x, y) != VIDE) x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
    if (x1 < 0) return;
    // Chamfer (3-4) distance to the outside over the bounding box plus a one-pixel margin.
    const int W = x1 - x0 + 3, H = y1 - y0 + 3, LOIN = 1 << 20;
    std::vector<int> d(size_t(W) * H, 0);
    auto D = [&](int i, int j) -> int& { return d[size_t(j) * W + i]; };
    for (int j = 1; j < H - 1; ++j)
        for (int i = 1; i < W - 1; ++i)
            if (f.get(x0 - 1 + i, y0 - 1 + j) != VIDE) D(i, j) = LOIN;
    for (int j = 1; j < H - 1; ++j)
        for (int i = 1; i < W - 1; ++i)
            if (D(i, j))
                D(i, j) = std::min({D(i, j), D(i - 1, j) + 3, D(i - 1, j - 1) + 4, D(i, j - 1) + 3, D(i + 1, j - 1) + 4});
    for (int j = H - 2; j >= 1; --j)
        for (int i = W - 2; i >= 1; --i)
            if (D(i, j))
                D(i, j) = std::min({D(i, j), D(i + 1, j) + 3, D(i + 1, j + 1) + 4, D(i, j + 1) + 3, D(i - 1, j + 1) + 4});
    const double R = std::max(1.0, rel.biseau);
    std::vector<double> h(d.size(), 0.0);
    for (size_t k = 0; k < d.size(); ++k) {
        if (!d[k]) continue;
        double t = std::min(d[k] / 3.0, R) / R;
        h[k] = rel.bombe ? R * std::sqrt(1.0 - (1.0 - t) * (1.0 - t)) : t * R;
    }
    const double lx = -0.5, ly = -0.65, lz = 0.57;
    const double ln = std::sqrt(lx * lx + ly * ly + lz * lz);
    const double Lx = lx / ln, Ly = ly / ln, Lz = lz / ln;
    static const double bayer[4] = {0.0, 0.5, 0.75, 0.25};
    for (int j = 1; j < H - 1; ++j)
        for (int i = 1; i < W - 1; ++i) {
            if (!D(i, j)) continue;
            double gx = (h[size_t(j) * W + i + 1] - h[size_t(j) * W + i - 1]) / 2;
            double gy = (h[size_t(j + 1) * W + i] - h[size_t(j - 1) * W + i]) / 2;
            double n = std::sqrt(gx * gx + gy * gy + 1.0);
            double lum = (-gx * Lx - gy * Ly + Lz) / n;
            double v = 2.0 + (lum - Lz) * 4.5 + rel.eclat;
            int x = x0 - 1 + i, y = y0 - 1 + j;
            if (rel.tramage) v += (bayer[(y & 1) * 2 + (x & 1)] - 0.375) * 0.4;
            int niveau = std::clamp(int(std::lround(v)), 0, 4);
            if (rel.lisere && D(i, j) <= 3) niveau = lum < Lz ? 0 : std::max(1, niveau - 1);
            im.set(x, y, r.c[niveau]);
        }
}

void peindre_ellipse(Image& im, double cx, double cy, double rx, double ry, const Rampe& r, const Relief& rel) {
    Image f = forme(im);
    ellipse_pleine(f, cx, cy, rx, ry, PLEIN);
    peindre(im, f, r, rel);
}

void peindre_rect(Image& im, int x, int y, int w, int h, const Rampe& r, const Relief& rel) {
    Image f = forme(im);
    rect_plein(f, x, y, w, h, PLEIN);
    peindre(im, f, r, rel);
}

void peindre_poly(Image& im, const std::vector<double>& pts, const Rampe& r, const Relief& rel) {
    Image f = forme(im);
    polygone(f, pts, PLEIN);
    peindre(im, f, r, rel);
}

void peindre_trait(Image& im, double x0, double y0, double x1, double y1, double e, const Rampe& r,
                   const Relief& rel) {
    Image f = forme(im);
    ligne(f, x0, y0, x1, y1, PLEIN, e);
    peindre(im, f, r, rel);
}

void rivet(Image& im, int x, int y, const Rampe& r) {
    im.set(x, y, r.c[4]);
    im.set(x + 1, y + 1, r.c[0]);
}

void rivets(Image& im, int x, int y, int longueur, int pas, const Rampe& r) {
    for (int i = 0; i < longueur; i += pas) rivet(im, x + i, y, r);
}

void joint_h(Image& im, int x, int y, int w, const Rampe& r) {
    rect_plein(im, x, y, w, 1, r.c[0]);
    rect_plein(im, x, y + 1, w, 1, r.c[3]);
}

void joint_v(Image& im, int x, int y, int h, const Rampe& r) {
    rect_plein(im, x, y, 1, h, r.c[0]);
    rect_plein(im, x + 1, y, 1, h, r.c[3]);
}

void grille(Image& im, int x, int y, int w, int h, const Rampe& r) {
    rect_plein(im, x, y, w, h, r.c[1]);
    for (int j = y + 1; j < y + h - 1; j += 2) {
        rect_plein(im, x + 1, j, w - 2, 1, r.c[0]);
        rect_plein(im, x + 1, j + 1, w - 2, 1, r.c[2]);
    }
    rect_contour(im, x, y, w, h, r.c[0]);
}

void voyant(Image& im, double cx, double cy, double rayon, const Rampe& r) {
    disque(im, cx, cy, rayon + 1.0, r.c[0]);
    disque(im, cx, cy, rayon, r.c[2]);
    disque(im, cx - rayon * 0.2, cy - rayon * 0.2, std::max(0.7, rayon * 0.6), r.c[3]);
    im.set(int(std::floor(cx - rayon * 0.4)), int(std::floor(cy - rayon * 0.4)), r.c[4]);
}

void hachures(Image& im, int x, int y, int w, int h, Px a, Px b, int largeur) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) im.set(x + i, y + j, (((i + j) / largeur) & 1) ? a : b);
}

void verriere(Image& im, double cx, double cy, double rx, double ry) {
    Relief rel;
    rel.biseau = std::max(rx, ry);
    rel.eclat = -0.3;
    peindre_ellipse(im, cx, cy, rx, ry, pal::verre, rel);
    ligne(im, cx - rx * 0.55, cy - ry * 0.15, cx - rx * 0.15, cy - ry * 0.55, pal::verre.c[4]);
}

void finir_sprite(Image& im, Px cle) {
    contour_sprite(im, cle, pal::CONTOUR);
    // The palette never comes near a key; a stray pixel here is a drawing bug, not art.
    if (ecarter_de_cle(im, cle, 40) != 0) throw std::runtime_error("enemy sprite drew a near-key colour");
}

Image flash(const Image& im, Px cle_flash, Px cle) {
    Image r = version_eclair(im, cle, cle_flash, 0.55);
    if (ecarter_de_cle(r, cle_flash, 40) != 0) throw std::runtime_error("hit flash drew a near-key colour");
    return r;
}

}  // namespace ag
