// The top bar: five score digits with leading zeros, weapon slots (red frame, nothing, black
// cover), speed triangles and the lives digit, checked on the pixels of a bar rendered from
// one-colour test pictures; and the loading and release of its pictures.
#include <gtest/gtest.h>

#include <string>

#include "combat/monde.h"
#include "fichiers_factices.h"
#include "level/menu_haut.h"
#include "ship/vaisseau.h"

namespace {

SDL_Surface* surface(int w, int h, Uint32 couleur) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    SDL_FillRect(s, NULL, couleur);
    return s;
}

Uint32 pixel(SDL_Surface* s, int x, int y) { return ((Uint32*)s->pixels)[y * s->pitch / 4 + x]; }

const Uint32 FOND = 0x102030, NOIR_CACHE = 0x404040, ROUGE = 0xFF0000, TRIANGLE = 0x00FF80;
Uint32 couleur_chiffre(int k) { return 0x800000 + Uint32(k) * 0x10; }

struct Barre : ::testing::Test {
    MenuHaut menu{};
    SDL_Surface* ecran = surface(640, 480, 0);
    Vaisseau* vaisseau = nullptr;
    Monde monde{};

    void SetUp() override {
        menu.fond = surface(640, 80, FOND);
        // The red frame: a 3-pixel red border around a black (transparent) middle.
        menu.curseur_rouge = surface(32, 32, ROUGE);
        SDL_Rect milieu = {3, 3, 26, 26};
        SDL_FillRect(menu.curseur_rouge, &milieu, 0);
        SDL_SetColorKey(menu.curseur_rouge, SDL_SRCCOLORKEY, 0);
        menu.curseur_noir = surface(32, 32, NOIR_CACHE);
        SDL_Surface** chiffres[10] = {&menu.zero, &menu.un,  &menu.deux, &menu.trois, &menu.quatre,
                                      &menu.cinq, &menu.six, &menu.sept, &menu.huit,  &menu.neuf};
        for (int k = 0; k < 10; ++k) *chiffres[k] = surface(16, 16, couleur_chiffre(k));
        menu.triangle_vitesse = surface(12, 16, TRIANGLE);
        preparer_menu_haut(&menu);
        // A new ship as every level creates it.
        vaisseau = creer_vaisseau({100, 220, 37, 32}, 5, 50, nullptr, 0, nullptr, 12, 75, 3, 3);
        monde.vaisseau = vaisseau;
    }
    void TearDown() override {
        detruire_vaisseau(vaisseau);
        SDL_Surface* toutes[] = {menu.fond,   menu.curseur_rouge, menu.curseur_noir, menu.zero, menu.un,
                                 menu.deux,   menu.trois,         menu.quatre,       menu.cinq, menu.six,
                                 menu.sept,   menu.huit,          menu.neuf,         menu.triangle_vitesse};
        for (SDL_Surface* s : toutes) SDL_FreeSurface(s);
        free(menu.chiffres);
        SDL_FreeSurface(ecran);
    }
    void dessiner() {
        SDL_FillRect(ecran, NULL, 0);
        afficher_menu_haut(&menu, &monde, ecran);
    }
    // The digit shown in the 16 x 16 square at (x, y), or -1.
    int chiffre_a(int x, int y) {
        Uint32 p = pixel(ecran, x + 8, y + 8);
        for (int k = 0; k < 10; ++k)
            if (p == couleur_chiffre(k) && pixel(ecran, x, y) == p && pixel(ecran, x + 15, y + 15) == p) return k;
        return -1;
    }
    std::string score_affiche() {
        std::string r;
        for (int i = 0; i < 5; ++i) {
            int k = chiffre_a(143 + 16 * i, 41);
            r += k < 0 ? '?' : char('0' + k);
        }
        return r;
    }
    // What covers weapon slot i: 'R' red frame (with the bar showing through its middle),
    // 'N' black cover, '.' the bar alone.
    char case_arme(int i) {
        int x = 272 + 48 * i, y = 32;
        Uint32 bord = pixel(ecran, x, y), milieu = pixel(ecran, x + 16, y + 16);
        if (bord == ROUGE && pixel(ecran, x + 31, y + 31) == ROUGE && milieu == FOND) return 'R';
        if (bord == NOIR_CACHE && milieu == NOIR_CACHE && pixel(ecran, x + 31, y + 31) == NOIR_CACHE) return 'N';
        if (bord == FOND && milieu == FOND) return '.';
        return '?';
    }
    std::string cases_armes() {
        std::string r;
        for (int i = 0; i < 5; ++i) r += case_arme(i);
        return r;
    }
    int triangles() {
        int n = 0;
        for (int x = 0; x < 640; ++x)
            if (pixel(ecran, x, 56) == TRIANGLE) ++n;
        return n / 12;
    }
};

}  // namespace

TEST_F(Barre, TheScoreShowsFiveDigitsWithLeadingZeros) {
    for (auto [score, attendu] : {std::pair{0, "00000"}, {1234, "01234"}, {99999, "99999"}, {40506, "40506"},
                                  {9, "00009"}, {10000, "10000"}}) {
        monde.score = score;
        dessiner();
        EXPECT_EQ(score_affiche(), attendu) << score;
    }
}

TEST_F(Barre, AtTheStartOfALevelTheFirstWeaponIsFramedAndTheUnownedOnesCovered) {
    dessiner();
    EXPECT_EQ(cases_armes(), "R.NNN");
    EXPECT_EQ(chiffre_a(592, 32), 5);
    EXPECT_EQ(triangles(), 1);
    // The bar itself covers the top 80 rows and nothing below.
    EXPECT_EQ(pixel(ecran, 0, 0), FOND);
    EXPECT_EQ(pixel(ecran, 639, 79), FOND);
    EXPECT_EQ(pixel(ecran, 0, 80), 0u);
    EXPECT_EQ(pixel(ecran, 639, 80), 0u);
}

TEST_F(Barre, WeaponSlotsFollowTheOwnedWeaponsAndTheSelection) {
    vaisseau->armes[3] = 1;
    vaisseau->arme = 3;
    dessiner();
    EXPECT_EQ(cases_armes(), "..NRN");
    vaisseau->armes[2] = vaisseau->armes[4] = 1;
    vaisseau->arme = 1;
    dessiner();
    EXPECT_EQ(cases_armes(), ".R...");
}

TEST_F(Barre, OneTriangleForEachSpeedLevelFromX546) {
    for (int v = 1; v <= 4; ++v) {
        vaisseau->vitesse = v;
        dessiner();
        EXPECT_EQ(triangles(), v);
    }
    // vitesse 4: triangles at 546, 562, 578 and 594, each 12 wide, 16 high from y = 48.
    for (int j = 0; j < 4; ++j) {
        int x = 546 + 16 * j;
        EXPECT_EQ(pixel(ecran, x, 48), TRIANGLE) << j;
        EXPECT_EQ(pixel(ecran, x + 11, 63), TRIANGLE) << j;
        EXPECT_EQ(pixel(ecran, x + 12, 48), FOND) << j;
        if (j < 3) {  // the last one stands right under the lives digit
            EXPECT_EQ(pixel(ecran, x, 47), FOND) << j;
        }
    }
    EXPECT_EQ(pixel(ecran, 545, 56), FOND);
    EXPECT_EQ(pixel(ecran, 594 + 12, 56), FOND);
}

TEST_F(Barre, TheLivesDigitFollowsTheShip) {
    for (int vie : {5, 3, 0}) {
        vaisseau->vie = vie;
        dessiner();
        EXPECT_EQ(chiffre_a(592, 32), vie);
    }
}

TEST(MenuHaut, LoadingKeysOnlyTheRedFrameAndReleaseFreesEveryPictureOnce) {
    ASSERT_NE(factices::ouvrir_ecran_factice(), nullptr) << SDL_GetError();
    factices::RepertoireFactice repertoire;
    const char* const noms[] = {"Menu_Haut", "Curseur_Rouge", "Curseur_Noir", "Zero",  "Un",
                                "Deux",      "Trois",         "Quatre",       "Cinq",  "Six",
                                "Sept",      "Huit",          "Neuf",         "Triangle_Vitesse"};
    for (const char* nom : noms) repertoire.image(std::string("./Images/") + nom + ".png", 16, 16, 9, 9, 9);
    MenuHaut* menu = charger_menu_haut();
    SDL_Surface* images[] = {menu->fond, menu->curseur_rouge, menu->curseur_noir, menu->zero, menu->un,
                             menu->deux, menu->trois,         menu->quatre,       menu->cinq, menu->six,
                             menu->sept, menu->huit,          menu->neuf,         menu->triangle_vitesse};
    for (size_t i = 0; i < 14; ++i) {
        ASSERT_NE(images[i], nullptr) << noms[i];
        EXPECT_EQ(bool(images[i]->flags & SDL_SRCCOLORKEY), i == 1) << noms[i];
        for (size_t j = 0; j < i; ++j) EXPECT_NE(images[i], images[j]) << noms[i];
    }
    Uint8 r, g, b;
    SDL_GetRGB(menu->curseur_rouge->format->colorkey, menu->curseur_rouge->format, &r, &g, &b);
    EXPECT_EQ(r + g + b, 0);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(menu->chiffres[k], images[3 + k]) << k;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(menu->rect_score[i].x, 143 + 16 * i);
        EXPECT_EQ(menu->rect_score[i].y, 41);
    }
    EXPECT_EQ(menu->rect_vies.x, 592);
    EXPECT_EQ(menu->rect_vies.y, 32);
    for (SDL_Surface* s : images) s->refcount = 3;
    liberer_menu_haut(menu);
    for (size_t i = 0; i < 14; ++i) {
        int reste = images[i]->refcount;
        EXPECT_EQ(reste, 2) << noms[i];
        for (int k = 0; k < reste; ++k) SDL_FreeSurface(images[i]);
    }
}
