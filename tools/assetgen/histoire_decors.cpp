// Story backgrounds: the base seen from above with its two blinking overlays, the corridor
// over the dusk landscape, the desert, the fighter landed and taking off, the white light and the white room,
// and the title cards and the two stills (End_Intro, Vieux3).
#include <cmath>

#include "histoire_interne.h"
#include "sortie.h"

namespace ag {

namespace {

const double DEUX_PI = 2 * M_PI;

// 4x4 ordered dither threshold in [0, 1): gives gradients the banded pixel-art look.
double seuil(int x, int y) {
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (bayer[y & 3][x & 3] + 0.5) / 16.0;
}

// Picks one of the `n` colours of a ramp for position t in [0, 1], dithered between steps.
Px rampe(const Px* couleurs, int n, double t, int x, int y) {
    if (t <= 0) return couleurs[0];
    if (t >= 1) return couleurs[n - 1];
    double f = t * (n - 1);
    int i = int(f);
    return (f - i) > seuil(x, y) ? couleurs[std::min(n - 1, i + 1)] : couleurs[i];
}

// Fills rows y0..y1 with a dithered vertical ramp.
void ciel(Image& im, int y0, int y1, const Px* couleurs, int n) {
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < im.w; ++x) im.set(x, y, rampe(couleurs, n, double(y - y0) / (y1 - y0), x, y));
}

// A height profile periodic over 640 pixels (integer harmonics), so bands tile.
double profil(double x, const double* amp, const int* harm, const double* phase, int n) {
    double h = 0;
    for (int k = 0; k < n; ++k) h += amp[k] * std::sin(DEUX_PI * harm[k] * x / 640.0 + phase[k]);
    return h;
}

// A dithered disc of light: the centre full colour, the rim fading out through the dither.
void halo(Image& im, double cx, double cy, double r, Px c, double force) {
    for (int y = int(cy - r); y <= int(cy + r); ++y)
        for (int x = int(cx - r); x <= int(cx + r); ++x) {
            if (!im.dans(x, y)) continue;
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / r;
            if (d >= 1) continue;
            double t = force * (1 - d) * (1 - d);
            // Quantise to 4 levels then dither, to keep a small palette.
            double q = std::floor(t * 4 + seuil(x, y)) / 4;
            if (q > 0) im.set(x, y, melange(im.get(x, y), c, q));
        }
}

// Makes sure no pixel of an overlay accidentally equals its key.
void eviter_cle(Image& im, Px cle, const Image& masque_transparent, Px marque) {
    for (size_t i = 0; i < im.px.size(); ++i) {
        if (masque_transparent.px[i] == marque) im.px[i] = cle;
        else if (im.px[i] == cle) im.px[i] = rgb(R(cle), G(cle) ^ 2, B(cle));
    }
}

// ---------------------------------------------------------------- the base, from above

const Px ACIER[] = {rgb(38, 42, 52), rgb(54, 60, 72), rgb(72, 80, 94), rgb(94, 104, 118), rgb(124, 134, 148)};

// Console with a screen and a row of LEDs; `graine` varies the LED pattern per frame.
void console(Image& im, int x, int y, int w, int h, uint64_t graine, bool verticale) {
    rect_plein(im, x, y, w, h, ACIER[1]);
    rect_contour(im, x, y, w, h, ACIER[0]);
    rect_plein(im, x + 1, y + 1, w - 2, 1, ACIER[3]);
    Alea a(graine);
    int sx = x + 4, sy = y + 4, sw = verticale ? w - 8 : w / 2, sh = verticale ? h / 2 : h - 8;
    rect_plein(im, sx, sy, sw, sh, rgb(10, 30, 26));
    for (int k = 0; k < sh / 3; ++k) rect_plein(im, sx + 2, sy + 2 + 3 * k, a.entre(2, sw - 4), 1, rgb(60, 200, 120));
    static const Px leds[] = {rgb(240, 60, 50), rgb(250, 200, 60), rgb(70, 230, 110), rgb(60, 160, 250)};
    int lx = verticale ? x + 4 : sx + sw + 4, ly = verticale ? sy + sh + 4 : y + 4;
    for (int k = 0; k < 6; ++k) {
        int px = verticale ? lx + (k % 3) * 5 : lx + (k % 3) * 6, py = verticale ? ly + (k / 3) * 6 : ly + (k / 3) * 6;
        bool allume = a.entre(0, 2) != 0;
        rect_plein(im, px, py, 3, 3, allume ? leds[a.entre(0, 3)] : rgb(30, 30, 36));
    }
}

// The radar wall screen above the General: the sweep turns from frame to frame.
void radar(Image& im, int cx, int cy, int r, double angle) {
    disque(im, cx, cy, r + 3, ACIER[0]);
    disque(im, cx, cy, r, rgb(8, 28, 20));
    for (int k = 1; k <= 3; ++k)
        for (int a = 0; a < 360; a += 2) {
            double t = a * M_PI / 180;
            im.set(int(cx + r * k / 3.0 * std::cos(t)), int(cy + r * k / 3.0 * std::sin(t)), rgb(30, 90, 60));
        }
    for (int k = 0; k < 40; ++k) {
        double t = angle - k * 0.02;
        ligne(im, cx, cy, cx + r * std::cos(t), cy + r * std::sin(t), melange(rgb(120, 250, 160), rgb(8, 28, 20), k / 40.0));
    }
    // The war engine: a red blip far out in the Dune Sea.
    rect_plein(im, cx - r / 2, cy - r / 3, 3, 3, rgb(250, 60, 40));
}

Image sol_base(int trame) {
    Image im(640, 480, ACIER[2]);
    Alea a(0xBA5E0001);
    // Floor plates 40x40 with bevels and rivets.
    for (int ty = 0; ty < 480; ty += 40)
        for (int tx = 0; tx < 640; tx += 40) {
            Px c = (a.entre(0, 5) == 0) ? ACIER[1] : ACIER[2];
            rect_plein(im, tx, ty, 40, 40, c);
            rect_plein(im, tx, ty, 40, 1, ACIER[3]);
            rect_plein(im, tx, ty, 1, 40, ACIER[3]);
            rect_plein(im, tx, ty + 39, 40, 1, ACIER[0]);
            rect_plein(im, tx + 39, ty, 1, 40, ACIER[0]);
            for (int k = 0; k < 4; ++k) im.set(tx + 4 + (k & 1) * 31, ty + 4 + (k >> 1) * 31, ACIER[4]);
            for (int k = 0; k < 6; ++k) im.set(tx + a.entre(3, 36), ty + a.entre(3, 36), ACIER[1]);  // scuffs
        }
    // The walkway the figures follow, with hazard stripes along both edges.
    rect_plein(im, 268, 100, 168, 345, rgb(66, 72, 80));
    for (int y = 100; y < 445; ++y)
        for (int k = 0; k < 2; ++k) {
            int x0 = k ? 430 : 264;
            for (int x = x0; x < x0 + 6; ++x) im.set(x, y, ((x + y) / 6) % 2 ? rgb(230, 180, 40) : rgb(30, 30, 30));
        }
    for (int y = 110; y < 440; y += 24) rect_plein(im, 348, y, 4, 12, rgb(200, 200, 190));  // centre line
    // Walls: top, left, right, and the bottom with its door.
    rect_plein(im, 0, 0, 640, 86, ACIER[0]);
    rect_plein(im, 0, 80, 640, 6, ACIER[3]);
    rect_plein(im, 0, 0, 56, 480, ACIER[0]);
    rect_plein(im, 50, 80, 6, 400, ACIER[3]);
    rect_plein(im, 584, 0, 56, 480, ACIER[0]);
    rect_plein(im, 584, 80, 6, 400, ACIER[3]);
    rect_plein(im, 0, 446, 640, 34, ACIER[0]);
    rect_plein(im, 0, 446, 640, 4, ACIER[3]);
    rect_plein(im, 300, 446, 100, 34, rgb(24, 26, 30));
    rect_plein(im, 300, 446, 4, 34, rgb(230, 180, 40));
    rect_plein(im, 396, 446, 4, 34, rgb(230, 180, 40));
    // Consoles along the walls, their LEDs changing with the frame.
    for (int k = 0; k < 4; ++k) console(im, 60 + 52 * k, 8, 48, 64, 0xC0 + trame * 31 + k, false);
    for (int k = 0; k < 3; ++k) console(im, 448 + 44 * k, 8, 40, 64, 0xD0 + trame * 17 + k, false);
    for (int k = 0; k < 5; ++k) console(im, 4, 100 + 66 * k, 44, 58, 0xE0 + trame * 13 + k, true);
    for (int k = 0; k < 5; ++k) console(im, 592, 100 + 66 * k, 44, 58, 0xF0 + trame * 7 + k, true);
    radar(im, 350, 44, 34, trame * 2.1 + 0.4);
    // The map table in the middle of the room: dark here, lit by the Bloc_Milieu overlay.
    rect_plein(im, 92, 176, 156, 140, ACIER[0]);
    rect_plein(im, 96, 180, 148, 132, rgb(20, 24, 34));
    rect_plein(im, 92, 316, 156, 6, rgb(24, 24, 28));  // its shadow
    // Crates on the right.
    for (int k = 0; k < 3; ++k) {
        int cx = 470 + (k % 2) * 50, cy = 190 + k * 60;
        rect_plein(im, cx + 4, cy + 4, 44, 44, rgb(30, 32, 36));
        rect_plein(im, cx, cy, 44, 44, rgb(140, 110, 60));
        rect_contour(im, cx, cy, 44, 44, rgb(80, 60, 30), 2);
        ligne(im, cx + 2, cy + 2, cx + 41, cy + 41, rgb(100, 78, 40), 2);
        ligne(im, cx + 41, cy + 2, cx + 2, cy + 41, rgb(100, 78, 40), 2);
    }
    return im;
}

// The lamps and their pools of light on the floor, over the key (25, 37, 242).
Image lumieres_base(const Image& sol) {
    const Px cle = rgb(25, 37, 242), marque = rgb(1, 2, 3);
    Image im = sol, masque(640, 480, marque);
    const int lampes[][2] = {{140, 120}, {140, 400}, {520, 400}, {520, 130}, {350, 250}};
    for (auto& l : lampes) {
        // Pool of light: the floor itself brightened, so it lines up with every base frame.
        for (int y = l[1] - 70; y <= l[1] + 70; ++y)
            for (int x = l[0] - 70; x <= l[0] + 70; ++x) {
                if (!im.dans(x, y)) continue;
                double d = std::hypot(x - l[0], y - l[1]) / 70;
                if (d >= 1) continue;
                double q = std::floor((1 - d) * 3 + seuil(x, y)) / 3;
                if (q <= 0) continue;
                im.set(x, y, melange(sol.get(x, y), rgb(255, 236, 170), 0.3 * q));
                masque.set(x, y, 0);
            }
        // The floor lamp itself.
        disque(im, l[0], l[1], 5, rgb(60, 60, 50));
        disque(im, l[0], l[1], 3.5, rgb(255, 244, 200));
    }
    // Warning beacons in the corners of the walls.
    const int balises[][2] = {{28, 40}, {612, 40}, {28, 460}, {612, 460}};
    for (auto& b : balises) {
        disque(im, b[0], b[1], 7, rgb(255, 90, 40));
        disque(im, b[0], b[1], 3, rgb(255, 220, 150));
        disque(masque, b[0], b[1], 7, 0);
    }
    eviter_cle(im, cle, masque, marque);
    return im;
}

// The lit hologram of the Dune Sea on the map table, over the key (60, 206, 255).
Image bloc_milieu() {
    const Px cle = rgb(60, 206, 255);
    Image im(640, 480, cle);
    rect_plein(im, 96, 180, 148, 132, rgb(16, 60, 70));
    for (int y = 182; y < 310; y += 2) rect_plein(im, 96, y, 148, 1, rgb(20, 76, 88));
    // Contour lines of the dunes.
    for (int k = 0; k < 7; ++k)
        for (int x = 98; x < 242; ++x) {
            double y = 196 + k * 17 + 5 * std::sin(x * 0.09 + k * 1.3) + 3 * std::sin(x * 0.21 + k);
            im.set(x, int(y), rgb(80, 230, 200));
        }
    // The colony (a square) and the war engine (a red diamond) with its track towards it.
    rect_contour(im, 210, 282, 14, 14, rgb(250, 250, 140), 2);
    polygone(im, {126, 196, 136, 206, 126, 216, 116, 206}, rgb(250, 70, 50));
    for (int k = 0; k < 12; ++k) rect_plein(im, 136 + k * 6, 210 + k * 6, 3, 3, rgb(250, 130, 90));
    rect_contour(im, 92, 176, 156, 140, rgb(120, 240, 230), 2);
    return im;
}

// ---------------------------------------------------------------- landscape and corridor

const Px CIEL_SOIR[] = {rgb(40, 26, 70), rgb(84, 40, 96), rgb(150, 62, 96), rgb(214, 104, 80), rgb(246, 168, 90), rgb(252, 214, 140)};
const Px SABLE_SOIR[] = {rgb(92, 50, 52), rgb(140, 74, 58), rgb(188, 108, 66), rgb(224, 146, 84)};

Image paysage(int trame) {
    Image im(640, 480);
    ciel(im, 0, 200, CIEL_SOIR, 6);
    rect_plein(im, 0, 200, 640, 280, CIEL_SOIR[5]);
    halo(im, 430, 160, 90, rgb(255, 230, 160), 0.7);
    disque(im, 430, 160, 26, rgb(255, 236, 180));
    // Thin clouds drifting a little between the two frames.
    Alea a(0x9A15);
    for (int k = 0; k < 9; ++k) {
        int cx = a.entre(0, 639) + trame * 6, cy = a.entre(30, 130), w = a.entre(60, 160);
        for (int j = 0; j < 3; ++j) rect_plein(im, cx + j * 8, cy + j * 3, w - j * 16, 2, melange(im.get(std::min(639, std::max(0, cx)), cy), rgb(255, 190, 160), 0.35));
    }
    // Mesas, then two ranges of dunes, each darker towards the front.
    const double am[] = {18, 9, 5}; const int hm[] = {2, 5, 11}; const double pm[] = {0.3, 1.1, 2.0};
    for (int x = 0; x < 640; ++x) {
        double h = 150 + profil(x, am, hm, pm, 3);
        bool mesa = (x > 60 && x < 170) || (x > 500 && x < 590);
        if (mesa) h = std::min(h, 112.0 + ((x > 500) ? 12 : 0));
        for (int y = int(h); y < 200; ++y) im.set(x, y, mesa ? rgb(110, 56, 74) : rgb(128, 64, 76));
    }
    const double a1[] = {10, 6, 3}; const int h1[] = {3, 7, 13}; const double p1[] = {2.0, 0.4, 1.7};
    const double a2[] = {14, 7, 2}; const int h2[] = {2, 5, 17}; const double p2[] = {4.0, 2.2, 0.1};
    for (int x = 0; x < 640; ++x) {
        double d1 = 172 + profil(x, a1, h1, p1, 3), d2 = 230 + profil(x, a2, h2, p2, 3);
        for (int y = int(d1); y < 480; ++y) {
            double t = (y - d1) / 120.0;
            im.set(x, y, rampe(SABLE_SOIR + 1, 3, 0.8 - t * 0.6, x, y));
        }
        for (int y = int(d2); y < 480; ++y) {
            double t = (y - d2) / 130.0;
            im.set(x, y, rampe(SABLE_SOIR, 4, 0.95 - t, x, y));
        }
        im.set(x, int(d1), SABLE_SOIR[3]);
        im.set(x, int(d2), SABLE_SOIR[3]);
    }
    // A beacon on the far mesa blinks between the two frames.
    rect_plein(im, 118, 96, 2, 16, rgb(60, 30, 50));
    if (trame == 0) { disque(im, 119, 95, 3, rgb(255, 70, 60)); halo(im, 119, 95, 10, rgb(255, 90, 70), 0.6); }
    else disque(im, 119, 95, 2, rgb(120, 40, 40));
    return im;
}

// The corridor of the base, side view: windows (magenta, see-through) over the landscape,
// everything periodic over 160 pixels so the band wraps without a seam.
Image couloir() {
    const Px magenta = rgb(255, 0, 255);
    const Px mur[] = {rgb(34, 36, 46), rgb(52, 56, 68), rgb(74, 80, 94), rgb(104, 112, 126), rgb(140, 148, 160)};
    Image im(640, 480, mur[2]);
    // Ceiling with its light strip.
    rect_plein(im, 0, 0, 640, 28, mur[0]);
    rect_plein(im, 0, 20, 640, 3, rgb(250, 232, 170));
    rect_plein(im, 0, 28, 640, 4, mur[3]);
    for (int x0 = 0; x0 < 640; x0 += 160) {
        // Window with a thick frame and rounded corners.
        int wx = x0 + 22, wy = 44, ww = 116, wh = 150;
        rect_plein(im, wx - 6, wy - 6, ww + 12, wh + 12, mur[1]);
        rect_plein(im, wx - 6, wy - 6, ww + 12, 2, mur[4]);
        rect_plein(im, wx - 6, wy + wh + 4, ww + 12, 2, mur[0]);
        rect_plein(im, wx, wy, ww, wh, magenta);
        for (int c = 0; c < 3; ++c) {  // rounded corners in the frame colour
            rect_plein(im, wx, wy + c, 3 - c, 1, mur[1]);
            rect_plein(im, wx + ww - 3 + c, wy + c, 3 - c, 1, mur[1]);
            rect_plein(im, wx, wy + wh - 1 - c, 3 - c, 1, mur[1]);
            rect_plein(im, wx + ww - 3 + c, wy + wh - 1 - c, 3 - c, 1, mur[1]);
        }
        rect_plein(im, wx + ww / 2 - 2, wy, 4, wh, mur[1]);  // mullion
        rect_plein(im, wx + ww / 2 - 2, wy, 1, wh, mur[3]);
        // Pillar between windows, with a small lamp.
        rect_plein(im, x0 + 148, 32, 12, 200, mur[1]);
        rect_plein(im, x0 + 148, 32, 2, 200, mur[3]);
        disque(im, x0 + 154, 120, 3, rgb(250, 210, 120));
        // Wall panels under the window.
        rect_plein(im, x0 + 8, 206, 144, 22, mur[1]);
        rect_plein(im, x0 + 8, 206, 144, 1, mur[3]);
        for (int k = 0; k < 4; ++k) rect_plein(im, x0 + 20 + 34 * k, 214, 20, 6, mur[0]);
    }
    // Skirting and floor: a metal deck lit from the windows, darker towards the front.
    rect_plein(im, 0, 228, 640, 4, rgb(230, 180, 40));
    rect_plein(im, 0, 232, 640, 2, mur[0]);
    const Px sol[] = {rgb(44, 46, 56), rgb(62, 66, 78), rgb(84, 90, 104), rgb(110, 116, 130)};
    // Deck seams every 40 pixels, so the floor wraps like the wall.
    for (int y = 234; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            double t = 1.0 - (y - 234) / 246.0;
            Px c = rampe(sol, 4, t * 0.9, x, y);
            if (x % 40 == 0 || (y - 234) % 32 == 0) c = sol[0];
            else if (x % 40 == 1) c = melange(c, sol[3], 0.4);
            im.set(x, y, c);
        }
    // Reflections of the windows on the deck.
    for (int x0 = 0; x0 < 640; x0 += 160)
        for (int y = 240; y < 300; ++y)
            for (int x = x0 + 30; x < x0 + 130; ++x)
                if (((x + y) & 1) == 0 && (y - 240) < 60 - (x - x0 - 30) / 3) im.set(x, y, melange(im.get(x, y), rgb(220, 140, 110), 0.18));
    // Slide the pattern 4 pixels so the wrap falls on plain wall and plain deck, not on a
    // pillar edge or a seam.
    Image r(640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) r.set(x, y, im.get((x + 4) % 640, y));
    return r;
}

// ---------------------------------------------------------------- the desert

const Px CIEL_JOUR[] = {rgb(70, 110, 170), rgb(110, 150, 196), rgb(164, 190, 206), rgb(220, 214, 196), rgb(246, 232, 196)};
const Px SABLE_JOUR[] = {rgb(150, 100, 54), rgb(190, 136, 72), rgb(218, 170, 98), rgb(236, 200, 128), rgb(248, 226, 164)};

// The deep desert by day; `trame` 0/1 moves the heat shimmer, 2 is the same land at night.
Image desert(int trame) {
    Image im(640, 480);
    bool nuit = trame == 2;
    const Px CIEL_NUIT[] = {rgb(6, 8, 24), rgb(14, 18, 46), rgb(30, 34, 74), rgb(54, 52, 96)};
    if (nuit) ciel(im, 0, 230, CIEL_NUIT, 4);
    else ciel(im, 0, 230, CIEL_JOUR, 5);
    if (nuit) {
        Alea e(0x57A85);
        for (int k = 0; k < 160; ++k) im.set(e.entre(0, 639), e.entre(0, 220), rgb(e.entre(160, 240), e.entre(160, 240), 250));
        disque(im, 120, 80, 16, rgb(236, 232, 210));
        disque(im, 126, 76, 14, CIEL_NUIT[0]);
    } else {
        halo(im, 500, 70, 80, rgb(255, 250, 220), 0.8);
        disque(im, 500, 70, 20, rgb(255, 252, 236));
    }
    // Far dunes on the horizon, then the flat ground where the figures stand.
    const double a1[] = {12, 5, 3}; const int h1[] = {2, 6, 13}; const double p1[] = {1.0, 2.5, 0.3};
    for (int x = 0; x < 640; ++x) {
        double h = 214 + profil(x, a1, h1, p1, 3);
        for (int y = int(h); y < 240; ++y) im.set(x, y, nuit ? rgb(50, 44, 70) : rampe(SABLE_JOUR + 1, 3, 0.3 + (y - h) / 60.0, x, y));
    }
    for (int y = 232; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            double t = (y - 232) / 248.0;
            double ride = 0.08 * std::sin(x * 0.05 + y * 0.3 + std::sin(x * 0.013) * 3);
            Px c = rampe(SABLE_JOUR, 5, 0.85 - t * 0.6 + ride, x, y);
            if (nuit) c = melange(c, rgb(30, 34, 80), 0.65);
            im.set(x, y, c);
        }
    // Rocks, and the bleached bones of something that did not make it.
    Alea a(0xDE5E);
    for (int k = 0; k < 14; ++k) {
        int rx = a.entre(0, 620), ry = a.entre(250, 470), rr = a.entre(3, 9);
        if (rx > 260 && rx < 360 && ry < 320) continue;  // keep the meeting place clear
        ellipse_pleine(im, rx + 2, ry + 2, rr + 1, rr * 0.5 + 1, nuit ? rgb(30, 30, 50) : rgb(150, 100, 60));
        ellipse_pleine(im, rx, ry, rr, rr * 0.6, nuit ? rgb(60, 56, 80) : rgb(120, 90, 70));
        ellipse_pleine(im, rx - rr / 3, ry - rr / 4, rr / 2.5, rr / 4.0, nuit ? rgb(80, 76, 100) : rgb(170, 140, 110));
    }
    Px os = nuit ? rgb(150, 150, 170) : rgb(240, 232, 206);
    for (int k = 0; k < 5; ++k) ligne(im, 470 + k * 7, 404, 478 + k * 7, 392, os, 2);  // ribs
    ligne(im, 466, 404, 510, 404, os, 2);
    ellipse_pleine(im, 520, 400, 8, 6, os);  // skull
    im.set(517, 399, rgb(60, 40, 30)); im.set(522, 399, rgb(60, 40, 30));
    if (!nuit) {
        // Heat shimmer: rows near the horizon slide sideways, in another phase per frame,
        // and a false lake glints where the land meets the sky.
        Image copie = im;
        for (int y = 200; y < 262; ++y) {
            int dx = int(std::lround(2.0 * std::sin(y * 0.7 + trame * M_PI)));
            for (int x = 0; x < 640; ++x) im.set(x, y, copie.get((x + dx + 640) % 640, y));
        }
        const int lacs[][3] = {{40, 226, 70}, {190, 230, 50}, {330, 227, 90}, {560, 229, 60}};
        for (auto& l : lacs) {
            double cx = l[0] + 3 * trame, rx = l[2] / 2.0 + 4 * trame, ry = 3.5;
            for (int y = int(l[1] - ry); y <= int(l[1] + ry); ++y)
                for (int x = int(cx - rx); x <= int(cx + rx); ++x) {
                    double dx = (x - cx) / rx, dy = (y - l[1]) / ry;
                    if (dx * dx + dy * dy > 1 || !im.dans(x, y)) continue;
                    // The sky mirrored in the sand: the false lake of the deep desert.
                    im.set(x, y, rampe(CIEL_JOUR + 1, 3, 0.2 + 0.6 * (y - l[1] + ry) / (2 * ry), x, y + trame));
                }
        }
    }
    return im;
}

// ---------------------------------------------------------------- the fighter

const Px COQUE[] = {rgb(52, 56, 66), rgb(96, 102, 114), rgb(150, 156, 164), rgb(196, 200, 204)};

}  // namespace

Image chasseur(Px fond, bool moteurs) {
    // Drawn at 300x110, nose to the right; the engine sits at the back (left).
    Image im(300, 110, fond);
    // Back wing (darker, behind the hull).
    polygone(im, {90, 62, 170, 62, 120, 20, 98, 20}, COQUE[0]);
    // Hull.
    polygone(im, {20, 48, 60, 38, 200, 36, 262, 52, 292, 64, 262, 72, 200, 80, 40, 80, 20, 72}, COQUE[2]);
    polygone(im, {20, 48, 60, 38, 200, 36, 262, 52, 292, 64, 60, 50}, COQUE[3]);
    polygone(im, {20, 72, 40, 80, 200, 80, 262, 72, 292, 64, 60, 72}, COQUE[1]);
    // Orange flash along the flank: Olek's colour.
    polygone(im, {70, 58, 230, 58, 250, 64, 230, 66, 70, 66}, rgb(222, 112, 38));
    polygone(im, {70, 64, 230, 64, 250, 64, 230, 66, 70, 66}, rgb(170, 76, 24));
    // Canopy.
    polygone(im, {196, 40, 222, 30, 248, 42, 262, 52, 206, 50}, rgb(40, 70, 110));
    polygone(im, {206, 38, 222, 32, 238, 40, 212, 44}, rgb(140, 200, 236));
    // Tail fin and front wing.
    polygone(im, {30, 46, 54, 40, 40, 8, 26, 8}, COQUE[1]);
    polygone(im, {30, 46, 36, 44, 30, 8, 26, 8}, COQUE[2]);
    polygone(im, {100, 74, 180, 74, 132, 104, 110, 104}, COQUE[1]);
    polygone(im, {104, 74, 180, 74, 176, 77, 106, 77}, COQUE[3]);
    // Engine nozzle.
    rect_plein(im, 8, 50, 16, 22, COQUE[0]);
    rect_plein(im, 4, 54, 6, 14, rgb(30, 30, 34));
    if (moteurs) {
        polygone(im, {4, 54, -40, 61, 4, 68}, rgb(250, 140, 50));
        polygone(im, {4, 57, -22, 61, 4, 65}, rgb(255, 230, 160));
    }
    // Panel lines.
    for (int x = 80; x < 200; x += 30) ligne(im, x, 40, x, 78, COQUE[1]);
    contour_sprite(im, fond, rgb(20, 20, 26));
    return im;
}

namespace {

// The fighter landed on the sand, its hatch open above a ramp at x ~160..190 where the
// pale Olek stops and turns to climb in; `eclat` 0..4 warms up its lights.
Image vaisseau_au_sol(int eclat, bool trappe) {
    Image im(640, 480);
    const Px AUBE[] = {rgb(30, 34, 70), rgb(70, 60, 110), rgb(160, 100, 120), rgb(236, 160, 120), rgb(252, 214, 160)};
    ciel(im, 0, 300, AUBE, 5);
    halo(im, 80, 300, 120, rgb(255, 220, 170), 0.6);
    const double a1[] = {10, 4}; const int h1[] = {3, 8}; const double p1[] = {0.5, 1.5};
    for (int x = 0; x < 640; ++x) {
        double h = 286 + profil(x, a1, h1, p1, 2);
        for (int y = int(h); y < 480; ++y) im.set(x, y, rampe(SABLE_SOIR, 4, 0.9 - (y - h) / 220.0, x, y));
    }
    // The landing gear then the ship, scaled up to 520x190 and standing on the sand.
    const Px cle = rgb(1, 254, 1);
    Image grand = agrandir(chasseur(cle, false), 520, 190);
    const double sx = 520.0 / 300, sy = 190.0 / 110;
    const int ox = 112, oy = 144;
    ellipse_pleine(im, 380, 326, 240, 12, rgb(80, 40, 44));  // shadow on the sand
    for (int k = 0; k < 3; ++k) {
        int gx = ox + int((70 + k * 90) * sx);
        rect_plein(im, gx, oy + int(70 * sy), 8, 322 - oy - int(70 * sy), COQUE[0]);
        rect_plein(im, gx - 10, 318, 28, 7, COQUE[1]);
    }
    coller(im, grand, ox, oy, true, cle);
    // Open hatch with warm light, and the ramp down to the sand.
    if (trappe) {
        rect_plein(im, 158, 236, 34, 48, rgb(250, 200, 120));
        rect_plein(im, 162, 240, 26, 44, rgb(255, 232, 170));
        rect_contour(im, 156, 234, 38, 52, rgb(20, 20, 26), 2);
        polygone(im, {158, 284, 192, 284, 198, 322, 152, 322}, COQUE[1]);
        for (int y = 288; y < 322; y += 6) rect_plein(im, 156, y, 38, 1, COQUE[0]);
    }
    // Navigation lights and the engine warming up, brighter frame by frame.
    Px rouge = melange(rgb(90, 20, 20), rgb(255, 60, 50), eclat / 4.0);
    Px vert = melange(rgb(20, 70, 30), rgb(80, 255, 120), (4 - eclat) / 4.0);
    const double feu_x = ox + 30 * sx, feu_y = oy + 10 * sy, moteur_x = ox + 6 * sx, moteur_y = oy + 61 * sy;
    disque(im, feu_x, feu_y, 4, rouge);
    disque(im, ox + 134 * sx, oy + 103 * sy, 3, vert);
    if (eclat > 0) {
        halo(im, feu_x, feu_y, 8 + 4 * eclat, rgb(255, 80, 60), 0.5);
        halo(im, moteur_x, moteur_y, 12 + 10 * eclat, rgb(120, 200, 255), 0.5 + 0.1 * eclat);
        disque(im, moteur_x, moteur_y, 4 + eclat * 2, rgb(190, 236, 255));
    }
    return im;
}

// The fighter lifting off: `hauteur` pixels above its landing place, with flame and dust.
Image vaisseau_envol(int etape) {
    Image im(640, 480);
    const Px AUBE[] = {rgb(40, 48, 96), rgb(100, 86, 140), rgb(200, 130, 130), rgb(246, 186, 130), rgb(252, 226, 176)};
    ciel(im, 0, 330, AUBE, 5);
    halo(im, 540, 320, 140, rgb(255, 236, 190), 0.7);
    disque(im, 540, 322, 22, rgb(255, 244, 210));
    const double a1[] = {10, 4}; const int h1[] = {3, 8}; const double p1[] = {0.5, 1.5};
    for (int x = 0; x < 640; ++x) {
        double h = 320 + profil(x, a1, h1, p1, 2);
        for (int y = int(h); y < 480; ++y) im.set(x, y, rampe(SABLE_SOIR, 4, 0.95 - (y - h) / 200.0, x, y));
    }
    int haut = etape * 14;
    bool vol = etape > 0;
    // Dust blown out under the ship.
    if (vol) {
        Alea a(0xD057 + etape);
        for (int k = 0; k < 20 + etape * 10; ++k) {
            double ang = a.reel() * M_PI, r = a.reel() * (60 + etape * 30);
            double x = 300 + std::cos(ang) * r * 2.2, y = 428 - std::sin(ang) * r * 0.4;
            halo(im, x, y, 10 + a.entre(0, 10), a.entre(0, 1) ? rgb(226, 176, 126) : rgb(196, 140, 100), 1.8);
        }
    }
    ellipse_pleine(im, 300, 430, 150 - etape * 12, 10, rgb(110, 60, 56));
    const Px cle = rgb(1, 254, 1);
    Image grand = agrandir(chasseur(cle, vol), 450, 165);
    int ox = 80, oy = 262 - haut;
    // Lift jets under the hull, longer as the ship climbs.
    if (vol) {
        for (int k = 0; k < 2; ++k) {
            int jx = ox + 140 + k * 150, jy = oy + 120;
            int l = 20 + etape * 8 + (etape % 2) * 6;
            polygone(im, {double(jx - 10), double(jy), double(jx + 10), double(jy), double(jx), double(jy + l)}, rgb(250, 140, 50));
            polygone(im, {double(jx - 5), double(jy), double(jx + 5), double(jy), double(jx), double(jy + l * 0.6)}, rgb(255, 236, 170));
        }
    }
    coller(im, grand, ox, oy, true, cle);
    if (!vol)
        for (int k = 0; k < 3; ++k) rect_plein(im, ox + 120 + k * 128, oy + 112, 6, 48, COQUE[0]);
    return im;
}

// ---------------------------------------------------------------- the white room

// A bright, empty place: pale floor under figures at y = 272 (feet ~320, below the
// horizon at 300), columns of light
// every 160 pixels so the band wraps without a seam.
Image salle_blanche() {
    Image im(640, 480);
    const Px murs[] = {rgb(214, 220, 232), rgb(228, 232, 240), rgb(240, 242, 246), rgb(250, 250, 246)};
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 640; ++x) {
            double l = 0.5 + 0.5 * std::cos(DEUX_PI * (x % 160) / 160.0);  // light columns
            im.set(x, y, rampe(murs, 4, 0.25 + 0.55 * l + 0.2 * y / 300.0, x, y));
        }
    const Px sol[] = {rgb(200, 204, 216), rgb(220, 224, 232), rgb(236, 238, 242)};
    for (int y = 300; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            double l = 0.5 + 0.5 * std::cos(DEUX_PI * (x % 160) / 160.0);
            im.set(x, y, rampe(sol, 3, 0.9 - (y - 300) / 180.0 + 0.2 * l, x, y));
        }
    rect_plein(im, 0, 300, 640, 1, rgb(190, 196, 210));
    // Faint motes of light drifting.
    for (int k = 0; k < 24; ++k) {
        int x = (k * 53) % 640, y = 40 + (k * 97) % 260;
        im.set(x, y, rgb(255, 244, 200));
        im.set(x + 1, y, rgb(252, 236, 190));
    }
    return im;
}

// The white light of Olek's dream, the picture of the interlude's white shots, where he steps
// from his ship into the light, and, once Sabri has spoken, turns to it and is gone (the
// levels' victory screen shows it too, as a flash of white). Nearly all white, the white
// room's floor line and columns only beginning to show, and a shaft of light falling where
// his figure stands (x 157 to 189, feet at y 320), the way he turns.
Image lumiere_blanche() {
    Image im(640, 480);
    const Px blancs[] = {rgb(226, 230, 238), rgb(236, 238, 244), rgb(246, 246, 248), rgb(255, 255, 255)};
    const double cx = 173;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            double proche = 1 - std::min(1.0, std::fabs(x + 0.5 - cx) / 420.0);  // brighter towards the light
            double colonne = 0.5 + 0.5 * std::cos(DEUX_PI * (x % 160) / 160.0);  // the room's columns, faint
            double forme = y < 300 ? 0.10 : 0.05;
            double l = 0.30 + 0.55 * proche + 0.12 * (1 - y / 480.0) - forme * (1 - colonne);
            im.set(x, y, rampe(blancs, 4, l, x, y));
        }
    // The floor line of the room, drawn one pixel in two: not there yet.
    for (int x = 0; x < 640; x += 2) im.set(x, 300, rgb(214, 218, 230));
    // The shaft, widening as it comes down, warm at its heart.
    const Px chaud = rgb(255, 250, 232);
    for (int y = 0; y < 322; ++y) {
        double demi = 12 + 22 * y / 322.0;
        for (int x = int(cx - demi - 8); x <= int(cx + demi + 8); ++x) {
            double e = (std::fabs(x + 0.5 - cx) - demi) / 8.0;  // 0 at the shaft's edge, 1 outside
            if (e >= 1) continue;
            if (e <= 0 || e < seuil(x, y)) im.set(x, y, chaud);
        }
    }
    halo(im, cx, 318, 70, chaud, 1.0);
    ellipse_pleine(im, cx, 319, 42, 6, rgb(255, 246, 214));
    // Motes of light rising in the shaft.
    Alea a(0xB1A2C);
    for (int k = 0; k < 26; ++k) {
        int y = a.entre(20, 300), x = int(cx) + a.entre(-10 - 18 * y / 300, 10 + 18 * y / 300);
        im.set(x, y, rgb(252, 226, 160));
        if (k % 3 == 0) im.set(x, y - 1, rgb(255, 238, 190));
    }
    return im;
}

// ---------------------------------------------------------------- title cards and stills

void titre_mirage(Image& im, int y, Px c, Px ombre_c) {
    int w = largeur_texte("MIRAGE", 84, Police::SerifGras);
    texte(im, 320 - w / 2 + 4, y + 4, "MIRAGE", 84, ombre_c, Police::SerifGras);
    texte(im, 320 - w / 2, y, "MIRAGE", 84, c, Police::SerifGras);
}

void centre(Image& im, int y, const char* s, int taille, Px c, Police p) {
    texte(im, 320 - largeur_texte(s, taille, p) / 2, y, s, taille, c, p);
}

// The reflection of the top half upside down under a horizon: the "mirage" of the card.
void reflet(Image& im, int horizon, int hauteur, Px teinte) {
    for (int j = 1; j < hauteur; ++j)
        for (int x = 0; x < 640; ++x) {
            int dx = int(std::lround(2 * std::sin(j * 0.6)));
            int sx = std::min(639, std::max(0, x + dx)), sy = horizon - j;
            if (sy < 0) continue;
            im.set(x, horizon + j, melange(im.get(sx, sy), teinte, 0.35 + 0.5 * j / hauteur));
        }
}

Image carte_mythique() {
    Image im(640, 480);
    ciel(im, 0, 300, CIEL_SOIR, 6);
    halo(im, 320, 300, 160, rgb(255, 220, 150), 0.8);
    disque(im, 320, 300, 48, rgb(255, 232, 170));
    const double a1[] = {14, 6, 3}; const int h1[] = {2, 5, 11}; const double p1[] = {0.3, 1.4, 2.2};
    for (int x = 0; x < 640; ++x) {
        double h = 286 + profil(x, a1, h1, p1, 3);
        for (int y = int(h); y < 300; ++y) im.set(x, y, rgb(90, 40, 64));
    }
    reflet(im, 300, 180, rgb(150, 70, 80));
    titre_mirage(im, 150, rgb(255, 236, 190), rgb(80, 30, 60));
    centre(im, 200, "CHAPTER ONE", 20, rgb(255, 220, 170), Police::SansGras);
    centre(im, 440, "The Dune Sea", 30, rgb(255, 236, 200), Police::Serif);
    return im;
}

Image carte_cruel() {
    Image im(640, 480);
    const Px SANG[] = {rgb(20, 6, 10), rgb(60, 10, 20), rgb(130, 24, 30), rgb(210, 70, 40), rgb(250, 150, 70)};
    ciel(im, 0, 300, SANG, 5);
    halo(im, 320, 250, 150, rgb(255, 120, 60), 0.8);
    disque(im, 320, 250, 60, rgb(255, 170, 90));
    for (int y = 300; y < 480; ++y)
        for (int x = 0; x < 640; ++x) im.set(x, y, rampe(SANG, 5, 0.55 - (y - 300) / 260.0, x, y));
    // The hooded figure against the sun, its long shadow across the sand.
    polygone(im, {300, 300, 340, 300, 332, 222, 320, 204, 308, 222}, rgb(16, 6, 12));
    disque(im, 320, 208, 12, rgb(16, 6, 12));
    polygone(im, {300, 300, 340, 300, 520, 470, 420, 480}, rgb(40, 8, 16));
    im.set(316, 210, rgb(255, 170, 40)); im.set(323, 210, rgb(255, 170, 40));
    titre_mirage(im, 110, rgb(255, 210, 170), rgb(60, 10, 20));
    centre(im, 160, "CHAPTER TWO", 20, rgb(255, 190, 150), Police::SansGras);
    centre(im, 440, "Cruel Sands", 30, rgb(255, 220, 190), Police::Serif);
    return im;
}

// End of the intro: the fighter leaves the base at dusk for the Dune Sea.
Image fin_intro() {
    Image im = paysage(0);
    const Px cle = rgb(1, 254, 1);
    Image s = agrandir(chasseur(cle, true), 180, 66);
    coller_tourne(im, s, 390, 150, 1.0, -0.18);  // nose up, climbing away
    // coller_tourne copies the key too: repaint it with the sky behind.
    Image fond = paysage(0);
    for (size_t i = 0; i < im.px.size(); ++i)
        if (im.px[i] == cle) im.px[i] = fond.px[i];
    rect_plein(im, 0, 400, 640, 80, rgb(24, 14, 30));
    rect_plein(im, 0, 400, 640, 2, rgb(222, 112, 38));
    centre(im, 436, "At dusk, Olek flew into the Dune Sea.", 24, rgb(255, 230, 200), Police::Serif);
    centre(im, 464, "He did not look back.", 16, rgb(220, 180, 160), Police::Serif);
    return im;
}

// Between the desert and the base: an old, sepia photograph of Olek and Sabri pinned to
// the base's notice board, nine days later.
Image vieux3() {
    Image im(640, 480);
    // Cork board.
    Alea a(0x01D3);
    for (size_t i = 0; i < im.px.size(); ++i) {
        int v = a.entre(-10, 10);
        im.px[i] = rgb(120 + v, 84 + v, 50 + v / 2);
    }
    // The photograph, slightly turned.
    Image photo(300, 230, rgb(236, 226, 200));
    const Px SEPIA[] = {rgb(60, 40, 26), rgb(110, 80, 52), rgb(160, 124, 86), rgb(206, 176, 130), rgb(230, 210, 170)};
    for (int y = 12; y < 190; ++y)
        for (int x = 12; x < 288; ++x) photo.set(x, y, rampe(SEPIA, 5, 0.95 - y / 300.0, x, y));
    for (int x = 12; x < 288; ++x)
        for (int y = 130 + int(8 * std::sin(x * 0.03)); y < 190; ++y) photo.set(x, y, rampe(SEPIA, 5, 0.55, x, y));
    // Two faces side by side: the pilot and Sabri, sepia-toned.
    Image o = visage(Locuteur::Olek, 2), s = visage(Locuteur::Sabri, 2);
    auto sepia = [&](Image& v) {
        for (Px& p : v.px) {
            double l = (R(p) * 30 + G(p) * 59 + B(p) * 11) / 25500.0;
            p = rampe(SEPIA, 5, l * 1.1, 0, 0);
        }
    };
    sepia(o);
    sepia(s);
    coller(photo, o, 60, 102);
    coller(photo, s, 160, 102);
    rect_plein(photo, 12, 190, 276, 1, rgb(180, 170, 150));
    texte(photo, 24, 216, "Olek & Sabri - landing day", 16, rgb(70, 60, 120), Police::Serif);
    coller_tourne(im, photo, 320, 210, 1.0, -0.06);
    disque(im, 320, 104, 7, rgb(200, 40, 40));
    disque(im, 318, 102, 2, rgb(250, 160, 150));
    rect_plein(im, 0, 400, 640, 80, rgb(30, 20, 16));
    centre(im, 448, "Nine days later...", 30, rgb(240, 220, 180), Police::Serif);
    return im;
}

}  // namespace

void generer_decors_histoire() {
    const char* bases[] = {"Base1.png", "Base2.png", "Base3.png"};
    Image premier;
    for (int k = 0; k < 3; ++k) {
        Image b = sol_base(k);
        if (k == 0) premier = b;
        sauver_image(GROUPE_HISTOIRE, bases[k], b);
    }
    sauver_image(GROUPE_HISTOIRE, "lumiere.png", lumieres_base(premier));
    sauver_image(GROUPE_HISTOIRE, "Bloc_Milieu.png", bloc_milieu());
    sauver_image(GROUPE_HISTOIRE, "Paysage.png", paysage(0));
    sauver_image(GROUPE_HISTOIRE, "Paysage1.png", paysage(1));
    sauver_image(GROUPE_HISTOIRE, "Couloir.png", couloir());
    sauver_image(GROUPE_HISTOIRE, "desert1.png", desert(0));
    sauver_image(GROUPE_HISTOIRE, "desert2.png", desert(1));
    sauver_image(GROUPE_HISTOIRE, "desert3.png", desert(2));
    sauver_image(GROUPE_HISTOIRE, "Desert_Vaisseau.png", vaisseau_au_sol(0, false));
    const char* sol[] = {"Desert_Vaisseau1.png", "Desert_Vaisseau1a.png", "Desert_Vaisseau1b.png",
                         "Desert_Vaisseau1c.png", "Desert_Vaisseau1d.png"};
    for (int k = 0; k < 5; ++k) sauver_image(GROUPE_HISTOIRE, sol[k], vaisseau_au_sol(k, true));
    sauver_image(GROUPE_HISTOIRE, "Desert_Vaisseau_Adieu.png", vaisseau_envol(0));
    for (int k = 1; k <= 6; ++k)
        sauver_image(GROUPE_HISTOIRE, "Desert_Vaisseau_Adieu" + std::to_string(k) + ".png", vaisseau_envol(k));
    sauver_image(GROUPE_HISTOIRE, "Blanc1.png", salle_blanche());
    sauver_image(GROUPE_HISTOIRE, "Blanc.png", lumiere_blanche());
    sauver_image(GROUPE_HISTOIRE, "Mythique.png", carte_mythique());
    sauver_image(GROUPE_HISTOIRE, "Cruel.png", carte_cruel());
    sauver_image(GROUPE_HISTOIRE, "End_Intro.png", fin_intro());
    sauver_image(GROUPE_HISTOIRE, "Vieux3.png", vieux3());
}

}  // namespace ag
