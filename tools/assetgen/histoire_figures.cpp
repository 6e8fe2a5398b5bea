// Story sprite sheets: walking people (4 directions x 4 walk columns of 32x48) and the
// desert snakes (64x48 frames), all on the white key with a dark outline.
#include <cmath>

#include "histoire_interne.h"
#include "sortie.h"

namespace ag {

namespace {

enum Direction { BAS = 0, GAUCHE = 1, DROITE = 2, HAUT = 3 };
enum class Coiffe { Cheveux, Casquette, Casque, Capuche, Longs, Aureole };

// Everything that tells one figure from another.
struct Tenue {
    Px peau, cheveux, haut, bas, bottes, accent;
    Coiffe coiffe;
    bool robe;   // a long robe hides the legs (the hooded figure, the angel)
    bool ailes;  // the angel's wings
};

Px ombre(Px c) { return eclaircir(c, 0.72); }
Px lumiere(Px c) { return melange(c, rgb(250, 244, 230), 0.25); }

// Shoulder to hand, or hip to foot, as a thick segment.
void membre(Image& im, double x0, double y0, double x1, double y1, double e, Px c) {
    ligne(im, x0, y0, x1, y1, c, e);
}

// Head of a figure at (cx, cy); `dir` decides where the face is.
void tete(Image& im, double cx, double cy, Direction dir, const Tenue& t) {
    bool capuche = t.coiffe == Coiffe::Capuche;
    if (capuche) {
        ellipse_pleine(im, cx, cy + 0.5, 7.0, 7.5, t.haut);
        rect_plein(im, int(cx) - 4, int(cy) - 5, 3, 2, lumiere(t.haut));
        if (dir == BAS) {
            ellipse_pleine(im, cx, cy + 2, 4.2, 4.8, rgb(12, 8, 16));
            im.set(int(cx) - 2, int(cy) + 1, rgb(255, 170, 40));
            im.set(int(cx) + 1, int(cy) + 1, rgb(255, 170, 40));
        } else if (dir == DROITE) {
            ellipse_pleine(im, cx + 3.5, cy + 2, 2.6, 4.2, rgb(12, 8, 16));
            im.set(int(cx) + 4, int(cy) + 1, rgb(255, 170, 40));
        } else if (dir == GAUCHE) {
            ellipse_pleine(im, cx - 3.5, cy + 2, 2.6, 4.2, rgb(12, 8, 16));
            im.set(int(cx) - 5, int(cy) + 1, rgb(255, 170, 40));
        }
        return;
    }
    ellipse_pleine(im, cx, cy, 5.5, 6.2, t.peau);
    ellipse_pleine(im, cx - 1.5, cy - 1.5, 2.2, 2.2, lumiere(t.peau));
    Px oeil = rgb(30, 24, 30);
    // Hair or headgear first from behind, then the face details.
    switch (t.coiffe) {
        case Coiffe::Cheveux:
        case Coiffe::Aureole:
            rect_plein(im, int(cx) - 5, int(cy) - 6, 11, 4, t.cheveux);
            if (dir == HAUT) rect_plein(im, int(cx) - 5, int(cy) - 6, 11, 10, t.cheveux);
            if (dir == DROITE) rect_plein(im, int(cx) - 5, int(cy) - 6, 5, 8, t.cheveux);
            if (dir == GAUCHE) rect_plein(im, int(cx) + 1, int(cy) - 6, 5, 8, t.cheveux);
            break;
        case Coiffe::Longs:
            rect_plein(im, int(cx) - 6, int(cy) - 6, 13, 4, t.cheveux);
            if (dir == HAUT) rect_plein(im, int(cx) - 6, int(cy) - 6, 13, 17, t.cheveux);
            if (dir == BAS) { rect_plein(im, int(cx) - 6, int(cy) - 4, 2, 14, t.cheveux); rect_plein(im, int(cx) + 5, int(cy) - 4, 2, 14, t.cheveux); }
            if (dir == DROITE) rect_plein(im, int(cx) - 6, int(cy) - 6, 6, 17, t.cheveux);
            if (dir == GAUCHE) rect_plein(im, int(cx) + 1, int(cy) - 6, 6, 17, t.cheveux);
            break;
        case Coiffe::Casquette:
            rect_plein(im, int(cx) - 6, int(cy) - 7, 13, 5, t.accent == 0 ? t.haut : ombre(t.haut));
            rect_plein(im, int(cx) - 6, int(cy) - 3, 13, 1, rgb(220, 180, 60));
            if (dir == BAS) rect_plein(im, int(cx) - 4, int(cy) - 2, 9, 1, rgb(30, 30, 30));
            if (dir == DROITE) rect_plein(im, int(cx) + 2, int(cy) - 2, 6, 1, rgb(30, 30, 30));
            if (dir == GAUCHE) rect_plein(im, int(cx) - 7, int(cy) - 2, 6, 1, rgb(30, 30, 30));
            if (dir == HAUT) rect_plein(im, int(cx) - 5, int(cy) - 2, 11, 6, t.cheveux);
            if (dir == DROITE) rect_plein(im, int(cx) - 5, int(cy) - 2, 4, 4, t.cheveux);
            break;
        case Coiffe::Casque:
            ellipse_pleine(im, cx, cy - 2, 6.5, 5.5, t.accent);
            rect_plein(im, int(cx) - 6, int(cy) - 1, 13, 2, ombre(t.accent));
            if (dir == BAS) rect_plein(im, int(cx) - 4, int(cy), 9, 2, rgb(60, 190, 220));
            if (dir == DROITE) rect_plein(im, int(cx) + 1, int(cy), 5, 2, rgb(60, 190, 220));
            if (dir == GAUCHE) rect_plein(im, int(cx) - 5, int(cy), 5, 2, rgb(60, 190, 220));
            break;
        case Coiffe::Capuche: break;
    }
    if (t.coiffe == Coiffe::Aureole) {
        ellipse_pleine(im, cx, cy - 9, 6, 2, rgb(250, 210, 70));
        ellipse_pleine(im, cx, cy - 9, 3.5, 0.9, rgb(200, 190, 160));
    }
    if (t.coiffe == Coiffe::Casque) return;  // the visor is the face
    if (dir == BAS) {
        im.set(int(cx) - 2, int(cy) + 1, oeil);
        im.set(int(cx) + 2, int(cy) + 1, oeil);
        im.set(int(cx), int(cy) + 4, ombre(t.peau));
    } else if (dir == DROITE) {
        im.set(int(cx) + 3, int(cy) + 1, oeil);
        im.set(int(cx) + 6, int(cy) + 2, t.peau);
    } else if (dir == GAUCHE) {
        im.set(int(cx) - 4, int(cy) + 1, oeil);
        im.set(int(cx) - 7, int(cy) + 2, t.peau);
    }
}

// One 32x48 frame: `dir` row, `col` walk column (0 standing, 1 and 3 strides, 2 passing).
Image cadre_personnage(const Tenue& t, Direction dir, int col) {
    Image im(32, 48, BLANC_CLE);
    double lev = (col == 2) ? -1 : 0;               // the body rises while passing
    double pas = (col == 1) ? 1 : (col == 3 ? -1 : 0);
    bool cote = (dir == GAUCHE || dir == DROITE);
    // Side views are drawn facing right and mirrored for the left.
    Direction d = dir == GAUCHE ? DROITE : dir;
    double cx = 16, hanche = 31 + lev;

    if (t.ailes) {
        Px aile = rgb(214, 218, 230), aile_o = rgb(170, 176, 196);
        double battement = (col == 1) ? -2 : (col == 3 ? 2 : 0);
        if (cote) {
            polygone(im, {15, 19 + lev, 3, 8 + battement + lev, 1, 20 + lev, 6, 30 + lev}, aile);
            polygone(im, {15, 21 + lev, 5, 22 + lev, 7, 29 + lev}, aile_o);
        } else {
            polygone(im, {11, 20 + lev, 1, 9 + battement + lev, 0, 24 + lev, 9, 30 + lev}, aile);
            polygone(im, {21, 20 + lev, 31, 9 + battement + lev, 31, 24 + lev, 23, 30 + lev}, aile);
            polygone(im, {11, 22 + lev, 3, 22 + lev, 9, 28 + lev}, aile_o);
            polygone(im, {21, 22 + lev, 29, 22 + lev, 23, 28 + lev}, aile_o);
        }
    }

    // Legs, or the hem of a robe.
    if (t.robe) {
        double balance = pas * 2;
        std::vector<double> pts = cote ? std::vector<double>{11, 18 + lev, 21, 18 + lev, 24 + balance, 45, 8 + balance, 45}
                                       : std::vector<double>{10, 18 + lev, 22, 18 + lev, 26 + balance, 45, 6 + balance, 45};
        polygone(im, pts, t.bas);
        polygone(im, {cx + 1, 20 + lev, cx + 4, 20 + lev, (cote ? 22 : 24) + balance, 45, cx + 3 + balance, 45}, ombre(t.bas));
        if (col == 1 || col == 3) rect_plein(im, int(cx + 5 * pas) - 2, 45, 4, 2, t.bottes);
    } else if (cote) {
        double av = 6 * pas, ar = -6 * pas;
        if (col == 2) { av = 1; ar = -1; }
        // far leg darker, near leg lighter
        membre(im, cx, hanche, cx + ar, 44, 4.2, ombre(t.bas));
        membre(im, cx, hanche, cx + av, 44 - (col == 2 ? 2 : 0), 4.2, t.bas);
        rect_plein(im, int(cx + ar) - 2, 44, 6, 3, ombre(t.bottes));
        rect_plein(im, int(cx + av) - 2, 44 - (col == 2 ? 2 : 0), 6, 3, t.bottes);
    } else {
        double lg = (col == 1) ? -2 : 0, ld = (col == 3) ? -2 : 0;
        rect_plein(im, 11, int(hanche), 5, int(44 + lg - hanche), t.bas);
        rect_plein(im, 17, int(hanche), 5, int(44 + ld - hanche), ombre(t.bas));
        rect_plein(im, 11, int(44 + lg), 5, 3, t.bottes);
        rect_plein(im, 17, int(44 + ld), 5, 3, ombre(t.bottes));
    }

    // Torso and arms.
    if (!t.robe || t.coiffe == Coiffe::Aureole) {
        if (cote) {
            rect_plein(im, 12, int(18 + lev), 9, 14, t.haut);
            rect_plein(im, 12, int(18 + lev), 2, 14, lumiere(t.haut));
            rect_plein(im, 12, int(29 + lev), 9, 2, t.accent == 0 ? ombre(t.haut) : t.accent);
        } else {
            rect_plein(im, 10, int(18 + lev), 12, 14, t.haut);
            rect_plein(im, 10, int(18 + lev), 3, 14, lumiere(t.haut));
            rect_plein(im, 19, int(18 + lev), 3, 14, ombre(t.haut));
            rect_plein(im, 10, int(29 + lev), 12, 2, t.accent == 0 ? ombre(t.haut) : t.accent);
            if (t.coiffe == Coiffe::Casquette) {  // epaulettes and medals
                rect_plein(im, 9, int(18 + lev), 3, 2, rgb(220, 180, 60));
                rect_plein(im, 20, int(18 + lev), 3, 2, rgb(220, 180, 60));
                if (d == BAS) { im.set(13, int(22 + lev), rgb(200, 40, 40)); im.set(14, int(22 + lev), rgb(220, 180, 60)); }
            }
        }
    }
    if (cote) {
        double sw = -5 * pas;
        membre(im, cx, 20 + lev, cx + sw, 29 + lev, 3.2, ombre(t.haut));
        disque(im, cx + sw, 30 + lev, 1.6, t.robe ? rgb(200, 196, 186) : t.peau);
    } else {
        double ag = (col == 3) ? -2 : 0, ad = (col == 1) ? -2 : 0;
        rect_plein(im, 7, int(19 + lev), 3, int(11 + ag), ombre(t.haut));
        rect_plein(im, 22, int(19 + lev), 3, int(11 + ad), ombre(t.haut));
        rect_plein(im, 7, int(30 + lev + ag), 3, 2, t.robe ? rgb(200, 196, 186) : t.peau);
        rect_plein(im, 22, int(30 + lev + ad), 3, 2, t.robe ? rgb(200, 196, 186) : t.peau);
    }
    tete(im, cx, 11 + lev, d, t);
    if (dir == GAUCHE) im = miroir_horizontal(im);
    contour_sprite(im, BLANC_CLE, rgb(24, 18, 28));
    return im;
}

Image planche_personnage(const Tenue& t) {
    Image planche(128, 192, BLANC_CLE);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) coller(planche, cadre_personnage(t, Direction(r), c), c * 32, r * 48);
    return planche;
}

// The pale, see-through Olek: every colour drawn towards a cold blue, never to pure white.
Image version_fantome(const Image& src, double force) {
    Image r = src;
    for (Px& p : r.px) {
        if (p == BLANC_CLE) continue;
        int l = (R(p) * 30 + G(p) * 59 + B(p) * 11) / 100;
        Px froid = rgb(std::min(235, 90 + l), std::min(240, 120 + l), std::min(250, 170 + l / 2 + 30));
        p = melange(p, froid, force);
        if (p == BLANC_CLE) p = rgb(244, 248, 252);
    }
    return r;
}

// A snake frame 64x48: `dir` where it heads, `phase` 0..3 a quarter of its wave, `mord`
// raises the head and opens the jaws.
Image cadre_serpent(Direction dir, int phase, bool mord) {
    Image im(64, 48, BLANC_CLE);
    const Px dos = rgb(196, 158, 82), ventre = rgb(230, 204, 130), tache = rgb(110, 72, 36);
    double ph = phase * M_PI / 2;
    bool vertical = (dir == BAS || dir == HAUT);
    const int n = 44;
    // Body from the tail (k = 0) to the neck (k = n): a travelling sine wave; the body
    // first, then its belly line and diamonds on top.
    for (int passe = 0; passe < 2; ++passe)
        for (int k = 0; k <= n; ++k) {
            double u = double(k) / n;
            double e = 1.6 + 2.6 * std::sin(std::min(1.0, u * 1.3) * M_PI / 2);
            double onde = std::sin(u * 2.4 * M_PI - ph) * (3 + 2 * (1 - u));
            double x, y;
            if (vertical) { x = 32 + onde; y = 3 + u * 30; }
            else { x = 4 + u * 40; y = 34 + onde; }
            if (mord && !vertical && u > 0.8) y -= (u - 0.8) * 5 * (10 + 4 * std::sin(ph));
            if (passe == 0) disque(im, x, y, e, dos);
            else if (k % 6 == 3) disque(im, x, y, e * 0.55, tache);
            else if (!vertical) im.set(int(x), int(y + e - 1), ventre);
            else im.set(int(x + e - 1), int(y), ventre);
        }
    // The head.
    double hx = vertical ? 32 + std::sin(2.4 * M_PI - ph) * 3 : 50, hy = vertical ? 36 : 34 + std::sin(2.4 * M_PI - ph) * 3;
    if (mord && !vertical) hy -= 0.2 * 5 * (10 + 4 * std::sin(ph));
    if (mord && vertical) hy += 2 + phase;
    ellipse_pleine(im, hx, hy, vertical ? 4.5 : 6.5, vertical ? 6 : 4.5, dos);
    ellipse_pleine(im, hx - (vertical ? 0 : 1), hy - (vertical ? 1 : 1.5), 2, 1.5, ventre);
    Px oeil = rgb(200, 30, 20);
    if (vertical) {
        im.set(int(hx) - 2, int(hy) + 1, oeil);
        im.set(int(hx) + 2, int(hy) + 1, oeil);
        if (mord) { rect_plein(im, int(hx) - 3, int(hy) + 5, 7, 3, rgb(120, 20, 30)); im.set(int(hx) - 2, int(hy) + 8, rgb(240, 236, 220)); im.set(int(hx) + 2, int(hy) + 8, rgb(240, 236, 220)); }
        else if (phase % 2 == 0) { im.set(int(hx), int(hy) + 6, rgb(200, 40, 60)); im.set(int(hx), int(hy) + 7, rgb(200, 40, 60)); }
    } else {
        im.set(int(hx) + 2, int(hy) - 1, oeil);
        if (mord) {
            double ouv = 2 + (phase % 2) * 2;
            polygone(im, {hx + 2, hy, hx + 10, hy - ouv - 1, hx + 10, hy + ouv + 1}, rgb(120, 20, 30));
            ligne(im, hx + 7, hy - ouv, hx + 7, hy - ouv + 3, rgb(240, 236, 220));
            ligne(im, hx + 7, hy + ouv, hx + 7, hy + ouv - 3, rgb(240, 236, 220));
        } else if (phase % 2 == 0) {
            ligne(im, hx + 6, hy + 1, hx + 10, hy + 1, rgb(200, 40, 60));
        }
    }
    if (dir == GAUCHE) im = miroir_horizontal(im);
    if (dir == HAUT) {  // heading up: flip the downward snake
        Image r(64, 48, BLANC_CLE);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x) r.set(x, 47 - y, im.get(x, y));
        im = r;
    }
    contour_sprite(im, BLANC_CLE, rgb(40, 26, 14));
    return im;
}

Image planche_serpent(bool mord) {
    Image planche(256, 192, BLANC_CLE);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) coller(planche, cadre_serpent(Direction(r), c, mord), c * 64, r * 48);
    return planche;
}

struct FigureNommee {
    const char* fichier;
    Tenue tenue;
};

const Tenue OLEK = {rgb(232, 184, 140), rgb(96, 58, 30), rgb(222, 112, 38), rgb(90, 84, 80),
                    rgb(52, 40, 34), rgb(60, 60, 70), Coiffe::Cheveux, false, false};

const FigureNommee FIGURES[] = {
    {"General.png", {rgb(222, 176, 136), rgb(170, 170, 176), rgb(58, 84, 52), rgb(46, 64, 42), rgb(30, 26, 24),
                     rgb(150, 110, 40), Coiffe::Casquette, false, false}},
    {"Gentil.png", OLEK},
    {"Gentille.png", {rgb(196, 140, 100), rgb(40, 26, 22), rgb(30, 140, 150), rgb(210, 196, 160), rgb(90, 60, 40),
                      rgb(200, 160, 60), Coiffe::Longs, false, false}},
    {"Mort.png", {rgb(0, 0, 0), rgb(0, 0, 0), rgb(46, 36, 56), rgb(40, 30, 48), rgb(20, 16, 24), 0,
                  Coiffe::Capuche, true, false}},
    {"Soldat.png", {rgb(210, 170, 130), rgb(60, 40, 30), rgb(120, 124, 96), rgb(86, 90, 70), rgb(40, 36, 30),
                    rgb(74, 80, 60), Coiffe::Casque, false, false}},
    {"Ange.png", {rgb(240, 210, 180), rgb(230, 196, 90), rgb(236, 232, 214), rgb(226, 222, 204), rgb(200, 180, 120),
                  rgb(230, 196, 90), Coiffe::Aureole, true, true}},
};

}  // namespace

void generer_figures_histoire() {
    for (const FigureNommee& f : FIGURES) sauver_image(GROUPE_HISTOIRE, f.fichier, planche_personnage(f.tenue));
    Image olek = planche_personnage(OLEK);
    sauver_image(GROUPE_HISTOIRE, "Mort_Gentil.png", version_fantome(olek, 0.65));
    sauver_image(GROUPE_HISTOIRE, "Mort_Gentil1.png", version_fantome(olek, 0.85));
    sauver_image(GROUPE_HISTOIRE, "Serpent.png", planche_serpent(false));
    sauver_image(GROUPE_HISTOIRE, "Serpent_Mord.png", planche_serpent(true));
}

}  // namespace ag
