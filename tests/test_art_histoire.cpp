// Story pictures of the asset pack: every file the intro and the interlude load (except the
// loading pictures, made with the shell art) exists at the
// size the scripts need, keyed pictures carry their key, sprite sheets walk, the scrolling
// bands wrap without a seam, and dialogue pictures carry their words.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

enum class Genre {
    Fond,         // full-screen or box picture, nothing special
    Planche32,    // sprite sheet of 32x48 frames
    Planche64,    // sprite sheet of 64x48 frames
    Bande,        // scrolling band: must wrap without a seam
    Portrait,     // a speaker's portrait picture
    Replique,     // a line of dialogue or narration: text over the speaker's panel
    Superpose,    // keyed overlay (part of the picture is the key)
};

struct Attendu {
    const char* fichier;
    int w, h;
    int cle;  // 0xRRGGBB, or -1 when the picture has no key
    Genre genre;
    const char* portrait;  // for a line: the picture shown before it
};

const int BLANC = 0xFFFFFF;
const Attendu ATTENDUS[] = {
    {"Ange.png", 128, 192, BLANC, Genre::Planche32, nullptr},
    {"General.png", 128, 192, BLANC, Genre::Planche32, nullptr},
    {"Gentil.png", 128, 192, BLANC, Genre::Planche32, nullptr},
    {"Gentille.png", 128, 192, BLANC, Genre::Planche32, nullptr},
    {"Mort.png", 128, 192, BLANC, Genre::Planche32, nullptr},
    {"Mort_Gentil.png", 128, 192, BLANC, Genre::Planche32, nullptr},
    {"Mort_Gentil1.png", 128, 192, BLANC, Genre::Planche32, nullptr},
    {"Soldat.png", 128, 192, BLANC, Genre::Planche32, nullptr},
    {"Serpent.png", 256, 192, BLANC, Genre::Planche64, nullptr},
    {"Serpent_Mord.png", 256, 192, BLANC, Genre::Planche64, nullptr},
    {"Base1.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Base2.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Base3.png", 640, 480, -1, Genre::Fond, nullptr},
    {"lumiere.png", 640, 480, 0x1925F2, Genre::Superpose, nullptr},
    {"Bloc_Milieu.png", 640, 480, 0x3CCEFF, Genre::Superpose, nullptr},
    {"Paysage.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Paysage1.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Couloir.png", 640, 480, 0xFF00FF, Genre::Bande, nullptr},
    {"desert1.png", 640, 480, -1, Genre::Fond, nullptr},
    {"desert2.png", 640, 480, -1, Genre::Fond, nullptr},
    {"desert3.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau1.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau1a.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau1b.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau1c.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau1d.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau_Adieu.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau_Adieu1.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau_Adieu2.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau_Adieu3.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau_Adieu4.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau_Adieu5.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Desert_Vaisseau_Adieu6.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Blanc.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Blanc1.png", 640, 480, -1, Genre::Bande, nullptr},
    {"Mythique.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Cruel.png", 640, 480, -1, Genre::Fond, nullptr},
    {"End_Intro.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Vieux3.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Journal1.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Journal2.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Journal3.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Journal4.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Journal5.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Journal6.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Journal7.png", 640, 480, -1, Genre::Fond, nullptr},
    {"Journal71.png", 640, 480, 0xFF8080, Genre::Superpose, nullptr},
    {"Journal72.png", 640, 480, 0xFF8080, Genre::Superpose, nullptr},
    {"Journal73.png", 640, 480, 0xFF8080, Genre::Superpose, nullptr},
    {"Journal74.png", 640, 480, 0xFF8080, Genre::Superpose, nullptr},
    {"Olek.png", 640, 200, -1, Genre::Portrait, nullptr},
    {"dorvin.png", 640, 200, -1, Genre::Portrait, nullptr},
    {"sabri.png", 640, 200, -1, Genre::Portrait, nullptr},
    {"Narrateur.png", 640, 200, -1, Genre::Portrait, nullptr},
    {"Olek-1.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-2.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-3.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-4.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-5.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-6.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-7.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-8.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-9.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-10.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-11.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-12.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-13.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-14.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"Olek-15.png", 640, 200, -1, Genre::Replique, "Olek.png"},
    {"dorvin1.png", 640, 200, -1, Genre::Replique, "dorvin.png"},
    {"dorvin2.png", 640, 200, -1, Genre::Replique, "dorvin.png"},
    {"dorvin3.png", 640, 200, -1, Genre::Replique, "dorvin.png"},
    {"dorvin4.png", 640, 200, -1, Genre::Replique, "dorvin.png"},
    {"dorvin5.png", 640, 200, -1, Genre::Replique, "dorvin.png"},
    {"dorvin6.png", 640, 200, -1, Genre::Replique, "dorvin.png"},
    {"dorvin7.png", 640, 200, -1, Genre::Replique, "dorvin.png"},
    {"dorvin8.png", 640, 200, -1, Genre::Replique, "dorvin.png"},
    {"dorvin9.png", 640, 200, -1, Genre::Replique, "dorvin.png"},
    {"dorvin10.png", 640, 200, -1, Genre::Replique, "dorvin.png"},
    {"dorvin11.png", 640, 200, -1, Genre::Replique, "dorvin.png"},
    {"sabri1.png", 640, 200, -1, Genre::Replique, "sabri.png"},
    {"sabri2.png", 640, 200, -1, Genre::Replique, "sabri.png"},
    {"sabri3.png", 640, 200, -1, Genre::Replique, "sabri.png"},
    {"sabri4.png", 640, 200, -1, Genre::Replique, "sabri.png"},
    {"sabri5.png", 640, 200, -1, Genre::Replique, "sabri.png"},
    {"sabri6.png", 640, 200, -1, Genre::Replique, "sabri.png"},
    {"Narrateur1.png", 640, 200, -1, Genre::Replique, "Narrateur.png"},
    {"Narrateur2.png", 640, 200, -1, Genre::Replique, "Narrateur.png"},
    {"Narrateur3.png", 640, 200, -1, Genre::Replique, "Narrateur.png"},
};

// A picture read back as 0xRRGGBB values, whatever format SDL_image gave.
struct Pixels {
    int w = 0, h = 0;
    std::vector<int> p;
    int at(int x, int y) const { return p[size_t(y) * w + x]; }
};

bool lire(const std::string& chemin, Pixels& out) {
    SDL_Surface* s = IMG_Load(chemin.c_str());
    if (!s) return false;
    SDL_Surface* c = SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
    SDL_Surface* conv = SDL_ConvertSurface(s, c->format, SDL_SWSURFACE);
    out.w = s->w;
    out.h = s->h;
    out.p.resize(size_t(out.w) * out.h);
    SDL_LockSurface(conv);
    for (int y = 0; y < out.h; ++y) {
        const Uint32* ligne = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(conv->pixels) + y * conv->pitch);
        for (int x = 0; x < out.w; ++x) out.p[size_t(y) * out.w + x] = int(ligne[x] & 0xFFFFFF);
    }
    SDL_UnlockSurface(conv);
    SDL_FreeSurface(conv);
    SDL_FreeSurface(c);
    SDL_FreeSurface(s);
    return true;
}

std::string image(const char* nom) { return std::string("Images/") + nom; }

int ecart(int a, int b) {
    return std::abs(((a >> 16) & 255) - ((b >> 16) & 255)) + std::abs(((a >> 8) & 255) - ((b >> 8) & 255)) +
           std::abs((a & 255) - (b & 255));
}

// Sum of colour differences between two columns of a picture.
long ecart_colonnes(const Pixels& im, int xa, int xb) {
    long d = 0;
    for (int y = 0; y < im.h; ++y) d += ecart(im.at(xa, y), im.at(xb, y));
    return d;
}

bool cadre_vide(const Pixels& im, int x0, int y0, int w, int h, int cle) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (im.at(x, y) != cle) return false;
    return true;
}

bool cadres_egaux(const Pixels& im, int xa, int xb, int y0, int w, int h) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = 0; x < w; ++x)
            if (im.at(xa + x, y) != im.at(xb + x, y)) return false;
    return true;
}

}  // namespace

// Every story picture is there at its size, and keyed pictures use their key.
TEST(ArtHistoire, chaque_image_existe_a_sa_taille_avec_sa_cle) {
    for (const Attendu& a : ATTENDUS) {
        SCOPED_TRACE(a.fichier);
        Pixels im;
        ASSERT_TRUE(lire(image(a.fichier), im)) << IMG_GetError();
        EXPECT_EQ(im.w, a.w);
        EXPECT_EQ(im.h, a.h);
        if (a.cle >= 0) {
            EXPECT_NE(std::find(im.p.begin(), im.p.end(), a.cle), im.p.end()) << "key colour missing";
        }
    }
}

// Sheets: every frame holds a figure, the strides differ from the standing column, the
// white key never appears inside a figure's edge as a near-white fringe.
TEST(ArtHistoire, planches_animees_et_sans_frange) {
    for (const Attendu& a : ATTENDUS) {
        if (a.genre != Genre::Planche32 && a.genre != Genre::Planche64) continue;
        SCOPED_TRACE(a.fichier);
        Pixels im;
        ASSERT_TRUE(lire(image(a.fichier), im));
        int fw = a.genre == Genre::Planche32 ? 32 : 64;
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c) EXPECT_FALSE(cadre_vide(im, c * fw, r * 48, fw, 48, a.cle)) << "row " << r << " col " << c;
            EXPECT_FALSE(cadres_egaux(im, fw, 0, r * 48, fw, 48)) << "row " << r << ": column 1 equals column 0";
            EXPECT_FALSE(cadres_egaux(im, 3 * fw, 0, r * 48, fw, 48)) << "row " << r << ": column 3 equals column 0";
        }
        int franges = 0;
        for (int y = 0; y < im.h; ++y)
            for (int x = 0; x < im.w; ++x) {
                int v = im.at(x, y);
                if (v != a.cle && ecart(v, a.cle) < 30) ++franges;
            }
        EXPECT_EQ(franges, 0) << "near-white pixels would show as a fringe";
    }
}

// Rows of a sheet face their direction: the left row is the right row mirrored in spirit,
// so the two rows must not be identical, nor the down row equal to the up row.
TEST(ArtHistoire, planches_quatre_directions_distinctes) {
    for (const Attendu& a : ATTENDUS) {
        if (a.genre != Genre::Planche32 && a.genre != Genre::Planche64) continue;
        SCOPED_TRACE(a.fichier);
        Pixels im;
        ASSERT_TRUE(lire(image(a.fichier), im));
        auto lignes_egales = [&](int ra, int rb) {
            for (int y = 0; y < 48; ++y)
                for (int x = 0; x < im.w; ++x)
                    if (im.at(x, ra * 48 + y) != im.at(x, rb * 48 + y)) return false;
            return true;
        };
        EXPECT_FALSE(lignes_egales(0, 3));
        EXPECT_FALSE(lignes_egales(1, 2));
        EXPECT_FALSE(lignes_egales(0, 1));
    }
}

// The corridor and the white room scroll: the wrap from column 639 to column 0 must be no
// worse than the ordinary neighbouring columns of the picture.
TEST(ArtHistoire, bandes_sans_couture) {
    for (const Attendu& a : ATTENDUS) {
        if (a.genre != Genre::Bande) continue;
        SCOPED_TRACE(a.fichier);
        Pixels im;
        ASSERT_TRUE(lire(image(a.fichier), im));
        std::vector<long> voisins;
        for (int x = 0; x + 1 < im.w; ++x) voisins.push_back(ecart_colonnes(im, x, x + 1));
        std::sort(voisins.begin(), voisins.end());
        long p90 = voisins[voisins.size() * 9 / 10];
        EXPECT_LE(ecart_colonnes(im, im.w - 1, 0), p90);
    }
}

// The corridor's windows are see-through: a large part of its upper half is the key, its
// floor (where the figures stand, y 241..278 for the feet) is solid.
TEST(ArtHistoire, couloir_fenetres_et_sol) {
    Pixels im;
    ASSERT_TRUE(lire(image("Couloir.png"), im));
    long fenetre = 0, sol_transparent = 0;
    for (int y = 0; y < 230; ++y)
        for (int x = 0; x < 640; ++x) fenetre += im.at(x, y) == 0xFF00FF;
    for (int y = 236; y < 480; ++y)
        for (int x = 0; x < 640; ++x) sol_transparent += im.at(x, y) == 0xFF00FF;
    EXPECT_GT(fenetre, 640 * 230 / 4);
    EXPECT_EQ(sol_transparent, 0);
}

// Dialogue and narration: a line shows words, so it differs clearly from the picture shown
// before it, and its text area holds many light text pixels on the dark panel.
TEST(ArtHistoire, repliques_portent_du_texte) {
    for (const Attendu& a : ATTENDUS) {
        if (a.genre != Genre::Replique) continue;
        SCOPED_TRACE(a.fichier);
        Pixels ligne, avant;
        ASSERT_TRUE(lire(image(a.fichier), ligne));
        ASSERT_TRUE(lire(image(a.portrait), avant));
        long differents = 0, clairs = 0;
        for (size_t i = 0; i < ligne.p.size(); ++i) differents += ligne.p[i] != avant.p[i];
        for (int y = 40; y < 190; ++y)
            for (int x = 130; x < 620; ++x) {
                int v = ligne.at(x, y);
                clairs += ((v >> 16) & 255) + ((v >> 8) & 255) + (v & 255) > 600;
            }
        EXPECT_GT(differents, 2000);
        EXPECT_GT(clairs, 800) << "too few text pixels";
    }
}

// Different lines are different pictures (no line was written twice by mistake).
TEST(ArtHistoire, repliques_toutes_distinctes) {
    std::vector<std::vector<int>> vues;
    for (const Attendu& a : ATTENDUS) {
        if (a.genre != Genre::Replique) continue;
        Pixels im;
        ASSERT_TRUE(lire(image(a.fichier), im));
        for (const auto& v : vues) EXPECT_NE(v, im.p) << a.fichier << " repeats an earlier line";
        vues.push_back(im.p);
    }
}

// The newspaper over the ship spins away in stages: each overlay covers less of the ship
// than the one before, and the screen corners always show the ship.
TEST(ArtHistoire, journal_sur_vaisseau_s_eloigne) {
    const char* etapes[] = {"Journal71.png", "Journal72.png", "Journal73.png", "Journal74.png"};
    long avant = 640L * 480;
    for (const char* e : etapes) {
        SCOPED_TRACE(e);
        Pixels im;
        ASSERT_TRUE(lire(image(e), im));
        long papier = 0;
        for (int v : im.p) papier += v != 0xFF8080;
        EXPECT_GT(papier, 0);
        EXPECT_LT(papier, avant);
        avant = papier;
        EXPECT_EQ(im.at(0, 0), 0xFF8080);
        EXPECT_EQ(im.at(639, 479), 0xFF8080);
    }
}

// Animations change from frame to frame: the base, the landscape, the desert shimmer, the
// ship's lights, the farewell and the newspaper spin.
TEST(ArtHistoire, animations_changent_d_image) {
    const std::vector<std::vector<const char*>> suites = {
        {"Base1.png", "Base2.png", "Base3.png"},
        {"Paysage.png", "Paysage1.png"},
        {"desert1.png", "desert2.png"},
        {"Desert_Vaisseau1.png", "Desert_Vaisseau1a.png", "Desert_Vaisseau1b.png", "Desert_Vaisseau1c.png",
         "Desert_Vaisseau1d.png"},
        {"Desert_Vaisseau_Adieu1.png", "Desert_Vaisseau_Adieu2.png", "Desert_Vaisseau_Adieu3.png",
         "Desert_Vaisseau_Adieu4.png", "Desert_Vaisseau_Adieu5.png", "Desert_Vaisseau_Adieu6.png"},
        {"Journal1.png", "Journal2.png", "Journal3.png", "Journal4.png", "Journal5.png", "Journal6.png"},
    };
    for (const auto& suite : suites)
        for (size_t i = 1; i < suite.size(); ++i) {
            SCOPED_TRACE(suite[i]);
            Pixels a, b;
            ASSERT_TRUE(lire(image(suite[i - 1]), a));
            ASSERT_TRUE(lire(image(suite[i]), b));
            EXPECT_NE(a.p, b.p);
        }
}

// The interlude's white shots (and the levels' victory flash) show the white light of Olek's
// dream, not a blank page: nearly white overall, with a warm shaft where he stands (his figure
// at x 157 to 189, feet at y 320) against the cooler white around it.
TEST(ArtHistoire, la_lumiere_blanche_tombe_sur_olek) {
    Pixels im;
    ASSERT_TRUE(lire(image("Blanc.png"), im));
    long lum = 0;
    std::vector<int> couleurs;
    for (int c : im.p) {
        lum += ((c >> 16) & 255) + ((c >> 8) & 255) + (c & 255);
        couleurs.push_back(c);
    }
    std::sort(couleurs.begin(), couleurs.end());
    EXPECT_GT(lum / (3 * long(im.p.size())), 225) << "not a white light";
    EXPECT_GT(std::unique(couleurs.begin(), couleurs.end()) - couleurs.begin(), 6) << "a blank page";
    auto chaleur = [&](int x0, int y0) {  // red minus blue over a 16 x 16 patch
        long d = 0;
        for (int y = y0; y < y0 + 16; ++y)
            for (int x = x0; x < x0 + 16; ++x) d += ((im.at(x, y) >> 16) & 255) - (im.at(x, y) & 255);
        return d / 256;
    };
    for (int y : {40, 150, 260}) {
        EXPECT_GT(chaleur(165, y), chaleur(520, y) + 8) << "no light over Olek at y " << y;
        EXPECT_GT(chaleur(165, y), chaleur(40, y) + 8) << "the light is not his own at y " << y;
    }
}

#ifdef MIRAGE_ASSETGEN
// The story group is deterministic: a fresh run writes the same bytes as the build did.
TEST(ArtHistoire, deux_passes_memes_octets) {
    char modele[] = "/tmp/mirage_histoire_XXXXXX";
    ASSERT_NE(mkdtemp(modele), nullptr);
    std::string dossier = modele;
    std::string cmd = std::string(MIRAGE_ASSETGEN) + " " + dossier + " --groupe histoires > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    auto octets = [](const std::string& p) {
        std::ifstream f(p, std::ios::binary);
        return std::vector<char>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    };
    for (const Attendu& a : ATTENDUS) {
        SCOPED_TRACE(a.fichier);
        std::vector<char> neuf = octets(dossier + "/Images/" + a.fichier);
        EXPECT_FALSE(neuf.empty());
        EXPECT_TRUE(neuf == octets(image(a.fichier)));
    }
    EXPECT_EQ(std::system(("rm -rf " + dossier).c_str()), 0);
}
#endif
