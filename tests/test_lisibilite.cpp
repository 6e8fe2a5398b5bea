// Reading the fight at a glance, measured on the generated pack: enemy shots stand out of
// every band and sky of both levels (WCAG luminance contrast), the player's shots are warm and
// the homing one small, the modules wear the ship's colours, the ship at its lowest keeps three
// quarters of itself above the ground band, and the top bar's two right-hand wells are apart.
// Runs in the generated run directory.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ship/vaisseau.h"

namespace {

struct Rvb {
    int r, g, b;
    bool operator==(const Rvb& o) const { return r == o.r && g == o.g && b == o.b; }
};
struct Image {
    int w = 0, h = 0;
    std::vector<Rvb> px;
    const Rvb& at(int x, int y) const { return px[size_t(y) * size_t(w) + size_t(x)]; }
    Rvb cle() const { return at(0, 0); }  // every sprite's corner is transparent
};

Image charger(const std::string& nom) {
    Image im;
    SDL_Surface* brute = IMG_Load(("./Images/" + nom).c_str());
    EXPECT_NE(brute, nullptr) << nom;
    if (!brute) return im;
    SDL_PixelFormat f{};
    f.BitsPerPixel = 32, f.BytesPerPixel = 4, f.Rmask = 0xff0000, f.Gmask = 0xff00, f.Bmask = 0xff, f.Rshift = 16, f.Gshift = 8;
    SDL_Surface* s = SDL_ConvertSurface(brute, &f, SDL_SWSURFACE);
    SDL_FreeSurface(brute);
    im.w = s->w, im.h = s->h;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            Uint32 v = static_cast<const Uint32*>(s->pixels)[size_t(y) * size_t(s->pitch / 4) + size_t(x)];
            im.px.push_back({int(v >> 16 & 255), int(v >> 8 & 255), int(v & 255)});
        }
    SDL_FreeSurface(s);
    return im;
}

// WCAG relative luminance and contrast ratio.
double luminance(const Rvb& c) {
    auto lin = [](int v) {
        double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b);
}
double contraste(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// Hue in degrees and chroma (0..255) of a colour.
double teinte(const Rvb& c) {
    int mx = std::max({c.r, c.g, c.b}), mn = std::min({c.r, c.g, c.b});
    if (mx == mn) return 0;
    double d = mx - mn, h;
    if (mx == c.r) h = std::fmod((c.g - c.b) / d, 6.0);
    else if (mx == c.g) h = (c.b - c.r) / d + 2;
    else h = (c.r - c.g) / d + 4;
    return std::fmod(h * 60 + 360, 360);
}
int chroma(const Rvb& c) { return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}); }

// What a band shows of itself in the level: its rows seen between the bands drawn over it, and
// for a keyed band only its opaque pixels.
struct Fond {
    const char* nom;
    int premiere, fin;  // rows
    bool cle;
};
// Level 1 (dusk, night, grey): the sky rows above the dunes (drawn from screen row 257), the
// dunes, the ground band; level 2 (day, storm, grey): the whole sky.
const Fond FONDS[] = {
    {"Desert_Haut1a.png", 0, 177, false}, {"Desert_Haut1b.png", 0, 177, false},
    {"Desert_Haut1a_Gris.png", 0, 177, false}, {"Desert_Bas1a.png", 0, 223, false},
    {"Desert_Bas1b.png", 0, 223, false}, {"Desert_Bas1a_gris.png", 0, 223, false},
    {"Desert_Sol1a.png", 0, 67, true}, {"Desert_Sol1b.png", 0, 67, true},
    {"Desert_Sol1a_Gris.png", 0, 67, true}, {"Sky1.png", 0, 400, false},
    {"Sky2.png", 0, 400, false}, {"Sky_Gris.png", 0, 400, false},
};

TEST(Lisibilite, EnemyShotsKeep3To1ContrastOverEveryBandAndSkyTheyCross) {
    // A shot reads over a pixel of scenery when its body (the mean luminance of its lit pixels)
    // or its dark outline stands 3:1 from it. Stars and glints aside, that must hold everywhere.
    const char* const tirs[] = {"Ennemi_Tir1.png", "Ennemi_Tir1a.png", "Ennemi_Tir2a.png",
                                "Ennemi_Tir3a.png", "Ennemi_Tir3b.png", "Demo_Tir1.png",
                                "Demo_Tir1a.png"};
    std::vector<std::vector<double>> fonds;
    for (const Fond& f : FONDS) {
        Image im = charger(f.nom);
        std::vector<double> l;
        for (int y = f.premiere; y < std::min(f.fin, im.h); ++y)
            for (int x = 0; x < im.w; ++x)
                if (!f.cle || !(im.at(x, y) == im.cle())) l.push_back(luminance(im.at(x, y)));
        ASSERT_GT(l.size(), 1000u) << f.nom;
        fonds.push_back(l);
    }
    double pire = 1e9;
    for (const char* t : tirs) {
        SCOPED_TRACE(t);
        Image im = charger(t);
        double corps = 0, contour = 1;
        int n = 0;
        for (const Rvb& c : im.px) {
            if (c == im.cle()) continue;
            double l = luminance(c);
            if (l < 0.03) contour = std::min(contour, l);
            else corps += l, ++n;
        }
        ASSERT_GT(n, 10);
        corps /= n;
        EXPECT_LT(contour, 0.03) << "no dark outline";
        for (size_t k = 0; k < fonds.size(); ++k) {
            size_t lisibles = 0;
            double min_c = 1e9;
            for (double l : fonds[k]) {
                double c = std::max(contraste(corps, l), contraste(contour, l));
                lisibles += c >= 3.0;
                min_c = std::min(min_c, c);
            }
            double part = double(lisibles) / double(fonds[k].size());
            EXPECT_GE(part, 0.995) << "over " << FONDS[k].nom << ": 3:1 on only " << part * 100 << "% (worst " << min_c << ":1)";
            pire = std::min(pire, min_c);
        }
        // Their own hue family: pink to magenta, never the player's warm colours.
        for (const Rvb& c : im.px)
            if (!(c == im.cle()) && chroma(c) > 60) {
                EXPECT_TRUE(teinte(c) >= 285 && teinte(c) <= 335) << teinte(c);
            }
    }
    RecordProperty("worst_pixel_contrast", std::to_string(pire));
}

TEST(Lisibilite, ThePlayersShotsAreWarmAndTheHomingOneSmall) {
    const char* const tirs[] = {"Vaisseau_Tir1.png", "Vaisseau_Tir2.png", "Vaisseau_Tir3.png", "Vaisseau_Tir3a.png",
                                "Vaisseau_Tir3b.png", "Vaisseau_Tir4.png", "Vaisseau_Tir5.png"};
    for (const char* t : tirs) {
        SCOPED_TRACE(t);
        Image im = charger(t);
        int colores = 0, chauds = 0;
        for (const Rvb& c : im.px) {
            if (c == im.cle() || chroma(c) <= 60) continue;  // the key, white cores, grey bomb bodies, outlines
            ++colores;
            chauds += teinte(c) >= 18 && teinte(c) <= 62;  // orange to yellow
        }
        ASSERT_GT(colores, 0);
        EXPECT_EQ(chauds, colores) << "coloured pixels outside orange and yellow";
    }
    // The homing shot: its 32 x 32 picture is the game's rectangle; what shows is under 20 across.
    Image orbe = charger("Vaisseau_Tir4.png");
    int x0 = 99, x1 = -1, y0 = 99, y1 = -1;
    for (int y = 0; y < orbe.h; ++y)
        for (int x = 0; x < orbe.w; ++x)
            if (!(orbe.at(x, y) == orbe.cle())) x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
    EXPECT_EQ(orbe.w, 32);
    EXPECT_LE(x1 - x0 + 1, 20);
    EXPECT_LE(y1 - y0 + 1, 20);
}

TEST(Lisibilite, ModulesWearTheShipsColours) {
    // Most of a module's pixels are colours of the ship's own picture (within a shade or
    // two), and it shows the ship's red fins and cyan glass.
    Image vaisseau = charger("Vaisseau1.png");
    std::vector<Rvb> palette;
    for (const Rvb& c : vaisseau.px)
        if (!(c == vaisseau.cle()) && std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
    auto pres = [](const Rvb& a, const Rvb& b, int d) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) <= d; };
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE("Module" + std::to_string(k));
        Image m = charger("Module" + std::to_string(k) + ".png");
        int n = 0, proches = 0, rouges = 0, cyans = 0;
        for (const Rvb& c : m.px) {
            if (c == m.cle()) continue;
            ++n;
            proches += std::any_of(palette.begin(), palette.end(), [&](const Rvb& p) { return pres(c, p, 30); });
            rouges += pres(c, {220, 48, 40}, 40) || pres(c, {200, 70, 60}, 40);
            cyans += pres(c, {90, 220, 250}, 40);
        }
        EXPECT_GE(proches, n * 3 / 5) << proches << " of " << n << " pixels in the ship's colours";
        EXPECT_GE(rouges, n / 12) << rouges << " of " << n << " pixels in the ship's reds";
        EXPECT_GE(cyans, 4) << "cyan glass";
    }
}

TEST(Lisibilite, TheShipAtItsLowestKeepsThreeQuartersOfItselfAboveTheGroundBand) {
    // Level 1 draws its ground band (screen row 413) over the ship; the ship dives while
    // y + 32 <= its lower bound, by up to 5 pixels a frame. Level 2 has no band over it.
    const int y_bas = LIMITE_BAS_NIVEAU_1 - 32 + 5, y_sol = 413;
    double pire = 1;
    for (const char* sol : {"Desert_Sol1a.png", "Desert_Sol1b.png", "Desert_Sol1a_Gris.png"}) {
        Image bande = charger(sol);
        for (const char* v : {"Vaisseau1.png", "Vaisseau_Bas.png", "Vaisseau_Bas0.png", "Vaisseau1_Invincible.png"}) {
            Image s = charger(v);
            for (int decalage = 0; decalage < bande.w; ++decalage) {  // wherever the band has scrolled
                int tous = 0, vus = 0;
                for (int y = 0; y < s.h; ++y)
                    for (int x = 0; x < s.w; ++x) {
                        if (s.at(x, y) == s.cle()) continue;
                        ++tous;
                        int by = y_bas + y - y_sol, bx = (x + decalage) % bande.w;
                        vus += by < 0 || by >= bande.h || bande.at(bx, by) == bande.cle();
                    }
                pire = std::min(pire, double(vus) / tous);
            }
        }
    }
    RecordProperty("worst_visible_share", std::to_string(pire));
    EXPECT_GE(pire, 0.75);
}

TEST(Lisibilite, TheLivesAndSpeedWellsArePartedByARim) {
    // The lives digit fills rows 32 to 47, the speed triangles rows 48 to 63 (the game's places):
    // row 48 under the lives well is a lit rim, in the bar and in the triangle alike.
    Image barre = charger("Menu_Haut.png"), triangle = charger("Triangle_Vitesse.png");
    Rvb puits = barre.at(591, 31);
    for (int x = 590; x < 610; ++x) EXPECT_GT(luminance(barre.at(x, 48)), luminance(puits) + 0.15) << x;
    for (int x = 0; x < triangle.w; ++x) EXPECT_TRUE(triangle.at(x, 0) == barre.at(560, 48)) << x;
}

}  // namespace
