// Walking figures: the walk cycle, the direction words, the wide sheets and the clipped blit
// that moves a figure standing across the screen's left or top edge.
#include <gtest/gtest.h>

#include "cutscene/personnage.h"

namespace {

// A sheet whose every cell has its own colour, so a drawn figure tells its row and column.
// Column 3 of each cell is marked, to see which part of a clipped frame reaches the screen.
struct Planche {
    SDL_Surface* surface;
    int largeur;
    explicit Planche(int largeur_image) : largeur(largeur_image) {
        surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 4 * largeur, 192, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                SDL_Rect cellule = {Sint16(c * largeur), Sint16(r * 48), Uint16(largeur), 48};
                SDL_FillRect(surface, &cellule, couleur(r, c));
                SDL_Rect marque = {Sint16(c * largeur + 3), Sint16(r * 48), 1, 48};
                SDL_FillRect(surface, &marque, couleur(r, c) | 0xFF);
            }
    }
    ~Planche() { SDL_FreeSurface(surface); }
    static Uint32 couleur(int rangee, int colonne) { return Uint32((rangee * 60 + 10) << 16 | (colonne * 60 + 10) << 8); }
};

struct Ecran {
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    ~Ecran() { SDL_FreeSurface(surface); }
    Uint32 pixel(int x, int y) const { return ((Uint32*)surface->pixels)[y * surface->pitch / 4 + x] & 0xFFFFFF; }
    void effacer() { SDL_FillRect(surface, NULL, 0); }
};

// Draws the figure and reads back the (row, column) of the cell that reached the screen.
std::pair<int, int> cellule_affichee(Personnage* p, const char* mot, Ecran& ecran) {
    ecran.effacer();
    afficher_personnage(p, mot, ecran.surface);
    Uint32 v = ecran.pixel(p->position.x + 10, p->position.y + 10);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (v == Planche::couleur(r, c)) return {r, c};
    return {-1, -1};
}

}  // namespace

TEST(Personnage, NarrowAndWideFiguresDifferOnlyInTheFrameWidth) {
    Planche planche(32);
    Personnage* p = creer_personnage(planche.surface, 312, 386);
    EXPECT_EQ(p->position.x, 312);
    EXPECT_EQ(p->position.y, 386);
    EXPECT_EQ(p->position.w, 32);
    EXPECT_EQ(p->position.h, 48);
    EXPECT_EQ(p->etape_bas + p->etape_gauche + p->etape_droite + p->etape_haut, 0);
    detruire_personnage(p);

    Planche large(64);
    Personnage* serpent = creer_grand_personnage(large.surface, 576, 364);
    EXPECT_EQ(serpent->position.w, 64);
    const int debuts[6] = {0, 64, 64, 128, 192, 192};
    for (int s = 0; s < 6; ++s) EXPECT_EQ(serpent->images_gauche[s].x, debuts[s]);
    EXPECT_EQ(serpent->images_gauche[0].w, 64);
    Ecran ecran;
    deplacer_personnage(serpent, 0, 0, "GAUCHE");
    deplacer_personnage(serpent, 0, 0, "GAUCHE");
    deplacer_personnage(serpent, 0, 0, "GAUCHE");
    EXPECT_EQ(cellule_affichee(serpent, "GAUCHE", ecran), std::make_pair(1, 2));
    // The whole 64-pixel frame is drawn: its right half too.
    EXPECT_EQ(ecran.pixel(576 + 50, 364 + 10), Planche::couleur(1, 2));
    detruire_personnage(serpent);
}

TEST(Personnage, SixMovesWalkTheCycleBackToColumnZero) {
    Planche planche(32);
    Ecran ecran;
    Personnage* p = creer_personnage(planche.surface, 100, 200);
    const int attendues[8] = {0, 1, 1, 2, 3, 3, 0, 1};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(cellule_affichee(p, "DROITE", ecran), std::make_pair(2, attendues[k])) << k << " moves";
        deplacer_personnage(p, 5, 0, "DROITE");
    }
    EXPECT_EQ(p->position.x, 140);
    EXPECT_EQ(p->position.y, 200);
    EXPECT_EQ(p->etape_droite, 2);
    // Drawing never advances the animation.
    cellule_affichee(p, "DROITE", ecran);
    EXPECT_EQ(p->etape_droite, 2);
    detruire_personnage(p);
}

TEST(Personnage, EachDirectionWordKeepsItsOwnStep) {
    Planche planche(32);
    Ecran ecran;
    Personnage* p = creer_personnage(planche.surface, 300, 100);
    deplacer_personnage(p, 0, 0, "DROITE");
    deplacer_personnage(p, 0, 0, "DROITE");
    deplacer_personnage(p, 0, 0, "DROITE");
    deplacer_personnage(p, 0, 3, "BAS");
    deplacer_personnage(p, -1, 0, "GAUCHE");
    EXPECT_EQ(p->position.x, 299);
    EXPECT_EQ(p->position.y, 103);
    EXPECT_EQ(p->etape_droite, 3);
    EXPECT_EQ(p->etape_bas, 1);
    EXPECT_EQ(p->etape_gauche, 1);
    EXPECT_EQ(p->etape_haut, 0);
    // A figure that walked right and is drawn facing up shows the up row at its own step.
    EXPECT_EQ(cellule_affichee(p, "HAUT", ecran), std::make_pair(3, 0));
    EXPECT_EQ(cellule_affichee(p, "DROITE", ecran), std::make_pair(2, 2));
    EXPECT_EQ(cellule_affichee(p, "BAS", ecran), std::make_pair(0, 1));
    EXPECT_EQ(cellule_affichee(p, "GAUCHE", ecran), std::make_pair(1, 1));

    // Any word but the three others is "HAUT", for moving and for drawing; the test is exact.
    deplacer_personnage(p, 0, 0, "NORD");
    deplacer_personnage(p, 0, 0, "bas");
    EXPECT_EQ(p->etape_haut, 2);
    EXPECT_EQ(p->etape_bas, 1);
    EXPECT_EQ(cellule_affichee(p, "droite", ecran), std::make_pair(3, 1));
    EXPECT_EQ(cellule_affichee(p, "", ecran), std::make_pair(3, 1));
    detruire_personnage(p);
}

TEST(Personnage, PositionsWrapAtSixteenBits) {
    Planche planche(32);
    Personnage* p = creer_personnage(planche.surface, 32767, -32768);
    deplacer_personnage(p, 1, -1, "HAUT");
    EXPECT_EQ(p->position.x, -32768);
    EXPECT_EQ(p->position.y, 32767);
    detruire_personnage(p);
}

TEST(Personnage, TheBlitClipsThePositionAndLaterMovesStartFromThere) {
    Planche planche(32);
    Ecran ecran;
    // The interlude's second soldier: at x = 2 it takes a last step left and is drawn.
    Personnage* p = creer_personnage(planche.surface, 2, 248);
    deplacer_personnage(p, -5, 0, "GAUCHE");
    EXPECT_EQ(p->position.x, -3);
    ecran.effacer();
    afficher_personnage(p, "GAUCHE", ecran.surface);
    EXPECT_EQ(p->position.x, 0);
    EXPECT_EQ(p->position.y, 248);
    EXPECT_EQ(p->position.w, 29);
    EXPECT_EQ(p->position.h, 48);
    // The frame's three leftmost columns are cut off: its marked column 3 lands on x = 0.
    EXPECT_EQ(ecran.pixel(0, 260), Planche::couleur(1, 1) | 0xFF);
    EXPECT_EQ(ecran.pixel(1, 260), Planche::couleur(1, 1));
    EXPECT_EQ(ecran.pixel(29, 260), 0u);
    deplacer_personnage(p, -5, 0, "GAUCHE");
    EXPECT_EQ(p->position.x, -5);

    // Entirely off screen: nothing is drawn and the rectangle collapses.
    ecran.effacer();
    p->position.x = -40;
    afficher_personnage(p, "GAUCHE", ecran.surface);
    EXPECT_EQ(p->position.w, 0);
    EXPECT_EQ(p->position.h, 0);
    EXPECT_EQ(ecran.pixel(0, 260), 0u);

    // The top edge works the same way; a frame back on screen gets its full size again.
    p->position.x = 100;
    p->position.y = -10;
    afficher_personnage(p, "BAS", ecran.surface);
    EXPECT_EQ(p->position.y, 0);
    EXPECT_EQ(p->position.h, 38);
    EXPECT_EQ(p->position.w, 32);
    detruire_personnage(p);
}
