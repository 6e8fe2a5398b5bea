// Output of the asset generator: file writing and contact sheets.
#include "sortie.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
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

void ecrire_planches_contact(const std::string& dossier) {
    ::mkdir(dossier.c_str(), 0755);
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
