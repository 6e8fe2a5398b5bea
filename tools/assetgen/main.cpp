// Asset generator: writes every picture, sound and music the game loads into a run directory.
// Usage: assetgen RUN_DIR [--contact DIR] [--groupe NAME]...
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <set>
#include <string>

#include "generateurs.h"
#include "sortie.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: assetgen RUN_DIR [--contact DIR] [--groupe NAME]...\n");
        return 2;
    }
    std::string contact;
    std::set<std::string> groupes;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--contact") && i + 1 < argc) contact = argv[++i];
        else if (!std::strcmp(argv[i], "--groupe") && i + 1 < argc) groupes.insert(argv[++i]);
        else {
            std::fprintf(stderr, "assetgen: unknown argument %s\n", argv[i]);
            return 2;
        }
    }
    struct Etape { const char* nom; void (*f)(); };
    static const Etape etapes[] = {
        {"shell", ag::generer_shell},       {"hud", ag::generer_hud},
        {"niveaux", ag::generer_niveaux},   {"ennemis", ag::generer_ennemis},
        {"histoires", ag::generer_histoires}, {"sons", ag::generer_sons},
        {"musiques", ag::generer_musiques}, {"icone", ag::generer_icone},
    };
    try {
        ag::initialiser_sortie(argv[1]);
        for (const Etape& e : etapes) {
            if (!groupes.empty() && !groupes.count(e.nom)) continue;
            auto t0 = std::chrono::steady_clock::now();
            e.f();
            double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            std::printf("assetgen: %-10s %.2f s\n", e.nom, s);
        }
        if (!contact.empty()) ag::ecrire_planches_contact(contact);
    } catch (const std::exception& ex) {
        std::fprintf(stderr, "assetgen: %s\n", ex.what());
        return 1;
    }
    return 0;
}
