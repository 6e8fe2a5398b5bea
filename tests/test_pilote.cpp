// The autopilot and what it sees: the level's view shows exactly what is on screen; the pilot,
// fed hand-made views with no level behind them, reacts no sooner than 50 ms after the frame it
// saw; a seeded level 1 flown by it in the simulator is won, and its input script plays the
// same run again.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

#include "aide_combat.h"
#include "combat/monde.h"
#include "core/calculs.h"
#include "level/vue_monde.h"
#include "outils_sdl.h"
#include "pilote.h"

namespace {

VueMonde g_vue;
int g_vues = 0;
void copier(const VueMonde* v, void*) {
    g_vue = *v;
    ++g_vues;
}

struct Vue : TestCombat {};

}  // namespace

TEST_F(Vue, ShowsTheShipTheEnemiesTheirShotsAndBonusItemsAsDrawn) {
    SDL_Surface* img = image(255, 255, 255, 60, 40);
    Vaisseau* v = creer_vaisseau(creer_rect(100, 220, 37, 32), 4, 50, img, 0, img, 12, 75, 3, 3);
    v->invincibilite = 7;
    Monde* m = creer_monde(v, 0, 0, img, img, img, img, img);
    auto ennemi = [&](int place, int x, int y, const char* nom) {
        Ennemi* e = creer_ennemi(creer_rect(x, y, 60, 40), 9, 5, img, 0, img, 5, 25, 0, nom, 20, 10, 25, 15, 0, 1, 0, 1);
        m->actifs[place] = e;
        m->nb_actifs += 1;
        return e;
    };
    Ennemi* vivant = ennemi(2, 400, 300, "OCTOPUS");
    Tir* modele = creer_tir(creer_rect(-10, 5, 16, 16), img, TIR_ENNEMI, -3, 0);
    tirer_ennemi(vivant, modele);
    Ennemi* parti = ennemi(4, 700, 100, "OCTOPUS");
    parti->corps->etape_explosion = parti->corps->nb_etapes_explosion + 1;  // left the screen
    tirer_ennemi(parti, modele);  // its shot is still on screen
    Ennemi* bonus = ennemi(7, 300, 150, "Ennemi_Bonus");
    bonus->bonus_libere = 1;
    bonus->type_bonus = 2;
    bonus->corps->etape_explosion = bonus->corps->nb_etapes_explosion + 1;
    Ennemi* explose = ennemi(9, 200, 400, "Muloi");
    explose->corps->etape_explosion = 3;
    detruire_tir(modele);

    g_vues = 0;
    EXPECT_FALSE(vue_monde_observee());
    montrer_vue_monde(m, 1, 5, 0, 450, 0);
    EXPECT_EQ(g_vues, 0) << "no observer: no view built";
    observer_vue_monde(copier, nullptr);
    plateforme_attendre(321);
    montrer_vue_monde(m, 2, 5, 1, 475, 0);
    observer_vue_monde(nullptr, nullptr);
    ASSERT_EQ(g_vues, 1);

    const VueMonde& w = g_vue;
    EXPECT_EQ(w.t, 321u);
    EXPECT_EQ(w.etat_vaisseau, VUE_RETOUR);
    EXPECT_EQ(w.invincibilite, 7);
    // The gone enemy is not drawn: three enemies in ring order, its shot still is.
    ASSERT_EQ(w.nb_ennemis, 3);
    EXPECT_EQ(w.ennemis[0].id, 2);
    EXPECT_EQ(w.ennemis[0].etat, VUE_VIVANT);
    // The core that hurts: the half-extents around the picture's centre (430, 320).
    EXPECT_EQ(w.ennemis[0].corps.x, 430 - 25);
    EXPECT_EQ(w.ennemis[0].corps.y, 320 - 15);
    EXPECT_EQ(w.ennemis[0].corps.w, 50);
    EXPECT_EQ(w.ennemis[0].corps.h, 30);
    EXPECT_EQ(w.ennemis[1].etat, VUE_BONUS);
    EXPECT_EQ(w.ennemis[1].type_bonus, 2);
    EXPECT_EQ(w.ennemis[2].etat, VUE_EN_EXPLOSION);
    ASSERT_EQ(w.nb_tirs, 2);
    EXPECT_EQ(w.tirs[0].rect.x, 390);
    EXPECT_EQ(w.tirs[0].rect.y, 305);
    EXPECT_NE(w.tirs[0].id, w.tirs[1].id);
    detruire_monde(m);
    detruire_vaisseau(v);
}

TEST(Pilote, DodgesAShotItSawComingAndNeverActsSoonerThan50MsAfterTheFrame) {
    plateforme_simuler(1);
    plateforme_attendre(10000);
    Pilote* p = creer_pilote(nullptr);
    VueMonde* v = new VueMonde();
    v->niveau = 1;
    v->vaisseau = creer_rect(100, 220, 37, 32);
    v->etat_vaisseau = VUE_PILOTABLE;
    v->vie = 5;
    v->armes[0] = v->armes[1] = v->armes[3] = 1;
    v->vitesse = 2;
    v->limite_bas = 450;
    v->nb_tirs = 1;
    v->tirs[0].id = 7;
    // A shot flying straight at the ship's centre, 5 pixels a frame; the ship moves only by the
    // arrows the pilot scripted, as the game would move it.
    int y = v->vaisseau.y;
    bool touche = false;
    int ecart_max = 0;
    for (int i = 0; i < 60; ++i) {
        v->t = plateforme_ticks();
        v->image = i + 1;
        v->tirs[0].rect = creer_rect(Sint16(300 - 5 * i), 228, 16, 16);
        pilote_sur_vue(v, p);
        // The keys this frame sees.
        const Uint8* k = plateforme_touches();
        int pas = v->vitesse + 1;
        if (k[SDLK_UP] && y >= 82) y -= pas;
        if (k[SDLK_DOWN] && y + 32 <= 450) y += pas;
        v->vaisseau.y = Sint16(y);
        ecart_max = std::max(ecart_max, abs(y - 220));
        int dx = abs((300 - 5 * i) + 8 - (v->vaisseau.x + 18)), dy = abs(228 + 8 - (y + 16));
        if (dx < 11 && dy < 11) touche = true;
        // Taps of 'd' and 'f' as the game would take them.
        SDL_Event e;
        while (plateforme_evenement(&e))
            if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_d) v->vitesse = v->vitesse % 4 + 1;
            else if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_f) v->arme = v->arme == 0 ? 1 : 3;
        plateforme_attendre(13);
    }
    EXPECT_FALSE(touche) << "the ship stayed in the shot's way";
    EXPECT_GE(ecart_max, 11) << "it got out of the shot's line";
    EXPECT_EQ(v->vitesse, 4) << "speed raised to its fourth level";
    EXPECT_EQ(v->arme, 3) << "homing weapon selected";
    const std::vector<EntreePilote>& en = entrees_pilote(p);
    ASSERT_FALSE(en.empty());
    for (const EntreePilote& e : en) {
        EXPECT_GE(e.t, e.decision + LATENCE_PILOTE_MS) << e.touche;
        EXPECT_EQ((e.decision - 10000) % 13, 0u) << "decided on a frame it was shown";
    }
    EXPECT_EQ(en[0].touche, SDLK_g) << "fires from its first frame";
    detruire_pilote(p);
    delete v;
}

namespace {

std::string lire(const std::string& chemin) {
    std::ifstream f(chemin);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace

TEST(Pilote, WinsASeededLevel1AndItsInputScriptAndItsReplayPlayTheSameRun) {
    if (access(MIRAGE_RUN_DIR "/Images/Boss1.png", R_OK) != 0) GTEST_SKIP() << "the level pictures are not generated";
    char modele[] = "/tmp/mirage_pilote_XXXXXX";
    const std::string dossier = mkdtemp(modele);
    const std::string script = dossier + "/entrees.txt";
    const std::string replay = dossier + "/vol.rej";
    auto debut = std::chrono::steady_clock::now();
    RunSimulateur vol = lancer_simulateur("--scene niveau1 --graine 4 --pilote --pilote-sortie '" + script +
                                          "' --enregistrer '" + replay + "' --temps-max 400000");
    double secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    ASSERT_EQ(vol.statut, 0) << vol.sortie;
    std::vector<std::string> fin = evenements(vol, "fin_niveau");
    ASSERT_EQ(fin.size(), 1u);
    EXPECT_EQ(valeur_entiere(fin[0], "etat"), 1) << "lost or stuck: " << fin[0];
    const std::string entrees = lire(script);
    printf("[ pilot    ] level 1, seed 4: %zu hits, score %ld, %zu bytes of input script, %.1f s wall\n",
           evenements(vol, "touche").size(), valeur_entiere(fin[0], "score"), entrees.size(), secondes);

    RunSimulateur rejeu = lancer_simulateur("--scene niveau1 --graine 4 --temps-max 400000", entrees);
    ASSERT_EQ(rejeu.statut, 0) << rejeu.sortie;
    ASSERT_EQ(rejeu.trace.size(), vol.trace.size());
    for (size_t i = 0; i < vol.trace.size(); ++i) ASSERT_EQ(rejeu.trace[i], vol.trace[i]) << "line " << i + 1;

    // Watching the world must not be one of the game's readings: the recorded flight replays.
    RunSimulateur relu = lancer_simulateur("--rejouer '" + replay + "'");
    ASSERT_EQ(relu.statut, 0) << relu.sortie;
    ASSERT_EQ(relu.trace.size(), vol.trace.size());
    for (size_t i = 0; i < vol.trace.size(); ++i) ASSERT_EQ(relu.trace[i], vol.trace[i]) << "line " << i + 1;
    unlink(replay.c_str());
    unlink(script.c_str());
    rmdir(dossier.c_str());
}
