// Checks of the generated shell, HUD and level pictures: presence, sizes, colour keys without
// fringes, seamless bands, the HUD pieces matching the bar, and byte-identical regeneration.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <SDL.h>
#include <SDL_image.h>

namespace {

struct Couleur {
    int r, g, b;
    bool operator==(const Couleur& o) const { return r == o.r && g == o.g && b == o.b; }
};
void PrintTo(const Couleur& c, std::ostream* os) { *os << "(" << c.r << "," << c.g << "," << c.b << ")"; }

// A picture decoded into plain RGB triples.
struct Pixels {
    int w = 0, h = 0;
    std::vector<Couleur> px;
    const Couleur& at(int x, int y) const { return px[size_t(y) * w + x]; }
};

bool charger(const std::string& nom, Pixels& out) {
    std::string chemin = "./Images/" + nom;
    bool bmp = nom.size() > 4 && nom.substr(nom.size() - 4) == ".bmp";
    SDL_Surface* s = bmp ? SDL_LoadBMP(chemin.c_str()) : IMG_Load(chemin.c_str());
    if (!s) return false;
    out.w = s->w, out.h = s->h;
    out.px.resize(size_t(s->w) * s->h);
    SDL_LockSurface(s);
    int bpp = s->format->BytesPerPixel;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * bpp;
            Uint32 v = 0;
            for (int k = 0; k < bpp; ++k) v |= Uint32(p[k]) << (8 * k);
            if (SDL_BYTEORDER == SDL_BIG_ENDIAN) {
                v = 0;
                for (int k = 0; k < bpp; ++k) v = (v << 8) | p[k];
            }
            Uint8 r, g, b;
            SDL_GetRGB(v, s->format, &r, &g, &b);
            out.px[size_t(y) * s->w + x] = {r, g, b};
        }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return true;
}

const Couleur NOIR{0, 0, 0}, MAGENTA{255, 0, 255}, JAUNE{255, 255, 0}, JAUNE_B{255, 255, 29}, BLEU{0, 0, 255},
    GRIS{104, 104, 104};

struct Attendu {
    const char* nom;
    int w, h;
    bool avec_cle;
    Couleur cle;
};

const Attendu attendus[] = {
    {"Coin.bmp", 32, 32, true, NOIR},
    {"Titre.png", 640, 480, false, {}},
    {"Programmer.png", 640, 480, false, {}},
    {"Keyboard.png", 640, 480, false, {}},
    {"Chargement.png", 640, 480, false, {}},
    {"Loading1.png", 640, 480, false, {}},
    {"Loading2.png", 640, 480, false, {}},
    {"Menu_Haut.png", 640, 80, false, {}},
    {"Zero.png", 16, 16, false, {}},
    {"Un.png", 16, 16, false, {}},
    {"Deux.png", 16, 16, false, {}},
    {"Trois.png", 16, 16, false, {}},
    {"Quatre.png", 16, 16, false, {}},
    {"Cinq.png", 16, 16, false, {}},
    {"Six.png", 16, 16, false, {}},
    {"Sept.png", 16, 16, false, {}},
    {"Huit.png", 16, 16, false, {}},
    {"Neuf.png", 16, 16, false, {}},
    {"Curseur_Rouge.png", 32, 32, true, NOIR},
    {"Curseur_Noir.png", 32, 32, false, {}},
    {"Triangle_Vitesse.png", 12, 16, false, {}},
    {"Desert_Haut1a.png", 640, 400, false, {}},
    {"Desert_Haut1b.png", 640, 400, false, {}},
    {"Desert_Haut1.png", 640, 400, false, {}},
    {"Desert_Haut1a_Gris.png", 640, 400, false, {}},
    {"Desert_Bas1a.png", 640, 223, false, {}},
    {"Desert_Bas1b.png", 640, 223, false, {}},
    {"Desert_Bas.png", 640, 223, false, {}},
    {"Desert_Bas1.png", 640, 223, false, {}},
    {"Desert_Bas1a_gris.png", 640, 223, false, {}},
    {"Desert_Sol1a.png", 640, 67, true, MAGENTA},
    {"Desert_Sol1b.png", 640, 67, true, MAGENTA},
    {"Desert_Sol1a_Gris.png", 640, 67, true, GRIS},
    {"Emergency.png", 400, 100, true, NOIR},
    {"Emergency1.png", 400, 100, true, NOIR},
    {"Game_Over.png", 400, 100, true, NOIR},
    {"Explosions1.png", 768, 50, true, NOIR},
    {"Explosion1a.png", 1024, 64, true, NOIR},
    {"Explosion2.png", 1024, 64, true, NOIR},
    {"Explosion_Boss.png", 4800, 332, true, NOIR},
    {"Impact1.png", 16, 16, true, MAGENTA},
    {"Impact2.png", 16, 16, true, MAGENTA},
    {"Impact3.png", 16, 16, true, MAGENTA},
    {"Impact4.png", 16, 16, true, MAGENTA},
    {"Vaisseau1.png", 37, 32, true, JAUNE},
    {"Vaisseau_Haut.png", 37, 32, true, JAUNE},
    {"Vaisseau_Bas.png", 37, 32, true, JAUNE},
    {"Vaisseau_Haut0.png", 37, 32, true, JAUNE},
    {"Vaisseau_Bas0.png", 37, 32, true, JAUNE},
    {"Vaisseau1_Invincible.png", 37, 32, true, JAUNE_B},
    {"Vaisseau_Haut_Invincible.png", 37, 32, true, JAUNE_B},
    {"Vaisseau_Bas_Invincible.png", 37, 32, true, JAUNE_B},
    {"Vaisseau_Haut0_Invincible.png", 37, 32, true, JAUNE_B},
    {"Vaisseau_Bas0_Invincible.png", 37, 32, true, JAUNE_B},
    {"Vaisseau_Tir1.png", 32, 8, true, BLEU},
    {"Vaisseau_Tir2.png", 32, 8, true, JAUNE},
    {"Vaisseau_Tir3.png", 8, 30, true, JAUNE},
    {"Vaisseau_Tir3a.png", 8, 30, true, JAUNE},
    {"Vaisseau_Tir3b.png", 30, 8, true, JAUNE},
    {"Vaisseau_Tir4.png", 32, 32, true, JAUNE_B},
    {"Vaisseau_Tir5.png", 24, 48, true, MAGENTA},
    {"Sky1.png", 640, 400, false, {}},
    {"Sky2.png", 640, 400, false, {}},
    {"Sky_Gris.png", 640, 400, false, {}},
};

bool proche(const Couleur& c, const Couleur& k) {
    return std::abs(c.r - k.r) <= 24 && std::abs(c.g - k.g) <= 24 && std::abs(c.b - k.b) <= 24;
}

int nb_de(const Pixels& p, const Couleur& c, int x0, int x1) {
    int n = 0;
    for (int y = 0; y < p.h; ++y)
        for (int x = x0; x < x1; ++x) n += p.at(x, y) == c;
    return n;
}

TEST(ArtNiveau, EveryPictureLoadsAtItsSizeAndKeysCutCleanly) {
    for (const Attendu& a : attendus) {
        SCOPED_TRACE(a.nom);
        Pixels p;
        ASSERT_TRUE(charger(a.nom, p)) << IMG_GetError();
        EXPECT_EQ(p.w, a.w);
        EXPECT_EQ(p.h, a.h);
        if (!a.avec_cle) continue;
        int nb_cle = nb_de(p, a.cle, 0, p.w);
        EXPECT_GT(nb_cle, 0) << "no transparent area";
        EXPECT_LT(nb_cle, p.w * p.h) << "nothing drawn";
        int franges = 0;
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x) {
                const Couleur& c = p.at(x, y);
                if (c == a.cle || !proche(c, a.cle)) continue;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        int u = x + dx, v = y + dy;
                        if (u >= 0 && v >= 0 && u < p.w && v < p.h && p.at(u, v) == a.cle) ++franges;
                    }
            }
        EXPECT_EQ(franges, 0) << "near-key fringe around the transparent area";
    }
}

// Sum of the channel differences between two columns of a band.
long ecart_colonnes(const Pixels& p, int a, int b) {
    long s = 0;
    for (int y = 0; y < p.h; ++y) {
        const Couleur &u = p.at(a, y), &v = p.at(b, y);
        s += std::abs(u.r - v.r) + std::abs(u.g - v.g) + std::abs(u.b - v.b);
    }
    return s;
}

TEST(ArtNiveau, ScrollingBandsMeetThemselvesWithoutASeam) {
    const char* bandes[] = {"Desert_Haut1a.png", "Desert_Haut1b.png", "Desert_Haut1.png", "Desert_Haut1a_Gris.png",
                            "Desert_Bas1a.png",  "Desert_Bas1b.png",  "Desert_Bas.png",   "Desert_Bas1.png",
                            "Desert_Bas1a_gris.png", "Desert_Sol1a.png", "Desert_Sol1b.png", "Desert_Sol1a_Gris.png",
                            "Sky1.png", "Sky2.png", "Sky_Gris.png"};
    for (const char* nom : bandes) {
        SCOPED_TRACE(nom);
        Pixels p;
        ASSERT_TRUE(charger(nom, p));
        ASSERT_EQ(p.w, 640);
        long pire = 0;
        for (int x = 0; x + 1 < p.w; ++x) pire = std::max(pire, ecart_colonnes(p, x, x + 1));
        EXPECT_LE(ecart_colonnes(p, 639, 0), pire);
        EXPECT_GT(pire, 0) << "a flat band";
    }
}

TEST(ArtNiveau, GroundBandsAreTransparentAboveTheGround) {
    Pixels sol, nuit, gris;
    ASSERT_TRUE(charger("Desert_Sol1a.png", sol));
    ASSERT_TRUE(charger("Desert_Sol1b.png", nuit));
    ASSERT_TRUE(charger("Desert_Sol1a_Gris.png", gris));
    for (int x = 0; x < 640; ++x) {
        EXPECT_EQ(sol.at(x, 0), MAGENTA) << x;
        EXPECT_EQ(nuit.at(x, 0), MAGENTA) << x;
        EXPECT_EQ(gris.at(x, 0), GRIS) << x;
        EXPECT_FALSE(sol.at(x, 66) == MAGENTA) << "ground missing at the bottom, column " << x;
    }
    // The grey band is the night ground: its key is exactly where the night band's key is,
    // so no rock of the grey band turned into key grey.
    int differents = 0;
    for (int y = 0; y < 67; ++y)
        for (int x = 0; x < 640; ++x) differents += (nuit.at(x, y) == MAGENTA) != (gris.at(x, y) == GRIS);
    EXPECT_EQ(differents, 0);
}

TEST(ArtNiveau, HudPiecesSitOnTheBarSeamlessly) {
    Pixels barre, zero, triangle, rouge, noir;
    ASSERT_TRUE(charger("Menu_Haut.png", barre));
    ASSERT_TRUE(charger("Zero.png", zero));
    ASSERT_TRUE(charger("Triangle_Vitesse.png", triangle));
    ASSERT_TRUE(charger("Curseur_Rouge.png", rouge));
    ASSERT_TRUE(charger("Curseur_Noir.png", noir));
    // Digits and triangles have no key: their background is the bar's well under them.
    const char* chiffres[] = {"Zero.png", "Un.png", "Deux.png", "Trois.png", "Quatre.png",
                              "Cinq.png", "Six.png", "Sept.png", "Huit.png", "Neuf.png"};
    std::vector<Pixels> dix(10);
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(charger(chiffres[i], dix[i]));
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(chiffres[i]);
        EXPECT_EQ(dix[i].at(0, 0), barre.at(143, 41));
        EXPECT_EQ(dix[i].at(15, 15), barre.at(143 + 15, 41 + 15));
        EXPECT_EQ(dix[i].at(0, 0), barre.at(592, 32)) << "lives well differs from the score well";
        for (int j = 0; j < i; ++j) EXPECT_FALSE(dix[i].px == dix[j].px) << "digit equal to " << chiffres[j];
    }
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(triangle.at(0, 0), barre.at(546 + 16 * j, 48)) << j;
        EXPECT_EQ(triangle.at(11, 15), barre.at(546 + 16 * j + 11, 63)) << j;
        EXPECT_EQ(barre.at(546 + 16 * j + 12, 50), triangle.at(0, 2)) << "gap between triangles " << j;
    }
    // The red frame is see-through inside; the black cover hides the whole slot.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            bool cadre = x < 3 || y < 3 || x > 28 || y > 28;
            ASSERT_EQ(rouge.at(x, y) == NOIR, !cadre) << x << "," << y;
        }
    EXPECT_EQ(nb_de(noir, NOIR, 0, 32), 0);
    // The five weapon icons differ from one another where the bar shows them.
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < i; ++j) {
            int diff = 0;
            for (int y = 32; y < 64; ++y)
                for (int x = 0; x < 32; ++x) diff += !(barre.at(272 + 48 * i + x, y) == barre.at(272 + 48 * j + x, y));
            EXPECT_GT(diff, 40) << "icons " << i << " and " << j;
        }
}

// Painted (non-key) pixels of one frame of a strip.
int peints(const Pixels& p, int frame, int w) { return w * p.h - nb_de(p, NOIR, frame * w, (frame + 1) * w); }

TEST(ArtNiveau, ExplosionsGrowThenFadeOut) {
    struct Bande {
        const char* nom;
        int n, w;
    };
    const Bande bandes[] = {{"Explosions1.png", 12, 64}, {"Explosion1a.png", 16, 64}, {"Explosion2.png", 16, 64},
                            {"Explosion_Boss.png", 16, 300}};
    for (const Bande& b : bandes) {
        SCOPED_TRACE(b.nom);
        Pixels p;
        ASSERT_TRUE(charger(b.nom, p));
        ASSERT_EQ(p.w, b.n * b.w);
        std::vector<int> n;
        for (int f = 0; f < b.n; ++f) n.push_back(peints(p, f, b.w));
        int sommet = int(std::max_element(n.begin(), n.end()) - n.begin());
        EXPECT_GT(n[0], 0) << "first frame empty";
        EXPECT_LT(n[0], n[sommet] / 3) << "the fireball does not grow";
        EXPECT_LT(n.back(), n[sommet] / 3) << "the cloud does not fade";
        EXPECT_GT(sommet, 1);
        EXPECT_LT(sommet, b.n - 2);
        // Edges of every frame stay transparent, so frames never bleed into each other.
        int au_bord = 0;
        for (int f = 0; f < b.n; ++f)
            for (int y = 0; y < p.h; ++y) au_bord += !(p.at(f * b.w, y) == NOIR) + !(p.at(f * b.w + b.w - 1, y) == NOIR);
        EXPECT_EQ(au_bord, 0);
    }
}

TEST(ArtNiveau, ShieldedShipIsTheSameShipVisiblyChanged) {
    const char* poses[] = {"Vaisseau1", "Vaisseau_Haut", "Vaisseau_Bas", "Vaisseau_Haut0", "Vaisseau_Bas0"};
    Pixels repos;
    ASSERT_TRUE(charger("Vaisseau1.png", repos));
    for (const char* pose : poses) {
        SCOPED_TRACE(pose);
        Pixels v, b;
        ASSERT_TRUE(charger(std::string(pose) + ".png", v));
        ASSERT_TRUE(charger(std::string(pose) + "_Invincible.png", b));
        int coque = 0, changes = 0, halo = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 37; ++x) {
                bool dans_v = !(v.at(x, y) == JAUNE), dans_b = !(b.at(x, y) == JAUNE_B);
                if (dans_v) {
                    ++coque;
                    EXPECT_TRUE(dans_b) << "shield picture lost a hull pixel at " << x << "," << y;
                    changes += !(v.at(x, y) == b.at(x, y));
                } else if (dans_b) {
                    ++halo;
                }
            }
        EXPECT_GT(coque, 300);
        EXPECT_GT(changes, coque / 2);
        EXPECT_GT(halo, 40);
        if (std::string(pose) != "Vaisseau1") {
            EXPECT_FALSE(v.px == repos.px) << "tilt picture equals the level one";
        }
    }
}

double luminance(const Couleur& c) { return c.r * 0.30 + c.g * 0.59 + c.b * 0.11; }

double luminance_moyenne(const Pixels& p) {
    double s = 0;
    for (const Couleur& c : p.px) s += luminance(c);
    return s / double(p.px.size());
}

TEST(ArtNiveau, NightAndGreyBandsAreTheSameLandInAnotherLight) {
    struct Paire {
        const char *jour, *autre;
        bool gris;
    };
    // The grey bands follow the boss's fall: level 1's at night, level 2's in the storm.
    const Paire paires[] = {{"Desert_Haut1a.png", "Desert_Haut1b.png", false}, {"Desert_Bas1a.png", "Desert_Bas1b.png", false},
                            {"Sky1.png", "Sky2.png", false},
                            {"Desert_Haut1b.png", "Desert_Haut1a_Gris.png", true},
                            {"Desert_Bas1b.png", "Desert_Bas1a_gris.png", true}, {"Sky2.png", "Sky_Gris.png", true}};
    for (const Paire& p : paires) {
        SCOPED_TRACE(p.autre);
        Pixels a, b;
        ASSERT_TRUE(charger(p.jour, a));
        ASSERT_TRUE(charger(p.autre, b));
        ASSERT_EQ(a.px.size(), b.px.size());
        if (!p.gris) {
            EXPECT_LT(luminance_moyenne(b), luminance_moyenne(a) * 0.7) << "night or storm is not darker";
            continue;
        }
        int ecarts = 0;
        for (size_t i = 0; i < a.px.size(); ++i) {
            const Couleur& g = b.px[i];
            ASSERT_TRUE(g.r == g.g && g.g == g.b) << "colour left in a grey band at pixel " << i;
            ecarts += std::abs(luminance(a.px[i]) - g.r) > 2;
        }
        EXPECT_EQ(ecarts, 0) << "grey band is not the desaturated colour band";
    }
    // The grey ground is the night ground desaturated, but for the few edge pixels moved
    // off the grey key.
    Pixels sol, gris;
    ASSERT_TRUE(charger("Desert_Sol1b.png", sol));
    ASSERT_TRUE(charger("Desert_Sol1a_Gris.png", gris));
    int sol_peint = 0, ecarts = 0;
    for (size_t i = 0; i < sol.px.size(); ++i) {
        if (sol.px[i] == MAGENTA) continue;
        ++sol_peint;
        ecarts += std::abs(luminance(sol.px[i]) - gris.px[i].r) > 2;
    }
    EXPECT_LT(ecarts, sol_peint / 50);
}

Pixels miroir(const Pixels& p, bool vertical) {
    Pixels r = p;
    for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) r.px[size_t(y) * p.w + x] = vertical ? p.at(x, p.h - 1 - y) : p.at(p.w - 1 - x, y);
    return r;
}

TEST(ArtNiveau, ShotsPointWhereTheyFly) {
    Pixels bas, haut, laser, double_laser;
    ASSERT_TRUE(charger("Vaisseau_Tir3.png", bas));
    ASSERT_TRUE(charger("Vaisseau_Tir3a.png", haut));
    ASSERT_TRUE(charger("Vaisseau_Tir1.png", laser));
    ASSERT_TRUE(charger("Vaisseau_Tir2.png", double_laser));
    EXPECT_TRUE(miroir(bas, true).px == haut.px) << "the rising bomb is not the falling one turned over";
    EXPECT_FALSE(bas.px == haut.px);
    // The front-and-rear bolt flies both ways, so it reads the same either way round.
    EXPECT_TRUE(miroir(double_laser, false).px == double_laser.px);
    // The forward bolt has its head on the right and a fading tail on the left.
    int gauche = nb_de(laser, BLEU, 0, 16), droite = nb_de(laser, BLEU, 16, 32);
    EXPECT_GT(gauche, droite);
    // Keyed sprites stand on a transparent background, not only holes inside (the red slot
    // frame is the one picture that is all rim).
    for (const Attendu& a : attendus) {
        std::string nom = a.nom;
        if (!a.avec_cle || nom.rfind("Desert_", 0) == 0 || nom == "Curseur_Rouge.png") continue;
        SCOPED_TRACE(a.nom);
        Pixels p;
        ASSERT_TRUE(charger(a.nom, p));
        EXPECT_TRUE(p.at(0, 0) == a.cle || p.at(p.w - 1, 0) == a.cle || p.at(0, p.h - 1) == a.cle ||
                    p.at(p.w - 1, p.h - 1) == a.cle);
    }
}

std::vector<char> lire_octets(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

TEST(ArtNiveau, RegenerationGivesIdenticalBytes) {
    char a[] = "/tmp/mirage_art_aXXXXXX", b[] = "/tmp/mirage_art_bXXXXXX";
    ASSERT_NE(mkdtemp(a), nullptr);
    ASSERT_NE(mkdtemp(b), nullptr);
    for (const char* d : {a, b}) {
        std::string cmd = std::string("\"") + MIRAGE_ASSETGEN + "\" " + d +
                          " --groupe shell --groupe hud --groupe niveaux > /dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    for (const Attendu& e : attendus) {
        SCOPED_TRACE(e.nom);
        std::vector<char> x = lire_octets(std::string(a) + "/Images/" + e.nom);
        std::vector<char> y = lire_octets(std::string(b) + "/Images/" + e.nom);
        EXPECT_FALSE(x.empty());
        EXPECT_TRUE(x == y);
    }
    std::system((std::string("rm -rf ") + a + " " + b).c_str());
}

}  // namespace
