// Output of the asset generator: file writing and contact sheets.
#include "sortie.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>
#include <stdexcept>

namespace ag {

static std::string g_racine = ".";
static std::map<std::string, std::vector<std::pair<std::string, Image>>> g_groupes;

void initialiser_sortie(const std::string& racine) {
    g_racine = racine;
    ::mkdir(racine.c_str(), 0755);
    ::mkdir((racine + "/Images").c_str(), 0755);
    ::mkdir((racine + "/Sound").c_str(), 0755);
}

std::string chemin(const std::string& relatif) { return g_racine + "/" + relatif; }

static void ecrire_bmp(const Image& im, const std::string& p) {
    int ligne = (im.w * 3 + 3) & ~3;
    uint32_t taille = 54 + uint32_t(ligne) * im.h;
    std::vector<uint8_t> o(taille, 0);
    auto u32 = [&](size_t at, uint32_t v) { for (int k = 0; k < 4; ++k) o[at + k] = uint8_t(v >> (8 * k)); };
    auto u16 = [&](size_t at, uint16_t v) { o[at] = uint8_t(v); o[at + 1] = uint8_t(v >> 8); };
    o[0] = 'B', o[1] = 'M';
    u32(2, taille), u32(10, 54), u32(14, 40), u32(18, uint32_t(im.w)), u32(22, uint32_t(im.h));
    u16(26, 1), u16(28, 24), u32(34, uint32_t(ligne) * im.h), u32(38, 2835), u32(42, 2835);
    for (int y = 0; y < im.h; ++y)
        for (int x = 0; x < im.w; ++x) {
            Px c = im.get(x, im.h - 1 - y);
            size_t at = 54 + size_t(y) * ligne + size_t(x) * 3;
            o[at] = uint8_t(B(c)), o[at + 1] = uint8_t(G(c)), o[at + 2] = uint8_t(R(c));
        }
    FILE* f = std::fopen(p.c_str(), "wb");
    if (!f || std::fwrite(o.data(), 1, o.size(), f) != o.size()) throw std::runtime_error("cannot write " + p);
    std::fclose(f);
}

void sauver_image(const std::string& groupe, const std::string& nom, const Image& im) {
    std::string p = chemin("Images/" + nom);
    if (nom.size() > 4 && nom.substr(nom.size() - 4) == ".bmp")
        ecrire_bmp(im, p);
    else
        ecrire_png(im, p);
    g_groupes[groupe].push_back({nom, im});
}

void sauver_octets(const std::string& relatif, const std::vector<uint8_t>& octets) {
    std::string p = chemin(relatif);
    FILE* f = std::fopen(p.c_str(), "wb");
    if (!f || std::fwrite(octets.data(), 1, octets.size(), f) != octets.size())
        throw std::runtime_error("cannot write " + p);
    std::fclose(f);
}

namespace {

const Image* trouver_image(const std::string& groupe, const std::string& nom) {
    for (const auto& [n, im] : g_groupes[groupe])
        if (n == nom) return &im;
    return nullptr;
}

// Every sprite of the fight over each background the levels show, as the player sees it: the
// shots, bonuses, ship and modules in rows over the whole height of the scenery (sky, dunes
// and sand), the enemies (the largest shrunk to 84 pixels) beside them. A sprite's key is its
// top-left pixel.
void ecrire_planche_fonds(const std::string& dossier) {
    struct Fond {
        const char* titre;
        const char* groupe;
        const char* haut;
        const char* bas;  // level 1: the dunes from row 177 and the ground band over them from row 333
        const char* sol;
    };
    static const Fond fonds[] = {
        {"level 1, dusk", "niveau1", "Desert_Haut1a.png", "Desert_Bas1a.png", "Desert_Sol1a.png"},
        {"level 1, night", "niveau1", "Desert_Haut1b.png", "Desert_Bas1b.png", "Desert_Sol1b.png"},
        {"level 1, grey", "niveau1", "Desert_Haut1a_Gris.png", "Desert_Bas1a_gris.png", "Desert_Sol1a_Gris.png"},
        {"level 2, day", "niveau2", "Sky1.png", nullptr, nullptr},
        {"level 2, storm", "niveau2", "Sky2.png", nullptr, nullptr},
        {"level 2, grey", "niveau2", "Sky_Gris.png", nullptr, nullptr},
    };
    std::vector<const Image*> tirs, ennemis;
    for (const auto& [n, im] : g_groupes["niveau1"])
        if (n.rfind("Vaisseau_Tir", 0) == 0 || n == "Vaisseau1.png") tirs.push_back(&im);
    for (const auto& [n, im] : g_groupes["ennemis"]) {
        if (n.find("_Flash") != std::string::npos) continue;
        bool petit = n.find("Tir") != std::string::npos || n.rfind("Bonus_", 0) == 0 || n.rfind("Module", 0) == 0;
        (petit ? tirs : ennemis).push_back(&im);
    }
    if (tirs.empty() || !trouver_image("niveau2", "Sky1.png")) return;  // a partial run (--groupe)
    const int legende = 18, largeur = 1280, hauteur = 400;
    Image planche(largeur, int(std::size(fonds)) * (hauteur + legende), rgb(40, 40, 48));
    int y0 = 0;
    for (const Fond& f : fonds) {
        texte(planche, 4, y0 + legende - 5, f.titre, 13, rgb(230, 230, 230), Police::Sans);
        y0 += legende;
        Image fond(640, hauteur, rgb(0, 0, 0));
        if (const Image* h = trouver_image(f.groupe, f.haut)) coller(fond, *h, 0, 0);
        if (f.bas)
            if (const Image* b = trouver_image(f.groupe, f.bas)) coller(fond, *b, 0, 177);
        if (f.sol)
            if (const Image* s = trouver_image(f.groupe, f.sol)) coller(fond, *s, 0, 333, true, s->get(0, 0));
        for (int moitie = 0; moitie < 2; ++moitie) coller(planche, fond, 640 * moitie, y0);
        // Shots in rows, each row shifted so the same shot meets other parts of the scenery.
        int x = 6, y = 6, rang = 0, haut = 0;
        for (size_t i = 0;; ++i) {
            const Image& im = *tirs[i % tirs.size()];
            if (x + im.w > 634) {
                x = 6 + (++rang * 23) % 60, y += haut + 6, haut = 0;
            }
            if (y + im.h > hauteur) break;
            coller(planche, im, x, y0 + y, true, im.get(0, 0));
            x += im.w + 8, haut = std::max(haut, im.h);
        }
        x = 646, y = 6, haut = 0;
        for (const Image* e : ennemis) {
            Image im = *e;
            double r = std::min(1.0, 84.0 / std::max(im.w, im.h));
            if (r < 1.0) im = agrandir(im, std::max(1, int(im.w * r)), std::max(1, int(im.h * r)));
            if (x + im.w > 1274) x = 646, y += haut + 6, haut = 0;
            if (y + im.h > hauteur) break;
            coller(planche, im, x, y0 + y, true, e->get(0, 0));
            x += im.w + 8, haut = std::max(haut, im.h);
        }
        y0 += hauteur;
    }
    ecrire_png(planche, dossier + "/fonds.png");
}

}  // namespace

void ecrire_planches_contact(const std::string& dossier) {
    ::mkdir(dossier.c_str(), 0755);
    ecrire_planche_fonds(dossier);
    const int cellule = 168, vignette = 160, legende = 14, colonnes = 8;
    for (auto& [groupe, images] : g_groupes) {
        int n = int(images.size());
        int lignes = (n + colonnes - 1) / colonnes;
        Image planche(colonnes * cellule, lignes * (cellule + legende), rgb(40, 40, 48));
        for (int i = 0; i < n; ++i) {
            const Image& im = images[i].second;
            int cx = (i % colonnes) * cellule, cy = (i / colonnes) * (cellule + legende);
            double f = std::min(double(vignette) / im.w, double(vignette) / im.h);
            f = f >= 1.0 ? std::min(3.0, std::floor(f)) : f;  // small sprites enlarged to stay readable
            int w = std::max(1, int(im.w * f)), h = std::max(1, int(im.h * f));
            // A checker behind the thumbnail shows the picture's own bounds.
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) planche.set(cx + 4 + x, cy + 4 + y, ((x / 8 + y / 8) & 1) ? rgb(90, 90, 90) : rgb(70, 70, 70));
            coller(planche, agrandir(im, w, h), cx + 4, cy + 4);
            std::string nom = images[i].first;
            if (nom.size() > 24) nom = nom.substr(0, 23) + "~";
            texte(planche, cx + 4, cy + cellule + legende - 4, nom, 11, rgb(230, 230, 230), Police::Sans);
        }
        ecrire_png(planche, dossier + "/" + groupe + ".png");
    }
}

}  // namespace ag
