// Story pictures that carry words: speakers' portraits and dialogue lines, the narrator's
// boxes and the newspaper front pages with their spinning stages.
#include <cmath>

#include "histoire_interne.h"
#include "sortie.h"

namespace ag {

namespace {

// How a speaker looks on screen.
struct Allure {
    Locuteur qui;
    const char* portrait;  // file of the speaker's portrait picture
    const char* role;      // under the name on the portrait picture
    const char* plaque;    // short name on the plate under the small portrait
    Px accent;             // frame and name plate
    Px fond_haut, fond_bas;
};

const Allure ALLURES[] = {
    {Locuteur::Olek, "Olek.png", "Fighter pilot of the Dune Colony", "Olek", rgb(222, 112, 38), rgb(60, 40, 60), rgb(150, 80, 60)},
    {Locuteur::Dorvin, "dorvin.png", "Commander of the Dune Colony base", "Dorvin", rgb(206, 170, 70), rgb(34, 46, 40), rgb(90, 110, 80)},
    {Locuteur::Sabri, "sabri.png", "Flight engineer", "Sabri", rgb(40, 170, 176), rgb(30, 40, 66), rgb(70, 120, 140)},
};

const Allure& allure(Locuteur qui) {
    for (const Allure& a : ALLURES)
        if (a.qui == qui) return a;
    return ALLURES[0];
}

const Px CLE_DESSIN = rgb(1, 254, 1);  // drawing key of the faces, replaced by their background
const Px ENCRE = rgb(22, 16, 24);

}  // namespace

Image visage(Locuteur qui, int echelle) {
    Image im(40, 44, CLE_DESSIN);
    const Allure& a = allure(qui);
    Px peau, peau_o, cheveux, habit, habit_o;
    switch (qui) {
        case Locuteur::Olek: peau = rgb(232, 184, 140); cheveux = rgb(96, 58, 30); habit = rgb(222, 112, 38); break;
        case Locuteur::Dorvin: peau = rgb(222, 176, 136); cheveux = rgb(176, 176, 182); habit = rgb(58, 84, 52); break;
        default: peau = rgb(196, 140, 100); cheveux = rgb(40, 26, 22); habit = rgb(30, 140, 150); break;
    }
    peau_o = eclaircir(peau, 0.8);
    habit_o = eclaircir(habit, 0.72);
    if (qui == Locuteur::Sabri) {  // long hair falls behind the shoulders
        ellipse_pleine(im, 20, 24, 13, 17, cheveux);
    }
    // Shoulders and neck.
    ellipse_pleine(im, 20, 46, 19, 11, habit);
    ellipse_pleine(im, 26, 47, 12, 9, habit_o);
    rect_plein(im, 16, 28, 9, 8, peau_o);
    // Head, shaded on its right.
    ellipse_pleine(im, 20, 20, 9, 11, peau);
    for (int y = 9; y < 32; ++y)
        for (int x = 24; x < 30; ++x)
            if (im.get(x, y) == peau && x >= 26) im.set(x, y, peau_o);
    // Eyes, brows, nose, mouth.
    for (int k = 0; k < 2; ++k) {
        int ex = 15 + k * 8;
        rect_plein(im, ex, 20, 3, 2, rgb(236, 230, 220));
        rect_plein(im, ex + 1, 20, 2, 2, rgb(40, 30, 30));
        rect_plein(im, ex, 17, 4, 1, qui == Locuteur::Dorvin ? rgb(150, 150, 156) : eclaircir(cheveux, 0.8));
    }
    im.set(20, 24, peau_o);
    im.set(21, 25, peau_o);
    rect_plein(im, 18, 27, 5, 1, rgb(150, 70, 64));
    switch (qui) {
        case Locuteur::Olek:
            // Short messy hair and flight goggles pushed up on the forehead.
            ellipse_pleine(im, 20, 11, 10, 6, cheveux);
            for (int k = 0; k < 5; ++k) rect_plein(im, 12 + 4 * k, 14, 2, 2 + (k % 2), cheveux);
            rect_plein(im, 10, 12, 21, 3, rgb(70, 60, 56));
            disque(im, 16, 12.5, 3, rgb(240, 180, 60));
            disque(im, 24, 12.5, 3, rgb(240, 180, 60));
            im.set(15, 11, rgb(255, 240, 190));
            im.set(23, 11, rgb(255, 240, 190));
            // Collar of the flight suit and a unit patch.
            polygone(im, {12, 35, 20, 40, 16, 44, 8, 40}, eclaircir(habit, 1.15));
            polygone(im, {28, 35, 20, 40, 24, 44, 32, 40}, eclaircir(habit, 1.15));
            rect_plein(im, 28, 41, 4, 3, rgb(60, 90, 160));
            break;
        case Locuteur::Dorvin:
            // Grey temples, moustache, peaked cap with its badge, gold collar tabs.
            rect_plein(im, 11, 15, 3, 8, cheveux);
            rect_plein(im, 27, 15, 3, 8, cheveux);
            rect_plein(im, 16, 25, 9, 2, cheveux);
            ellipse_pleine(im, 20, 9, 12, 5, habit);
            rect_plein(im, 8, 11, 25, 3, habit_o);
            rect_plein(im, 9, 13, 23, 2, rgb(26, 26, 26));
            rect_plein(im, 10, 10, 21, 1, a.accent);
            disque(im, 20, 7, 2, a.accent);
            rect_plein(im, 13, 29, 2, 1, peau_o);  // age lines
            rect_plein(im, 26, 29, 2, 1, peau_o);
            rect_plein(im, 10, 38, 5, 3, a.accent);
            rect_plein(im, 26, 38, 5, 3, a.accent);
            rect_plein(im, 19, 36, 3, 8, rgb(40, 50, 40));
            break;
        case Locuteur::Sabri:
            // Parted hair framing the face, a band, an earring, the tunic's neckline.
            ellipse_pleine(im, 20, 11, 10, 6, cheveux);
            polygone(im, {10, 12, 14, 12, 13, 34, 9, 36}, cheveux);
            polygone(im, {26, 12, 30, 12, 31, 36, 27, 34}, cheveux);
            rect_plein(im, 11, 9, 19, 2, rgb(200, 160, 60));
            im.set(20, 8, cheveux);
            rect_plein(im, 11, 25, 1, 3, rgb(230, 196, 80));
            polygone(im, {15, 36, 20, 42, 25, 36}, peau_o);
            break;
    }
    contour_sprite(im, CLE_DESSIN, ENCRE);
    // Background behind the face: the speaker's own two colours, dithered.
    for (int y = 0; y < 44; ++y)
        for (int x = 0; x < 40; ++x)
            if (im.get(x, y) == CLE_DESSIN)
                im.set(x, y, ((x + y) % 2 == 0 && y > 22) || y > 34 ? a.fond_bas : a.fond_haut);
    return agrandir(im, 40 * echelle, 44 * echelle);
}

namespace {

// The panel every dialogue and narrator picture is drawn on: 640x200, opaque, bevelled.
Image panneau(Px accent, Px fond) {
    Image im(640, 200, fond);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 640; ++x)
            if ((x + y) % 4 == 0 && y > 100) im.set(x, y, eclaircir(fond, 0.85));
    rect_contour(im, 0, 0, 640, 200, rgb(10, 10, 14), 2);
    rect_contour(im, 2, 2, 636, 196, accent, 3);
    rect_contour(im, 5, 5, 630, 190, eclaircir(accent, 0.55), 1);
    for (int k = 0; k < 4; ++k) {  // corner studs
        int cx = (k & 1) ? 628 : 11, cy = (k & 2) ? 188 : 11;
        disque(im, cx, cy, 4, eclaircir(accent, 1.2));
        disque(im, cx - 1, cy - 1, 1.5, rgb(250, 240, 220));
    }
    return im;
}

const Px FOND_DIALOGUE = rgb(22, 24, 38);

// The speaker's portrait picture: a big portrait, the name and the role.
Image image_portrait(const Allure& a) {
    Image im = panneau(a.accent, FOND_DIALOGUE);
    Image v = visage(a.qui, 4);  // 160x176
    rect_plein(im, 14, 10, 168, 180, a.accent);
    coller(im, extraire(v, 0, 0, 160, 172), 18, 14);
    const char* nom = nom_locuteur(a.qui);
    texte(im, 212, 92, nom, 44, rgb(10, 10, 14), Police::SerifGras);
    texte(im, 210, 90, nom, 44, eclaircir(a.accent, 1.25), Police::SerifGras);
    rect_plein(im, 210, 106, 400, 2, a.accent);
    texte(im, 210, 136, a.role, 20, rgb(210, 210, 220), Police::Sans);
    return im;
}

// A line of dialogue: the small portrait with the name under it, and the words.
Image image_replique(const Allure& a, const char* mots) {
    Image im = panneau(a.accent, FOND_DIALOGUE);
    rect_plein(im, 14, 14, 88, 96, a.accent);
    coller(im, visage(a.qui, 2), 18, 18);
    const char* nom = a.plaque;
    int tn = 16;
    while (largeur_texte(nom, tn, Police::SansGras) > 84 && tn > 10) --tn;
    int wn = largeur_texte(nom, tn, Police::SansGras);
    rect_plein(im, 14, 116, 88, 26, eclaircir(a.accent, 0.5));
    texte(im, 58 - wn / 2, 134, nom, tn, rgb(250, 240, 220), Police::SansGras);
    // The words, as large as fits in four lines.
    int taille = 24;
    std::vector<std::string> lignes;
    for (; taille >= 17; --taille) {
        lignes = couper_lignes(mots, taille, 500, Police::Sans);
        if (int(lignes.size()) * (taille + 8) <= 160) break;
    }
    int pas = taille + 8, y = 100 - int(lignes.size()) * pas / 2 + taille;
    for (const std::string& l : lignes) {
        texte(im, 125, y + 1, l, taille, rgb(0, 0, 0), Police::Sans);
        texte(im, 124, y, l, taille, rgb(244, 240, 230), Police::Sans);
        y += pas;
    }
    return im;
}

// ---------------------------------------------------------------- the narrator

const Px FOND_RECIT = rgb(30, 20, 18);
const Px OR_RECIT = rgb(214, 170, 90);

Image image_narrateur(const char* mots) {
    Image im = panneau(OR_RECIT, FOND_RECIT);
    // An ornament: a small sun over a dune line, the sign of the storyteller.
    disque(im, 320, 26, 7, OR_RECIT);
    for (int k = 0; k < 8; ++k) {
        double t = k * M_PI / 4;
        ligne(im, 320 + 10 * std::cos(t), 26 + 10 * std::sin(t), 320 + 14 * std::cos(t), 26 + 14 * std::sin(t), OR_RECIT);
    }
    for (int x = 200; x < 440; ++x) im.set(x, 40 + int(2 * std::sin(x * 0.08)), eclaircir(OR_RECIT, 0.7));
    if (!mots) return im;
    int taille = 24;
    std::vector<std::string> lignes;
    for (; taille >= 17; --taille) {
        lignes = couper_lignes(mots, taille, 560, Police::Serif);
        if (int(lignes.size()) * (taille + 10) <= 130) break;
    }
    int pas = taille + 10, y = 118 - int(lignes.size()) * pas / 2 + taille;
    for (const std::string& l : lignes) {
        int w = largeur_texte(l, taille, Police::Serif);
        texte(im, 320 - w / 2, y, l, taille, rgb(248, 232, 200), Police::Serif);
        y += pas;
    }
    return im;
}

// ---------------------------------------------------------------- newspapers

const Px PAPIER = rgb(232, 224, 200);
const Px ENCRE_JOURNAL = rgb(30, 26, 24);

// The photograph of a front page: the war engine in the dunes, or the empty fighter.
Image photo_journal(bool interlude) {
    Image ph(200, 150, rgb(200, 194, 176));
    const Px gris[] = {rgb(60, 58, 56), rgb(110, 106, 100), rgb(160, 154, 146), rgb(206, 200, 188)};
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x) {
            // Newsprint halftone: a dot grid whose dots grow with darkness.
            double t = y < 80 ? 0.8 - y / 200.0 : 0.45 + 0.1 * std::sin(x * 0.1 + y * 0.05);
            int niveau = std::min(3, std::max(0, int(t * 4)));
            ph.set(x, y, ((x % 3) + (y % 3) < 2 && niveau < 3) ? gris[niveau] : gris[std::min(3, niveau + 1)]);
        }
    if (!interlude) {
        // The engine: a huge tracked hulk with guns, half out of the sand.
        polygone(ph, {20, 110, 40, 70, 150, 64, 184, 100, 184, 116, 20, 120}, gris[0]);
        rect_plein(ph, 60, 46, 70, 22, gris[0]);
        rect_plein(ph, 120, 52, 60, 5, gris[0]);
        rect_plein(ph, 120, 62, 52, 4, gris[0]);
        for (int k = 0; k < 8; ++k) disque(ph, 34 + k * 20, 116, 7, gris[1]);
        for (int k = 0; k < 5; ++k) rect_plein(ph, 70 + k * 12, 52, 6, 4, rgb(220, 214, 200));
    } else {
        const Px cle = rgb(1, 254, 1);
        Image s = agrandir(chasseur(cle, false), 170, 62);
        for (Px& p : s.px)
            if (p != cle) {
                int l = (R(p) + G(p) + B(p)) / 3;
                p = gris[std::min(3, l / 64)];
            }
        coller(ph, s, 14, 60, true, cle);
    }
    rect_contour(ph, 0, 0, 200, 150, ENCRE_JOURNAL, 2);
    return ph;
}

// A full front page of the colony's paper.
Image une_journal(const UneJournal& u, bool interlude) {
    Image im(640, 480, PAPIER);
    Alea a(interlude ? 0x70E7 : 0x70E1);
    for (int k = 0; k < 2500; ++k) {  // paper grain
        int x = a.entre(0, 639), y = a.entre(0, 479);
        im.set(x, y, eclaircir(PAPIER, 0.94));
    }
    const char* titre = "THE DUNE COURIER";
    int w = largeur_texte(titre, 46, Police::SerifGras);
    texte(im, 320 - w / 2, 58, titre, 46, ENCRE_JOURNAL, Police::SerifGras);
    rect_plein(im, 20, 70, 600, 3, ENCRE_JOURNAL);
    rect_plein(im, 20, 92, 600, 1, ENCRE_JOURNAL);
    w = largeur_texte(u.date, 13, Police::Serif);
    texte(im, 320 - w / 2, 86, u.date, 13, ENCRE_JOURNAL, Police::Serif);
    texte(im, 26, 86, u.numero, 13, ENCRE_JOURNAL, Police::Serif);
    texte(im, 560, 86, "2 cr.", 13, ENCRE_JOURNAL, Police::Serif);
    // Headline, in two lines, as big as fits.
    std::vector<std::string> lignes = couper_lignes(u.titre, 44, 2000, Police::SerifGras);
    int taille = 44;
    for (const std::string& l : lignes)
        while (largeur_texte(l, taille, Police::SerifGras) > 590) --taille;
    int y = 96 + taille;
    for (const std::string& l : lignes) {
        int lw = largeur_texte(l, taille, Police::SerifGras);
        texte(im, 320 - lw / 2, y, l, taille, interlude ? rgb(150, 20, 20) : ENCRE_JOURNAL, Police::SerifGras);
        y += taille + 6;
    }
    w = largeur_texte(u.sous_titre, 18, Police::Serif);
    texte(im, 320 - w / 2, y + 8, u.sous_titre, 18, ENCRE_JOURNAL, Police::Serif);
    int haut = y + 20;
    rect_plein(im, 20, haut, 600, 1, ENCRE_JOURNAL);
    // Photograph and its caption on the left, the article in two columns on the right.
    coller(im, photo_journal(interlude), 24, haut + 10);
    std::vector<std::string> legende = couper_lignes(
        interlude ? "The fighter as the patrol found it. Photo: base archive."
                  : "The engine breaking through the sand, seen by a scout.",
        12, 200, Police::Serif);
    int ly = haut + 176;
    for (const std::string& l : legende) { texte(im, 24, ly, l, 12, ENCRE_JOURNAL, Police::Serif); ly += 14; }
    std::vector<std::string> corps = couper_lignes(u.corps, 13, 186, Police::Serif);
    int col = 0, cy = haut + 22;
    for (const std::string& l : corps) {
        texte(im, 240 + col * 196, cy, l, 13, ENCRE_JOURNAL, Police::Serif);
        cy += 16;
        if (cy > 468) { ++col; cy = haut + 22; if (col > 1) break; }
    }
    rect_plein(im, 232, haut + 8, 1, 470 - haut - 8, ENCRE_JOURNAL);
    rect_plein(im, 430, haut + 8, 1, 470 - haut - 8, ENCRE_JOURNAL);
    return im;
}

// The page turned and shrunk over a dark desk (intro) or over the key (interlude overlays).
Image page_tournee(const Image& page, Px fond, double echelle, double angle) {
    Image im(640, 480, fond);
    coller_tourne(im, page, 320, 240, echelle, angle);
    return im;
}

}  // namespace

void generer_textes_histoire() {
    for (const Allure& a : ALLURES) sauver_image(GROUPE_HISTOIRE, a.portrait, image_portrait(a));
    for (int i = 0; i < NB_REPLIQUES; ++i) {
        const Replique& r = REPLIQUES[i];
        sauver_image(GROUPE_HISTOIRE, r.fichier, image_replique(allure(r.qui), r.texte));
    }
    sauver_image(GROUPE_HISTOIRE, "Narrateur.png", image_narrateur(nullptr));
    for (int i = 0; i < 3; ++i)
        sauver_image(GROUPE_HISTOIRE, "Narrateur" + std::to_string(i + 1) + ".png", image_narrateur(NARRATION[i]));

    // Intro: the front page, then the page spinning away across the desk.
    Image une = une_journal(UNE_INTRO, false);
    sauver_image(GROUPE_HISTOIRE, "Journal1.png", une);
    const double echelles[] = {0.82, 0.64, 0.47, 0.31, 0.17};
    for (int k = 0; k < 5; ++k) {
        Image bureau(640, 480, rgb(36, 24, 20));
        for (int y = 0; y < 480; y += 7) rect_plein(bureau, 0, y, 640, 1, rgb(44, 30, 24));  // wood grain
        coller_tourne(bureau, une, 320, 240, echelles[k], 0.55 * (k + 1) + 0.1 * k * k);
        sauver_image(GROUPE_HISTOIRE, "Journal" + std::to_string(k + 2) + ".png", bureau);
    }
    // Interlude: the front page, then four stages of it spinning away over the ship.
    Image une7 = une_journal(UNE_INTERLUDE, true);
    sauver_image(GROUPE_HISTOIRE, "Journal7.png", une7);
    const Px cle = rgb(255, 128, 128);
    remplacer_couleur(une7, cle, rgb(255, 129, 128));
    const double e7[] = {0.86, 0.62, 0.4, 0.2};
    for (int k = 0; k < 4; ++k)
        sauver_image(GROUPE_HISTOIRE, "Journal7" + std::to_string(k + 1) + ".png", page_tournee(une7, cle, e7[k], -0.5 * (k + 1)));
}

}  // namespace ag
