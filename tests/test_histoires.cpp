// The two stories, run in-process on the simulated platform over stand-in pictures: one flat
// colour per file, with the overlays mostly transparent, so that a few screen probes tell
// which picture each frame shows. Checks the figures' resulting positions, the skip rules,
// the animation counters, the soldier who leaves at the left edge and the late white room.
#include <gtest/gtest.h>
#include <png.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "outils_sdl.h"
#include "cutscene/interlude.h"
#include "cutscene/intro.h"
#include "cutscene/ressources_histoires.h"
#include "platform/plateforme.h"
#include "platform/trace.h"
#include "shell/cadence.h"

namespace {

// ---- stand-in pictures ----

struct Pixel {
    Uint8 r, g, b;
};
bool operator==(Pixel a, Pixel b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

const Pixel k_bande = {0, 0, 200};  // the stripe along the left edge of "Blanc1"

void ecrire_png(const std::string& chemin, int l, int h, const std::vector<Pixel>& pixels) {
    FILE* f = fopen(chemin.c_str(), "wb");
    ASSERT_TRUE(f) << chemin;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_set_IHDR(png, info, l, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) png_write_row(png, (png_bytep)&pixels[size_t(y) * l]);
    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
    fclose(f);
}

std::string base_nom(const char* chemin) {
    std::string s = strrchr(chemin, '/') + 1;
    return s.substr(0, s.rfind('.'));
}


// The stand-in colour of every picture, by base name (the same file in both stories).
std::map<std::string, Pixel>& couleurs() {
    static std::map<std::string, Pixel> c;
    return c;
}

std::string nom_couleur(Pixel p) {
    for (auto& [nom, c] : couleurs())
        if (c == p) return nom;
    if (p == k_bande) return "bande";
    return "?";
}

// Size and opaque region of each stand-in: the overlays are transparent (their colour key)
// but for one small block, placed where no figure or dialogue covers it.
void dessiner_remplacant(const std::string& dossier, const EntreeRessource& e, Pixel couleur) {
    std::string nom = base_nom(e.chemin);
    int l = 640, h = 480;
    static const char* const planches[] = {"Ange", "General", "Gentil", "Gentille", "Mort", "Mort_Gentil",
                                           "Mort_Gentil1", "Soldat"};
    for (const char* p : planches)
        if (nom == p) l = 128, h = 192;
    if (nom == "Serpent" || nom == "Serpent_Mord") l = 256, h = 192;
    if (nom.rfind("Olek", 0) == 0 || nom.rfind("dorvin", 0) == 0 || nom.rfind("sabri", 0) == 0 ||
        nom.rfind("Narrateur", 0) == 0)
        h = 200;
    Pixel cle = {e.r, e.g, e.b};
    std::vector<Pixel> pixels(size_t(l) * h, couleur);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) {
            bool opaque = true;
            if (nom == "Couloir") opaque = x < 40 && y < 40;
            if (nom == "lumiere") opaque = x >= 600 && y < 20;
            if (nom == "Bloc_Milieu") opaque = x >= 600 && y >= 20 && y < 40;
            if (nom.rfind("Journal7", 0) == 0 && nom != "Journal7") opaque = x < 40 && y >= 440;
            if (!opaque) pixels[size_t(y) * l + x] = cle;
            if (nom == "Blanc1" && x < 10) pixels[size_t(y) * l + x] = k_bande;
        }
    ecrire_png(dossier + "/" + e.chemin, l, h, pixels);
}

// A run directory with every file of both stories, made once per test process.
const std::string& dossier_remplacants() {
    static std::string dossier;
    if (!dossier.empty()) return dossier;
    char modele[] = "/tmp/mirage_histoires_XXXXXX";
    dossier = mkdtemp(modele);
    atexit([] { std::filesystem::remove_all(dossier_remplacants()); });
    mkdir((dossier + "/Images").c_str(), 0755);
    mkdir((dossier + "/Sound").c_str(), 0755);
    int k = 0;
    for (const TableRessourcesHistoire& t : TABLES_RESSOURCES_HISTOIRES)
        for (int i = 0; i < t.nb; ++i) {
            const EntreeRessource& e = t.entrees[i];
            if (e.genre == RES_MUSIQUE) {
                static const std::vector<uint8_t> musique = ogg_vorbis_encode(1, 0.0f);
                FILE* f = fopen((dossier + "/" + e.chemin).c_str(), "wb");
                fwrite(musique.data(), 1, musique.size(), f);
                fclose(f);
                continue;
            }
            std::string nom = base_nom(e.chemin);
            if (!couleurs().count(nom)) {
                couleurs()[nom] = Pixel{Uint8(10 + 3 * k), 90, 30};
                ++k;
            }
            dessiner_remplacant(dossier, e, couleurs()[nom]);
        }
    return dossier;
}

// ---- one in-process run of a story ----

// What one flip showed: the picture under each probe, the scrolled stripe and the soldier.
struct Image {
    uint32_t t;
    std::string fond, lumiere, bloc, couloir, journal, dialogue_haut, dialogue_bas;
    int bande_x;       // leftmost column of row 470 showing the stripe of "Blanc1", -1 none
    int couloir_x;     // leftmost column of row 20 showing the corridor's block, -1 none
    int soldat_gauche; // pixels of the soldier sheet in row 260, columns 0 to 31
};

struct Evenement {
    std::string ev;
    uint32_t t;
    int plan;
    std::string ligne;
};

struct Deroulement {
    std::vector<Image> images;
    std::vector<Evenement> evenements;
    uint32_t fin;  // virtual time when the story returned

    const Evenement* trouver(const char* ev, int plan) const {
        for (const Evenement& e : evenements)
            if (e.ev == ev && e.plan == plan) return &e;
        return nullptr;
    }
    // The flips of one shot, in order.
    std::vector<Image> plan(int numero) const {
        const Evenement* debut = trouver("plan", numero);
        const Evenement* fin_plan = trouver("fin_plan", numero);
        std::vector<Image> r;
        if (!debut || !fin_plan) return r;
        for (const Image& i : images)
            if (i.t >= debut->t && i.t < fin_plan->t) r.push_back(i);
        return r;
    }
    // A figure's position at the end of a shot.
    std::pair<int, int> position(int numero, const char* figure) const {
        const Evenement* e = trouver("fin_plan", numero);
        if (!e) return {-9999, -9999};
        std::string cle = std::string("\"") + figure + "\":[";
        size_t p = e->ligne.find(cle);
        if (p == std::string::npos) return {-9999, -9999};
        int x, y;
        if (sscanf(e->ligne.c_str() + p + cle.size(), "%d,%d", &x, &y) != 2) return {-9999, -9999};
        return {x, y};
    }
    int nb(const char* ev) const {
        int n = 0;
        for (const Evenement& e : evenements) n += e.ev == ev;
        return n;
    }
};

Pixel lire(SDL_Surface* s, int x, int y) {
    Uint32 v = ((Uint32*)s->pixels)[y * s->pitch / 4 + x];
    Pixel p;
    SDL_GetRGB(v, s->format, &p.r, &p.g, &p.b);
    return p;
}

void observer(SDL_Surface* ecran, uint32_t t, void* donnees) {
    Image i;
    i.t = t;
    i.fond = nom_couleur(lire(ecran, 620, 240));
    i.lumiere = nom_couleur(lire(ecran, 620, 10));
    i.bloc = nom_couleur(lire(ecran, 620, 30));
    i.couloir = nom_couleur(lire(ecran, 20, 20));
    i.journal = nom_couleur(lire(ecran, 20, 460));
    i.dialogue_haut = nom_couleur(lire(ecran, 320, 100));
    i.dialogue_bas = nom_couleur(lire(ecran, 320, 400));
    i.bande_x = -1;
    i.couloir_x = -1;
    for (int x = 0; x < 640 && i.bande_x < 0; ++x)
        if (lire(ecran, x, 470) == k_bande) i.bande_x = x;
    for (int x = 0; x < 640 && i.couloir_x < 0; ++x)
        if (lire(ecran, x, 20) == couleurs()["Couloir"]) i.couloir_x = x;
    i.soldat_gauche = 0;
    for (int x = 0; x < 32; ++x) i.soldat_gauche += lire(ecran, x, 260) == couleurs()["Soldat"];
    ((std::vector<Image>*)donnees)->push_back(i);
}

struct Entree {
    uint32_t t;
    SDLKey touche;  // SDLK_UNKNOWN: window close
};

Deroulement raconter(void (*histoire)(SDL_Surface*, Uint32, SDL_Surface*), std::vector<Entree> entrees = {}) {
    Deroulement d;
    const std::string& dossier = dossier_remplacants();
    char ancien[4096];
    EXPECT_TRUE(getcwd(ancien, sizeof ancien));
    EXPECT_EQ(chdir(dossier.c_str()), 0);
    SDL_Surface* ecran = ecran_de_test();
    SDL_Surface* chargement = SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(chargement, NULL, SDL_MapRGB(chargement->format, 1, 2, 3));

    plateforme_simuler(1);
    for (const Entree& e : entrees) {
        if (e.touche == SDLK_UNKNOWN) {
            plateforme_script_quitter(e.t);
        } else {
            plateforme_script_touche(e.t, e.touche, 1);
            plateforme_script_touche(e.t, e.touche, 0);
        }
    }
    FILE* trace = tmpfile();
    trace_ouvrir(trace);
    plateforme_observer_flips(observer, &d.images);
    histoire(ecran, PERIODE_IMAGE, chargement);
    d.fin = plateforme_ticks();
    plateforme_observer_flips(nullptr, nullptr);
    trace_ouvrir(nullptr);

    rewind(trace);
    char ligne[4096];
    while (fgets(ligne, sizeof ligne, trace)) {
        Evenement e;
        char ev[32] = "";
        unsigned t = 0;
        sscanf(ligne, "{\"ev\":\"%31[^\"]\",\"t\":%u", ev, &t);
        e.ev = ev;
        e.t = t;
        const char* p = strstr(ligne, "\"plan\":");
        e.plan = p ? atoi(p + 7) : -1;
        e.ligne = ligne;
        d.evenements.push_back(e);
    }
    fclose(trace);
    SDL_FreeSurface(chargement);
    EXPECT_EQ(chdir(ancien), 0);
    return d;
}

}  // namespace

// Virtual times that follow from the opening: the loading picture's flip (1 ms), 3000 ms,
// the title card's flip (1 ms), 3000 ms. Shot 1 of the intro is 10 frames of 50 ms + 1 ms.
const uint32_t k_debut_plan_1 = 6002;
const uint32_t k_debut_plan_2_intro = k_debut_plan_1 + 10 * 51;

// ---- the intro ----

// One full run, made with keys that the skip guard must swallow: Return during the loading
// picture and shot 1, Escape during the title card, Escape and a window close at the very
// first frame of shot 2.
TEST(Intro, PlaysEveryShotThroughTheGuardedKeys) {
    Deroulement d = raconter(raconter_intro, {{10, SDLK_RETURN},
                                              {4000, SDLK_ESCAPE},
                                              {k_debut_plan_1 + 100, SDLK_RETURN},
                                              {k_debut_plan_2_intro, SDLK_UNKNOWN},
                                              {k_debut_plan_2_intro, SDLK_ESCAPE}});
    EXPECT_EQ(d.nb("plan"), 32);
    EXPECT_EQ(d.nb("fin_plan"), 32);
    EXPECT_EQ(d.nb("saut"), 0);
    ASSERT_TRUE(d.trouver("plan", 2));
    EXPECT_EQ(d.trouver("plan", 2)->t, k_debut_plan_2_intro);

    {
        SCOPED_TRACE("positions");
        EXPECT_EQ(d.position(1, "gentil_base"), std::make_pair(312, 386));
        EXPECT_EQ(d.position(2, "gentil_base"), std::make_pair(392, 386));
        EXPECT_EQ(d.position(3, "gentil_base"), std::make_pair(392, 116));
        EXPECT_EQ(d.position(4, "gentil_base"), std::make_pair(332, 116));
        EXPECT_EQ(d.position(16, "general"), std::make_pair(275, 116));
        EXPECT_EQ(d.position(19, "gentil_couloir"), std::make_pair(290, 230));
        EXPECT_EQ(d.position(20, "gentille"), std::make_pair(210, 230));
        EXPECT_EQ(d.position(26, "gentil_couloir"), std::make_pair(290, 230));
        EXPECT_EQ(d.position(27, "gentil_couloir"), std::make_pair(490, 230));
        EXPECT_EQ(d.position(32, "gentille"), std::make_pair(210, 230));
    }
    {
        SCOPED_TRACE("length");
        // Every frame's delay plus its flip; at the end the music is cut, not faded.
        uint32_t images = 0, attente = 0;
        const int nb[32] = {10, 16, 54, 12, 12, 24, 100, 100, 100, 100, 100, 100, 100, 100, 100, 20,
                            20, 50, 120, 42, 30,  100, 100, 100, 100, 100, 40, 30, 100, 50, 20, 50};
        for (int p = 0; p < 32; ++p) {
            images += nb[p];
            attente += nb[p] * (p == 0 ? 50 : p == 17 ? 15 : 75);
        }
        EXPECT_EQ(d.images.size(), images + 2);  // and the loading picture and the title card
        EXPECT_EQ(d.fin, k_debut_plan_1 + attente + images);
    }
    {
        SCOPED_TRACE("base animation");
        std::vector<Image> premier = d.plan(1);
        ASSERT_EQ(premier.size(), 10u);
        for (const Image& i : premier) {
            EXPECT_EQ(i.fond, "Base1");
            EXPECT_EQ(i.lumiere, "Base1");
        }
        // Shots 2 to 16 run the two counters on without a reset.
        std::vector<Image> base;
        for (int p = 2; p <= 16; ++p) {
            std::vector<Image> v = d.plan(p);
            base.insert(base.end(), v.begin(), v.end());
        }
        ASSERT_EQ(base.size(), 1038u);
        for (size_t k = 0; k < base.size(); ++k) {
            int phase = int(k % 13);
            const char* attendu = phase < 5 ? "Base1" : phase < 9 ? "Base2" : "Base3";
            bool allume = k % 30 >= 10;
            ASSERT_EQ(base[k].fond, attendu) << "base frame " << k;
            ASSERT_EQ(base[k].lumiere, allume ? "lumiere" : attendu) << "base frame " << k;
            ASSERT_EQ(base[k].bloc, allume ? "Bloc_Milieu" : attendu) << "base frame " << k;
        }
        for (const Image& i : d.plan(17)) EXPECT_EQ(i.fond, "Journal1");
    }
    {
        SCOPED_TRACE("dialogue, newspaper, corridor");
        std::vector<Image> p7 = d.plan(7);
        ASSERT_EQ(p7.size(), 100u);
        for (int i = 0; i < 100; ++i) EXPECT_EQ(p7[i].dialogue_bas, i <= 10 ? "Olek" : "Olek-1") << i;
        EXPECT_EQ(p7[50].dialogue_haut, p7[50].fond);  // the intro speaks in the bottom strip
        std::vector<Image> p30 = d.plan(30);
        ASSERT_EQ(p30.size(), 50u);
        EXPECT_EQ(p30[49].dialogue_bas, "sabri3");

        std::vector<Image> p18 = d.plan(18);
        ASSERT_EQ(p18.size(), 50u);
        const char* pages[5] = {"Journal2", "Journal3", "Journal4", "Journal5", "Journal6"};
        for (int i = 0; i < 50; ++i) EXPECT_EQ(p18[i].fond, pages[i <= 10 ? 0 : (i - 1) / 10]) << i;
        EXPECT_EQ(d.trouver("fin_plan", 18)->t - d.trouver("plan", 18)->t, 50u * 16);

        // The corridor layer slides 4 pixels a frame in shot 19, then stands still. Its block
        // (picture columns 0 to 39) leaves on the left and comes back on the right.
        std::vector<Image> p19 = d.plan(19);
        ASSERT_EQ(p19.size(), 120u);
        EXPECT_EQ(p19[0].fond, "Paysage");
        EXPECT_EQ(p19[0].couloir_x, 0);
        EXPECT_EQ(p19[8].couloir_x, 0);    // at x = -36
        EXPECT_EQ(p19[9].couloir_x, 600);  // at x = -40: only the strip drawn at the right edge
        EXPECT_EQ(p19[10].couloir_x, 596);
        EXPECT_EQ(p19[11].couloir_x, 592);
        for (const Image& i : d.plan(20)) EXPECT_EQ(i.couloir_x, 0);
        for (const Image& i : d.plan(32)) EXPECT_EQ(i.fond, "End_Intro");
    }
}

TEST(Intro, EscapeReturnOrAWindowCloseSkipFromTheSecondFrameOfShotTwo) {
    // Escape at the second frame of shot 2 ends the story there, without drawing that frame.
    Deroulement s = raconter(raconter_intro, {{k_debut_plan_2_intro + 1, SDLK_ESCAPE}});
    ASSERT_EQ(s.nb("saut"), 1);
    ASSERT_TRUE(s.trouver("saut", 2));
    EXPECT_EQ(s.trouver("saut", 2)->t, k_debut_plan_2_intro + 76);
    EXPECT_EQ(s.nb("fin_plan"), 1);
    EXPECT_EQ(s.images.size(), 2u + 10 + 1);  // opening, shot 1, frame 0 of shot 2
    // The skip sequence: a fade, 500 ms, and the story returns.
    EXPECT_EQ(s.fin, s.trouver("saut", 2)->t + 500);

    // Return and a window close skip too, later in the story.
    const uint32_t plan_5 = k_debut_plan_2_intro + (16 + 54 + 12) * 76;
    Deroulement r = raconter(raconter_intro, {{plan_5 + 200, SDLK_RETURN}});
    EXPECT_TRUE(r.trouver("saut", 5));
    EXPECT_EQ(r.nb("saut"), 1);
    Deroulement q = raconter(raconter_intro, {{plan_5 + 200, SDLK_UNKNOWN}});
    EXPECT_TRUE(q.trouver("saut", 5));
    EXPECT_EQ(q.nb("fin_plan"), 4);
}

// ---- the interlude ----

// One full run, with Return pressed every five seconds: it never skips the interlude.
TEST(Interlude, PlaysEveryShotAndReturnNeverSkips) {
    std::vector<Entree> retours;
    for (uint32_t t = 0; t < 240000; t += 5000) retours.push_back({t, SDLK_RETURN});
    Deroulement d = raconter(raconter_interlude, retours);
    EXPECT_EQ(d.nb("plan"), 40);
    EXPECT_EQ(d.nb("fin_plan"), 40);
    EXPECT_EQ(d.nb("saut"), 0);

    {
        SCOPED_TRACE("positions");
        EXPECT_EQ(d.position(2, "gentil"), std::make_pair(276, 254));
        EXPECT_EQ(d.position(2, "mort_gentil_desert"), std::make_pair(276, 254));
        EXPECT_EQ(d.position(10, "serpent1"), std::make_pair(60, 254));
        EXPECT_EQ(d.position(10, "serpent2"), std::make_pair(120, 320));
        EXPECT_EQ(d.position(10, "serpent3"), std::make_pair(176, 372));
        EXPECT_EQ(d.position(10, "serpent4"), std::make_pair(244, 432));
        EXPECT_EQ(d.position(10, "serpent5"), std::make_pair(306, 372));
        EXPECT_EQ(d.position(10, "serpent6"), std::make_pair(516, 364));
        EXPECT_EQ(d.position(11, "serpent1"), std::make_pair(220, 254));
        EXPECT_EQ(d.position(11, "serpent2"), std::make_pair(120, 320));
        EXPECT_EQ(d.position(11, "serpent6"), std::make_pair(516, 364));
        EXPECT_EQ(d.position(15, "soldat2"), std::make_pair(232, 193));
        // Down 55 pixels, then left until the blit clips it at the edge, where it stays.
        EXPECT_EQ(d.position(16, "soldat2"), std::make_pair(0, 248));
        EXPECT_EQ(d.position(40, "soldat2"), std::make_pair(0, 248));
        EXPECT_EQ(d.position(22, "mort_gentil1"), std::make_pair(67, 272));
        EXPECT_EQ(d.position(23, "mort_gentil"), std::make_pair(157, 272));
        EXPECT_EQ(d.position(23, "mort_gentil1"), std::make_pair(157, 272));
        EXPECT_EQ(d.position(40, "gentille_blanc"), std::make_pair(500, 272));
    }
    {
        SCOPED_TRACE("length");
        // Frames, the pauses between shots and the two-second closing.
        const int nb[40] = {20, 69,  20,  100, 100, 100, 100, 100, 120, 60, 20, 50, 100, 100, 100, 100, 100, 100, 100, 20,
                            8,  70, 30, 20,  20,  50,  20,  10,  50,  10, 100, 100, 100, 100, 100, 20, 40, 35, 100, 400};
        uint32_t images = 0, attente = 0;
        for (int p = 0; p < 40; ++p) {
            images += nb[p];
            attente += nb[p] * ((p == 10 || p == 20) ? 50 : 75);
        }
        uint32_t flips = images - 10 + 4;  // shot 38 hides 10; loading, title, old man, newspaper
        EXPECT_EQ(d.images.size(), flips);
        EXPECT_EQ(d.fin, 6000 + attente + flips + 500 + 500 + 3000 + 1500 + 2000);
    }
    {
        SCOPED_TRACE("the second soldier");
        std::vector<Image> p16 = d.plan(16);
        ASSERT_EQ(p16.size(), 100u);
        // x = 232 - 5 (i - 10) after the move of frame i: it reaches columns 0 to 31 at
        // x = 27, is cut by the edge at x = -3 (frame 57) and is never drawn again.
        for (int i = 0; i < 100; ++i) {
            int x = i <= 10 ? 232 : 232 - 5 * (i - 10);
            int attendu = i > 57 ? 0 : x >= 32 ? 0 : x >= 0 ? 32 - x : 32 + x;
            EXPECT_EQ(p16[i].soldat_gauche, attendu) << "frame " << i;
        }
        for (const Image& i : d.plan(17)) EXPECT_EQ(i.soldat_gauche, 0);
    }
    {
        SCOPED_TRACE("landscape counter");
        for (int p = 1; p <= 7; ++p)
            for (const Image& i : d.plan(p)) ASSERT_EQ(i.fond, "desert2") << "shot " << p;
        // 509 frames counted before shot 8: the counter stands at 5.
        std::vector<Image> p8 = d.plan(8);
        ASSERT_EQ(p8.size(), 100u);
        for (int i = 0; i < 100; ++i) EXPECT_EQ(p8[i].fond, (5 + i) % 9 <= 4 ? "desert1" : "desert2") << i;
        // 809 before shot 12: at 8.
        std::vector<Image> p12 = d.plan(12);
        ASSERT_EQ(p12.size(), 50u);
        for (int i = 0; i < 50; ++i) {
            EXPECT_EQ(p12[i].fond, (8 + i) % 9 <= 4 ? "Paysage" : "Paysage1") << i;
            EXPECT_EQ(p12[i].couloir, "Couloir");
        }
        EXPECT_EQ(p12[0].fond, "Paysage1");
        EXPECT_EQ(p12[1].fond, "Paysage");
        std::vector<Image> p21 = d.plan(21);
        ASSERT_EQ(p21.size(), 8u);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(p21[i].fond, "Desert_Vaisseau1");
            EXPECT_EQ(p21[i].journal, "Journal7" + std::to_string(1 + i / 2));
        }
    }
    {
        SCOPED_TRACE("dialogue boxes");
        // The desert speaks in the top strip, the base in the bottom one, the white room on top.
        std::vector<Image> p4 = d.plan(4);
        EXPECT_EQ(p4[10].dialogue_haut, "Olek");
        EXPECT_EQ(p4[11].dialogue_haut, "Olek-8");
        EXPECT_EQ(p4[11].dialogue_bas, "desert2");
        std::vector<Image> p9 = d.plan(9);
        ASSERT_EQ(p9.size(), 120u);
        EXPECT_EQ(p9[100].dialogue_haut, "Olek-12");
        EXPECT_EQ(p9[101].dialogue_haut, p9[101].fond);
        EXPECT_EQ(d.plan(13)[50].dialogue_bas, "dorvin7");
        EXPECT_EQ(d.plan(16)[50].dialogue_bas, "sabri4");
        EXPECT_EQ(d.plan(31)[50].dialogue_haut, "Olek-13");
        EXPECT_EQ(d.plan(35)[50].dialogue_haut, "Olek-15");
    }
    {
        SCOPED_TRACE("ship and farewell");
        std::vector<Image> vaisseau;
        for (int p = 22; p <= 25; ++p) {
            std::vector<Image> v = d.plan(p);
            vaisseau.insert(vaisseau.end(), v.begin(), v.end());
        }
        ASSERT_EQ(vaisseau.size(), 140u);
        const char* navire[9] = {"", "Desert_Vaisseau1", "Desert_Vaisseau1a", "Desert_Vaisseau1b", "Desert_Vaisseau1c",
                                 "Desert_Vaisseau1d", "Desert_Vaisseau1c", "Desert_Vaisseau1b", "Desert_Vaisseau1a"};
        // The counter moves after even frame indices, counted within each shot.
        int compteur = 1;
        const int longueurs[4] = {70, 30, 20, 20};
        size_t k = 0;
        for (int p = 0; p < 4; ++p)
            for (int i = 0; i < longueurs[p]; ++i, ++k) {
                ASSERT_EQ(vaisseau[k].fond, navire[compteur]) << "shot " << 22 + p << " frame " << i;
                if (i % 2 == 0 && ++compteur == 9) compteur = 1;
            }
        EXPECT_EQ(vaisseau[0].fond, "Desert_Vaisseau1");
        EXPECT_EQ(vaisseau[1].fond, "Desert_Vaisseau1a");
        EXPECT_EQ(vaisseau[2].fond, "Desert_Vaisseau1a");

        // Indices from 1: every farewell picture stays two frames, across both shots.
        std::vector<Image> adieu = d.plan(39);
        std::vector<Image> p40 = d.plan(40);
        ASSERT_EQ(adieu.size(), 100u);
        ASSERT_EQ(p40.size(), 400u);
        adieu.insert(adieu.end(), p40.begin(), p40.end());
        const int ordre[10] = {1, 2, 3, 4, 5, 6, 5, 4, 3, 2};
        for (size_t j = 0; j < adieu.size(); ++j)
            ASSERT_EQ(adieu[j].fond, "Desert_Vaisseau_Adieu" + std::to_string(ordre[(j / 2) % 10])) << j;
        auto narrateur = [&](int indice) { return p40[indice - 1].dialogue_haut; };
        EXPECT_EQ(narrateur(1), "Narrateur");
        EXPECT_EQ(narrateur(10), "Narrateur");
        EXPECT_EQ(narrateur(11), "Narrateur1");
        EXPECT_EQ(narrateur(119), "Narrateur1");
        EXPECT_EQ(narrateur(120), "Narrateur");
        EXPECT_EQ(narrateur(130), "Narrateur");
        EXPECT_EQ(narrateur(131), "Narrateur2");
        EXPECT_EQ(narrateur(239), "Narrateur2");
        EXPECT_EQ(narrateur(250), "Narrateur");
        EXPECT_EQ(narrateur(251), "Narrateur3");
        EXPECT_EQ(narrateur(360), "Narrateur3");
        EXPECT_EQ(narrateur(361), p40[360].fond);
    }
    {
        SCOPED_TRACE("white room");
        std::vector<Image> p29 = d.plan(29);
        ASSERT_EQ(p29.size(), 50u);
        // The stripe of the layer's picture starts at x = 0 and moves 2 pixels per step.
        int x = 0;
        for (int i = 0; i < 50; ++i) {
            int pas = i <= 5 ? 4 : i >= 46 ? 13 : 4 + (i - 1) / 5;
            x -= 2 * pas;
            if (x <= -640) x += 640;
            int visible = x > -10 ? 0 : x + 640;
            ASSERT_EQ(p29[i].bande_x, visible) << "frame " << i;
        }
        std::vector<Image> p30 = d.plan(30);
        ASSERT_EQ(p30.size(), 10u);
        EXPECT_EQ((p29[49].bande_x - p30[0].bande_x + 640) % 640, 26);
        for (const Image& i : d.plan(28)) EXPECT_EQ(i.bande_x, 0);

        // Shot 38 draws 35 frames but shows only 25: its first flip is frame 10.
        std::vector<Image> p38 = d.plan(38);
        EXPECT_EQ(p38.size(), 25u);
        EXPECT_EQ(p38.front().t - d.trouver("plan", 38)->t, 10u * 75);
        for (const Image& i : p38) EXPECT_EQ(i.fond, "Blanc");
        EXPECT_EQ(d.plan(37).size(), 40u);
    }
}

TEST(Interlude, EscapeOrAWindowCloseSkipsItAtAnyFrame) {
    // Escape pressed during the loading picture waits in the queue for shot 1's first frame.
    Deroulement s = raconter(raconter_interlude, {{100, SDLK_ESCAPE}});
    ASSERT_TRUE(s.trouver("saut", 1));
    EXPECT_EQ(s.trouver("saut", 1)->t, k_debut_plan_1);
    EXPECT_EQ(s.nb("fin_plan"), 0);
    EXPECT_EQ(s.images.size(), 2u);  // loading picture and title card only
    EXPECT_EQ(s.fin, k_debut_plan_1 + 500);

    // A window close in the middle of the base scene.
    Deroulement q = raconter(raconter_interlude, {{100000, SDLK_UNKNOWN}});
    EXPECT_EQ(q.nb("saut"), 1);
    EXPECT_TRUE(q.trouver("saut", 16));
    EXPECT_EQ(q.nb("fin_plan"), 15);
}

// ---- with the game's own pictures, through the simulator ----

TEST(Histoires, TheGamesPicturesLoadAndTheSimulatorTracesShotsAndSkips) {
    for (const TableRessourcesHistoire& t : TABLES_RESSOURCES_HISTOIRES)
        for (int i = 0; i < t.nb; ++i)
            if (access((std::string(MIRAGE_RUN_DIR "/") + t.entrees[i].chemin).c_str(), R_OK) != 0)
                GTEST_SKIP() << "the asset pack has no " << t.entrees[i].chemin << " yet (" << t.nom
                             << "): the stories cannot run on the game's own files";

    // Escape in the middle of the intro's first dialogue (shot 7).
    RunSimulateur intro = lancer_simulateur("--scene intro", "20000 ESCAPE down\n20040 ESCAPE up\n");
    EXPECT_EQ(intro.statut, 0) << intro.sortie;
    EXPECT_EQ(evenements(intro, "plan").size(), 7u);
    ASSERT_EQ(evenements(intro, "fin_plan").size(), 6u);
    EXPECT_NE(evenements(intro, "fin_plan")[3].find("\"gentil_base\":[332,116]"), std::string::npos);
    ASSERT_EQ(evenements(intro, "saut").size(), 1u);
    EXPECT_EQ(valeur_entiere(evenements(intro, "saut")[0], "plan"), 7);
    EXPECT_EQ(valeur_texte(evenements(intro, "saut")[0], "histoire"), "intro");

    // Return does nothing in the interlude; Escape during shot 3 ends it.
    RunSimulateur inter = lancer_simulateur("--scene interlude", "9000 RETURN down\n9040 RETURN up\n"
                                                                 "14000 ESCAPE down\n14040 ESCAPE up\n");
    EXPECT_EQ(inter.statut, 0) << inter.sortie;
    ASSERT_EQ(evenements(inter, "fin_plan").size(), 2u);
    EXPECT_NE(evenements(inter, "fin_plan")[1].find("\"gentil\":[276,254]"), std::string::npos);
    ASSERT_EQ(evenements(inter, "saut").size(), 1u);
    EXPECT_EQ(valeur_entiere(evenements(inter, "saut")[0], "plan"), 3);

    // The simulator's --sauter-histoires gets past the intro's guarded shot 2 and the interlude's
    // opening: each story gives way at the first shot that can.
    for (const char* scene : {"intro", "interlude"}) {
        RunSimulateur r = lancer_simulateur(std::string("--scene ") + scene + " --sauter-histoires");
        EXPECT_EQ(r.statut, 0) << r.sortie;
        ASSERT_EQ(evenements(r, "saut").size(), 1u) << scene;
        EXPECT_EQ(valeur_entiere(evenements(r, "saut")[0], "plan"), std::string(scene) == "intro" ? 2 : 1) << scene;
    }
}
