// The big enemy pictures: the level 1 desert war machine, the grey gunship, the flying
// fortress and the final boss. Gun muzzles sit where the level scripts launch their shots.
#include "ennemis_boss.h"

#include <cmath>

#include "ennemis_pixel.h"

namespace ag {

namespace {

constexpr double PI = 3.14159265358979323846;

Relief relief(double biseau, bool bombe = true, double eclat = 0.0, bool tramage = false) {
    Relief r;
    r.biseau = biseau;
    r.bombe = bombe;
    r.eclat = eclat;
    r.tramage = tramage;
    return r;
}

// Sand-blasted wear: darker flecks scattered over pixels of ramp `r` inside a rectangle.
void usure(Image& im, int x, int y, int w, int h, const Rampe& r, int nombre, uint64_t graine) {
    Alea a(graine);
    for (int k = 0; k < nombre; ++k) {
        int px = x + a.entre(0, w - 1), py = y + a.entre(0, h - 1);
        if (!im.dans(px, py)) continue;
        Px c = im.get(px, py);
        for (int n = 1; n < 5; ++n)
            if (c == r.c[n]) {
                im.set(px, py, r.c[n - 1]);
                if (a.entre(0, 2) == 0) im.set(px + 1, py, r.c[n - 1]);
                break;
            }
    }
}

// A gun barrel pointing left from (x1, y) to its muzzle at x0, with a muzzle ring; `chaud`
// lights the bore.
void canon(Image& im, double x0, double x1, double y, double calibre, bool chaud) {
    peindre_trait(im, x0 + calibre, y, x1, y, calibre, pal::acier, relief(calibre / 2));
    peindre_rect(im, int(x0), int(y - calibre * 0.75), int(calibre * 1.2), int(calibre * 1.5), pal::sombre,
                 relief(2, true, 0.6));
    ellipse_pleine(im, x0 + 1, y, 1.2, calibre * 0.35, chaud ? pal::braise.c[4] : pal::CONTOUR);
}

}  // namespace

// ------------------------------------------------------------------ level 1 boss (300x332)

Image boss_desert(int v) {
    Image im(300, 332, pal::CLE);
    const bool b = v != 0;
    // Exhaust stacks at the back; the second picture belches flame.
    for (int k = 0; k < 2; ++k) {
        int x = 268 + k * 15, haut = 36 + k * 22;
        peindre_rect(im, x, haut, 13, 150 - haut, pal::sombre, relief(5, true, 0.3));
        peindre_rect(im, x - 2, haut - 4, 17, 8, pal::acier, relief(3));
        ellipse_pleine(im, x + 6, haut - 2, 5, 2, b ? pal::braise.c[3] : pal::braise.c[1]);
        if (b) {
            polygone(im, {x + 1.0, haut - 3.0, x + 6.0, haut - 16.0 - k * 4, x + 12.0, haut - 3.0}, pal::braise.c[2]);
            polygone(im, {x + 4.0, haut - 3.0, x + 6.0, haut - 10.0 - k * 3, x + 9.0, haut - 3.0}, pal::braise.c[4]);
        }
        for (int j = haut + 14; j < 150; j += 18) joint_h(im, x + 2, j, 9, pal::sombre);
    }
    // Command tower.
    peindre_poly(im, {118, 160, 126, 44, 148, 20, 250, 20, 262, 40, 268, 160}, pal::sable, relief(6, false, 0.0, true));
    peindre_poly(im, {128, 52, 150, 28, 246, 28, 254, 44, 254, 56, 128, 60}, pal::sable, relief(4, true, 0.5));
    // Bridge windows.
    for (int k = 0; k < 6; ++k) {
        int x = 144 + k * 17;
        peindre_poly(im, {double(x), 38, double(x + 13), 38, double(x + 12), 50, double(x - 1), 50}, pal::verre,
                     relief(4, true, -0.2));
        ligne(im, x + 2, 40, x + 5, 40, pal::verre.c[4]);
    }
    for (int j : {72, 100, 128}) joint_h(im, 130, j, 132, pal::sable);
    for (int i : {170, 220}) joint_v(im, i, 62, 96, pal::sable);
    grille(im, 214, 78, 40, 14, pal::sable);
    // Missile rack: eight red-nosed rockets, one already gone in the second picture.
    peindre_rect(im, 196, 100, 62, 36, pal::sombre, relief(4, false, 0.4));
    for (int k = 0; k < 8; ++k) {
        if (b && k == 5) continue;
        int x = 202 + (k % 4) * 13, y = 104 + (k / 4) * 16;
        peindre_rect(im, x + 4, y + 2, 6, 8, pal::os, relief(2));
        peindre_poly(im, {double(x), y + 6.0, x + 5.0, y + 2.0, x + 5.0, y + 10.0}, pal::rouge, relief(2));
    }
    // Pipes down the tower flank.
    peindre_trait(im, 262, 64, 262, 150, 4, pal::laiton, relief(2));
    peindre_trait(im, 256, 70, 256, 150, 3, pal::laiton, relief(1.5, true, -0.5));
    rivets(im, 134, 66, 60, 8, pal::sable);
    hachures(im, 132, 144, 130, 8, pal::laiton.c[3], pal::CONTOUR, 4);
    usure(im, 118, 20, 150, 140, pal::sable, 260, 11);
    // Radar mast and dish.
    ligne(im, 230, 20, 230, 4, pal::acier.c[1], 2);
    peindre_poly(im, {214, 10, 246, 2, 246, 10, 216, 14}, pal::acier, relief(2, false, 0.4));
    voyant(im, 230, 3, 1.5, b ? pal::rouge : pal::braise);
    // Rapid-fire pod under the bridge; its barrels end where the fast sprays start.
    peindre_rect(im, 164, 64, 44, 24, pal::acier, relief(6));
    for (int k = 0; k < 3; ++k) canon(im, 148 + k * 2, 168, 68 + k * 6, 4, b && k == 1);
    grille(im, 180, 68, 20, 14, pal::acier);
    // Forward boom carrying the fan turret.
    peindre_trait(im, 128, 60, 74, 56, 14, pal::acier, relief(6, true, -0.2));
    peindre_trait(im, 124, 82, 86, 62, 6, pal::acier, relief(3, true, -0.6));
    peindre_trait(im, 124, 82, 104, 72, 9, pal::laiton, relief(4));
    canon(im, 38, 62, 50, 6, b);
    canon(im, 42, 62, 60, 6, !b);
    peindre_ellipse(im, 70, 55, 18, 14, pal::sable, relief(12, true, 0.4, true));
    rect_plein(im, 60, 50, 14, 2, pal::sable.c[0]);
    verriere(im, 64, 58, 5, 3);
    // Main hull with a sloped glacis.
    peindre_poly(im, {20, 220, 48, 160, 120, 150, 286, 146, 298, 168, 298, 262, 20, 262}, pal::sable,
                 relief(8, false, 0.0, true));
    peindre_poly(im, {26, 222, 52, 166, 112, 158, 112, 230, 30, 236}, pal::sable, relief(6, true, 0.6));
    for (int j : {190, 232}) joint_h(im, 116, j, 178, pal::sable);
    for (int i : {160, 210, 260}) joint_v(im, i, 152, 100, pal::sable);
    rivets(im, 118, 156, 176, 7, pal::sable);
    grille(im, 222, 198, 30, 26, pal::sable);
    // Rust-red armour plates with their numbers' worth of dents.
    peindre_poly(im, {164, 196, 204, 196, 204, 228, 164, 228}, pal::rouille, relief(3, false, 0.2));
    peindre_poly(im, {56, 206, 104, 196, 104, 226, 50, 232}, pal::rouille, relief(3, false, 0.2));
    // Sensor visor across the glacis: a red slit whose scanning spot moves between pictures.
    polygone(im, {44, 186, 106, 174, 108, 188, 42, 198}, pal::CONTOUR);
    polygone(im, {48, 187, 104, 176, 105, 184, 47, 194}, pal::rouge.c[1]);
    polygone(im, {50, 189, 102, 179, 102, 182, 50, 191}, pal::rouge.c[2]);
    {
        double sx = b ? 90 : 60, sy = 188 - (sx - 48) * 0.2;
        ellipse_pleine(im, sx, sy - 1, 7, 3, pal::rouge.c[3]);
        ellipse_pleine(im, sx, sy - 1, 3, 1.5, pal::rouge.c[4]);
    }
    usure(im, 20, 146, 280, 116, pal::sable, 700, 12);
    usure(im, 50, 196, 150, 40, pal::rouille, 120, 13);
    // Front casemate and the slow-spray main gun.
    canon(im, 72, 112, 142, 10, b);
    peindre_ellipse(im, 118, 144, 18, 20, pal::sable, relief(14, true, 0.5, true));
    rect_plein(im, 108, 136, 14, 3, pal::sable.c[0]);
    rivet(im, 126, 132, pal::sable);
    rivet(im, 126, 156, pal::sable);
    peindre_rect(im, 24, 240, 274, 16, pal::rouille, relief(3, false, -0.2));
    rivets(im, 30, 244, 260, 9, pal::rouille);
    // Lamps along the hull: the two pictures light the alternate ones.
    for (int k = 0; k < 7; ++k) voyant(im, 40 + k * 40, 250, 2.6, ((k % 2) == int(b)) ? pal::rouge : pal::sombre);
    voyant(im, 288, 176, 2.5, b ? pal::braise : pal::rouge);
    // Tracks: a long tread round the road wheels, links shifted by half a link in picture 1.
    Image chenille = forme(im);
    rect_plein(chenille, 40, 262, 226, 66, PLEIN);
    disque(chenille, 40, 295, 33, PLEIN);
    disque(chenille, 266, 295, 33, PLEIN);
    peindre(im, chenille, pal::sombre, relief(4, true, 0.2));
    const int maillon = 10, decalage = b ? 5 : 0;
    for (int x = 40 + decalage; x < 266; x += maillon) {
        rect_plein(im, x, 263, 5, 3, pal::sombre.c[3]);
        rect_plein(im, x, 325, 5, 3, pal::sombre.c[3]);
    }
    for (int k = 0; k < 14; ++k) {
        double a = (k + decalage / double(maillon)) * PI / 14 + PI / 2;
        int x = int(40 + 31 * std::cos(a)), y = int(295 + 31 * std::sin(a));
        rect_plein(im, x - 1, y - 1, 3, 3, pal::sombre.c[3]);
        x = int(266 - 31 * std::cos(a)), y = int(295 - 31 * std::sin(a));
        rect_plein(im, x - 1, y - 1, 3, 3, pal::sombre.c[3]);
    }
    for (int k = 0; k < 7; ++k) {
        double cx = 44 + k * 37;
        peindre_ellipse(im, cx, 298, 16, 16, pal::acier, relief(6, true, -0.2));
        disque(im, cx, 298, 6, pal::acier.c[0]);
        disque(im, cx - 1, 297, 4, pal::laiton.c[2]);
        double a = k * 0.9 + (b ? PI / 4 : 0);
        for (int n = 0; n < 4; ++n) {
            double an = a + n * PI / 2;
            im.set(int(cx + 10 * std::cos(an)), int(298 + 10 * std::sin(an)), pal::acier.c[4]);
        }
    }
    // Armoured skirt over the upper run, hazard-striped at the front.
    peindre_poly(im, {12, 252, 296, 252, 296, 282, 28, 282}, pal::sable, relief(5, false, 0.2));
    hachures(im, 30, 258, 50, 18, pal::laiton.c[3], pal::CONTOUR, 5);
    rect_contour(im, 30, 258, 50, 18, pal::sable.c[0]);
    rivets(im, 90, 258, 200, 9, pal::sable);
    rivets(im, 90, 274, 200, 9, pal::sable);
    usure(im, 12, 252, 284, 30, pal::sable, 200, 14);
    finir_sprite(im);
    return im;
}

// ------------------------------------------------------------------ grey gunship (128x74)

Image grisor(int v) {
    Image im(128, 74, pal::CLE);
    const bool b = v != 0;
    // Rotor mast and blades: the blades turn a little between the two pictures.
    peindre_rect(im, 60, 6, 8, 10, pal::acier, relief(3, true, -0.4));
    double a = b ? PI / 4 : 0.0;
    for (int k = 0; k < 2; ++k) {
        double l = 56 * std::fabs(std::cos(a + k * PI / 2)) + 6;
        int y = 4 + (k == 0 ? (b ? 1 : 0) : (b ? 0 : 1));
        peindre_rect(im, int(64 - l), y, int(2 * l), 3, k ? pal::sombre : pal::acier, relief(1.5, true, 0.3));
    }
    peindre_ellipse(im, 64, 6, 5, 3, pal::sombre, relief(3));
    // Engine nacelles with downward gun pods at both ends.
    for (int s = 0; s < 2; ++s) {
        double cx = s ? 108 : 20;
        peindre_trait(im, s ? 86 : 42, 34, cx, 38, 6, pal::acier, relief(3, true, -0.5));
        peindre_ellipse(im, cx, 36, 17, 11, pal::acier, relief(9, true, 0.1, true));
        grille(im, int(cx) - 8, 30, 16, 8, pal::acier);
        double gx = s ? 122 : 6;
        peindre_trait(im, cx + (s ? 4 : -4), 44, gx, 53, 6, pal::sombre, relief(3, true, 0.3));
        ellipse_pleine(im, gx, 53, 2, 2, (b ? pal::braise.c[4] : pal::CONTOUR));
        voyant(im, s ? cx + 10 : cx - 10, 27, 1.4, (s == int(b)) ? pal::rouge : pal::sombre);
    }
    // Fuselage, belly armour and the glass nose.
    peindre_poly(im, {30, 28, 44, 14, 84, 14, 98, 28, 96, 46, 82, 58, 46, 58, 32, 46}, pal::acier, relief(10, true, 0.2, true));
    peindre_poly(im, {40, 50, 88, 50, 80, 62, 48, 62}, pal::sombre, relief(4, true, 0.4));
    verriere(im, 64, 32, 14, 9);
    rect_plein(im, 52, 44, 24, 1, pal::acier.c[0]);
    rivets(im, 46, 48, 36, 5, pal::acier);
    hachures(im, 54, 18, 20, 4, pal::laiton.c[3], pal::CONTOUR, 3);
    // Landing skids.
    peindre_trait(im, 46, 62, 44, 69, 3, pal::sombre, relief(1.5));
    peindre_trait(im, 82, 62, 84, 69, 3, pal::sombre, relief(1.5));
    peindre_trait(im, 36, 70, 92, 70, 3, pal::acier, relief(1.5, true, -0.3));
    finir_sprite(im);
    return im;
}

// ------------------------------------------------------------------ flying fortress (258x173)

Image forteresse_volante() {
    Image im(258, 173, pal::CLE);
    // Rear fins.
    peindre_poly(im, {206, 60, 236, 8, 252, 8, 246, 62}, pal::rouge, relief(5, false, 0.0, true));
    peindre_poly(im, {206, 110, 236, 160, 252, 160, 246, 108}, pal::rouge, relief(5, false, -0.4, true));
    // Lift engines below the hull, exhausts glowing.
    for (int k = 0; k < 3; ++k) {
        double cx = 70 + k * 62;
        peindre_trait(im, cx, 110, cx, 126, 10, pal::acier, relief(4, true, -0.6));
        peindre_ellipse(im, cx, 134, 22, 12, pal::acier, relief(10, true, 0.0, true));
        ellipse_pleine(im, cx + 18, 134, 4, 8, pal::sombre.c[0]);
        ellipse_pleine(im, cx + 19, 134, 2.5, 6, pal::braise.c[2]);
        ellipse_pleine(im, cx + 19, 134, 1.5, 4, pal::braise.c[4]);
        grille(im, int(cx) - 12, 128, 18, 10, pal::acier);
    }
    // Main hull: a long armoured cigar.
    Image coque = forme(im);
    ellipse_pleine(coque, 130, 86, 122, 34, PLEIN);
    peindre(im, coque, pal::acier, relief(26, true, 0.1, true));
    for (int i : {70, 110, 150, 190}) joint_v(im, i, 58, 56, pal::acier);
    joint_h(im, 30, 96, 196, pal::acier);
    rivets(im, 40, 100, 180, 6, pal::acier);
    rivets(im, 52, 72, 160, 6, pal::acier);
    // Brass armour band and red stripe.
    peindre_poly(im, {60, 54, 200, 54, 210, 62, 50, 62}, pal::laiton, relief(3, false, 0.2));
    hachures(im, 200, 80, 30, 12, pal::laiton.c[3], pal::CONTOUR, 4);
    rect_plein(im, 34, 104, 170, 3, pal::rouge.c[2]);
    // Portholes.
    for (int k = 0; k < 7; ++k) {
        disque(im, 66 + k * 20, 82, 4, pal::acier.c[0]);
        disque(im, 66 + k * 20, 82, 3, pal::verre.c[2]);
        im.set(65 + k * 20, 81, pal::verre.c[4]);
    }
    usure(im, 10, 50, 240, 70, pal::acier, 160, 21);
    // Running lights along the keel.
    for (int k = 0; k < 6; ++k) voyant(im, 56 + k * 28, 112, 1.3, k % 2 ? pal::braise : pal::rouge);
    // Bridge tower with its windows and an antenna.
    peindre_poly(im, {104, 54, 112, 24, 124, 14, 176, 14, 186, 28, 190, 54}, pal::acier, relief(6, false, 0.3, true));
    for (int k = 0; k < 5; ++k) {
        int x = 118 + k * 13;
        peindre_rect(im, x, 22, 9, 8, pal::verre, relief(3, true, -0.2));
        im.set(x + 2, 24, pal::verre.c[4]);
    }
    grille(im, 140, 36, 36, 12, pal::acier);
    ligne(im, 170, 14, 170, 2, pal::acier.c[1], 2);
    ligne(im, 164, 6, 178, 6, pal::acier.c[1]);
    voyant(im, 170, 2, 1.5, pal::rouge);
    // Dorsal turrets.
    for (int k = 0; k < 2; ++k) {
        double cx = 78 + k * 130;
        canon(im, cx - 26, cx, 50, 4, false);
        peindre_ellipse(im, cx, 52, 12, 7, pal::acier, relief(6, true, 0.4));
    }
    // Nose gun: its muzzle is where the guard spray starts.
    canon(im, 22, 50, 84, 8, true);
    peindre_ellipse(im, 46, 86, 12, 14, pal::rouge, relief(10, true, 0.3, true));
    voyant(im, 46, 86, 2.5, pal::braise);
    finir_sprite(im);
    return im;
}

// ------------------------------------------------------------------ final boss (352x386)

// A dark claw opening to the left: two armoured jaws carry the scissor cannons, a reactor
// eye burns between them.
Image boss_final(int v) {
    Image im(352, 386, pal::CLE);
    const bool b = v != 0;
    // Back spines.
    for (int k = 0; k < 5; ++k) {
        double y = 100 + k * 46;
        peindre_poly(im, {300, y - 8, 346, y - 20 + k * 8, 348, y - 14 + k * 8, 300, y + 10}, pal::sombre,
                     relief(3, false, 0.4));
    }
    // Body.
    Image corps = forme(im);
    ellipse_pleine(corps, 250, 193, 96, 150, PLEIN);
    peindre(im, corps, pal::sombre, relief(40, true, 0.4, true));
    for (int j : {90, 140, 246, 296}) joint_h(im, 190, j, 120, pal::sombre);
    grille(im, 280, 150, 40, 86, pal::sombre);
    rivets(im, 200, 100, 100, 8, pal::sombre);
    rivets(im, 200, 286, 100, 8, pal::sombre);
    // Jaws: the upper and lower arms reach forward; each ends in a cannon mount.
    for (int s = 0; s < 2; ++s) {
        auto Y = [&](double y) { return s ? 386.0 - y : y; };
        peindre_poly(im, {250, Y(30), 160, Y(40), 60, Y(66), 14, Y(110), 20, Y(124), 80, Y(118), 190, Y(150), 240, Y(160)},
                     pal::sombre, relief(12, true, 0.6, true));
        peindre_poly(im, {14, Y(110), 40, Y(124), 20, Y(148), 8, Y(136)}, pal::rouge, relief(4, true, 0.0));
        // Teeth along the inner edge of the jaw.
        auto bord = [](double x) { return x < 80 ? 124 - (x - 20) * 0.1 : 118 + (x - 80) * 0.29; };
        for (int k = 0; k < 7; ++k) {
            double x = 36 + k * 20;
            peindre_poly(im, {x, Y(bord(x) - 3), x + 12, Y(bord(x + 12) - 3), x + 5, Y(bord(x + 5) + 9)}, pal::acier,
                         relief(2, false, -0.3));
        }
        // Glowing conduit along the jaw, brighter on the pulse picture.
        for (int k = 0; k < 6; ++k) {
            double x = 56 + k * 24, y = 84 + (x - 56) * 0.05;
            rect_plein(im, int(x), int(Y(y)) - 1, 16, 3, pal::sombre.c[0]);
            rect_plein(im, int(x) + 1, int(Y(y)), 14, 1, b ? pal::rouge.c[4] : pal::rouge.c[2]);
        }
        for (int k = 0; k < 4; ++k) {
            double x = 70 + k * 40;
            ligne(im, x, Y(70 - k * 6 + 8), x + 16, Y(118 + k * 8), pal::sombre.c[0]);
            rivet(im, int(x) + 6, int(Y(104 + k * 2)), pal::sombre);
        }
        // Cannon: the barrel mouth at (138, 76) / (138, 282) of the scissor shots.
        double cy = s ? 294 : 88;
        peindre_ellipse(im, 184, cy, 26, 22, pal::sombre, relief(18, true, 0.9, true));
        canon(im, 136, 176, cy, 12, b);
        hachures(im, 176, int(cy) - 4, 20, 8, pal::rouge.c[2], pal::CONTOUR, 3);
        voyant(im, 196, cy - 12, 2.2, (s == int(b)) ? pal::rouge : pal::braise);
    }
    // Reactor eye with its armoured lids; picture 1 is the bright beat of its pulse.
    const Rampe& coeur = pal::rouge;
    peindre_ellipse(im, 214, 193, 64, 56, pal::sombre, relief(20, true, -0.3));
    peindre_ellipse(im, 208, 193, 50, 44, coeur, relief(40, true, b ? 0.9 : -0.2, true));
    disque(im, 204, 193, b ? 22 : 18, pal::braise.c[b ? 3 : 2]);
    disque(im, 200, 189, b ? 12 : 9, pal::braise.c[4]);
    ellipse_pleine(im, 204, 193, 4, b ? 16 : 13, pal::CONTOUR);
    for (int k = 0; k < 12; ++k) {
        double an = k * PI / 6 + (b ? PI / 12 : 0);
        ligne(im, 208 + 30 * std::cos(an), 193 + 28 * std::sin(an), 208 + 46 * std::cos(an),
              193 + 41 * std::sin(an), coeur.c[0]);
    }
    peindre_poly(im, {150, 150, 200, 132, 272, 140, 268, 158, 200, 152, 156, 162}, pal::sombre, relief(6, true, 0.7));
    peindre_poly(im, {150, 236, 200, 234, 268, 228, 272, 246, 200, 254, 156, 224}, pal::sombre, relief(6, true, 0.2));
    // Engine vents at the back.
    for (int k = 0; k < 3; ++k) {
        double y = 150 + k * 43;
        peindre_rect(im, 322, int(y), 24, 28, pal::sombre, relief(4, true, 0.3));
        for (int j = 0; j < 4; ++j)
            rect_plein(im, 326, int(y) + 5 + j * 5, 16, 2, (j + k + int(b)) % 2 ? pal::braise.c[2] : pal::rouge.c[1]);
    }
    // Lamps down the spine.
    for (int k = 0; k < 6; ++k) voyant(im, 306, 70 + k * 50, 2.2, ((k % 2) == int(b)) ? pal::rouge : pal::laiton);
    usure(im, 0, 0, 352, 386, pal::sombre, 900, 31);
    finir_sprite(im);
    return im;
}

}  // namespace ag
