// Replays, the shell's side (see rejeux.h).
#include "shell/rejeux.h"

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <set>
#include <string>

#include "core/fichiers.h"
#include "cutscene/ressources_histoires.h"
#include "level/menu_haut.h"
#include "level/ressources_niveau.h"
#include "shell/jeu.h"
#include "ship/armes.h"

#ifndef MIRAGE_VERSION
#define MIRAGE_VERSION "dev"
#endif
const char VERSION_JEU[] = MIRAGE_VERSION;

namespace {

const uint64_t FNV_DEPART = 0xcbf29ce484222325ull, FNV_PREMIER = 0x100000001b3ull;

void fnv(uint64_t* h, const void* octets, size_t n) {
    const unsigned char* p = (const unsigned char*)octets;
    for (size_t i = 0; i < n; ++i) *h = (*h ^ p[i]) * FNV_PREMIER;
}

void ajouter(std::set<std::string>& chemins, const EntreeRessource* table, int n) {
    for (int i = 0; i < n; ++i) {
        const char* c = table[i].chemin;
        chemins.insert(strncmp(c, "./", 2) == 0 ? c + 2 : c);
    }
}

}  // namespace

void empreinte_donnees(EnteteRejeu* e) {
    std::set<std::string> chemins;
    ajouter(chemins, IMAGES_SHELL, NB_IMAGES_SHELL);
    ajouter(chemins, IMAGES_MENU_HAUT, NB_IMAGES_MENU_HAUT);
    for (const TableRessources& t : TABLES_RESSOURCES_NIVEAUX) ajouter(chemins, t.entrees, t.nb);
    ajouter(chemins, IMAGES_MODULES, NB_IMAGES_MODULE);
    for (const TableRessourcesHistoire& t : TABLES_RESSOURCES_HISTOIRES) ajouter(chemins, t.entrees, t.nb);

    uint64_t h = FNV_DEPART, total = 0;
    static unsigned char tampon[1 << 16];
    for (const std::string& c : chemins) {
        fnv(&h, c.c_str(), c.size() + 1);
        // A FIFO or a directory counts as missing: reading it could block or never end.
        char raison[128];
        long long octets = 0;
        FILE* f = ouvrir_fichier_regulier(c.c_str(), &octets, raison, sizeof raison);
        uint64_t taille = f ? uint64_t(octets) : UINT64_MAX;
        unsigned char octets_taille[8];
        for (int k = 0; k < 8; ++k) octets_taille[k] = (unsigned char)(taille >> (8 * k));
        fnv(&h, octets_taille, 8);
        if (f) {
            // The size read when it was opened, whatever the file does meanwhile.
            for (uint64_t reste = taille, n; reste > 0 && (n = fread(tampon, 1, size_t(std::min<uint64_t>(reste, sizeof tampon)), f)) > 0;
                 reste -= n)
                fnv(&h, tampon, size_t(n));
            total += taille;
        }
        if (f) fclose(f);
    }
    e->nb_fichiers = uint32_t(chemins.size());
    e->octets = total;
    e->empreinte = h;
}

EnteteRejeu entete_du_jeu(const char* scene, uint32_t graine) {
    EnteteRejeu e;
    memset(&e, 0, sizeof e);
    snprintf(e.version_jeu, sizeof e.version_jeu, "%s", VERSION_JEU);
    snprintf(e.scene, sizeof e.scene, "%s", scene);
    e.graine = graine;
    empreinte_donnees(&e);
    return e;
}

void commencer_enregistrement(const char* chemin, const char* scene, uint32_t graine) {
    EnteteRejeu e = entete_du_jeu(scene, graine);
    if (enregistrement_ouvrir(chemin, &e) < 0) {
        fprintf(stderr, "mirage: cannot write %s: %s\n", chemin, strerror(errno));
        exit(1);
    }
}

const char* const SCENES[] = {"jeu", "presentation", "menu", "intro", "niveau1", "interlude", "niveau2"};

int scene_connue(const char* nom) {
    for (const char* s : SCENES)
        if (strcmp(s, nom) == 0) return 1;
    return 0;
}

EnteteRejeu commencer_rejeu(const char* chemin, int fenetre) {
    EnteteRejeu ici = entete_du_jeu("", 0), lu;
    rejeu_ouvrir(chemin, &ici, fenetre, &lu);
    if (!scene_connue(lu.scene)) {
        fprintf(stderr, "mirage: cannot replay %s: it holds the scene '%s', which this game does not have\n", chemin,
                lu.scene);
        exit(1);
    }
    return lu;
}
