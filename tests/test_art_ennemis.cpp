// Enemy art of the generated pack: every enemy, boss, flash, bonus item, module and enemy shot
// picture loads at its size, keys its transparent area with exactly its colour, has no
// near-key fringe, flashes brighter on the same silhouette and animates visibly.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

struct Couleur {
    int r, g, b;
};
constexpr Couleur MAGENTA{255, 0, 255}, VERT{0, 255, 0}, FLASH29{255, 29, 255}, FLASH40{255, 40, 255};

// One picture of the enemy group: name, size, key, and for a hit flash the sprite it brightens.
struct Fiche {
    const char* nom;
    int w, h;
    Couleur cle;
    const char* base;
};

const Fiche FICHES[] = {
    {"Octopus.png", 48, 48, MAGENTA, nullptr},          {"Octopus1.png", 48, 48, MAGENTA, nullptr},
    {"Octopus_Flash.png", 48, 48, FLASH29, "Octopus.png"}, {"Octopus1_Flash.png", 48, 48, FLASH29, "Octopus1.png"},
    {"Mechant_Bonus.png", 48, 24, MAGENTA, nullptr},    {"Mechant_Bonus1.png", 48, 24, MAGENTA, nullptr},
    {"Bonus_1.png", 48, 24, MAGENTA, nullptr},          {"Bonus_2.png", 48, 24, MAGENTA, nullptr},
    {"Bonus_3.png", 48, 24, MAGENTA, nullptr},          {"Module1.png", 32, 28, VERT, nullptr},
    {"Module2.png", 32, 28, VERT, nullptr},             {"Module3.png", 32, 28, VERT, nullptr},
    {"Module4.png", 32, 28, VERT, nullptr},             {"TorpilleG.png", 60, 30, MAGENTA, nullptr},
    {"Torpille.png", 60, 30, MAGENTA, nullptr},         {"TorpilleG_Flash.png", 60, 30, FLASH29, "TorpilleG.png"},
    {"Torpille_Flash.png", 60, 30, FLASH29, "Torpille.png"},
    {"Ennemi_Desert.png", 64, 32, MAGENTA, nullptr},    {"Ennemi_Desert_Flash.png", 64, 32, FLASH29, "Ennemi_Desert.png"},
    {"Muloi.png", 80, 48, MAGENTA, nullptr},            {"Muloi1.png", 80, 48, MAGENTA, nullptr},
    {"Muloi_Flash.png", 80, 48, FLASH29, "Muloi.png"},  {"Muloi1_Flash.png", 80, 48, FLASH29, "Muloi1.png"},
    {"Boss1.png", 300, 332, MAGENTA, nullptr},          {"Boss1a.png", 300, 332, MAGENTA, nullptr},
    {"Boss1_Flash.png", 300, 332, FLASH29, "Boss1.png"}, {"Boss1a_Flash.png", 300, 332, FLASH29, "Boss1a.png"},
    {"Demo_Grisor1a.png", 128, 74, MAGENTA, nullptr},   {"Demo_Grisor1b.png", 128, 74, MAGENTA, nullptr},
    {"Demo_Grisor1a_Flash.png", 128, 74, FLASH40, "Demo_Grisor1a.png"},
    {"Demo_Grisor1b_Flash.png", 128, 74, FLASH40, "Demo_Grisor1b.png"},
    {"Demo_Boss1a.png", 258, 173, MAGENTA, nullptr},    {"Demo_Boss1a_Flash.png", 258, 173, FLASH40, "Demo_Boss1a.png"},
    {"Boss2.png", 352, 386, MAGENTA, nullptr},          {"Boss2a.png", 352, 386, MAGENTA, nullptr},
    {"Boss2_Flash.png", 352, 386, FLASH40, "Boss2.png"}, {"Boss2a_Flash.png", 352, 386, FLASH40, "Boss2a.png"},
    {"Ennemi_Tir1.png", 16, 16, MAGENTA, nullptr},      {"Ennemi_Tir1a.png", 16, 16, MAGENTA, nullptr},
    {"Ennemi_Tir2a.png", 64, 14, MAGENTA, nullptr},     {"Ennemi_Tir3a.png", 16, 16, MAGENTA, nullptr},
    {"Ennemi_Tir3b.png", 16, 16, MAGENTA, nullptr},     {"Demo_Tir1.png", 24, 24, MAGENTA, nullptr},
    {"Demo_Tir1a.png", 24, 24, MAGENTA, nullptr},
};

// Pictures that take turns on screen (animation frames) or must be told apart (bonus kinds).
const char* const PAIRES[][2] = {
    {"Octopus.png", "Octopus1.png"},         {"Mechant_Bonus.png", "Mechant_Bonus1.png"},
    {"Muloi.png", "Muloi1.png"},             {"Boss1.png", "Boss1a.png"},
    {"Demo_Grisor1a.png", "Demo_Grisor1b.png"}, {"Boss2.png", "Boss2a.png"},
    {"Ennemi_Tir1.png", "Ennemi_Tir1a.png"}, {"Ennemi_Tir3a.png", "Ennemi_Tir3b.png"},
    {"Demo_Tir1.png", "Demo_Tir1a.png"},     {"Module1.png", "Module2.png"},
    {"Module2.png", "Module3.png"},          {"Module3.png", "Module4.png"},
    {"Module4.png", "Module1.png"},          {"Bonus_1.png", "Bonus_2.png"},
    {"Bonus_2.png", "Bonus_3.png"},          {"Bonus_1.png", "Bonus_3.png"},
};

// Where the level scripts launch shots, relative to the shooter's corner: the art must have a
// gun there (some sprite pixel within 8 pixels of the shot's rectangle).
struct Bouche {
    const char* nom;
    int x, y, w, h;
};
const Bouche BOUCHES[] = {
    {"Boss1.png", 40, 45, 16, 16},         {"Boss1.png", 75, 134, 16, 16},      {"Boss1.png", 154, 64, 16, 16},
    {"Demo_Boss1a.png", 25, 77, 16, 16},   {"Boss2a.png", 138, 76, 24, 24},     {"Boss2a.png", 138, 282, 24, 24},
    {"Demo_Grisor1b.png", -6, 45, 16, 16}, {"Demo_Grisor1b.png", 118, 45, 16, 16}, {"Muloi.png", 5, -10, 16, 16},
    {"Ennemi_Desert.png", -40, 25, 64, 14},
};

struct Pixels {
    int w = 0, h = 0;
    std::vector<Couleur> c;
    const Couleur& at(int x, int y) const { return c[size_t(y) * w + x]; }
};

bool egal(const Couleur& a, const Couleur& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
int ecart(const Couleur& a, const Couleur& b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

std::string chemin_image(const std::string& nom) { return std::string(MIRAGE_RUN_DIR) + "/Images/" + nom; }

// Loads through SDL_image, as the game does, and reads every pixel back as RGB. Takes a C string:
// with a std::string built for the call, GCC 14 would warn that the reference may dangle.
const Pixels& charger(const char* nom) {
    static std::map<std::string, Pixels> cache;
    auto it = cache.find(nom);
    if (it != cache.end()) return it->second;
    Pixels p;
    SDL_Surface* s = IMG_Load(chemin_image(nom).c_str());
    if (s) {
        p.w = s->w, p.h = s->h;
        if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
        const int bpp = s->format->BytesPerPixel;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x) {
                const Uint8* q = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * bpp;
                Uint32 v = 0;
                for (int k = 0; k < bpp; ++k)
                    v |= Uint32(q[k]) << (SDL_BYTEORDER == SDL_LIL_ENDIAN ? 8 * k : 8 * (bpp - 1 - k));
                Uint8 r, g, b;
                SDL_GetRGB(v, s->format, &r, &g, &b);
                p.c.push_back({r, g, b});
            }
        if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
        SDL_FreeSurface(s);
    }
    return cache[nom] = p;
}

const Fiche* fiche(const std::string& nom) {
    for (const Fiche& f : FICHES)
        if (nom == f.nom) return &f;
    return nullptr;
}

double luminance_moyenne(const Pixels& p, const Couleur& cle) {
    double somme = 0;
    long n = 0;
    for (const Couleur& c : p.c)
        if (!egal(c, cle)) somme += 0.3 * c.r + 0.59 * c.g + 0.11 * c.b, ++n;
    return n ? somme / n : 0;
}

TEST(ArtEnnemis, ChaqueImageExisteATailleEtCle) {
    for (const Fiche& f : FICHES) {
        SCOPED_TRACE(f.nom);
        const Pixels& p = charger(f.nom);
        ASSERT_EQ(p.w, f.w);
        ASSERT_EQ(p.h, f.h);
        long cle = std::count_if(p.c.begin(), p.c.end(), [&](const Couleur& c) { return egal(c, f.cle); });
        EXPECT_GT(cle, 0) << "no transparent area";
        // A sprite, not an empty frame: a fair share of it is drawn.
        EXPECT_GT(long(p.c.size()) - cle, long(p.c.size()) / 8) << "almost nothing drawn";
        // The key must frame the sprite: the four corners are transparent.
        EXPECT_TRUE(egal(p.at(0, 0), f.cle) || egal(p.at(f.w - 1, 0), f.cle) || egal(p.at(0, f.h - 1), f.cle) ||
                    egal(p.at(f.w - 1, f.h - 1), f.cle));
    }
}

TEST(ArtEnnemis, AucuneFrangeProcheDeLaCle) {
    // A colour a few steps from the key would show as a pink (or green) halo round the sprite:
    // none may appear anywhere, nor a colour close to one of the other enemy keys.
    for (const Fiche& f : FICHES) {
        SCOPED_TRACE(f.nom);
        const Pixels& p = charger(f.nom);
        ASSERT_EQ(p.w, f.w);
        int fautes = 0;
        for (const Couleur& c : p.c)
            if (!egal(c, f.cle) && ecart(c, f.cle) <= 48) ++fautes;
        EXPECT_EQ(fautes, 0);
        for (const Couleur& autre : {MAGENTA, FLASH29, FLASH40}) {
            if (egal(autre, f.cle)) continue;
            for (const Couleur& c : p.c)
                if (!egal(c, f.cle)) {
                    ASSERT_GT(ecart(c, autre), 24) << "a foreign key colour in the picture";
                }
        }
    }
}

TEST(ArtEnnemis, FlashPlusClairSurLaMemeSilhouette) {
    int flashes = 0;
    for (const Fiche& f : FICHES) {
        if (!f.base) continue;
        SCOPED_TRACE(f.nom);
        ++flashes;
        const Fiche* b = fiche(f.base);
        ASSERT_NE(b, nullptr);
        const Pixels& eclair = charger(f.nom);
        const Pixels& base = charger(b->nom);
        ASSERT_EQ(eclair.c.size(), base.c.size());
        for (size_t i = 0; i < base.c.size(); ++i)
            ASSERT_EQ(egal(eclair.c[i], f.cle), egal(base.c[i], b->cle)) << "silhouette differs at pixel " << i;
        EXPECT_GT(luminance_moyenne(eclair, f.cle), luminance_moyenne(base, b->cle) + 30.0);
    }
    EXPECT_EQ(flashes, 14);
}

TEST(ArtEnnemis, LesImagesQuiAlternentSeDistinguent) {
    for (auto& paire : PAIRES) {
        SCOPED_TRACE(std::string(paire[0]) + " / " + paire[1]);
        const Pixels& a = charger(paire[0]);
        const Pixels& b = charger(paire[1]);
        ASSERT_EQ(a.c.size(), b.c.size());
        ASSERT_FALSE(a.c.empty());
        long differents = 0;
        for (size_t i = 0; i < a.c.size(); ++i)
            if (ecart(a.c[i], b.c[i]) > 24) ++differents;
        // Visible at play speed: at least 1% of the picture, and never a handful of pixels.
        EXPECT_GE(differents, std::max<long>(30, long(a.c.size()) / 100));
    }
}

TEST(ArtEnnemis, LesTorpillesSeFontFace) {
    // The warhead is narrow, the finned tail tall: Torpille flies left (nose on the left),
    // TorpilleG enters from the left facing right.
    auto hauteur_max = [](const Pixels& p, int x0, int x1) {
        int m = 0;
        for (int x = x0; x < x1; ++x) {
            int n = 0;
            for (int y = 0; y < p.h; ++y) n += !egal(p.at(x, y), MAGENTA);
            m = std::max(m, n);
        }
        return m;
    };
    const Pixels& gauche = charger("Torpille.png");
    const Pixels& droite = charger("TorpilleG.png");
    ASSERT_EQ(gauche.w, 60);
    ASSERT_EQ(droite.w, 60);
    EXPECT_LT(hauteur_max(gauche, 0, 12), hauteur_max(gauche, 44, 60) - 8);
    EXPECT_LT(hauteur_max(droite, 48, 60), hauteur_max(droite, 0, 16) - 8);
}

TEST(ArtEnnemis, LesTirsPartentDUnCanon) {
    for (const Bouche& b : BOUCHES) {
        SCOPED_TRACE(b.nom);
        const Pixels& p = charger(b.nom);
        const Fiche* f = fiche(b.nom);
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(p.w, f->w);
        int dessines = 0;
        for (int y = std::max(0, b.y - 8); y < std::min(p.h, b.y + b.h + 8); ++y)
            for (int x = std::max(0, b.x - 8); x < std::min(p.w, b.x + b.w + 8); ++x)
                dessines += !egal(p.at(x, y), f->cle);
        EXPECT_GT(dessines, 8);
    }
}

TEST(ArtEnnemis, RegenererDonneLesMemesOctets) {
    const std::string dossier = testing::TempDir() + "art_ennemis_bis";
    const std::string commande = std::string("\"") + MIRAGE_ASSETGEN + "\" \"" + dossier + "\" --groupe ennemis > /dev/null";
    ASSERT_EQ(std::system(commande.c_str()), 0);
    auto lire = [](const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    for (const Fiche& f : FICHES) {
        SCOPED_TRACE(f.nom);
        std::string a = lire(chemin_image(f.nom)), b = lire(dossier + "/Images/" + f.nom);
        ASSERT_FALSE(a.empty());
        EXPECT_TRUE(a == b);
    }
}

}  // namespace
