// Whole levels run in-process on the virtual clock with stand-in pictures and no wave script,
// every frame read back from the screen: the bands' pictures and speeds along the timeline
// (entry run, speed stages, timed scenery change, grey scenery and slowest speed after the
// boss), the entry run's ship, the top bar, level 1's blinking warning, the 200 white frames.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fichiers_factices.h"
#include "level/niveau.h"
#include "level/ressources_niveau.h"
#include "platform/plateforme.h"

namespace {

// Band pictures are told apart by their red channel; every other picture has red 5.
struct ImageBande {
    const char* nom;
    int h;
    Uint8 r;
};
const ImageBande BANDES[] = {
    {"Desert_Haut1a", 400, 10}, {"Desert_Haut1b", 400, 30}, {"Desert_Haut1a_Gris", 400, 50},
    {"Desert_Bas1a", 223, 70},  {"Desert_Bas1b", 223, 90},  {"Desert_Bas1a_gris", 223, 110},
    {"Desert_Sol1a", 67, 130},  {"Desert_Sol1b", 67, 150},  {"Desert_Sol1a_Gris", 67, 170},
    {"Sky1", 400, 190},         {"Sky2", 400, 210},         {"Sky_Gris", 400, 230},
};
Uint8 rouge(const char* nom) {
    for (const ImageBande& b : BANDES)
        if (std::string(b.nom) == nom) return b.r;
    return 0;
}

const Uint32 BARRE = 0x056464, ALERTE_PAIRE = 0x05C801, ALERTE_IMPAIRE = 0x05C802, BLANC = 0x05FAFA,
             VAISSEAU = 0x053C3C, CHARGEMENT = 0x051E1E;

// What one flip showed.
struct Image {
    Uint32 t;
    int bande[3][2];  // rows 100, 300, 450: picture red and scroll offset (-1 when no band)
    Uint32 haut_gauche, alerte, fond_ecran;
    int bord_vaisseau;  // rightmost column of the ship's picture in row 235, or -1
};

Uint32 rgb(SDL_Surface* s, int x, int y) {
    Uint32 p = ((Uint32*)s->pixels)[y * s->pitch / 4 + x];
    Uint8 r, g, b;
    SDL_GetRGB(p, s->format, &r, &g, &b);
    return Uint32(r) << 16 | Uint32(g) << 8 | b;
}

// The band showing in row y: the picture and offset most pixels agree on, so enemies, shots
// and the ship over the band do not matter.
void lire_bande(SDL_Surface* ecran, int y, int sortie[2]) {
    std::map<std::pair<int, int>, int> voix;
    for (int x = 0; x < 640; x += 3) {
        Uint32 p = rgb(ecran, x, y);
        int r = int(p >> 16), colonne = int(p & 0xFFFF) - 1;
        if (r == 5 || colonne < 0 || colonne >= 640) continue;
        ++voix[{r, ((colonne - x) % 640 + 640) % 640}];
    }
    sortie[0] = sortie[1] = -1;
    int meilleur = 0;
    for (auto& [cle, n] : voix)
        if (n > meilleur) {
            meilleur = n;
            sortie[0] = cle.first;
            sortie[1] = cle.second;
        }
}

void observer(SDL_Surface* ecran, uint32_t t, void* donnees) {
    Image i;
    i.t = t;
    const int lignes[3] = {100, 300, 450};
    for (int k = 0; k < 3; ++k) lire_bande(ecran, lignes[k], i.bande[k]);
    i.haut_gauche = rgb(ecran, 0, 0);
    i.alerte = rgb(ecran, 300, 240);
    i.fond_ecran = rgb(ecran, 639, 479);
    i.bord_vaisseau = -1;
    std::vector<Image>* images = (std::vector<Image>*)donnees;
    if (images->size() <= 70)  // the entry run
        for (int x = 0; x < 640; ++x)
            if (rgb(ecran, x, 235) == VAISSEAU) i.bord_vaisseau = x;
    images->push_back(i);
}

// One band of a level as the player sees it: its pictures and its speeds along the timeline.
struct Couche {
    int ligne;  // index in Image::bande
    const char* image;
    const char* image_changee;
    const char* image_grise;
    int entree, debut, milieu, fin, apres_boss;
};

struct Niveau {
    int numero;
    std::vector<Couche> couches;
    Uint32 seuils[2];
    Uint32 changement;
    Uint32 boss;
    bool alerte;
    Uint32 escape;  // a late Escape, should the level fail to end by itself
};

std::vector<Image> jouer(const Niveau& n) {
    std::vector<Image> images;
    SDL_Surface* ecran = factices::ouvrir_ecran_factice();
    factices::RepertoireFactice rep;
    for (int t = 0; t < 4; ++t) rep.remplir(TABLES_RESSOURCES_NIVEAUX[t].entrees, TABLES_RESSOURCES_NIVEAUX[t].nb);
    for (const ImageBande& b : BANDES) rep.image_colonnes(std::string("./Images/") + b.nom + ".png", b.h, b.r);
    for (const char* nom : {"Curseur_Rouge", "Curseur_Noir", "Zero", "Un", "Deux", "Trois", "Quatre", "Cinq", "Six",
                            "Sept", "Huit", "Neuf", "Triangle_Vitesse"})
        rep.image(std::string("./Images/") + nom + ".png", 16, 16, 5, 1, 1);
    auto plat = [&](const char* nom, int w, int h, Uint32 c) {
        rep.image(std::string("./Images/") + nom + ".png", w, h, Uint8(c >> 16), Uint8(c >> 8), Uint8(c));
    };
    plat("Menu_Haut", 640, 80, BARRE);
    plat("Emergency", 400, 100, ALERTE_PAIRE);
    plat("Emergency1", 400, 100, ALERTE_IMPAIRE);
    plat("Blanc", 640, 480, BLANC);
    plat("Vaisseau1", 37, 32, VAISSEAU);
    SDL_Surface* chargement = SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(chargement, NULL, CHARGEMENT);

    plateforme_simuler(1);
    plateforme_script_touche(n.escape, SDLK_ESCAPE, 1);
    plateforme_observer_flips(observer, &images);
    fixer_invincibilite_permanente(1);
    fixer_sans_vagues(1);
    ResultatNiveau* r = n.numero == 1 ? jouer_niveau_1(ecran, 0, 0, 13, chargement)
                                      : jouer_niveau_2(ecran, 0, 0, 13, chargement);
    fixer_invincibilite_permanente(0);
    fixer_sans_vagues(0);
    plateforme_observer_flips(nullptr, nullptr);
    free(r);
    SDL_FreeSurface(chargement);
    return images;
}

void verifier(const Niveau& n) {
    ASSERT_NE(factices::ouvrir_ecran_factice(), nullptr) << SDL_GetError();
    std::vector<Image> images = jouer(n);
    ASSERT_GT(images.size(), 71u);
    // Flip 0: the loading picture; flips 1..70: the entry run, from debut_niveau on.
    EXPECT_EQ(images[0].fond_ecran, CHARGEMENT);
    const Uint32 debut = images[1].t;
    EXPECT_EQ(debut, 1u + (n.numero == 1 ? 3000u : 6000u));
    // Without enemies the boss's ring slot is empty at the boss time: the level is won.
    bool victoire = images.back().haut_gauche == BLANC;
    ASSERT_TRUE(victoire);
    size_t fin_jeu = images.size() - 200;  // first white frame
    for (size_t i = fin_jeu; i < images.size(); ++i) ASSERT_EQ(images[i].fond_ecran, BLANC) << i;
    EXPECT_NE(images[fin_jeu - 1].fond_ecran, BLANC);
    // The boss frame: the first frame of play at or after the boss time; the loop then runs
    // 299 more frames.
    size_t boss = 0;
    for (size_t i = 71; i < fin_jeu && !boss; ++i)
        if (images[i].t - debut >= n.boss) boss = i;
    ASSERT_NE(boss, 0u);
    EXPECT_EQ(fin_jeu - 1 - boss, 299u);

    int blink = 0;
    for (size_t i = 1; i < fin_jeu; ++i) {
        const Image& im = images[i];
        Uint32 e = im.t - debut;
        bool entree = i <= 70, apres = i > boss;
        SCOPED_TRACE("frame " + std::to_string(i) + " at level time " + std::to_string(e));
        ASSERT_EQ(im.haut_gauche, BARRE);
        for (const Couche& c : n.couches) {
            const char* attendue = apres ? c.image_grise : (!entree && e >= n.changement ? c.image_changee : c.image);
            ASSERT_EQ(im.bande[c.ligne][0], rouge(attendue)) << attendue;
            int pas = entree ? c.entree
                      : apres ? c.apres_boss
                      : e < n.seuils[0] ? c.debut
                      : e < n.seuils[1] ? c.milieu
                                        : c.fin;
            int avant = i == 1 ? 0 : images[i - 1].bande[c.ligne][1];
            ASSERT_EQ(im.bande[c.ligne][1], (avant + 2 * pas) % 640) << c.image;
        }
        // The entry run draws the ship's picture from x = -40, 2 pixels further each frame.
        if (entree) {
            int x = -40 + 2 * int(i - 1);
            ASSERT_EQ(im.bord_vaisseau, x + 36 >= 0 ? x + 36 : -1);
        }
        bool alerte = n.alerte && !entree && e >= 134000 && e <= 137000;
        if (alerte) {
            ASSERT_EQ(im.alerte, blink % 2 == 0 ? ALERTE_PAIRE : ALERTE_IMPAIRE);
            ++blink;
        } else {
            ASSERT_NE(im.alerte, ALERTE_PAIRE);
            ASSERT_NE(im.alerte, ALERTE_IMPAIRE);
        }
    }
    if (n.alerte) {
        EXPECT_GE(blink, 3000 / 13);
    }
}

}  // namespace

TEST(NiveauImages, Level1BandsWarningAndEndingAlongTheTimeline) {
    Niveau n{1,
             {{0, "Desert_Haut1a", "Desert_Haut1b", "Desert_Haut1a_Gris", 1, 1, 2, 3, 1},
              {1, "Desert_Bas1a", "Desert_Bas1b", "Desert_Bas1a_gris", 4, 4, 5, 6, 4},
              {2, "Desert_Sol1a", "Desert_Sol1b", "Desert_Sol1a_Gris", 6, 6, 7, 8, 6}},
             {25000, 75000},
             85000,
             139500,
             true,
             3001 + 139500 + 6000};
    verifier(n);
}

TEST(NiveauImages, Level2SkyAlongTheTimeline) {
    Niveau n{2,
             {{0, "Sky1", "Sky2", "Sky_Gris", 3, 3, 4, 5, 1},
              {1, "Sky1", "Sky2", "Sky_Gris", 3, 3, 4, 5, 1},
              {2, "Sky1", "Sky2", "Sky_Gris", 3, 3, 4, 5, 1}},
             {35000, 75000},
             35000,
             122000,
             false,
             6001 + 122000 + 6000};
    verifier(n);
}
