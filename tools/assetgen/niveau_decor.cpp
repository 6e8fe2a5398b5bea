// Scenery bands: the desert at dusk and at nightfall (sky and mesas, dunes, rocky ground) and
// the skies above the clouds. Everything is a function of x with period 640, so each band
// meets itself seamlessly where the scroll wraps.
#include <algorithm>
#include <cmath>

#include "niveau_commun.h"

namespace ag::niveau {

namespace {

constexpr double PI2 = 6.283185307179586;

// Hue shift from dusk to night: darker, bluer.
Px vers_nuit(Px c, double nuit) {
    if (nuit <= 0) return c;
    Px froid = rgb(int(R(c) * 0.28 + 10), int(G(c) * 0.30 + 12), int(B(c) * 0.45 + 34));
    return melange(c, froid, nuit);
}

std::vector<Px> vers_nuit(std::vector<Px> v, double nuit) {
    for (Px& c : v) c = vers_nuit(c, nuit);
    return v;
}

struct Mesa {
    double cx, plateau, base, hauteur;
};

// Height of a range of mesas at column x (0 where there is none): a flat top, a steep cliff,
// then a talus slope; `cote` tells which flank the column is on (-1 left, 0 top, +1 right).
double profil_mesas(const std::vector<Mesa>& mesas, double x, uint64_t graine, int& cote) {
    double h = 0;
    cote = 0;
    for (const Mesa& m : mesas) {
        double d = distance_enroulee(x, m.cx);
        double v, falaise = (m.base - m.plateau) * 0.3;
        if (d <= m.plateau) v = m.hauteur;
        else if (d <= m.plateau + falaise) v = m.hauteur * (1 - 0.5 * (d - m.plateau) / falaise);
        else if (d <= m.base) v = m.hauteur * 0.5 * (1 - (d - m.plateau - falaise) / (m.base - m.plateau - falaise));
        else continue;
        if (v > h) {
            h = v;
            double signe = std::fmod(x - m.cx + 960.0, 640.0) - 320.0;
            cote = d <= m.plateau ? 0 : (signe > 0 ? 1 : -1);
        }
    }
    if (h > 0) h += (bruit_periodique(x, 0, 8, 640, graine) - 0.5) * 4;
    return h;
}

}  // namespace

Image desert_haut(double nuit, bool etoiles) {
    Image im(640, 400);
    const int horizon = 168;
    const std::vector<Px> ciel_soir = {rgb(40, 26, 78), pal::indigo, pal::pourpre, rgb(166, 70, 100), pal::corail,
                                       pal::orange, pal::or_clair};
    const std::vector<Px> ciel_nuit = {rgb(6, 6, 20), pal::nuit, rgb(34, 26, 70), rgb(62, 38, 88), rgb(110, 54, 92)};
    std::vector<Px> ciel = ciel_soir;
    for (size_t i = 0; i < ciel.size(); ++i) {
        double t = double(i) / (ciel.size() - 1);
        ciel[i] = melange(ciel_soir[i], ciel_nuit[std::min(ciel_nuit.size() - 1, size_t(t * (ciel_nuit.size() - 1) + 0.5))], nuit);
    }
    // Sky, with streaks of high cloud lit from below by the sunken sun.
    for (int y = 0; y < horizon; ++y)
        for (int x = 0; x < 640; ++x) {
            double t = std::pow(double(y) / horizon, 1.3);
            Px c = rampe(ciel, t, x, y);
            double nu = relief_periodique(x, y * 4.0, 64, 640, 3, 11);
            double bande_nuage = std::exp(-std::pow((y - 70) / 26.0, 2)) + 0.7 * std::exp(-std::pow((y - 118) / 12.0, 2));
            double v = nu * bande_nuage;
            if (v > 0.42) {
                Px n = v > 0.55 ? rgb(255, 170, 130) : rgb(200, 96, 110);
                if (v > 0.62) n = pal::or_clair;
                c = vers_nuit(tramer(c, n, std::min(1.0, (v - 0.42) * 6), x, y), nuit * 0.9);
            }
            im.set(x, y, c);
        }
    if (etoiles) {
        Alea a(77);
        for (int i = 0; i < 140; ++i) {
            int x = a.entre(0, 639), y = a.entre(0, 120);
            double eclat = a.reel();
            Px s = melange(rgb(180, 180, 220), pal::blanc, eclat);
            im.set(x, y, s);
            if (eclat > 0.85) {  // the brightest ones twinkle as small crosses
                im.set((x + 1) % 640, y, melange(im.get((x + 1) % 640, y), s, 0.5));
                im.set((x + 639) % 640, y, melange(im.get((x + 639) % 640, y), s, 0.5));
                im.set(x, y + 1, melange(im.get(x, y + 1), s, 0.5));
                if (y > 0) im.set(x, y - 1, melange(im.get(x, y - 1), s, 0.5));
            }
        }
    }
    // The sun sinking behind the mesas at dusk; a pale moon at night.
    if (nuit < 0.5) {
        const double sx = 430, sy = 150, sr = 46;
        for (int y = int(sy - sr - 12); y < horizon; ++y)
            for (int x = int(sx - sr - 12); x <= int(sx + sr + 12); ++x) {
                double d = std::hypot(x + 0.5 - sx, y + 0.5 - sy);
                if (d <= sr) {
                    // Retro sun: lower half cut by thinning slits of sky.
                    int ligne_y = int(y - sy);
                    bool fente = ligne_y > 4 && (ligne_y % 9) < 1 + ligne_y / 12;
                    if (fente) continue;
                    double t = (y - (sy - sr)) / (2 * sr);
                    im.set(x, y, rampe({rgb(255, 244, 190), pal::or_clair, pal::orange, pal::corail}, t, x, y));
                } else if (d <= sr + 12) {
                    double halo = 1 - (d - sr) / 12;
                    im.set(x, y, tramer(im.get(x, y), rgb(255, 190, 120), halo * 0.6, x, y));
                }
            }
    } else {
        const double mx = 566, my = 40, mr = 15;
        for (int y = int(my - mr); y <= int(my + mr); ++y)
            for (int x = int(mx - mr); x <= int(mx + mr); ++x) {
                double d = std::hypot(x + 0.5 - mx, y + 0.5 - my);
                if (d > mr) continue;
                double ombre = std::hypot(x + 0.5 - mx - 6, y + 0.5 - my + 3);
                Px c = ombre < mr ? rgb(230, 226, 200) : rgb(250, 248, 226);
                if (bruit(x, y, 4, 9) > 0.66) c = rgb(200, 194, 176);
                im.set(x, y, c);
            }
    }
    // The plain below the horizon (the middle band covers most of it in play).
    const std::vector<Px> plaine = vers_nuit({rgb(190, 104, 92), pal::sable_ombre, rgb(120, 60, 62)}, nuit);
    for (int y = horizon; y < 400; ++y)
        for (int x = 0; x < 640; ++x) {
            double t = std::min(1.0, (y - horizon) / 120.0);
            im.set(x, y, rampe(plaine, t + (relief_periodique(x, y * 3.0, 32, 640, 2, 5) - 0.5) * 0.3, x, y));
        }
    // Two ranges of mesas: far and hazy, then nearer and darker, with lit rims and strata.
    struct Plan {
        uint64_t graine;
        int n;
        double hmin, hmax;
        Px corps, flanc, bord;
        int base;
    };
    const Plan plans[] = {
        {21, 7, 26, 64, rgb(150, 76, 98), rgb(124, 60, 88), rgb(214, 120, 110), horizon},
        {33, 6, 14, 40, rgb(100, 48, 70), rgb(76, 36, 60), rgb(190, 96, 84), horizon + 4},
    };
    for (const Plan& p : plans) {
        Alea a(p.graine);
        std::vector<Mesa> mesas;
        for (int i = 0; i < p.n; ++i) {
            double cx = (i + a.reel() * 0.6) * 640.0 / p.n;
            double plateau = 8 + a.reel() * 30;
            mesas.push_back({cx, plateau, plateau + 10 + a.reel() * 22, p.hmin + a.reel() * (p.hmax - p.hmin)});
        }
        Px corps = vers_nuit(p.corps, nuit), flanc = vers_nuit(p.flanc, nuit), bord = vers_nuit(p.bord, nuit * 0.8);
        for (int x = 0; x < 640; ++x) {
            int cote;
            double h = profil_mesas(mesas, x, p.graine, cote);
            if (h < 1) continue;
            int top = p.base - int(h);
            // Backlit by the low sun: the left flanks in deep shade, the right ones catching
            // some glow, eroded gullies running down the cliffs.
            bool ravine = bruit_periodique(x, 0, 3, 639, p.graine + 7) > 0.78;
            for (int y = top; y < p.base + 6; ++y) {
                Px c = cote < 0 ? flanc : corps;
                if (y <= top + 1) c = cote < 0 ? corps : bord;
                else if (((y - top) % 7) == 3) c = melange(c, pal::encre, 0.2);  // strata
                else if (ravine && y > top + 3 && y < top + h * 0.55) c = melange(c, pal::encre, 0.3);
                if (cote > 0 && y > top + 1) c = tramer(c, bord, 0.3, x, y);
                im.set(x, y, c);
            }
        }
    }
    return im;
}

Image desert_bas(double nuit, int variante) {
    Image im(640, 223);
    const uint64_t g = 100 + 17 * uint64_t(variante);
    // Row 0 continues the hazy plain at the foot of the mesas.
    const std::vector<Px> brume = vers_nuit({rgb(190, 104, 92), pal::sable_ombre}, nuit);
    for (int y = 0; y < 223; ++y)
        for (int x = 0; x < 640; ++x) im.set(x, y, rampe(brume, std::min(1.0, y / 40.0), x, y));
    struct Crete {
        double base, amplitude;
        int f1, f2;
        std::vector<Px> couleurs;  // crest highlight, lit face, shaded face, hollow
    };
    const Crete cretes[] = {
        {26, 10, 3, 7, {rgb(224, 140, 104), rgb(196, 108, 90), rgb(158, 80, 80), rgb(134, 66, 74)}},
        {70, 22, 2, 5, {rgb(240, 164, 108), pal::sable, rgb(164, 84, 72), rgb(128, 62, 66)}},
        {126, 30, 2, 3, {rgb(250, 184, 118), pal::sable_clair, pal::sable_ombre, rgb(112, 54, 62)}},
        {190, 26, 1, 4, {rgb(255, 200, 130), rgb(240, 176, 108), rgb(172, 94, 70), rgb(122, 58, 60)}},
    };
    int k = 0;
    for (const Crete& c : cretes) {
        ++k;
        double ph1 = bruit(k, variante, 1, g) * PI2, ph2 = bruit(k, variante + 3, 1, g) * PI2;
        auto crete = [&](double x) {
            double s = std::sin(PI2 * c.f1 * x / 640 + ph1) * 0.6 + std::sin(PI2 * c.f2 * x / 640 + ph2) * 0.3;
            s += (relief_periodique(x, k * 50.0, 64, 640, 2, g + k) - 0.5) * 0.5;
            return c.base - c.amplitude * s;
        };
        std::vector<Px> col = vers_nuit(c.couleurs, nuit);
        for (int x = 0; x < 640; ++x) {
            double yc = crete(x), pente = crete(x + 1.5) - crete(x - 1.5);
            int top = int(std::floor(yc));
            for (int y = std::max(0, top); y < 223; ++y) {
                double prof = (y - yc) / 40.0;
                // Lit when the face turns towards the low sun on the right (falls to the right).
                double eclairage = std::clamp(0.5 + pente * 0.35, 0.0, 1.0);
                double t = std::clamp(0.15 + (1 - eclairage) * 0.8 + prof * 0.5, 0.0, 1.0);
                Px p = rampe({col[1], col[2], col[3]}, t, x, y);
                // Wind ripples across the lit faces.
                double ride = std::sin((x * 0.9 + y * 3.1 + 6 * std::sin(PI2 * 2 * x / 640.0)) * 0.5);
                if (ride > 0.93 && t < 0.6) p = col[0];
                if (y <= top + 1) p = y == top ? col[0] : melange(col[0], col[1], 0.5);
                im.set(x, y, p);
            }
        }
    }
    return im;
}

// The ground band is drawn over the ship, whose lowest position puts its hull on rows 14 to 38
// of the band: the sand begins low (rows 33 to 47) and the boulders barely break it, so at
// least three quarters of the ship stays in sight wherever the band has scrolled.
Image desert_sol(double nuit) {
    Image im(640, 67, VIDE);
    auto surface = [](double x) {
        return 40 + 4 * (relief_periodique(x, 0, 80, 640, 3, 301) - 0.5) * 2 + 2 * std::sin(PI2 * 3 * x / 640);
    };
    const std::vector<Px> sable = vers_nuit({rgb(232, 164, 104), pal::sable, rgb(176, 98, 70), rgb(128, 66, 58)}, nuit);
    for (int x = 0; x < 640; ++x) {
        int top = int(surface(x));
        for (int y = top; y < 67; ++y) {
            double t = (y - top) / 26.0 + (relief_periodique(x, y * 2.0, 16, 640, 2, 303) - 0.5) * 0.5;
            Px c = rampe(sable, t, x, y);
            if ((x * 7 + y * 13) % 97 == 0) c = vers_nuit(pal::roche_sombre, nuit);  // pebbles
            im.set(x, y, c);
        }
        im.set(x, top, vers_nuit(rgb(255, 206, 140), nuit));
    }
    // Angular boulders half sunk in the sand, lit from the right, drawn wrapped so the ones
    // crossing the edge join up. Some sit on the skyline, some lower down in front.
    Alea a(311);
    const Px r_clair = vers_nuit(rgb(186, 118, 92), nuit), r_moyen = vers_nuit(pal::roche, nuit),
             r_sombre = vers_nuit(pal::roche_sombre, nuit), trait = vers_nuit(pal::encre, nuit * 0.5);
    for (int i = 0; i < 15; ++i) {
        double cx = (i + 0.2 + a.reel() * 0.6) * 640.0 / 15;
        bool gros = a.reel() < 0.45;
        double rx = gros ? 12 + a.reel() * 6 : 5 + a.reel() * 6, ry = rx * (0.45 + a.reel() * 0.25);
        double cy = surface(cx) + ry * 0.75 + (a.reel() < 0.4 ? 8 + a.reel() * 10 : 1);
        int nv = 7 + a.entre(0, 2);
        std::vector<double> pts;
        for (int k = 0; k < nv; ++k) {
            double ang = PI2 * k / nv + a.reel() * 0.4;
            double r = 0.75 + a.reel() * 0.3;
            double y = std::sin(ang) * ry * r;
            pts.push_back(std::cos(ang) * rx * r), pts.push_back(std::min(y, ry * 0.45));
        }
        for (double dx : {-640.0, 0.0, 640.0}) {
            std::vector<double> p(pts.size()), ombre(pts.size());
            for (size_t k = 0; k < pts.size(); k += 2) {
                p[k] = pts[k] + cx + dx, p[k + 1] = pts[k + 1] + cy;
                ombre[k] = p[k] - 3, ombre[k + 1] = p[k + 1] + 2;
            }
            polygone(im, ombre, vers_nuit(rgb(140, 72, 60), nuit));  // shadow cast on the sand
            Image roche(640, 67, VIDE);
            polygone(roche, p, r_moyen);
            for (int y = 0; y < 67; ++y)
                for (int x = std::max(0, int(cx + dx - rx - 2)); x < std::min(640, int(cx + dx + rx + 3)); ++x) {
                    if (roche.get(x, y) == VIDE) continue;
                    double u = (x + 0.5 - cx - dx) / rx, v = (y + 0.5 - cy) / ry;
                    double lum = u * 0.7 - v * 0.9 + (bruit(x, y, 3, 313 + i) - 0.5) * 0.6;
                    Px c = lum > 0.45 ? r_clair : (lum > -0.35 ? r_moyen : r_sombre);
                    if (std::fabs(u + v * 0.4 - 0.1) < 0.05 && v < 0.2) c = trait;  // a crack
                    im.set(x, y, c);
                }
            contour_sprite(roche, VIDE, trait);
            for (int y = 0; y < 67; ++y)
                for (int x = 0; x < 640; ++x)
                    if (roche.get(x, y) == trait) im.set(x, y, trait);
        }
    }
    // Sand drifts over the boulders' feet.
    for (int x = 0; x < 640; ++x) {
        int top = int(surface(x));
        for (int y = std::max(top + 10, 0); y < 67; ++y)
            if (relief_periodique(x, y * 3.0, 16, 640, 2, 317) > 0.5 + (y - top) * 0.0 && y > top + 12 + 4 * std::sin(x * PI2 * 5 / 640))
                im.set(x, y, rampe(sable, (y - top) / 26.0, x, y));
    }
    // Dark outline along the skyline so the key cuts a crisp edge over the scenery behind.
    Image copie = im;
    for (int y = 0; y < 67; ++y)
        for (int x = 0; x < 640; ++x)
            if (copie.get(x, y) != VIDE && y > 0 && copie.get(x, y - 1) == VIDE) im.set(x, y, vers_nuit(pal::encre, nuit * 0.5));
    for (int x = 0; x < 640; ++x) im.set(x, 0, VIDE);
    return im;
}

Image ciel_nuages(bool orage) {
    Image im(640, 400);
    const std::vector<Px> ciel = orage
        ? std::vector<Px>{rgb(22, 20, 34), rgb(40, 36, 58), rgb(62, 58, 84), rgb(88, 84, 110)}
        : std::vector<Px>{rgb(30, 70, 160), rgb(52, 110, 200), rgb(110, 170, 230), rgb(190, 224, 246)};
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 640; ++x) im.set(x, y, rampe(ciel, y / 300.0, x, y));
    if (!orage) {
        // The sun high up with a dithered halo, and thin cirrus.
        const double sx = 500, sy = 70;
        for (int y = 20; y < 130; ++y)
            for (int x = 440; x < 560; ++x) {
                double d = std::hypot(x + 0.5 - sx, y + 0.5 - sy);
                if (d < 18) im.set(x, y, d < 14 ? rgb(255, 252, 230) : rgb(255, 240, 180));
                else if (d < 50) im.set(x, y, tramer(im.get(x, y), rgb(200, 230, 250), (50 - d) / 40, x, y));
            }
        for (int y = 30; y < 200; ++y)
            for (int x = 0; x < 640; ++x) {
                double v = relief_periodique(x, y * 5.0, 128, 640, 3, 41) * std::exp(-std::pow((y - 120) / 40.0, 2));
                if (v > 0.4) im.set(x, y, tramer(im.get(x, y), rgb(236, 246, 252), (v - 0.4) * 4, x, y));
            }
    } else {
        // Rain slanting through the gloom.
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 640; ++x)
                if (((x + y / 3) % 10) == 0 && relief_periodique(x, y, 16, 640, 1, 43 + (x % 7)) > 0.62)
                    im.set(x, y, melange(im.get(x, y), rgb(150, 160, 190), 0.5));
    }
    // Layers of cloud: far ones small and pale, near ones big; each is a row of puffs whose
    // envelope makes a billowing top, shaded from a lit rim down to a cool shadow.
    struct Couche {
        double base, rmin, rmax;
        int n;
        std::vector<Px> teintes;
    };
    std::vector<Couche> couches;
    if (!orage) {
        couches = {{250, 14, 26, 20, {rgb(250, 252, 255), rgb(222, 232, 248), rgb(180, 196, 230), rgb(150, 164, 214)}},
                   {300, 20, 38, 16, {pal::blanc, rgb(230, 236, 250), rgb(190, 200, 236), rgb(140, 150, 206)}},
                   {352, 28, 50, 12, {pal::blanc, rgb(236, 240, 252), rgb(196, 204, 238), rgb(132, 140, 200)}}};
    } else {
        couches = {{40, 20, 44, 14, {rgb(70, 64, 90), rgb(54, 50, 74), rgb(40, 36, 58), rgb(28, 26, 44)}},
                   {270, 16, 30, 18, {rgb(132, 128, 156), rgb(104, 100, 130), rgb(80, 76, 106), rgb(58, 54, 84)}},
                   {320, 24, 44, 14, {rgb(150, 146, 172), rgb(116, 112, 142), rgb(86, 82, 114), rgb(60, 56, 88)}},
                   {372, 30, 54, 11, {rgb(126, 122, 150), rgb(96, 92, 124), rgb(70, 66, 98), rgb(46, 44, 70)}}};
    }
    uint64_t graine = orage ? 900 : 500;
    std::vector<std::vector<double>> sommets;
    for (const Couche& c : couches) {
        Alea a(graine++);
        std::vector<double> cx(c.n), cy(c.n), r(c.n);
        for (int i = 0; i < c.n; ++i) {
            cx[i] = (i + a.reel() * 0.5) * 640.0 / c.n;
            // Wide enough that neighbouring puffs always overlap: no gap in the layer.
            double rmin = std::max(c.rmin, 0.7 * 640.0 / c.n);
            r[i] = rmin + a.reel() * std::max(4.0, c.rmax - rmin);
            cy[i] = c.base + a.reel() * 10;
        }
        bool pendante = orage && c.base < 100;  // the storm's ceiling hangs down from the top
        for (int x = 0; x < 640; ++x) {
            double haut = 1e9, bas = -1e9;
            for (int i = 0; i < c.n; ++i) {
                double d = distance_enroulee(x + 0.5, cx[i]);
                if (d >= r[i]) continue;
                double h = std::sqrt(r[i] * r[i] - d * d);
                if (pendante) {
                    bas = std::max(bas, cy[i] + h);
                } else if (cy[i] - h < haut) {
                    haut = cy[i] - h;
                }
            }
            if (pendante) {
                if (bas < -1e8) bas = c.base - 10;
                for (int y = 0; y <= int(bas); ++y) {
                    double t = std::clamp(1 - (bas - y) / 40.0, 0.0, 1.0);
                    Px p = rampe({c.teintes[3], c.teintes[2], c.teintes[1]}, t, x, y);
                    if (y >= int(bas) - 1) p = c.teintes[0];
                    im.set(x, y, p);
                }
                continue;
            }
            if (haut > 1e8) haut = c.base + c.rmin;
            int top = int(haut);
            // The layer darkens with depth below its billowing top; the upper rims of the
            // puffs inside it show as lit arcs with a shaded crease above, like cauliflower.
            for (int y = std::max(0, top); y < 400; ++y) {
                double t = std::clamp((y - haut) / (c.rmax * 1.6), 0.0, 1.0);
                Px p = rampe({c.teintes[0], c.teintes[1], c.teintes[2], c.teintes[3]}, t, x, y);
                if (y > top + 2)
                    for (int i = 0; i < c.n; ++i) {
                        double dx = distance_enroulee(x + 0.5, cx[i]), dy = y + 0.5 - cy[i];
                        if (dy > -r[i] * 0.25) continue;
                        double e = std::sqrt(dx * dx + dy * dy) - r[i];
                        if (e > -1.0 && e <= 0.0) p = c.teintes[0];
                        else if (e > 0.0 && e < 2.0 && t > 0.05) p = c.teintes[std::min(3, 1 + int(t * 3))];
                    }
                im.set(x, y, p);
            }
            if (top >= 0 && top < 400) im.set(x, top, melange(c.teintes[0], orage ? rgb(200, 210, 255) : pal::blanc, 0.5));
        }
    }
    if (orage) {
        // Forked lightning from the ceiling down to the cloud sea, with a cold glow.
        Alea a(4242);
        for (int b = 0; b < 2; ++b) {
            double x = 140 + b * 300 + a.reel() * 60, y = 70;
            std::vector<double> pts{x, y};
            while (y < 280) {
                x += (a.reel() - 0.5) * 26;
                y += 10 + a.reel() * 14;
                pts.push_back(x), pts.push_back(y);
            }
            for (size_t i = 0; i + 3 < pts.size(); i += 2) {
                ligne(im, pts[i], pts[i + 1], pts[i + 2], pts[i + 3], rgb(120, 130, 220), 5);
            }
            for (size_t i = 0; i + 3 < pts.size(); i += 2) {
                ligne(im, pts[i], pts[i + 1], pts[i + 2], pts[i + 3], rgb(200, 220, 255), 2.5);
                ligne(im, pts[i], pts[i + 1], pts[i + 2], pts[i + 3], pal::blanc, 1);
                if (i == 6) {  // one fork
                    double fx = pts[i + 2] + 14, fy = pts[i + 3] + 12;
                    ligne(im, pts[i + 2], pts[i + 3], fx, fy, rgb(200, 220, 255), 1.5);
                    ligne(im, fx, fy, fx + 6, fy + 16, rgb(200, 220, 255), 1.0);
                }
            }
        }
    }
    return im;
}

}  // namespace ag::niveau
