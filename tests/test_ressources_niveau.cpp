// The four level asset sets: every field in its order with its file, kind and colour key;
// loading fills each field with its own surface (a file listed twice gives two independent
// pictures); release frees each picture exactly once.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fichiers_factices.h"
#include "level/ressources_niveau.h"
#include "platform/audio.h"

namespace {

// The files of each set in field order: a bare name is "./Images/<name>.png", a name with an
// extension lives under Sound/.
const char* const FICHIERS[4] = {
    // RessourcesNiveau1
    "Blanc Chargement Desert_Bas Desert_Bas1 Desert_Bas1a Desert_Bas1b Desert_Bas1a_gris Desert_Haut1 "
    "Desert_Haut1a Desert_Haut1b Desert_Haut1a_Gris Desert_Sol1a Desert_Sol1a Desert_Sol1b Desert_Sol1a_Gris "
    "Emergency Emergency1 Explosions1 Game_Over Impact1 Impact2 Impact3 Impact4 Module1 Module2 Module3 "
    "Module4 Vaisseau1 Vaisseau1_Invincible Vaisseau_Bas0 Vaisseau_Bas0_Invincible Vaisseau_Bas "
    "Vaisseau_Bas_Invincible Vaisseau_Haut0 Vaisseau_Haut0_Invincible Vaisseau_Haut Vaisseau_Haut_Invincible "
    "Vaisseau_Tir1 Vaisseau_Tir2 Vaisseau_Tir3 Vaisseau_Tir3a Vaisseau_Tir3b Vaisseau_Tir4 Vaisseau_Tir5 "
    "SteelOfDestiny.ogg Boss.ogg Hero_Tir1.wav Hero_Tir2.wav Hero_Tir31.wav Hero_Tir41.wav Curseur.wav "
    "Emergency.wav Cold1.wav Cold4.wav explosion1.wav explosion2.wav explosion3.wav",
    // RessourcesEnnemis1
    "Bonus_1 Bonus_2 Bonus_3 Boss1 Boss1_Flash Boss1a Boss1a_Flash Ennemi_Desert Ennemi_Desert_Flash "
    "Ennemi_Tir1 Ennemi_Tir1a Ennemi_Tir2a Ennemi_Tir3a Ennemi_Tir3b Explosions1 Explosion1a Explosion2 "
    "Explosion_Boss Explosions1 Mechant_Bonus Mechant_Bonus1 Module1 Muloi Muloi_Flash Muloi1 Muloi1_Flash "
    "Octopus Octopus_Flash Octopus1 Octopus1_Flash Torpille Torpille_Flash TorpilleG TorpilleG_Flash "
    "Cold1.wav Cold4.wav explosion1.wav explosion2.wav explosion3.wav Voice1.wav Voice2.wav Voice3.wav "
    "Voice4.wav Shot1.wav Shot2.wav Shot3.wav Shot4.wav",
    // RessourcesNiveau2
    "Blanc Chargement Sky1 Sky2 Sky_Gris Emergency Emergency1 Explosions1 Game_Over Impact1 Impact2 Impact3 "
    "Impact4 Module1 Module2 Module3 Module4 Vaisseau1 Vaisseau1_Invincible Vaisseau_Bas0 "
    "Vaisseau_Bas0_Invincible Vaisseau_Bas Vaisseau_Bas_Invincible Vaisseau_Haut0 Vaisseau_Haut0_Invincible "
    "Vaisseau_Haut Vaisseau_Haut_Invincible Vaisseau_Tir1 Vaisseau_Tir2 Vaisseau_Tir3 Vaisseau_Tir3a "
    "Vaisseau_Tir3b Vaisseau_Tir4 Vaisseau_Tir5 Sho.ogg Hero_Tir1.wav Hero_Tir2.wav Hero_Tir31.wav "
    "Hero_Tir41.wav Curseur.wav Emergency.wav Cold1.wav Cold4.wav explosion1.wav explosion2.wav explosion3.wav",
    // RessourcesEnnemis2
    "Bonus_1 Bonus_2 Bonus_3 Boss2 Boss2_Flash Boss2a Boss2a_Flash Demo_Grisor1a Demo_Grisor1b "
    "Demo_Grisor1a_Flash Demo_Grisor1b_Flash Demo_Boss1a Demo_Boss1a_Flash Demo_Tir1 Demo_Tir1a Ennemi_Tir1 "
    "Ennemi_Tir1a Ennemi_Tir2a Ennemi_Tir3a Ennemi_Tir3b Explosions1 Explosion1a Explosion2 Explosion_Boss "
    "Explosions1 Mechant_Bonus Mechant_Bonus1 Module1 Torpille Torpille_Flash TorpilleG TorpilleG_Flash "
    "Cold1.wav Cold4.wav explosion1.wav explosion2.wav explosion3.wav Voice1.wav Voice2.wav Voice3.wav "
    "Voice4.wav Shot1.wav Shot2.wav Shot3.wav Shot4.wav",
};
const char* const NOMS[4] = {"RessourcesNiveau1", "RessourcesEnnemis1", "RessourcesNiveau2", "RessourcesEnnemis2"};
const int TAILLES[4] = {57, 47, 46, 45};
const size_t OCTETS[4] = {sizeof(RessourcesNiveau1), sizeof(RessourcesEnnemis1), sizeof(RessourcesNiveau2),
                          sizeof(RessourcesEnnemis2)};

std::vector<std::string> chemins_attendus(int t) {
    std::vector<std::string> r;
    std::istringstream flux(FICHIERS[t]);
    std::string nom;
    while (flux >> nom) r.push_back(nom.find('.') == std::string::npos ? "./Images/" + nom + ".png" : "Sound/" + nom);
    return r;
}

struct Cle {
    GenreRessource genre;
    int r, g, b;
};

bool commence(const std::string& s, const char* debut) { return s.rfind(debut, 0) == 0; }
bool contient(const std::string& s, const char* morceau) { return s.find(morceau) != std::string::npos; }

// The colour-key rules of the asset sets, written from the naming of the files.
Cle cle_attendue(int t, const std::string& chemin) {
    if (contient(chemin, ".ogg")) return {RES_MUSIQUE, 0, 0, 0};
    if (contient(chemin, ".wav")) return {RES_SON, 0, 0, 0};
    std::string nom = chemin.substr(9, chemin.size() - 9 - 4);  // between "./Images/" and ".png"
    for (const char* fond : {"Blanc", "Chargement", "Desert_Bas", "Desert_Haut", "Sky"})
        if (commence(nom, fond)) return {RES_IMAGE, 0, 0, 0};
    if (nom == "Desert_Sol1a_Gris") return {RES_IMAGE_CLE, 104, 104, 104};
    if (contient(nom, "_Flash")) {
        if (commence(nom, "Torpille") || t == 1) return {RES_IMAGE_CLE, 255, 29, 255};
        return {RES_IMAGE_CLE, 255, 40, 255};
    }
    for (const char* noir : {"Emergency", "Explosion", "Game_Over"})
        if (commence(nom, noir)) return {RES_IMAGE_CLE, 0, 0, 0};
    if (commence(nom, "Module")) return {RES_IMAGE_CLE, 0, 255, 0};
    if (nom == "Vaisseau_Tir1") return {RES_IMAGE_CLE, 0, 0, 255};
    if (nom == "Vaisseau_Tir4" || contient(nom, "_Invincible")) return {RES_IMAGE_CLE, 255, 255, 29};
    if (commence(nom, "Vaisseau") && nom != "Vaisseau_Tir5") return {RES_IMAGE_CLE, 255, 255, 0};
    return {RES_IMAGE_CLE, 255, 0, 255};
}

bool est_image(const EntreeRessource& e) { return e.genre != RES_SON && e.genre != RES_MUSIQUE; }

template <typename T>
T* champ(void* enregistrement, size_t decalage) {
    return *(T**)((char*)enregistrement + decalage);
}

const EntreeRessource* entree_du_champ(int t, size_t decalage) {
    const TableRessources& table = TABLES_RESSOURCES_NIVEAUX[t];
    for (int i = 0; i < table.nb; ++i)
        if (table.entrees[i].decalage == decalage) return &table.entrees[i];
    return nullptr;
}

}  // namespace

TEST(RessourcesNiveau, EachTableListsEveryFieldOfItsRecordInOrderWithItsFile) {
    for (int t = 0; t < 4; ++t) {
        SCOPED_TRACE(NOMS[t]);
        const TableRessources& table = TABLES_RESSOURCES_NIVEAUX[t];
        EXPECT_STREQ(table.nom, NOMS[t]);
        ASSERT_EQ(table.nb, TAILLES[t]);
        // The record is exactly its pointer fields, and the table walks them in order.
        EXPECT_EQ(OCTETS[t], size_t(TAILLES[t]) * sizeof(void*));
        std::vector<std::string> attendus = chemins_attendus(t);
        ASSERT_EQ(int(attendus.size()), TAILLES[t]);
        for (int i = 0; i < table.nb; ++i) {
            EXPECT_EQ(table.entrees[i].decalage, size_t(i) * sizeof(void*)) << "field " << i + 1;
            EXPECT_EQ(table.entrees[i].chemin, attendus[i]) << "field " << i + 1;
        }
    }
}

TEST(RessourcesNiveau, KindsAndColourKeysFollowTheRulesOfTheSets) {
    for (int t = 0; t < 4; ++t) {
        const TableRessources& table = TABLES_RESSOURCES_NIVEAUX[t];
        for (int i = 0; i < table.nb; ++i) {
            const EntreeRessource& e = table.entrees[i];
            Cle c = cle_attendue(t, e.chemin);
            SCOPED_TRACE(std::string(NOMS[t]) + " " + e.chemin);
            EXPECT_EQ(e.genre, c.genre);
            if (c.genre == RES_IMAGE_CLE) {
                EXPECT_EQ(e.r, c.r);
                EXPECT_EQ(e.g, c.g);
                EXPECT_EQ(e.b, c.b);
            }
        }
    }
}

TEST(RessourcesNiveau, TheFieldsTheLevelUsesHoldTheirFiles) {
    struct {
        int t;
        size_t decalage;
        const char* chemin;
    } const cas[] = {
        {0, offsetof(RessourcesNiveau1, blanc), "./Images/Blanc.png"},
        {0, offsetof(RessourcesNiveau1, desert_bas1a_gris), "./Images/Desert_Bas1a_gris.png"},
        {0, offsetof(RessourcesNiveau1, desert_haut1b), "./Images/Desert_Haut1b.png"},
        {0, offsetof(RessourcesNiveau1, desert_sol1a_2), "./Images/Desert_Sol1a.png"},
        {0, offsetof(RessourcesNiveau1, desert_sol1a_gris), "./Images/Desert_Sol1a_Gris.png"},
        {0, offsetof(RessourcesNiveau1, emergency1), "./Images/Emergency1.png"},
        {0, offsetof(RessourcesNiveau1, vaisseau_haut0_invincible), "./Images/Vaisseau_Haut0_Invincible.png"},
        {0, offsetof(RessourcesNiveau1, vaisseau_tir3b), "./Images/Vaisseau_Tir3b.png"},
        {0, offsetof(RessourcesNiveau1, musique_boss), "Sound/Boss.ogg"},
        {0, offsetof(RessourcesNiveau1, son_hero_tir41), "Sound/Hero_Tir41.wav"},
        {0, offsetof(RessourcesNiveau1, son_emergency), "Sound/Emergency.wav"},
        {0, offsetof(RessourcesNiveau1, son_explosion1), "Sound/explosion1.wav"},
        {1, offsetof(RessourcesEnnemis1, explosions1_2), "./Images/Explosions1.png"},
        {1, offsetof(RessourcesEnnemis1, torpilleg_flash), "./Images/TorpilleG_Flash.png"},
        {2, offsetof(RessourcesNiveau2, sky2), "./Images/Sky2.png"},
        {2, offsetof(RessourcesNiveau2, sky_gris), "./Images/Sky_Gris.png"},
        {2, offsetof(RessourcesNiveau2, musique_sho), "Sound/Sho.ogg"},
        {2, offsetof(RessourcesNiveau2, son_curseur), "Sound/Curseur.wav"},
        {3, offsetof(RessourcesEnnemis2, demo_boss1a_flash), "./Images/Demo_Boss1a_Flash.png"},
        {3, offsetof(RessourcesEnnemis2, explosions1_2), "./Images/Explosions1.png"},
    };
    for (const auto& c : cas) {
        const EntreeRessource* e = entree_du_champ(c.t, c.decalage);
        ASSERT_NE(e, nullptr) << c.chemin;
        EXPECT_STREQ(e->chemin, c.chemin);
    }
}

namespace {

struct Chargement : ::testing::Test {
    void SetUp() override { ASSERT_NE(factices::ouvrir_ecran_factice(), nullptr) << SDL_GetError(); }
};

// Loads set t from stand-in files, checks every field, and releases it with `liberer`.
template <typename T>
void verifier_set(int t, T* (*charger)(void), void (*liberer)(T*)) {
    SCOPED_TRACE(NOMS[t]);
    const TableRessources& table = TABLES_RESSOURCES_NIVEAUX[t];
    factices::RepertoireFactice repertoire;
    repertoire.remplir(table.entrees, table.nb);
    T* r = charger();
    ASSERT_NE(r, nullptr);
    std::vector<SDL_Surface*> images;
    for (int i = 0; i < table.nb; ++i) {
        const EntreeRessource& e = table.entrees[i];
        if (!est_image(e)) {
            // No audio device in the tests: each sound and music is a silent stand-in named
            // after its file, for the trace.
            void* h = champ<void>(r, e.decalage);
            ASSERT_NE(h, nullptr) << e.chemin;
            const char* nom = e.genre == RES_SON ? nom_son((Mix_Chunk*)h) : nom_musique((Mix_Music*)h);
            EXPECT_STREQ(nom, e.chemin);
            continue;
        }
        SDL_Surface* s = champ<SDL_Surface>(r, e.decalage);
        ASSERT_NE(s, nullptr) << e.chemin;
        EXPECT_EQ(s->format->BitsPerPixel, 32) << "converted to the display format: " << e.chemin;
        if (e.genre == RES_IMAGE_CLE) {
            EXPECT_TRUE(s->flags & SDL_SRCCOLORKEY) << e.chemin;
            Uint8 cr, cg, cb;
            SDL_GetRGB(s->format->colorkey, s->format, &cr, &cg, &cb);
            EXPECT_EQ(cr, e.r) << e.chemin;
            EXPECT_EQ(cg, e.g) << e.chemin;
            EXPECT_EQ(cb, e.b) << e.chemin;
        } else {
            EXPECT_FALSE(s->flags & SDL_SRCCOLORKEY) << e.chemin;
        }
        for (SDL_Surface* autre : images) EXPECT_NE(s, autre) << "field shares a surface: " << e.chemin;
        images.push_back(s);
    }
    // Each surface carries two extra references: after the release each must have lost
    // exactly one, so a picture freed twice or never shows (and none is really gone yet).
    for (SDL_Surface* s : images) s->refcount = 3;
    liberer(r);
    for (size_t i = 0; i < images.size(); ++i) {
        int reste = images[i]->refcount;
        EXPECT_EQ(reste, 2) << "picture field " << i;
        for (int k = 0; k < reste; ++k) SDL_FreeSurface(images[i]);
    }
}

}  // namespace

TEST_F(Chargement, LoadingGivesEveryPictureFieldItsOwnSurfaceAndReleaseFreesEachOnce) {
    verifier_set<RessourcesNiveau1>(0, charger_ressources_niveau_1, liberer_ressources_niveau_1);
    verifier_set<RessourcesEnnemis1>(1, charger_ennemis_niveau_1, liberer_ennemis_niveau_1);
    verifier_set<RessourcesNiveau2>(2, charger_ressources_niveau_2, liberer_ressources_niveau_2);
    verifier_set<RessourcesEnnemis2>(3, charger_ennemis_niveau_2, liberer_ennemis_niveau_2);
}

TEST_F(Chargement, AFileListedTwiceGivesTwoIndependentPictures) {
    factices::RepertoireFactice repertoire;
    repertoire.remplir(TABLES_RESSOURCES_NIVEAUX[0].entrees, TABLES_RESSOURCES_NIVEAUX[0].nb);
    repertoire.remplir(TABLES_RESSOURCES_NIVEAUX[1].entrees, TABLES_RESSOURCES_NIVEAUX[1].nb);
    RessourcesNiveau1* a = charger_ressources_niveau_1();
    RessourcesEnnemis1* b = charger_ennemis_niveau_1();
    struct {
        SDL_Surface* premiere;
        SDL_Surface* seconde;
    } const paires[] = {{a->desert_sol1a, a->desert_sol1a_2}, {b->explosions1, b->explosions1_2}};
    for (const auto& p : paires) {
        ASSERT_NE(p.premiere, p.seconde);
        ASSERT_NE(p.premiere->pixels, p.seconde->pixels);
        Uint32 avant = ((Uint32*)p.seconde->pixels)[0];
        SDL_FillRect(p.premiere, NULL, SDL_MapRGB(p.premiere->format, 1, 2, 3));
        EXPECT_EQ(((Uint32*)p.seconde->pixels)[0], avant) << "painting one copy changed the other";
    }
    liberer_ressources_niveau_1(a);
    liberer_ennemis_niveau_1(b);
}
