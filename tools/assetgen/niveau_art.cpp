// Level pictures: top bar, scenery bands, ship, shots, impacts, explosions, messages.
#include <algorithm>
#include <cmath>
#include <string>

#include "generateurs.h"
#include "niveau_commun.h"
#include "sortie.h"

namespace ag {

using namespace niveau;

namespace {

constexpr Px MAGENTA = rgb(255, 0, 255);
constexpr Px NOIR = rgb(0, 0, 0);
constexpr Px JAUNE = rgb(255, 255, 0);
constexpr Px JAUNE_BOUCLIER = rgb(255, 255, 29);
constexpr Px BLEU = rgb(0, 0, 255);
constexpr Px GRIS_CLE = rgb(104, 104, 104);
constexpr Px RIM_VITESSE = rgb(150, 160, 196);

// ---- shots ----
//
// The palette of the fight, so that a player reads whose shot is whose at a glance:
// - the player's shots are warm and bright: white cores, yellow and orange rims, never purple
//   or red (red is the enemies' warning colour, purple their shots' family); the homing shot
//   is a small gold spark, about the size of the other bolts;
// - the player's modules wear the ship's steel, red fins and cyan glass (ennemis_art.cpp);
// - enemy shots are hot pink to magenta with a dark outline (ennemis_art.cpp): the pink body
//   stands out of the night and storm skies, the outline out of the sand, dusk and daylight,
//   at 3:1 luminance contrast or more over every band they can cross.

// A bolt of light along x: tapered tail on the left (or both ends), banded core to rim.
Image trait(int w, int h, Px coeur, Px milieu, Px bord, bool symetrique) {
    Image im(w, h, VIDE);
    double cy = h / 2.0;
    for (int x = 0; x < w; ++x) {
        double u = (x + 0.5) / w;
        double hh;
        if (symetrique) hh = (h / 2.0 - 0.5) * std::min(1.0, std::min(u, 1 - u) * 5.0);
        else hh = (h / 2.0 - 0.5) * std::min(1.0, u * 2.6) * (u > 0.9 ? std::sqrt((1 - u) / 0.1) : 1.0);
        for (int y = 0; y < h; ++y) {
            double d = std::fabs(y + 0.5 - cy);
            if (d > hh + 0.3) continue;
            Px c = d < hh * 0.4 ? coeur : (d < hh * 0.75 ? milieu : bord);
            if (!symetrique && u < 0.3 && bayer(x, y) > u / 0.3) continue;  // the tail breaks up
            im.set(x, y, c);
        }
    }
    return im;
}

// Bomb falling nose down, 8 x 30.
Image bombe_verticale() {
    Image im(8, 30, VIDE);
    for (int y = 8; y < 28; ++y) {
        double demi = y > 23 ? 3.0 - (y - 23) * 0.55 : 3.0;
        for (int x = 0; x < 8; ++x) {
            double dx = x + 0.5 - 4;
            if (std::fabs(dx) > demi) continue;
            Px c = dx < -1.2 ? rgb(176, 186, 206) : (dx < 1.0 ? rgb(110, 118, 144) : rgb(70, 76, 100));
            if (y == 12 || y == 13) c = dx < 0 ? rgb(255, 196, 90) : rgb(236, 136, 44);
            if (y >= 24) c = dx < 0 ? rgb(255, 180, 90) : rgb(210, 110, 50);
            im.set(x, y, c);
        }
    }
    polygone(im, {1, 1, 4, 5, 4, 9, 1, 9}, rgb(196, 112, 40));
    polygone(im, {7, 1, 4, 5, 4, 9, 7, 9}, pal::orange);
    rect_plein(im, 3, 2, 2, 7, rgb(90, 96, 120));
    contour_sprite(im, VIDE, pal::encre);
    return im;
}

Image retourner_vertical(const Image& src) {
    Image r(src.w, src.h, VIDE);
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x) r.set(x, src.h - 1 - y, src.get(x, y));
    return r;
}

// The bomb rolling along the ground, nose right, kicking up sand.
Image bombe_roulante() {
    Image verticale = bombe_verticale();
    Image im(30, 8, VIDE);
    // Turn the falling bomb a quarter: its nose (bottom) becomes the right end.
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 8; ++x) {
            Px c = verticale.get(x, y);
            if (c != VIDE) im.set(y, 7 - x, c);
        }
    for (int y = 1; y < 7; ++y)
        for (int x = 0; x < 6; ++x)
            if (im.get(x, y) == VIDE && bayer(x, y) < 0.5 - x * 0.07 && y > 2) im.set(x, y, x < 3 ? pal::sable_clair : pal::sable);
    return im;
}

// The homing shot: a gold spark about 13 pixels across in the middle of its 32 x 32 picture
// (the game's rectangle for it), a white core, a ring of the ship's own orange and four short
// rays that turn it into a star.
Image orbe_chercheuse() {
    Image im(32, 32, VIDE);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            double d = std::hypot(x + 0.5 - 16, y + 0.5 - 16);
            Px c = VIDE;
            if (d < 2.2) c = pal::blanc;
            else if (d < 3.8) c = rgb(255, 236, 150);
            else if (d < 5.2) c = rgb(255, 200, 80);
            else if (d < 6.2) c = pal::orange;
            im.set(x, y, c);
        }
    for (int k = 0; k < 4; ++k)  // short rays, straight up, down, left and right
        for (int r = 6; r < 9; ++r) {
            int dx = k == 0 ? r : (k == 1 ? -r - 1 : 0), dy = k == 2 ? r : (k == 3 ? -r - 1 : 0);
            im.set(16 + dx, 16 + dy, r < 8 ? rgb(255, 214, 120) : pal::orange);
        }
    contour_sprite(im, VIDE, pal::encre);
    return im;
}

// The plasma wave: a crescent of white, gold and orange light.
Image plasma() {
    Image im(24, 48, VIDE);
    for (int y = 1; y < 47; ++y)
        for (int x = 0; x < 24; ++x) {
            double dext = 31 - std::hypot(x + 0.5 + 8, y + 0.5 - 24);   // inside the outer arc
            double dint = std::hypot(x + 0.5 + 15, y + 0.5 - 24) - 30;  // outside the inner arc
            if (dext < 0 || dint < 0) continue;
            Px c = dext < 1.6 ? pal::blanc : (dext < 3.2 ? rgb(255, 236, 150) : (dext < 5 ? rgb(255, 196, 80) : rgb(240, 132, 48)));
            if (dint < 1.2 && bayer(x, y) < 0.5) continue;
            im.set(x, y, c);
        }
    return im;
}

// Impact burst, frame k of 4: flash, star, ring of sparks, embers.
Image impact(int k) {
    Image im(16, 16, VIDE);
    const double c = 7.5;
    if (k == 0) {
        disque(im, c + 0.5, c + 0.5, 3, pal::blanc);
        ligne(im, 2, c, 14, c, rgb(255, 230, 140));
        ligne(im, c, 2, c, 14, rgb(255, 230, 140));
        disque(im, c + 0.5, c + 0.5, 1.6, rgb(255, 255, 240));
    } else if (k == 1) {
        for (int i = 0; i < 8; ++i) {
            double a = i * 0.785 + 0.2;
            ligne(im, c + 0.5, c + 0.5, c + 0.5 + std::cos(a) * 7, c + 0.5 + std::sin(a) * 7, pal::orange);
        }
        disque(im, c + 0.5, c + 0.5, 4, rgb(255, 210, 110));
        disque(im, c + 0.5, c + 0.5, 2.2, pal::blanc);
    } else if (k == 2) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                double d = std::hypot(x - c, y - c);
                if (d > 4.2 && d < 6.2 && bayer(x, y) < 0.6) im.set(x, y, pal::orange);
            }
        for (int i = 0; i < 6; ++i) {
            double a = i * 1.047 + 0.5;
            im.set(int(c + std::cos(a) * 7 + 0.5), int(c + std::sin(a) * 7 + 0.5), rgb(255, 236, 150));
        }
        disque(im, c + 0.5, c + 0.5, 1.8, pal::rouge);
    } else {
        Alea a(1234);
        for (int i = 0; i < 9; ++i) {
            double ang = a.reel() * 6.283, d = 4 + a.reel() * 3.5;
            int x = int(c + std::cos(ang) * d + 0.5), y = int(c + std::sin(ang) * d + 0.5);
            im.set(x, y, i % 3 ? rgb(200, 70, 40) : rgb(250, 150, 70));
        }
        for (int y = 5; y < 11; ++y)
            for (int x = 5; x < 11; ++x)
                if (bayer(x, y) < 0.3) im.set(x, y, rgb(110, 96, 100));
    }
    return im;
}

// ---- messages ----

// Text filled in horizontal bands (top colour first) with a hard outline: no blended
// fringe, for keyed pictures.
void texte_bandes(Image& im, int x, int y, const std::string& s, int taille, const std::vector<Px>& bandes, Px bord,
                  Police p) {
    Image masque(im.w, im.h, VIDE);
    texte(masque, x, y, s, taille, pal::blanc, p, true);
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            if (dx * dx + dy * dy <= 9) texte(im, x + dx, y + dy, s, taille, bord, p, true);
    int haut = y - int(taille * 0.73);
    for (int j = 0; j < im.h; ++j)
        for (int i = 0; i < im.w; ++i)
            if (masque.get(i, j) != VIDE) {
                double t = double(j - haut) / (taille * 0.73);
                int b = std::clamp(int(t * bandes.size()), 0, int(bandes.size()) - 1);
                im.set(i, j, bandes[b]);
            }
}

Image alerte(bool allumee) {
    Image im(400, 100, VIDE);
    const std::vector<double> cadre = {10, 4, 390, 4, 396, 10, 396, 90, 390, 96, 10, 96, 4, 90, 4, 10};
    polygone(im, cadre, allumee ? rgb(250, 200, 40) : rgb(120, 30, 30));
    // Hazard stripes on the rim.
    for (int y = 4; y < 96; ++y)
        for (int x = 4; x < 396; ++x)
            if (im.get(x, y) != VIDE && ((x + y) / 10) % 2 == 0)
                im.set(x, y, allumee ? rgb(40, 30, 36) : rgb(200, 60, 40));
    polygone(im, {16, 12, 384, 12, 388, 16, 388, 84, 384, 88, 16, 88, 12, 84, 12, 16}, pal::encre);
    polygone(im, {17, 13, 383, 13, 387, 17, 387, 83, 383, 87, 17, 87, 13, 83, 13, 17},
             allumee ? rgb(150, 20, 24) : rgb(70, 10, 16));
    const std::string mot = "WARNING";
    int w = largeur_texte(mot, 50, Police::SansGras);
    std::vector<Px> bandes = allumee ? std::vector<Px>{pal::blanc, rgb(255, 240, 150), rgb(255, 210, 80), pal::orange}
                                     : std::vector<Px>{rgb(255, 150, 120), rgb(240, 80, 60), pal::rouge, rgb(170, 30, 30)};
    texte_bandes(im, 200 - w / 2, 64, mot, 50, bandes, pal::encre, Police::SansGras);
    const std::string sous = "A HUGE WAR MACHINE IS CLOSING IN";
    int ws = largeur_texte(sous, 12, Police::MonoGras);
    texte(im, 200 - ws / 2, 81, sous, 12, allumee ? rgb(255, 230, 200) : rgb(230, 120, 100), Police::MonoGras, true);
    return im;
}

Image fin_de_partie() {
    Image im(400, 100, VIDE);
    const std::string mot = "GAME OVER";
    int w = largeur_texte(mot, 60, Police::SansGras);
    texte_bandes(im, 200 - w / 2 + 4, 76, mot, 60, {rgb(60, 20, 40)}, rgb(60, 20, 40), Police::SansGras);
    texte_bandes(im, 200 - w / 2, 72, mot, 60, {pal::or_clair, rgb(255, 190, 96), pal::orange, pal::corail, rgb(176, 58, 70)},
                 pal::encre, Police::SansGras);
    return im;
}

// ---- HUD ----

Image tuile_icone() {
    Image im(32, 32, rgb(22, 26, 44));
    rect_plein(im, 0, 0, 32, 2, rgb(96, 106, 140));
    rect_plein(im, 0, 0, 2, 32, rgb(96, 106, 140));
    rect_plein(im, 0, 30, 32, 2, rgb(8, 10, 20));
    rect_plein(im, 30, 0, 2, 32, rgb(8, 10, 20));
    for (int y = 3; y < 29; y += 4)
        for (int x = 3; x < 29; x += 4) im.set(x, y, rgb(30, 36, 58));
    return im;
}

void poser(Image& dst, const Image& calque, int x, int y) { coller(dst, calque, x, y, true, VIDE); }

Image icone_arme(int i) {
    Image im = tuile_icone();
    switch (i) {
        case 0: {
            Image t = trait(22, 6, rgb(255, 250, 230), rgb(255, 214, 90), rgb(244, 140, 44), false);
            poser(im, t, 5, 7);
            poser(im, t, 5, 19);
            break;
        }
        case 1: {
            Image t = trait(16, 6, pal::blanc, rgb(255, 236, 160), rgb(250, 176, 70), true);
            poser(im, t, 13, 8);
            poser(im, t, 3, 18);
            polygone(im, {26, 7, 30, 11, 26, 15}, rgb(255, 214, 90));
            polygone(im, {6, 17, 2, 21, 6, 25}, rgb(255, 214, 90));
            break;
        }
        case 2: {
            Image b = bombe_verticale();
            Image petite = agrandir(b, 6, 22);
            poser(im, petite, 17, 6);
            poser(im, retourner_vertical(petite), 8, 4);
            break;
        }
        case 3: {
            for (int k = 0; k < 6; ++k) im.set(5 + k * 2, 25 - int(k * k * 0.4), pal::orange);
            Image o = agrandir(orbe_chercheuse(), 28, 28);
            poser(im, o, 6, 0);
            break;
        }
        default: {
            Image p = agrandir(plasma(), 14, 28);
            poser(im, p, 10, 2);
            poser(im, agrandir(plasma(), 8, 16), 4, 8);
            break;
        }
    }
    return im;
}

// Seven-segment digit on the HUD well, with the unlit segments faintly visible.
Image chiffre(int n) {
    static const char* segments[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
    Image im(16, 16, pal::puits);
    struct Seg {
        char nom;
        int x, y, w, h;
    };
    static const Seg segs[] = {{'a', 4, 1, 8, 2}, {'b', 11, 2, 2, 6}, {'c', 11, 8, 2, 6}, {'d', 4, 13, 8, 2},
                               {'e', 3, 8, 2, 6}, {'f', 3, 2, 2, 6}, {'g', 4, 7, 8, 2}};
    std::string allumes = segments[n];
    for (const Seg& s : segs) {
        bool on = allumes.find(s.nom) != std::string::npos;
        rect_plein(im, s.x, s.y, s.w, s.h, on ? rgb(255, 170, 60) : rgb(34, 32, 50));
        if (on) rect_plein(im, s.x, s.y, s.w > 2 ? s.w : 1, s.w > 2 ? 1 : s.h, rgb(255, 226, 150));
    }
    return im;
}

Image triangle_vitesse() {
    Image im(12, 16, pal::puits);
    rect_plein(im, 0, 0, 12, 1, RIM_VITESSE);  // the rim between the lives and speed wells
    rect_plein(im, 0, 1, 12, 1, rgb(8, 10, 20));
    polygone(im, {1, 1, 11, 8, 1, 15}, pal::encre);
    polygone(im, {2, 3, 9, 8, 2, 13}, rgb(90, 220, 110));
    polygone(im, {2, 3, 9, 8, 2, 8}, rgb(190, 255, 150));
    return im;
}

void puits(Image& im, int x, int y, int w, int h) {
    rect_plein(im, x - 1, y - 1, w + 2, h + 2, rgb(96, 106, 140));
    rect_plein(im, x - 1, y - 1, w + 1, h + 1, rgb(8, 10, 20));
    rect_plein(im, x, y, w, h, pal::puits);
}

Image barre_du_haut() {
    Image im(640, 80);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 640; ++x) im.set(x, y, rampe({rgb(64, 72, 104), rgb(44, 50, 78), rgb(32, 36, 60)}, y / 76.0, x, y));
    rect_plein(im, 0, 0, 640, 1, rgb(130, 140, 176));
    rect_plein(im, 0, 75, 640, 1, rgb(20, 22, 40));
    rect_plein(im, 0, 76, 640, 2, pal::orange);
    rect_plein(im, 0, 77, 640, 1, pal::corail);
    rect_plein(im, 0, 78, 640, 2, pal::encre);
    // Three bevelled panels: logo and score, weapons, lives and speed.
    const int panneaux[3][2] = {{4, 232}, {258, 502}, {506, 636}};
    for (auto& p : panneaux) {
        rect_plein(im, p[0], 5, p[1] - p[0], 68, rgb(28, 32, 54));
        rect_plein(im, p[0], 5, p[1] - p[0], 1, rgb(12, 14, 26));
        rect_plein(im, p[0], 5, 1, 68, rgb(12, 14, 26));
        rect_plein(im, p[0], 72, p[1] - p[0], 1, rgb(96, 106, 140));
        rect_plein(im, p[1] - 1, 5, 1, 68, rgb(96, 106, 140));
        for (int rx : {p[0] + 4, p[1] - 6})
            for (int ry : {8, 67}) {
                rect_plein(im, rx, ry, 2, 2, rgb(140, 150, 180));
                im.set(rx + 1, ry + 1, rgb(20, 22, 40));
            }
    }
    logo(im, 118, 31, 26);
    texte(im, 86, 55, "SCORE", 14, pal::or_clair, Police::MonoGras, true);
    puits(im, 141, 39, 84, 20);
    for (int i = 0; i < 5; ++i) coller(im, chiffre(0), 143 + 16 * i, 41);
    int lw = largeur_texte("WEAPONS", 12, Police::MonoGras);
    texte(im, 384 - lw / 2, 24, "WEAPONS", 12, pal::or_clair, Police::MonoGras, true);
    for (int i = 0; i < 5; ++i) coller(im, icone_arme(i), 272 + 48 * i, 32);
    // Two wells, one above the other: the lives digit's (rows 32 to 47) and the speed row's
    // (rows 48 to 63), parted by a lit rim on row 48 that the speed triangles carry too.
    puits(im, 590, 30, 20, 18);
    puits(im, 544, 49, 68, 16);
    rect_plein(im, 543, 48, 70, 1, RIM_VITESSE);
    rect_plein(im, 543, 49, 69, 1, rgb(8, 10, 20));
    texte(im, 556, 45, "LIVES", 12, pal::or_clair, Police::MonoGras, true);
    texte(im, 511, 61, "SPEED", 11, pal::or_clair, Police::MonoGras, true);
    Image mini = agrandir(vaisseau(0, false), 18, 16);
    coller(im, mini, 591, 10, true, VIDE);
    coller(im, chiffre(5), 592, 32);
    return im;
}

Image curseur_rouge() {
    Image im(32, 32, NOIR);
    rect_contour(im, 0, 0, 32, 32, rgb(120, 16, 24));
    rect_contour(im, 1, 1, 30, 30, rgb(236, 56, 44));
    rect_contour(im, 2, 2, 28, 28, rgb(170, 30, 34));
    for (int k = 0; k < 7; ++k) {  // bright corner ticks
        for (auto [x, y] : {std::pair{1 + k, 1}, {1, 1 + k}, {30 - k, 30}, {30, 30 - k}, {30 - k, 1}, {30, 1 + k}, {1 + k, 30}, {1, 30 - k}})
            im.set(x, y, rgb(255, 170, 140));
    }
    return im;
}

Image curseur_noir() {
    Image im(32, 32, rgb(20, 20, 30));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if ((x + y) % 6 == 0) im.set(x, y, rgb(32, 32, 46));
    rect_contour(im, 0, 0, 32, 32, rgb(50, 52, 70));
    // Padlock.
    ellipse_pleine(im, 16, 13, 6, 6, rgb(120, 124, 140));
    ellipse_pleine(im, 16, 13, 3.5, 3.8, rgb(20, 20, 30));
    rect_plein(im, 9, 14, 14, 11, rgb(150, 130, 80));
    rect_plein(im, 9, 14, 14, 2, rgb(200, 180, 110));
    rect_plein(im, 9, 23, 14, 2, rgb(100, 84, 52));
    rect_plein(im, 15, 17, 2, 3, rgb(30, 26, 24));
    rect_plein(im, 15, 19, 2, 3, rgb(30, 26, 24));
    return im;
}

void sauver_cle(const char* groupe, const std::string& nom, const Image& calque, Px cle) {
    sauver_image(groupe, nom, finaliser(calque, cle));
}

}  // namespace

void generer_hud() {
    sauver_image("hud", "Menu_Haut.png", barre_du_haut());
    static const char* noms[10] = {"Zero.png", "Un.png", "Deux.png", "Trois.png", "Quatre.png",
                                   "Cinq.png", "Six.png", "Sept.png", "Huit.png", "Neuf.png"};
    for (int i = 0; i < 10; ++i) sauver_image("hud", noms[i], chiffre(i));
    sauver_image("hud", "Curseur_Rouge.png", curseur_rouge());
    sauver_image("hud", "Curseur_Noir.png", curseur_noir());
    sauver_image("hud", "Triangle_Vitesse.png", triangle_vitesse());
}

void generer_niveaux() {
    // Scenery of level 1: dusk ("a"), nightfall ("b"), and the grey after the boss, who is
    // fought after nightfall: the night turned grey, so the land does not jump back to dusk.
    sauver_image("niveau1", "Desert_Haut1a.png", desert_haut(0, false));
    Image haut_b = desert_haut(0.85, true);
    sauver_image("niveau1", "Desert_Haut1b.png", haut_b);
    sauver_image("niveau1", "Desert_Haut1.png", desert_haut(0.45, false));
    sauver_image("niveau1", "Desert_Haut1a_Gris.png", version_grise(haut_b));
    sauver_image("niveau1", "Desert_Bas1a.png", desert_bas(0, 0));
    Image bas_b = desert_bas(0.85, 0);
    sauver_image("niveau1", "Desert_Bas1b.png", bas_b);
    sauver_image("niveau1", "Desert_Bas.png", desert_bas(0, 1));
    sauver_image("niveau1", "Desert_Bas1.png", desert_bas(0.45, 2));
    sauver_image("niveau1", "Desert_Bas1a_gris.png", version_grise(bas_b));
    sauver_cle("niveau1", "Desert_Sol1a.png", desert_sol(0), MAGENTA);
    Image sol = desert_sol(0.85);
    sauver_cle("niveau1", "Desert_Sol1b.png", sol, MAGENTA);
    Image sol_gris = sol;
    for (Px& p : sol_gris.px)
        if (p != VIDE) {
            int l = (R(p) * 30 + G(p) * 59 + B(p) * 11) / 100;
            p = rgb(l, l, l);
        }
    sauver_cle("niveau1", "Desert_Sol1a_Gris.png", sol_gris, GRIS_CLE);

    sauver_cle("niveau1", "Emergency.png", alerte(true), NOIR);
    sauver_cle("niveau1", "Emergency1.png", alerte(false), NOIR);
    sauver_cle("niveau1", "Game_Over.png", fin_de_partie(), NOIR);

    // The player's ship: level, climbing, diving, and the first tilt of each.
    struct Pose {
        const char* nom;
        double angle;
    };
    static const Pose poses[] = {{"Vaisseau1", 0},    {"Vaisseau_Haut", -16}, {"Vaisseau_Bas", 16},
                                 {"Vaisseau_Haut0", -7}, {"Vaisseau_Bas0", 7}};
    for (const Pose& p : poses) {
        sauver_cle("niveau1", std::string(p.nom) + ".png", vaisseau(p.angle, false), JAUNE);
        sauver_cle("niveau1", std::string(p.nom) + "_Invincible.png", vaisseau(p.angle, true), JAUNE_BOUCLIER);
    }

    sauver_cle("niveau1", "Vaisseau_Tir1.png", trait(32, 8, rgb(255, 250, 230), rgb(255, 214, 90), rgb(244, 140, 44), false), BLEU);
    sauver_cle("niveau1", "Vaisseau_Tir2.png", trait(32, 8, pal::blanc, rgb(255, 236, 160), rgb(250, 176, 70), true), JAUNE);
    Image bombe = bombe_verticale();
    sauver_cle("niveau1", "Vaisseau_Tir3.png", bombe, JAUNE);
    sauver_cle("niveau1", "Vaisseau_Tir3a.png", retourner_vertical(bombe), JAUNE);
    sauver_cle("niveau1", "Vaisseau_Tir3b.png", bombe_roulante(), JAUNE);
    sauver_cle("niveau1", "Vaisseau_Tir4.png", orbe_chercheuse(), JAUNE_BOUCLIER);
    sauver_cle("niveau1", "Vaisseau_Tir5.png", plasma(), MAGENTA);
    for (int k = 0; k < 4; ++k) sauver_cle("niveau1", "Impact" + std::to_string(k + 1) + ".png", impact(k), MAGENTA);

    // Explosions: the ship's own, the enemies' two palettes and the boss's.
    const StyleExplosion vaisseau_st{{rgb(255, 255, 240), rgb(200, 240, 255), rgb(255, 220, 130), pal::orange, pal::rouge, rgb(130, 36, 50)},
                                     {rgb(150, 150, 170), rgb(104, 104, 124), rgb(66, 62, 84)}, pal::cyan_clair, 4, 0.92, 71};
    const StyleExplosion feu_st{{rgb(255, 252, 224), rgb(255, 226, 120), rgb(252, 166, 60), rgb(226, 90, 40), rgb(150, 40, 40)},
                                {rgb(160, 138, 126), rgb(110, 90, 88), rgb(70, 56, 62)}, rgb(255, 220, 120), 5, 0.9, 72};
    const StyleExplosion alien_st{{rgb(240, 255, 240), rgb(180, 255, 160), rgb(90, 220, 110), rgb(40, 150, 110), rgb(30, 90, 96)},
                                  {rgb(120, 140, 130), rgb(80, 100, 100), rgb(48, 62, 68)}, rgb(210, 255, 150), 5, 0.9, 73};
    const StyleExplosion boss_st{{rgb(255, 252, 230), rgb(255, 230, 130), rgb(252, 170, 64), rgb(230, 96, 44), rgb(170, 46, 40), rgb(110, 34, 40)},
                                 {rgb(170, 146, 132), rgb(120, 100, 96), rgb(84, 68, 72), rgb(56, 46, 54)}, rgb(255, 224, 130), 14, 0.74, 74};
    sauver_cle("niveau1", "Explosions1.png", bande_explosion(12, 64, 50, vaisseau_st), NOIR);
    sauver_cle("niveau1", "Explosion1a.png", bande_explosion(16, 64, 64, feu_st), NOIR);
    sauver_cle("niveau1", "Explosion2.png", bande_explosion(16, 64, 64, alien_st), NOIR);
    sauver_cle("niveau1", "Explosion_Boss.png", bande_explosion(16, 300, 332, boss_st), NOIR);

    // Level 2: high above the clouds, in daylight and then in the storm, where its last boss
    // falls: the grey sky is the storm's.
    sauver_image("niveau2", "Sky1.png", ciel_nuages(false));
    Image orage = ciel_nuages(true);
    sauver_image("niveau2", "Sky2.png", orage);
    sauver_image("niveau2", "Sky_Gris.png", version_grise(orage));
}

}  // namespace ag
