// The level scenes: the event handler in-process on the virtual clock, and whole level runs
// through the simulator (Escape, window close, victory when the boss's ring slot is empty,
// fire cadence, keys during the entry run, one 'f' or 'd' per frame, game over, timeline).
// The simulator runs in the working directory (build/run under ctest) and reads its pictures
// from there; those runs are skipped while the level pictures are not generated yet.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "level/niveau.h"
#include "outils_sdl.h"
#include "platform/plateforme.h"
#include "ship/vaisseau.h"

// ---- the event handler, in-process ----

namespace {

struct Evenements : ::testing::Test {
    Vaisseau* vaisseau = nullptr;
    SDL_Event evenement;
    void SetUp() override {
        plateforme_simuler(1);
        vaisseau = creer_vaisseau({100, 220, 37, 32}, 5, 50, nullptr, 0, nullptr, 12, 75, 3, 3);
    }
    void TearDown() override { detruire_vaisseau(vaisseau); }
    int gerer() { return gerer_evenements(&evenement, vaisseau, nullptr); }
};

}  // namespace

TEST_F(Evenements, WeaponAndSpeedKeysOfOneFrameAreHandledOnePerCall) {
    plateforme_script_touche(0, SDLK_f, 1);
    plateforme_script_touche(0, SDLK_d, 1);
    plateforme_script_touche(0, SDLK_f, 0);
    plateforme_script_touche(0, SDLK_d, 0);
    plateforme_script_touche(0, SDLK_d, 1);
    EXPECT_EQ(gerer(), 1);
    EXPECT_EQ(vaisseau->arme, 1);
    EXPECT_EQ(vaisseau->vitesse, 1);
    EXPECT_EQ(gerer(), 1);
    EXPECT_EQ(vaisseau->arme, 1);
    EXPECT_EQ(vaisseau->vitesse, 2);
    // The two releases are dropped on the way to the second 'd'.
    EXPECT_EQ(gerer(), 1);
    EXPECT_EQ(vaisseau->vitesse, 3);
    EXPECT_EQ(gerer(), 0);
    // Weapon 2 is not owned: 'f' from weapon 1 wraps round to weapon 0.
    plateforme_script_touche(0, SDLK_f, 1);
    EXPECT_EQ(gerer(), 1);
    EXPECT_EQ(vaisseau->arme, 0);
}

TEST_F(Evenements, EscapeAndWindowCloseQuitAndOtherEventsAreDropped) {
    plateforme_script_touche(0, SDLK_g, 1);
    plateforme_script_touche(0, SDLK_UP, 1);
    plateforme_script_touche(0, SDLK_ESCAPE, 0);  // a release is not a press
    EXPECT_EQ(gerer(), 0);
    plateforme_script_touche(0, SDLK_a, 1);
    plateforme_script_touche(0, SDLK_ESCAPE, 1);
    plateforme_script_touche(0, SDLK_f, 1);
    EXPECT_EQ(gerer(), -1);
    EXPECT_EQ(gerer(), 1);  // the 'f' behind the Escape waits for the next call
    EXPECT_EQ(vaisseau->arme, 1);
    plateforme_script_quitter(0);
    EXPECT_EQ(gerer(), -1);
    EXPECT_EQ(gerer(), 0);
}

// ---- whole levels through the simulator ----

namespace {

// A simulator run.
struct Execution {
    RunSimulateur run;
    std::vector<std::string> de(const char* ev) const { return evenements(run, ev); }
    // The first line of event `ev`, or "" when there is none.
    std::string premier(const char* ev) const {
        std::vector<std::string> v = de(ev);
        return v.empty() ? "" : v[0];
    }
};

long nombre(const std::string& ligne, const char* cle) { return valeur_entiere(ligne, cle); }

// The first data file a level needs that the run directory lacks, or "" when the pack is there.
std::string fichier_manquant() {
    for (const char* f : {"Images/Desert_Haut1a.png", "Images/Sky1.png", "Images/Menu_Haut.png", "Images/Boss1.png",
                          "Sound/SteelOfDestiny.ogg", "Sound/Sho.ogg", "Sound/Boss.ogg", "Sound/Emergency.wav",
                          "Sound/Voice1.wav"})
        if (access((std::string(MIRAGE_RUN_DIR "/") + f).c_str(), R_OK) != 0) return f;
    return "";
}

#define SAUTER_SANS_IMAGES()                                                                        \
    if (!fichier_manquant().empty())                                                                 \
    GTEST_SKIP() << "the level's data files are not generated yet (" << fichier_manquant()            \
                 << " is missing in the run directory): level runs skipped"

Execution simuler(const char* scene, const std::string& entrees, const std::string& options = "") {
    Execution x;
    x.run = lancer_simulateur(std::string("--scene ") + scene + " " + options, entrees);
    return x;
}

// Whether the level's wave script brings enemies: a short run that looks for arrivals (both
// timetables start within seconds of the entry run).
bool ennemis_presents(const char* scene) {
    Execution x = simuler(scene, "", "--invincible --temps-max 14000");
    return !x.de("arrivee").empty();
}

// Virtual times of a level run: the loading picture's flip (1 ms), then the start delay; the
// entry run's 70 frames start at debut_niveau and last 1 + 69 x 13 ms (the first frame does
// not wait); from then on every frame lasts one period.
const long DEBUT_NIVEAU_1 = 1 + 3000, DEBUT_NIVEAU_2 = 1 + 6000;
const long DUREE_ENTREE = 1 + 69 * 13;

void verifier_victoire(const Execution& x, int niveau, long debut_niveau, long moment_boss) {
    ASSERT_EQ(x.run.statut, 0) << x.run.sortie;
    ASSERT_EQ(x.de("arrivee").size(), 0u);
    const std::string boss = x.premier("boss_vaincu");
    const std::string fin = x.premier("fin_niveau");
    ASSERT_NE(boss, "") << x.run.sortie;
    ASSERT_NE(fin, "") << x.run.sortie;
    // The boss check runs in the first frame at or after the boss time and finds the slot
    // that the last arrival would have taken empty.
    EXPECT_GE(nombre(boss, "niveau_t"), moment_boss);
    EXPECT_LT(nombre(boss, "niveau_t"), moment_boss + 13);
    EXPECT_NEAR(nombre(boss, "t"), debut_niveau + moment_boss, 13);
    EXPECT_EQ(nombre(boss, "image"), (moment_boss - DUREE_ENTREE + 12) / 13 + 1);
    // 299 more frames of play, 100 ms, then 200 white frames.
    EXPECT_EQ(nombre(fin, "niveau"), niveau);
    EXPECT_EQ(nombre(fin, "etat"), 1);
    EXPECT_EQ(nombre(fin, "score"), 0);
    EXPECT_EQ(nombre(fin, "images"), nombre(boss, "image") + 299);
    EXPECT_NEAR(nombre(fin, "t"), nombre(boss, "t") + 299 * 13 + 100 + 200 * 13, 15);
    const std::string fin_scene = x.premier("fin_scene");
    ASSERT_NE(fin_scene, "");
    EXPECT_EQ(nombre(fin_scene, "resultat"), 1);
}

}  // namespace

TEST(Niveau, EscapeDuringPlayLeavesAfterAOneSecondPause) {
    SAUTER_SANS_IMAGES();
    Execution x = simuler("niveau1", "6000 ESCAPE down\n6020 ESCAPE up\n");
    ASSERT_EQ(x.run.statut, 0) << x.run.sortie;
    const std::string fin = x.premier("fin_niveau");
    ASSERT_NE(fin, "") << x.run.sortie;
    EXPECT_EQ(nombre(fin, "niveau"), 1);
    EXPECT_EQ(nombre(fin, "etat"), 0);
    EXPECT_EQ(nombre(fin, "score"), 0);
    // The pass that reads the Escape is not shown: it is the first frame at or after 6000 ms.
    long images = nombre(fin, "images");
    EXPECT_EQ(images, (6000 - DEBUT_NIVEAU_1 - DUREE_ENTREE + 12) / 13);
    long escape_lue = DEBUT_NIVEAU_1 + DUREE_ENTREE + 13 * images;
    // The one-second pause is a wait on the virtual clock, not frames of play.
    EXPECT_EQ(nombre(fin, "t"), escape_lue + 1000);
}

TEST(Niveau, ClosingTheWindowLeavesLevel2LikeEscape) {
    SAUTER_SANS_IMAGES();
    Execution x = simuler("niveau2", "8000 QUIT\n");
    ASSERT_EQ(x.run.statut, 0) << x.run.sortie;
    const std::string fin = x.premier("fin_niveau");
    ASSERT_NE(fin, "") << x.run.sortie;
    EXPECT_EQ(nombre(fin, "niveau"), 2);
    EXPECT_EQ(nombre(fin, "etat"), 0);
    EXPECT_EQ(nombre(fin, "images"), (8000 - DEBUT_NIVEAU_2 - DUREE_ENTREE + 12) / 13);
}

TEST(Niveau, Level1IsWonWhenTheBossSlotIsEmptyAt139500Ms) {
    SAUTER_SANS_IMAGES();
    Execution x = simuler("niveau1", "", "--sans-vagues --temps-max 170000");
    verifier_victoire(x, 1, DEBUT_NIVEAU_1, 139500);
    // The whole run: start delay, 139.5 s of level time, 300 frames, 100 ms, 200 white frames.
    EXPECT_NEAR(nombre(x.premier("fin_niveau"), "t"), DEBUT_NIVEAU_1 + 139500 + 299 * 13 + 100 + 200 * 13, 30);
}

TEST(Niveau, Level2IsWonWhenTheBossSlotIsEmptyAt122000Ms) {
    SAUTER_SANS_IMAGES();
    Execution x = simuler("niveau2", "", "--sans-vagues --temps-max 150000");
    verifier_victoire(x, 2, DEBUT_NIVEAU_2, 122000);
}

TEST(Niveau, AHeldFireKeyFiresOneVolleyEveryEightFrames) {
    SAUTER_SANS_IMAGES();
    // Pressed well after the entry run, held for a second and a half.
    Execution x = simuler("niveau1", "5000 g down\n6500 g up\n7000 ESCAPE down\n", "--invincible");
    ASSERT_EQ(x.run.statut, 0) << x.run.sortie;
    std::vector<std::string> volees = x.de("volee");
    ASSERT_GE(volees.size(), 2u);
    // The first volley comes in the first frame after the press.
    EXPECT_GE(nombre(volees[0], "t"), 5000);
    EXPECT_LT(nombre(volees[0], "t"), 5000 + 13);
    for (size_t i = 0; i < volees.size(); ++i) {
        EXPECT_EQ(nombre(volees[i], "arme"), 0);
        EXPECT_EQ(nombre(volees[i], "tirs"), 2);  // weapon 0: two shots, no modules
        if (i > 0) {
            EXPECT_EQ(nombre(volees[i], "t") - nombre(volees[i - 1], "t"), 8 * 13) << i;
        }
    }
    // 1500 ms held at 104 ms per volley.
    EXPECT_EQ(volees.size(), size_t(1500 / 104 + 1));
    EXPECT_LT(nombre(volees.back(), "t"), 6500);
}

TEST(Niveau, WeaponAndSpeedKeysOfTheSameFrameAreHandledInTwoFrames) {
    SAUTER_SANS_IMAGES();
    Execution x = simuler("niveau1", "6000 f down\n6000 d down\n6005 f up\n6005 d up\n7000 ESCAPE down\n");
    ASSERT_EQ(x.run.statut, 0) << x.run.sortie;
    std::vector<std::string> c = x.de("commande");
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(nombre(c[0], "arme"), 1);
    EXPECT_EQ(nombre(c[0], "vitesse"), 1);
    EXPECT_EQ(nombre(c[1], "arme"), 1);
    EXPECT_EQ(nombre(c[1], "vitesse"), 2);
    EXPECT_EQ(nombre(c[1], "image"), nombre(c[0], "image") + 1);
    EXPECT_EQ(nombre(c[1], "t") - nombre(c[0], "t"), 13);
}

TEST(Niveau, KeysPressedDuringTheEntryRunActInTheFirstFramesOfPlay) {
    SAUTER_SANS_IMAGES();
    // The entry run lasts from 3001 ms to about 3900 ms; no event is read meanwhile.
    Execution x = simuler("niveau1", "3200 f down\n3210 f up\n3300 d down\n3310 d up\n3400 g down\n"
                                     "4200 g up\n5000 ESCAPE down\n");
    ASSERT_EQ(x.run.statut, 0) << x.run.sortie;
    std::vector<std::string> c = x.de("commande");
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(nombre(c[0], "image"), 1);
    EXPECT_EQ(nombre(c[0], "arme"), 1);
    EXPECT_EQ(nombre(c[1], "image"), 2);
    EXPECT_EQ(nombre(c[1], "vitesse"), 2);
    EXPECT_EQ(nombre(c[0], "t"), DEBUT_NIVEAU_1 + DUREE_ENTREE);
    // The fire key, held since the entry run, fires in the first frame with the new weapon.
    std::vector<std::string> volees = x.de("volee");
    ASSERT_FALSE(volees.empty());
    EXPECT_EQ(nombre(volees[0], "t"), DEBUT_NIVEAU_1 + DUREE_ENTREE);
    EXPECT_EQ(nombre(volees[0], "arme"), 1);
}

TEST(Niveau, LosingTheLastShipEndsInGameOverThreeSecondsLater) {
    SAUTER_SANS_IMAGES();
    // The ship sits still and never fires, so the enemies get it sooner or later.
    if (!ennemis_presents("niveau1")) GTEST_SKIP() << "no enemies yet (the wave script queues nothing): no game over";
    Execution x = simuler("niveau1", "", "--temps-max 160000");
    std::vector<std::string> touches = x.de("touche");
    if (touches.size() < 5) GTEST_SKIP() << "the idle ship was hit only " << touches.size() << " times";
    ASSERT_EQ(x.run.statut, 0) << x.run.sortie;
    ASSERT_EQ(touches.size(), 5u);
    EXPECT_EQ(nombre(touches.back(), "vie"), 0);
    const std::string fin = x.premier("fin_niveau");
    ASSERT_NE(fin, "");
    EXPECT_EQ(nombre(fin, "etat"), -1);
    EXPECT_EQ(nombre(fin, "score"), 0);
    // The explosion's 12 frames of 75 ms, then the game over frame, 100 ms and 3 s.
    long apres = nombre(fin, "t") - nombre(touches.back(), "t");
    EXPECT_GE(apres, 12 * 75 + 100 + 3000);
    EXPECT_LE(apres, 12 * 91 + 13 + 100 + 3000);
    EXPECT_EQ(x.premier("boss_vaincu"), "");
}

TEST(Niveau, ALivingBossInTheLastArrivalsSlotKeepsTheLevelGoing) {
    SAUTER_SANS_IMAGES();
    if (!ennemis_presents("niveau2")) GTEST_SKIP() << "no enemies yet (the wave script queues nothing): no boss";
    struct {
        const char* scene;
        long debut, boss;
    } const cas[] = {{"niveau1", DEBUT_NIVEAU_1, 139500}, {"niveau2", DEBUT_NIVEAU_2, 122000}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.scene);
        // Nobody fires: two seconds after the boss check begins, the boss is still there.
        Execution x = simuler(c.scene, "", "--invincible --temps-max " + std::to_string(c.debut + c.boss + 2000));
        EXPECT_EQ(x.run.statut, 2) << x.run.sortie;
        std::vector<std::string> arrivees = x.de("arrivee");
        ASSERT_FALSE(arrivees.empty());
        // The boss arrives last, at the latest in the frame of the first boss check (level 2
        // releases it at its boss time: the world update brings it in before the check).
        EXPECT_LT(nombre(arrivees.back(), "niveau_t"), c.boss + 13);
        EXPECT_EQ(x.premier("boss_vaincu"), "");
        EXPECT_EQ(x.premier("fin_niveau"), "");
        // --invincible: a whole timetable flown through without a single hit.
        EXPECT_TRUE(x.de("touche").empty()) << x.de("touche").size() << " hits";
    }
}

TEST(Niveau, AfterAHitTheShipFiresAgainOnlyOnceBackAtX100) {
    SAUTER_SANS_IMAGES();
    Execution x = simuler("niveau1", "3000 g down\n", "--temps-max 40000");
    std::vector<std::string> touches = x.de("touche");
    if (touches.empty()) GTEST_SKIP() << "the ship was not hit (no enemies yet?)";
    long t = nombre(touches[0], "t");
    EXPECT_EQ(nombre(touches[0], "vie"), 4);
    long prochaine = -1;
    for (const std::string& v : x.de("volee"))
        if (nombre(v, "t") > t) {
            prochaine = nombre(v, "t");
            break;
        }
    // The explosion's frame 13 comes 12 x 78 ms later (each frame change waits for more than
    // 75 ms, 6 frames of 13 ms); the next frame puts the ship at x = -40, 35 frames bring it to
    // x = 100, and the frame after that is the first one with control again: it fires at once.
    EXPECT_EQ(prochaine - t, 12 * 78 + 13 + 35 * 13 + 13);
}
