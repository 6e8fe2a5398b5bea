// Shell pictures: splash, title, loading pictures and the menu cursor. They reuse the level
// scenery so the menus and the game share one look.
#include <algorithm>
#include <cmath>
#include <string>

#include "generateurs.h"
#include "niveau_commun.h"
#include "sortie.h"

namespace ag {

using namespace niveau;

namespace {

// The desert as the level shows it (back band at y 80, dunes at 257, ground at 413), with
// the sky carried on up to the top of the screen.
Image scene_desert(double nuit, bool etoiles) {
    Image im(640, 480);
    Image haut = desert_haut(nuit, etoiles);
    Px zenith = haut.get(0, 0);
    Px plus_haut = melange(zenith, rgb(4, 4, 14), 0.6);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 640; ++x) im.set(x, y, tramer(plus_haut, zenith, y / 80.0, x, y));
    if (etoiles) {
        Alea a(91);
        for (int i = 0; i < 60; ++i) im.set(a.entre(0, 639), a.entre(0, 79), rgb(210, 210, 240));
    }
    coller(im, haut, 0, 80);
    coller(im, desert_bas(nuit, 0), 0, 257);
    coller(im, desert_sol(nuit), 0, 413, true, VIDE);
    return im;
}

Image scene_ciel() {
    Image im(640, 480);
    Image ciel = ciel_nuages(false);
    Px zenith = ciel.get(0, 0);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 640; ++x) im.set(x, y, tramer(melange(zenith, rgb(10, 20, 60), 0.5), zenith, y / 80.0, x, y));
    coller(im, ciel, 0, 80);
    return im;
}

void assombrir(Image& im, int x, int y, int w, int h, double f) {
    for (int j = std::max(0, y); j < std::min(im.h, y + h); ++j)
        for (int i = std::max(0, x); i < std::min(im.w, x + w); ++i) im.set(i, j, melange(im.get(i, j), rgb(8, 6, 20), f));
}

void centre(Image& im, int y, const std::string& s, int taille, Px c, Police p = Police::SansGras) {
    int w = largeur_texte(s, taille, p);
    texte_contour(im, 320 - w / 2, y, s, taille, c, pal::encre, 2, p, false);
}

// The player's fighter, blown up for the menus, pasted without its background.
void grand_vaisseau(Image& im, int x, int y, int echelle, double angle) {
    Image v = vaisseau(angle, false);
    coller(im, agrandir(v, v.w * echelle, v.h * echelle), x, y, true, VIDE);
}

// A keyboard key: bevelled cap with its label.
void touche(Image& im, int x, int y, int w, const std::string& lettre) {
    const int h = 34;
    rect_plein(im, x, y + 3, w, h, rgb(40, 40, 56));
    rect_plein(im, x, y, w, h, rgb(196, 200, 214));
    rect_plein(im, x + 3, y + 2, w - 6, h - 8, rgb(232, 234, 242));
    rect_contour(im, x - 1, y - 1, w + 2, h + 5, pal::encre);
    int lw = largeur_texte(lettre, 16, Police::SansGras);
    texte(im, x + (w - lw) / 2, y + 21, lettre, 16, rgb(40, 40, 60), Police::SansGras);
}

void fleche(Image& im, int cx, int cy, int dir) {
    // dir 0 up, 1 left, 2 down, 3 right; a small filled triangle.
    static const double base[6] = {0, -6, -6, 4, 6, 4};
    std::vector<double> p(6);
    for (int i = 0; i < 3; ++i) {
        double x = base[2 * i], y = base[2 * i + 1];
        for (int k = 0; k < dir; ++k) {
            double t = x;
            x = y, y = -t;
        }
        p[2 * i] = cx + x, p[2 * i + 1] = cy + y;
    }
    polygone(im, p, rgb(40, 40, 60));
}

Image curseur_menu() {
    // A glowing arrowhead in the ship's colours, on the black key.
    Image im(32, 32, VIDE);
    polygone(im, {3, 4, 29, 16, 3, 28, 10, 16}, pal::orange);
    polygone(im, {6, 8, 24, 16, 12, 16}, pal::or_clair);
    polygone(im, {6, 24, 24, 16, 12, 16}, pal::corail);
    contour_sprite(im, VIDE, rgb(150, 40, 60));
    im.set(25, 16, pal::blanc);
    return finaliser(im, rgb(0, 0, 0));
}

Image titre() {
    Image im = scene_desert(0, false);
    grand_vaisseau(im, 420, 262, 3, -8);
    logo(im, 320, 176, 110);
    centre(im, 214, "A desert shoot-'em-up", 20, pal::or_clair, Police::SerifGras);
    assombrir(im, 140, 388, 360, 80, 0.65);
    rect_contour(im, 140, 388, 360, 80, pal::orange);
    texte_contour(im, 204, 424, "Press Return to play", 24, pal::blanc, pal::encre, 2, Police::SansGras, false);
    texte_contour(im, 204, 456, "Escape to quit", 18, pal::or_clair, pal::encre, 2, Police::SansGras, false);
    return im;
}

Image programmeur() {
    Image im = scene_desert(1, true);
    assombrir(im, 0, 0, 640, 480, 0.35);
    logo(im, 320, 200, 100);
    centre(im, 270, "Programmed by the Mirage team", 26, pal::blanc);
    centre(im, 304, "Pictures, music and sounds made by our own tools", 16, pal::or_clair, Police::Sans);
    centre(im, 450, "Press Return", 20, pal::orange);
    return im;
}

Image clavier() {
    Image im(640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            Px c = rampe({rgb(18, 14, 40), pal::indigo, rgb(70, 36, 84)}, y / 480.0, x, y);
            if (x % 32 == 0 || y % 32 == 0) c = melange(c, pal::pourpre, 0.35);
            im.set(x, y, c);
        }
    logo(im, 320, 78, 60);
    centre(im, 116, "Controls", 24, pal::or_clair);
    // Arrow cluster.
    touche(im, 126, 146, 40, "");
    touche(im, 82, 186, 40, "");
    touche(im, 126, 186, 40, "");
    touche(im, 170, 186, 40, "");
    fleche(im, 146, 161, 0), fleche(im, 102, 201, 1), fleche(im, 146, 201, 2), fleche(im, 190, 201, 3);
    texte_contour(im, 240, 196, "Move the ship", 22, pal::blanc, pal::encre, 2, Police::SansGras, false);
    struct Ligne {
        const char* touche;
        int largeur;
        const char* effet;
    };
    static const Ligne lignes[] = {{"G", 40, "Fire"},
                                   {"F", 40, "Next weapon"},
                                   {"D", 40, "Speed (four levels)"},
                                   {"Esc", 56, "Leave the level"}};
    int y = 248;
    for (const Ligne& l : lignes) {
        touche(im, 166 - l.largeur + 44 - 40, y, l.largeur, l.touche);
        texte_contour(im, 240, y + 24, l.effet, 22, pal::blanc, pal::encre, 2, Police::SansGras, false);
        y += 46;
    }
    grand_vaisseau(im, 490, 128, 3, -12);
    centre(im, 456, "Press Return", 20, pal::orange);
    return im;
}

Image chargement(Image fond, const std::string& ligne1, const std::string& ligne2) {
    assombrir(fond, 0, 0, 640, 480, 0.25);
    logo(fond, 320, 170, 96);
    centre(fond, 240, ligne1, 30, pal::blanc);
    centre(fond, 276, ligne2, 22, pal::or_clair, Police::SerifGras);
    assombrir(fond, 200, 380, 240, 60, 0.6);
    rect_contour(fond, 200, 380, 240, 60, pal::orange);
    centre(fond, 408, "Loading...", 20, pal::blanc);
    for (int i = 0; i < 12; ++i) rect_plein(fond, 218 + i * 17, 420, 12, 8, i < 7 ? pal::orange : rgb(70, 50, 70));
    return fond;
}

}  // namespace

void generer_shell() {
    sauver_image("shell", "Coin.bmp", curseur_menu());
    sauver_image("shell", "Titre.png", titre());
    sauver_image("shell", "Programmer.png", programmeur());
    sauver_image("shell", "Keyboard.png", clavier());
    sauver_image("shell", "Chargement.png", chargement(scene_desert(0.3, false), "Level 1", "The Dune Sea at dusk"));
    sauver_image("shell", "Loading1.png", chargement(scene_desert(1, true), "The story", "A pilot, a general and a desert"));
    sauver_image("shell", "Loading2.png", chargement(scene_ciel(), "Level 2", "High above the clouds"));
}

}  // namespace ag
