// Enemy pictures: enemies, bosses, hit flashes, bonus items, modules, enemy shots.
// Everything is drawn at native size with the shared ramps of ennemis_pixel.h, light from the
// upper left, then outlined; hit flashes are brightened copies moved onto their own key.
//
// Whose is what (the palette of the fight, see also niveau_art.cpp): enemy shots are one hue
// family, hot pink to magenta, bright bodies inside a near-black outline, so each one keeps
// 3:1 luminance contrast or more over every sky and band of both levels (the pink against the
// dark ones, the outline against the light ones); no other picture of the fight uses it. The
// player's modules wear the ship's colours: its blue-grey steel, its red fins and stripe, its
// cyan canopy glass, so they never read as enemy mines.
#include <cmath>
#include <cstdio>
#include <string>

#include "ennemis_boss.h"
#include "ennemis_pixel.h"
#include "generateurs.h"
#include "sortie.h"

namespace ag {

namespace {

constexpr Px FLASH_29 = rgb(255, 29, 255);   // hit-flash key of the level 1 enemies
constexpr Px FLASH_40 = rgb(255, 40, 255);   // hit-flash key of the level 2 enemies
constexpr double PI = 3.14159265358979323846;

// The enemy shots' family: darkest (unused by the bodies) to white-hot, and their outline.
constexpr Rampe TIR = {{rgb(120, 20, 100), rgb(236, 72, 200), rgb(255, 120, 230), rgb(255, 176, 244), rgb(255, 240, 255)}};
constexpr Px CONTOUR_TIR = rgb(24, 6, 28);
// The ship's colours for its modules (niveau_vaisseau.cpp): steel, the tail fin's red, canopy glass.
constexpr Rampe COQUE = {{rgb(40, 46, 66), rgb(74, 84, 110), rgb(112, 124, 150), rgb(150, 164, 186), rgb(214, 224, 238)}};
constexpr Rampe AILERON = {{rgb(96, 24, 30), rgb(150, 36, 40), rgb(200, 70, 60), rgb(220, 48, 40), rgb(240, 90, 70)}};
constexpr Px CANOPEE = rgb(90, 220, 250), CANOPEE_CLAIRE = rgb(200, 250, 255);

void sauver(const std::string& nom, const Image& im) { sauver_image("ennemis", nom + ".png", im); }

// Saves a sprite and its hit flash, `nom` + "_Flash".
void sauver_avec_flash(const std::string& nom, const Image& im, Px cle_flash) {
    sauver(nom, im);
    sauver(nom + "_Flash", flash(im, cle_flash));
}

Relief relief(double biseau, bool bombe = true, double eclat = 0.0, bool tramage = false) {
    Relief r;
    r.biseau = biseau;
    r.bombe = bombe;
    r.eclat = eclat;
    r.tramage = tramage;
    return r;
}

// ---------------------------------------------------------------- OCTOPUS (48x48)

// `deploye`: tentacles spread wide and flicking out; otherwise they hang close, tips rolled in.
Image octopus(bool deploye) {
    Image im(48, 48, pal::CLE);
    Image f = forme(im);
    std::vector<double> ventouses;   // x, y of sucker dots
    for (int k = 0; k < 6; ++k) {
        double bx = 13.5 + k * 4.2, by = 27;
        double ang = (k - 2.5) * (deploye ? 0.34 : 0.15);
        double sens = k < 3 ? 1.0 : -1.0;
        double enroule = deploye ? -0.9 * sens : 2.4 * sens;
        double longueur = deploye ? 18.0 : 15.0;
        double x = bx, y = by;
        const int pas = 40;
        for (int s = 0; s <= pas; ++s) {
            double t = double(s) / pas;
            double a = ang + enroule * t * t + (deploye ? 0.25 * std::sin(t * 7 + k) : 0.0);
            double r = (deploye ? 2.7 : 2.3) * (1 - t) + 0.7;
            disque(f, x, y, r, PLEIN);
            if (s == 12 || s == 22 || s == 31) ventouses.push_back(x), ventouses.push_back(y);
            x += std::sin(a) * longueur / pas;
            y += std::cos(a) * longueur / pas;
        }
    }
    peindre(im, f, pal::alien, relief(2.5, true, -0.7));
    for (size_t i = 0; i + 1 < ventouses.size(); i += 2) im.set(int(ventouses[i]), int(ventouses[i + 1]), pal::os.c[3]);
    // The collar where the tentacles join, then the mantle.
    peindre_ellipse(im, 24.5, 26, 12, 4, pal::alien, relief(3, true, -1.2));
    peindre_ellipse(im, 25, 16.5, 15.5, 12.5, pal::alien, relief(11, true, 0.1, true));
    static const double taches[][3] = {{21, 7, 2.2}, {31, 6, 1.8}, {35, 13, 2.0}, {27, 11, 1.4}, {15, 12, 1.5}};
    for (auto& t : taches) {
        ellipse_pleine(im, t[0], t[1], t[2], t[2] * 0.75, pal::alien.c[1]);
        im.set(int(t[0]), int(t[1] + t[2] * 0.6), pal::alien.c[0]);
    }
    // Eyes look left, where the ship comes from; the spread picture opens them wider.
    for (int e = 0; e < 2; ++e) {
        double ex = 16.5 + e * 10, ey = 19;
        double ouv = deploye ? 3.6 : 3.0;
        ellipse_pleine(im, ex, ey, 3.9, ouv + 0.9, pal::CONTOUR);
        ellipse_pleine(im, ex, ey, 3.0, ouv, pal::braise.c[3]);
        ellipse_pleine(im, ex, ey + 1, 2.6, ouv * 0.6, pal::braise.c[2]);
        rect_plein(im, int(ex) - 1, int(ey - ouv + 1), 1, int(2 * ouv - 1), pal::CONTOUR);
        im.set(int(ex), int(ey - ouv + 1), pal::braise.c[4]);
    }
    // Beak.
    polygone(im, {20, 24, 24, 24, 22, 27}, pal::CONTOUR);
    im.set(21, 24, pal::os.c[2]);
    finir_sprite(im);
    return im;
}

// ---------------------------------------------------------------- bonus carrier (48x24)

Image porteur_bonus(int image) {
    Image im(48, 24, pal::CLE);
    // Tail fins, then the hull, nose to the left.
    peindre_poly(im, {33, 8, 40, 1, 45, 1, 43, 9}, pal::rouge, relief(2, false));
    peindre_poly(im, {33, 15, 40, 22, 45, 22, 43, 14}, pal::rouge, relief(2, false, -0.5));
    peindre_rect(im, 39, 8, 6, 8, pal::sombre, relief(2));
    peindre_poly(im, {2, 13, 8, 6, 18, 4, 36, 4, 42, 7, 42, 17, 36, 20, 18, 20, 8, 18}, pal::acier, relief(8, true, 0.2));
    peindre_rect(im, 26, 4, 4, 16, pal::laiton, relief(2, false));
    verriere(im, 18, 8, 6.5, 4.5);
    // Cargo glowing through the hull port.
    ellipse_pleine(im, 16, 15, 3.5, 2.5, pal::CONTOUR);
    ellipse_pleine(im, 16, 15, 2.5, 1.5, image ? pal::alien.c[4] : pal::alien.c[2]);
    rivets(im, 32, 6, 10, 4, pal::acier);
    rivets(im, 32, 17, 10, 4, pal::acier);
    // Alternating lamps and a flickering exhaust.
    voyant(im, 5, 12, 1.2, image ? pal::braise : pal::rouge);
    voyant(im, 35, 12, 1.0, image ? pal::rouge : pal::braise);
    int flamme = image ? 3 : 1;
    rect_plein(im, 45, 10, flamme, 4, pal::braise.c[2]);
    rect_plein(im, 45, 11, flamme, 2, pal::braise.c[4]);
    finir_sprite(im);
    return im;
}

// ---------------------------------------------------------------- released bonus items (48x24)

// Kind 1 bombs, 2 homing, 3 plasma: a capsule of the kind's colour with its letter and symbol.
Image objet_bonus(int genre) {
    Image im(48, 24, pal::CLE);
    const Rampe& r = genre == 1 ? pal::rouge : genre == 2 ? pal::alien : pal::energie;
    const char* lettre = genre == 1 ? "B" : genre == 2 ? "H" : "P";
    Image f = forme(im);
    rect_plein(f, 12, 2, 24, 20, PLEIN);
    disque(f, 12, 12, 10, PLEIN);
    disque(f, 36, 12, 10, PLEIN);
    peindre(im, f, r, relief(7, true, 0.3));
    // Symbol disc on the left.
    disque(im, 12.5, 12, 7.5, pal::CONTOUR);
    disque(im, 12.5, 12, 6.5, pal::sombre.c[1]);
    if (genre == 1) {   // a round bomb with a lit fuse
        disque(im, 12, 13.5, 4, pal::sombre.c[3]);
        disque(im, 11, 12.5, 1.5, pal::sombre.c[4]);
        ligne(im, 14, 9, 16, 7, pal::laiton.c[3]);
        im.set(16, 6, pal::braise.c[4]);
        im.set(17, 6, pal::braise.c[2]);
    } else if (genre == 2) {   // cross-hairs
        rect_contour(im, 9, 9, 8, 7, pal::alien.c[4]);
        rect_plein(im, 12, 6, 2, 13, pal::alien.c[4]);
        rect_plein(im, 7, 11, 12, 2, pal::alien.c[4]);
        rect_plein(im, 12, 11, 2, 2, pal::rouge.c[3]);
    } else {   // a plasma spark
        disque(im, 12.5, 12, 4, pal::energie.c[2]);
        disque(im, 12.5, 12, 2.5, pal::energie.c[4]);
        rect_plein(im, 12, 6, 1, 13, pal::energie.c[3]);
        rect_plein(im, 6, 12, 14, 1, pal::energie.c[3]);
    }
    // The letter, with a dark drop shadow; thresholded glyphs keep the edges hard.
    int w = largeur_texte(lettre, 17, Police::SansGras);
    int x = 31 - w / 2;
    texte(im, x + 1, 19, lettre, 17, pal::CONTOUR, Police::SansGras, true);
    texte(im, x, 18, lettre, 17, rgb(250, 250, 240), Police::SansGras, true);
    finir_sprite(im);
    return im;
}

// ---------------------------------------------------------------- modules (32x28, green key)

// A small companion of the ship: a steel pod with the ship's swept red fins top and bottom
// (turning a quarter of the way round per picture), its red flank stripe with lamps running
// round, and a cyan glass eye like the ship's canopy.
Image module(int image) {
    Image im(32, 28, pal::CLE_VERTE);
    double a = image * PI / 4;
    double c = std::cos(a), s = std::sin(a);
    // Fins swept back like the ship's tail, seen edge-on or flat as they turn.
    double largeur = 1.5 + 5.5 * std::fabs(c);
    const Rampe& ailette = AILERON;
    double eclat = c * s >= 0 ? 0.3 : -0.3;
    peindre_poly(im, {16 - largeur, 6, 16 + largeur, 6, 16 + largeur * 0.5 - 3, 1, 16 - largeur * 0.5 - 3, 1}, ailette, relief(2, false, eclat));
    peindre_poly(im, {16 - largeur, 22, 16 + largeur, 22, 16 + largeur * 0.5 - 3, 27, 16 - largeur * 0.5 - 3, 27}, ailette, relief(2, false, eclat - 0.6));
    peindre_ellipse(im, 16, 14, 10, 9.5, COQUE, relief(9, true, 0.3, true));
    // The ship's red stripe round the middle, with lamps that slide round.
    rect_plein(im, 7, 13, 18, 3, AILERON.c[3]);
    rect_plein(im, 7, 15, 18, 1, AILERON.c[1]);
    for (int k = 0; k < 4; ++k) {
        double ang = a / 2 + k * PI / 2;
        double z = std::cos(ang);
        if (z <= 0) continue;
        int x = int(std::lround(16 + 8 * std::sin(ang)));
        rect_plein(im, x - 1, 13, 2, 2, z > 0.7 ? rgb(255, 226, 150) : rgb(250, 160, 84));
    }
    // The glass eye.
    disque(im, 17, 9, 3, COQUE.c[0]);
    disque(im, 17, 9, 2.2, CANOPEE);
    im.set(16, 8, CANOPEE_CLAIRE);
    im.set(17, 8, CANOPEE_CLAIRE);
    finir_sprite(im, pal::CLE_VERTE);
    return im;
}

// ---------------------------------------------------------------- torpedoes (60x30)

// Drawn with the nose to the left; `vers_droite` mirrors the geometry but keeps the light.
Image torpille(bool vers_droite) {
    Image im(60, 30, pal::CLE);
    auto X = [&](double x) { return vers_droite ? 60.0 - x : x; };
    auto P = [&](std::vector<double> p) {
        for (size_t i = 0; i < p.size(); i += 2) p[i] = X(p[i]);
        return p;
    };
    auto rectX = [&](int x, int y, int w, int h, const Rampe& r, const Relief& rel) {
        peindre_rect(im, vers_droite ? 60 - x - w : x, y, w, h, r, rel);
    };
    // Exhaust flame behind the nozzle.
    polygone(im, P({55, 11, 59, 13, 59, 17, 55, 19}), pal::braise.c[2]);
    polygone(im, P({55, 13, 58, 14, 58, 16, 55, 17}), pal::braise.c[4]);
    // Fins.
    peindre_poly(im, P({40, 10, 49, 2, 54, 2, 52, 10}), pal::rouge, relief(2, false));
    peindre_poly(im, P({40, 20, 49, 28, 54, 28, 52, 20}), pal::rouge, relief(2, false, -0.5));
    rectX(50, 11, 5, 8, pal::sombre, relief(2));
    // Hull and warhead.
    peindre_poly(im, P({14, 8, 51, 8, 51, 22, 14, 22}), pal::acier, relief(7, true, 0.2));
    peindre_poly(im, P({2, 15, 5, 11, 10, 8.5, 16, 8, 16, 22, 10, 21.5, 5, 19}), pal::rouge, relief(7, true, 0.2));
    // Hazard band, seams and a sensor eye.
    Image bande(60, 30, pal::CLE);
    hachures(bande, 0, 0, 60, 30, pal::laiton.c[3], pal::CONTOUR, 2);
    for (int y = 9; y < 22; ++y)
        for (int x = 20; x < 25; ++x) im.set(int(X(x) - (vers_droite ? 1 : 0)), y, bande.get(x, y));
    for (int x : {32, 44}) {
        int xx = int(X(x)) - (vers_droite ? 1 : 0);
        joint_v(im, xx, 9, 12, pal::acier);
    }
    rivets(im, int(std::min(X(27), X(40))), 10, 14, 3, pal::acier);
    voyant(im, X(7) - (vers_droite ? 1 : 0), 14, 1.2, pal::braise);
    finir_sprite(im);
    return im;
}

// ---------------------------------------------------------------- hover tank (64x32)

Image tank_desert() {
    Image im(64, 32, pal::CLE);
    // Thrust glow under the skirt.
    for (int x : {12, 30, 48}) {
        ellipse_pleine(im, x, 28, 5, 2, pal::braise.c[2]);
        ellipse_pleine(im, x, 28, 3, 1, pal::braise.c[4]);
    }
    // Hover skirt.
    peindre_poly(im, {3, 21, 61, 21, 58, 27, 6, 27}, pal::sombre, relief(2, false, 0.4));
    grille(im, 20, 22, 24, 4, pal::sombre);
    // Hull with a sloped glacis.
    peindre_poly(im, {2, 19, 12, 11, 54, 10, 61, 14, 61, 22, 2, 22}, pal::sable, relief(3, false, 0.2, true));
    // Camouflage patches.
    polygone(im, {30, 13, 38, 12, 41, 16, 34, 18}, pal::rouille.c[2]);
    polygone(im, {46, 17, 54, 15, 57, 20, 49, 21}, pal::rouille.c[2]);
    joint_h(im, 4, 18, 57, pal::sable);
    rivets(im, 15, 20, 44, 5, pal::sable);
    // Chin cannon.
    peindre_rect(im, 1, 23, 14, 3, pal::acier, relief(1.5));
    peindre_rect(im, 8, 21, 9, 6, pal::acier, relief(2));
    // Driver's slit.
    rect_plein(im, 9, 13, 7, 2, pal::verre.c[3]);
    rect_plein(im, 9, 15, 7, 1, pal::verre.c[1]);
    // Turret with its long gun and an antenna.
    peindre_trait(im, 5, 7, 26, 7, 3, pal::acier, relief(1.5));
    peindre_rect(im, 3, 5, 4, 5, pal::acier, relief(1.5, true, -0.4));
    peindre_poly(im, {24, 11, 27, 4, 44, 3, 49, 7, 48, 11}, pal::sable, relief(4, true, 0.3));
    rect_plein(im, 31, 6, 6, 1, pal::sable.c[0]);
    ligne(im, 45, 4, 50, 0, pal::acier.c[1]);
    voyant(im, 56, 16, 1.1, pal::rouge);
    finir_sprite(im);
    return im;
}

// ---------------------------------------------------------------- Muloi (80x48)

// An armoured crawler: a shell of overlapping plates, a horned head spitting up-left.
// Picture 1 swaps the legs' stride and opens the jaws.
Image muloi(int image) {
    Image im(80, 48, pal::CLE);
    // Legs: hip, knee bent forwards, clawed foot; near and far legs step in opposite phase.
    auto patte = [&](double x, double y, double foulee, double eclat) {
        double kx = x - 6 + foulee * 0.5, ky = y + 6;
        double px = x - 2 + foulee, py = 44;
        peindre_trait(im, x, y, kx, ky, 5, pal::rouille, relief(2.5, true, eclat));
        peindre_trait(im, kx, ky, px, py, 3, pal::os, relief(1.5, true, eclat - 0.3));
        rect_plein(im, int(px) - 3, 45, 4, 1, pal::os.c[int(2 + eclat)]);
    };
    const double pas = image ? 1.0 : -1.0;
    for (int k = 0; k < 3; ++k) patte(34 + k * 16, 30, 4 * pas * (k % 2 ? 1 : -1), -1.3);
    peindre_trait(im, 70, 24, 76, 30, 6, pal::rouille, relief(3, true, -0.6));
    peindre_trait(im, 76, 30, 77, 37, 4, pal::rouille, relief(2, true, -0.6));
    // Belly, then shell plates from the tail forwards.
    peindre_ellipse(im, 46, 29, 28, 7, pal::os, relief(4, true, -0.4));
    for (int k = 0; k < 5; ++k) {
        double cx = 68 - k * 10;
        peindre_ellipse(im, cx, 22, 9.5, 13 - std::abs(k - 2) * 0.8, pal::rouille, relief(8, true, 0.2, true));
        // A bony spike on each plate's crest.
        double top = 22 - (13 - std::abs(k - 2) * 0.8);
        peindre_poly(im, {cx - 2, top + 2, cx + 2, top + 2, cx + 1, top - 3}, pal::os, relief(2, false, 0.3));
        ligne(im, cx - 6, 30, cx - 2, 33, pal::rouille.c[0]);
    }
    // Near legs.
    for (int k = 0; k < 3; ++k) patte(26 + k * 16, 32, -4 * pas * (k % 2 ? 1 : -1), 0);
    // Head raised towards the upper left, where it spits: feelers, lower jaw, skull plate.
    peindre_trait(im, 15, 10, 8, 2, 2, pal::os, relief(1, true, 0.3));
    peindre_trait(im, 19, 10, 17, 1, 2, pal::os, relief(1, true, -0.3));
    if (image) {
        peindre_poly(im, {3, 27, 18, 22, 22, 27, 7, 33}, pal::os, relief(2, true, -0.4));
        polygone(im, {3, 21, 18, 20, 18, 24, 4, 26}, pal::rouge.c[1]);
        disque(im, 8, 22.5, 2.2, pal::braise.c[3]);
        im.set(7, 22, pal::braise.c[4]);
    } else {
        peindre_poly(im, {4, 22, 20, 21, 22, 26, 8, 27}, pal::os, relief(2, true, -0.4));
    }
    peindre_poly(im, {1, 16, 10, 9, 22, 8, 28, 14, 28, 26, 18, 25, 10, 21, 2, 21}, pal::os, relief(5, true, 0.2, true));
    peindre_poly(im, {12, 10, 22, 8, 29, 13, 28, 22, 22, 17, 14, 16}, pal::rouille, relief(3, true, 0.4));
    for (int k = 0; k < 3; ++k) im.set(3 + k * 2, 20, pal::os.c[4]);
    voyant(im, 13, 14, 1.8, image ? pal::braise : pal::rouge);
    finir_sprite(im);
    return im;
}

// ---------------------------------------------------------------- enemy shots

// Energy ball 16x16: the two pictures swap straight and diagonal sparks.
Image tir_boule(int image) {
    Image im(16, 16, pal::CLE);
    if (image == 0) {
        rect_plein(im, 7, 1, 2, 14, TIR.c[2]);
        rect_plein(im, 1, 7, 14, 2, TIR.c[2]);
    } else {
        ligne(im, 2.5, 2.5, 13.5, 13.5, TIR.c[2], 2);
        ligne(im, 13.5, 2.5, 2.5, 13.5, TIR.c[2], 2);
    }
    disque(im, 8, 8, 5.2, TIR.c[2]);
    disque(im, 8, 8, 4.2, TIR.c[3]);
    disque(im, 7.5, 7.5, 2.6, TIR.c[4]);
    contour_sprite(im, pal::CLE, CONTOUR_TIR);
    return im;
}

// Laser bolt 64x14 flying left: a hot head and a tapering trail.
Image tir_laser() {
    Image im(64, 14, pal::CLE);
    polygone(im, {2, 7, 10, 2, 63, 6, 63, 8, 10, 12}, TIR.c[2]);
    polygone(im, {3, 7, 10, 3.5, 48, 6.2, 48, 7.8, 10, 10.5}, TIR.c[3]);
    polygone(im, {4, 7, 10, 5, 36, 6.6, 36, 7.4, 10, 9}, TIR.c[4]);
    ellipse_pleine(im, 8, 7, 4, 3, TIR.c[4]);
    rect_plein(im, 5, 6, 24, 2, rgb(255, 255, 255));
    contour_sprite(im, pal::CLE, CONTOUR_TIR);
    return im;
}

// Spinning blade 16x16 (two pictures, turned by 45 degrees).
Image tir_lame(int image) {
    Image im(16, 16, pal::CLE);
    double a0 = image * PI / 4;
    for (int k = 0; k < 4; ++k) {
        double a = a0 + k * PI / 2;
        double c = std::cos(a), s = std::sin(a);
        polygone(im, {8 + c * 6.5, 8 + s * 6.5, 8 - s * 2.5, 8 + c * 2.5, 8 + s * 2.5, 8 - c * 2.5}, TIR.c[3]);
    }
    disque(im, 8, 8, 2.5, TIR.c[2]);
    im.set(7, 7, TIR.c[4]);
    contour_sprite(im, pal::CLE, CONTOUR_TIR);
    return im;
}

// Plasma orb 24x24 of the level 2 bosses: the two pictures turn the swirl.
Image tir_plasma(int image) {
    Image im(24, 24, pal::CLE);
    disque(im, 12, 12, 9.5, TIR.c[2]);
    disque(im, 12, 12, 8, TIR.c[3]);
    for (int k = 0; k < 3; ++k) {
        double a = k * 2 * PI / 3 + image * PI / 3;
        for (int s = 0; s < 12; ++s) {
            double t = s / 11.0;
            double r = 2 + 6 * t, b = a + t * 1.8;
            im.set(int(12 + r * std::cos(b)), int(12 + r * std::sin(b)), TIR.c[2]);
        }
    }
    disque(im, 11.5, 11.5, 3.5, TIR.c[4]);
    disque(im, 11, 11, 2, rgb(255, 255, 255));
    contour_sprite(im, pal::CLE, CONTOUR_TIR);
    return im;
}

}  // namespace

void generer_ennemis() {
    sauver_avec_flash("Octopus", octopus(false), FLASH_29);
    sauver_avec_flash("Octopus1", octopus(true), FLASH_29);
    sauver("Mechant_Bonus", porteur_bonus(0));
    sauver("Mechant_Bonus1", porteur_bonus(1));
    for (int g = 1; g <= 3; ++g) sauver("Bonus_" + std::to_string(g), objet_bonus(g));
    for (int k = 0; k < 4; ++k) sauver("Module" + std::to_string(k + 1), module(k));
    sauver_avec_flash("TorpilleG", torpille(true), FLASH_29);
    sauver_avec_flash("Torpille", torpille(false), FLASH_29);
    sauver_avec_flash("Ennemi_Desert", tank_desert(), FLASH_29);
    sauver_avec_flash("Muloi", muloi(0), FLASH_29);
    sauver_avec_flash("Muloi1", muloi(1), FLASH_29);
    sauver_avec_flash("Boss1", boss_desert(0), FLASH_29);
    sauver_avec_flash("Boss1a", boss_desert(1), FLASH_29);
    sauver_avec_flash("Demo_Grisor1a", grisor(0), FLASH_40);
    sauver_avec_flash("Demo_Grisor1b", grisor(1), FLASH_40);
    sauver_avec_flash("Demo_Boss1a", forteresse_volante(), FLASH_40);
    sauver_avec_flash("Boss2", boss_final(0), FLASH_40);
    sauver_avec_flash("Boss2a", boss_final(1), FLASH_40);
    sauver("Ennemi_Tir1", tir_boule(0));
    sauver("Ennemi_Tir1a", tir_boule(1));
    sauver("Ennemi_Tir2a", tir_laser());
    sauver("Ennemi_Tir3a", tir_lame(0));
    sauver("Ennemi_Tir3b", tir_lame(1));
    sauver("Demo_Tir1", tir_plasma(0));
    sauver("Demo_Tir1a", tir_plasma(1));
}

}  // namespace ag
