// Shared toolkit of the shell, HUD and level pictures: dithering, periodic noise, keyed-sprite
// finishing, outlined text, the logo and the explosion painter.
#include "niveau_commun.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ag::niveau {

double bayer(int x, int y) {
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (m[y & 3][x & 3] + 0.5) / 16.0;
}

Px tramer(Px a, Px b, double t, int x, int y) { return t > bayer(x, y) ? b : a; }

Px rampe(const std::vector<Px>& c, double t, int x, int y) {
    if (c.size() == 1) return c[0];
    t = std::clamp(t, 0.0, 1.0) * double(c.size() - 1);
    int i = std::min(int(c.size()) - 2, int(t));
    return tramer(c[i], c[i + 1], t - i, x, y);
}

static double hache(int64_t ix, int64_t iy, uint64_t graine) {
    uint64_t z = graine * 0x9E3779B97F4A7C15ull + uint64_t(ix) * 0xD1B54A32D192ED03ull + uint64_t(iy) * 0xAEF17502108EF2D9ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return double(z >> 11) / double(1ull << 53);
}

static double lisse(double t) { return t * t * (3 - 2 * t); }

double bruit_periodique(double x, double y, int cellule, int periode, uint64_t graine) {
    int n = std::max(1, periode / cellule);
    double fx = x / cellule, fy = y / cellule;
    int64_t ix = int64_t(std::floor(fx)), iy = int64_t(std::floor(fy));
    double tx = lisse(fx - double(ix)), ty = lisse(fy - double(iy));
    auto m = [n](int64_t i) { return ((i % n) + n) % n; };
    double a = hache(m(ix), iy, graine), b = hache(m(ix + 1), iy, graine);
    double c = hache(m(ix), iy + 1, graine), d = hache(m(ix + 1), iy + 1, graine);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

double relief_periodique(double x, double y, int cellule, int periode, int octaves, uint64_t graine) {
    double somme = 0, poids = 0, a = 1;
    for (int o = 0; o < octaves && cellule >= 1; ++o) {
        somme += a * bruit_periodique(x, y, cellule, periode, graine + 977 * o);
        poids += a;
        a *= 0.5;
        cellule /= 2;
    }
    return poids > 0 ? somme / poids : 0.5;
}

double bruit(double x, double y, double cellule, uint64_t graine) {
    double fx = x / cellule, fy = y / cellule;
    int64_t ix = int64_t(std::floor(fx)), iy = int64_t(std::floor(fy));
    double tx = lisse(fx - double(ix)), ty = lisse(fy - double(iy));
    double a = hache(ix, iy, graine), b = hache(ix + 1, iy, graine);
    double c = hache(ix, iy + 1, graine), d = hache(ix + 1, iy + 1, graine);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

double distance_enroulee(double x, double cx) {
    double d = std::fmod(std::fabs(x - cx), 640.0);
    return std::min(d, 640.0 - d);
}

// ---- keyed sprites ----

static bool proche(Px c, Px k) {
    return std::abs(R(c) - R(k)) <= 24 && std::abs(G(c) - G(k)) <= 24 && std::abs(B(c) - B(k)) <= 24;
}

// Moves c along the line from the key through c until some channel is 25 away.
static Px repousser(Px c, Px k) {
    int d[3] = {R(c) - R(k), G(c) - G(k), B(c) - B(k)};
    int kk[3] = {R(k), G(k), B(k)};
    int m = std::max({std::abs(d[0]), std::abs(d[1]), std::abs(d[2])});
    if (m == 0) {
        for (int i = 0; i < 3; ++i) d[i] = kk[i] < 128 ? 1 : -1;
        m = 1;
    }
    int v[3];
    for (int i = 0; i < 3; ++i) {
        double nv = kk[i] + double(d[i]) * 25.0 / m;
        v[i] = std::clamp(int(d[i] >= 0 ? std::ceil(nv) : std::floor(nv)), 0, 255);
    }
    return rgb(v[0], v[1], v[2]);
}

void eloigner_de_la_cle(Image& im, Px cle, const std::vector<uint8_t>* interdits) {
    if (interdits)
        for (size_t i = 0; i < im.px.size(); ++i)
            if ((*interdits)[i] && im.px[i] == cle) im.px[i] = repousser(cle, cle);
    Image copie = im;
    for (int y = 0; y < im.h; ++y)
        for (int x = 0; x < im.w; ++x) {
            Px c = copie.get(x, y);
            if (c == cle || !proche(c, cle)) continue;
            bool voisin = false;
            for (int dy = -1; dy <= 1 && !voisin; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (copie.dans(x + dx, y + dy) && copie.get(x + dx, y + dy) == cle) {
                        voisin = true;
                        break;
                    }
            if (voisin) im.set(x, y, repousser(c, cle));
        }
}

Image finaliser(const Image& calque, Px cle) {
    Image im = calque;
    std::vector<uint8_t> peint(im.px.size(), 0);
    for (size_t i = 0; i < im.px.size(); ++i) {
        if (im.px[i] == VIDE || (im.px[i] >> 24) == 0) {
            im.px[i] = cle;
        } else {
            peint[i] = 1;
            im.px[i] |= 0xFF000000u;
        }
    }
    eloigner_de_la_cle(im, cle, &peint);
    return im;
}

// ---- text ----

void texte_contour(Image& im, int x, int y, const std::string& s, int taille, Px c, Px bord_c, int bord,
                   Police p, bool net) {
    for (int dy = -bord; dy <= bord; ++dy)
        for (int dx = -bord; dx <= bord; ++dx)
            if ((dx || dy) && dx * dx + dy * dy <= bord * bord + 1) texte(im, x + dx, y + dy, s, taille, bord_c, p, net);
    texte(im, x, y, s, taille, c, p, net);
}

void logo(Image& im, int cx, int y_base, int taille, const std::string& mot) {
    const Police p = Police::SansGras;
    int w = largeur_texte(mot, taille, p);
    int marge = 10;
    int lw = w + 2 * marge, lh = int(taille * 1.2) + 2 * marge;
    int ox = cx - w / 2 - marge, oy = y_base - int(taille * 0.95) - marge;
    Image masque(lw, lh, rgb(0, 0, 0));
    texte(masque, marge, y_base - oy, mot, taille, rgb(255, 255, 255), p, false);
    auto couv = [&](int x, int y) { return masque.dans(x, y) ? R(masque.get(x, y)) / 255.0 : 0.0; };
    double haut_lettre = taille * 0.73;
    int y_haut = y_base - oy - int(haut_lettre);
    const std::vector<Px> degrade = {pal::or_clair, rgb(255, 190, 96), pal::orange, pal::corail, rgb(176, 58, 70)};
    for (int y = 0; y < lh; ++y)
        for (int x = 0; x < lw; ++x) {
            int X = ox + x, Y = oy + y;
            if (!im.dans(X, Y)) continue;
            // Shadow, then a 3-pixel dark rim, then the gradient fill.
            double ombre = couv(x - 5, y - 5);
            double rim = 0;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx)
                    if (dx * dx + dy * dy <= 10) rim = std::max(rim, couv(x + dx, y + dy));
            Px c = im.get(X, Y);
            c = melange(c, rgb(10, 6, 18), ombre * 0.7);
            c = melange(c, pal::encre, rim);
            double a = couv(x, y);
            if (a > 0) {
                double t = double(y - y_haut) / haut_lettre;
                int bande = std::clamp(int(t * 5), 0, 4);
                Px f = degrade[bande];
                if (bande == 1 && (y - y_haut) % 6 < 1) f = pal::blanc;  // a thin glint line
                c = melange(c, f, a);
            }
            im.set(X, Y, c);
        }
}

// ---- explosions ----

namespace {
struct Boule {
    double x, y, r, debut;
};
struct Etincelle {
    double angle, vitesse, longueur;
};
}  // namespace

Image bande_explosion(int n, int w, int h, const StyleExplosion& st) {
    Image bande(n * w, h, VIDE);
    Alea a(st.graine);
    const double cx = w / 2.0, cy = h / 2.0;
    const double R0 = std::min(w, h) / 2.0 * st.portee;
    std::vector<Boule> boules{{cx, cy, R0, 0.0}};
    for (int i = 0; i < st.nb_boules; ++i) {
        double ang = a.reel() * 6.2832, dist = R0 * (0.35 + 0.45 * a.reel());
        boules.push_back({cx + std::cos(ang) * dist, cy + std::sin(ang) * dist * 0.85, R0 * (0.35 + 0.3 * a.reel()),
                          0.05 + 0.35 * a.reel()});
    }
    std::vector<Etincelle> etincelles;
    int nb_et = 10 + st.nb_boules * 2;
    for (int i = 0; i < nb_et; ++i)
        etincelles.push_back({a.reel() * 6.2832, 0.7 + 0.6 * a.reel(), 0.08 + 0.1 * a.reel()});
    const double cellule = std::max(3.0, R0 / 5.0);

    for (int f = 0; f < n; ++f) {
        double t = (f + 0.5) / n;
        int x0 = f * w;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                double tur = bruit(x + f * 2.0, y - f * 3.0, cellule, st.graine) - 0.5;
                tur += 0.5 * (bruit(x - f * 1.0, y + f * 2.0, cellule / 2, st.graine + 5) - 0.5);
                double chaleur = -1, fumee = -1, lum = 0;
                // Fade out towards the frame's border so no frame spills into its neighbour.
                double bordure = std::min({x, y, w - 1 - x, h - 1 - y}) / std::max(4.0, R0 * 0.15);
                if (bordure <= 0) continue;
                for (const Boule& b : boules) {
                    double tl = (t - b.debut) / (1.0 - b.debut);
                    if (tl <= 0) continue;
                    double croissance = 1 - std::pow(1 - std::min(1.0, tl / 0.45), 2);
                    double r = b.r * (0.18 + 0.82 * croissance + 0.15 * tl);
                    double by = b.y - tl * tl * b.r * 0.35;  // the cloud drifts up as it cools
                    double d = std::hypot(x + 0.5 - b.x, (y + 0.5 - by) * 1.05) / r;
                    double v = (1 - d + tur * 0.55) * std::min(1.0, bordure);
                    if (v <= 0) continue;
                    double H = 1.35 - 1.75 * tl;
                    chaleur = std::max(chaleur, v * H * 1.6);
                    double op = tl < 0.5 ? 1.0 : std::max(0.0, 1 - (tl - 0.5) / 0.42);
                    if (tl > 0.12) fumee = std::max(fumee, op * std::min(1.0, v * 3));
                    lum = std::max(lum, 1 - (y + 0.5 - (by - r)) / (2 * r));
                }
                Px c = VIDE;
                int nf = int(st.feu.size());
                if (chaleur > 0.2) {
                    double hh = std::min(1.0, (chaleur - 0.2) / 1.1);
                    int i = std::clamp(int((1 - hh) * nf), 0, nf - 1);
                    c = st.feu[i];
                } else if (fumee > 0 && fumee > bayer(x, y) * 0.999) {
                    double s = std::clamp(0.55 - lum * 0.5 + tur * 0.8, 0.0, 1.0);
                    c = rampe(st.fumee, s, x, y);
                }
                if (c != VIDE) bande.set(x0 + x, y, c);
            }
        // A shock ring races out in the first frames, thinning as it goes.
        if (t > 0.04 && t < 0.32) {
            double rr = R0 * (0.45 + 2.4 * t), ep = 1.0 + R0 / 28.0, densite = 1.0 - (t - 0.04) / 0.28;
            for (int y = 1; y < h - 1; ++y)
                for (int x = 1; x < w - 1; ++x) {
                    double d = std::hypot(x + 0.5 - cx, (y + 0.5 - cy) * 1.15);
                    if (std::fabs(d - rr) < ep && bande.get(x0 + x, y) == VIDE && bayer(x, y) < densite * 0.8)
                        bande.set(x0 + x, y, st.feu[1]);
                }
        }
        // Sparks fly out fast in the first half and die out.
        if (t < 0.7) {
            for (const Etincelle& e : etincelles) {
                double dist = R0 * (0.3 + 1.5 * e.vitesse * std::sqrt(t));
                double px = cx + std::cos(e.angle) * dist, py = cy + std::sin(e.angle) * dist + t * t * R0 * 0.4;
                double L = R0 * e.longueur * (1 - t);
                double qx = px - std::cos(e.angle) * L, qy = py - std::sin(e.angle) * L;
                // Both ends inside the frame keep the whole streak inside it.
                double m = R0 > 40 ? 2 : 1;
                if (qx < m || qy < m || px < m || py < m || px >= w - m || py >= h - m || qx >= w - m || qy >= h - m) continue;
                ligne(bande, x0 + qx, qy, x0 + px, py, t < 0.35 ? pal::blanc : st.etincelle, R0 > 40 ? 2.0 : 1.0);
                bande.set(x0 + int(px), int(py), pal::blanc);
            }
        }
        // Glowing debris arcs out and falls.
        if (t > 0.15 && t < 0.85) {
            Alea d(st.graine ^ 0xD5u);
            for (int i = 0; i < 6 + st.nb_boules; ++i) {
                double ang = d.reel() * 6.2832, v = 0.6 + 0.8 * d.reel();
                double px = cx + std::cos(ang) * R0 * v * (t * 1.6), py = cy + std::sin(ang) * R0 * v * t * 1.2 + t * t * R0 * 0.9;
                int s = R0 > 60 ? 4 : 2;
                if (px >= 1 && py >= 1 && px + s < w - 1 && py + s < h - 1) {
                    rect_plein(bande, x0 + int(px), int(py), s, s, st.fumee.back());
                    bande.set(x0 + int(px), int(py), st.etincelle);
                }
            }
        }
    }
    return bande;
}

}  // namespace ag::niveau
