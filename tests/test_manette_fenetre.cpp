// Gamepad play and the window toggle seen from whole scenes: the same play from the gamepad or
// the keyboard gives the same trace, and switching the display mode changes nothing in it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "outils_sdl.h"

namespace {

// About eight seconds of level 1: fire, climb, go right, next weapon, next speed, dive, leave.
const char* k_clavier =
    "4200 g down\n4300 UP down\n4600 UP up\n4700 RIGHT down\n5600 RIGHT up\n6000 f down\n6050 f up\n"
    "6500 d down\n6550 d up\n7000 DOWN down\n7400 DOWN up\n9000 g up\n11000 ESCAPE down\n";
const char* k_manette =
    "4200 JOY BUTTON 0 down\n4300 JOY AXIS 1 -30000\n4600 JOY AXIS 1 0\n4700 JOY HAT 2\n5600 JOY HAT 0\n"
    "6000 JOY BUTTON 1 down\n6050 JOY BUTTON 1 up\n6500 JOY BUTTON 2 down\n6550 JOY BUTTON 2 up\n"
    "7000 JOY AXIS 1 25000\n7400 JOY AXIS 1 -2000\n9000 JOY BUTTON 0 up\n11000 JOY BUTTON 6 down\n";

bool images_du_niveau_presentes() {
    return access(MIRAGE_RUN_DIR "/Images/Desert_Haut1a.png", R_OK) == 0 &&
           access(MIRAGE_RUN_DIR "/Sound/SteelOfDestiny.ogg", R_OK) == 0;
}

}  // namespace

TEST(ManetteEnJeu, TheSamePlayFromTheGamepadGivesTheSameTraceAsFromTheKeyboard) {
    if (!images_du_niveau_presentes()) GTEST_SKIP() << "the level's data files are not generated";
    RunSimulateur clavier = lancer_simulateur("--scene niveau1 --temps-max 60000", k_clavier);
    RunSimulateur manette = lancer_simulateur("--scene niveau1 --temps-max 60000", k_manette);
    ASSERT_EQ(clavier.statut, 0) << clavier.sortie;
    ASSERT_EQ(manette.statut, 0) << manette.sortie;
    EXPECT_GT(evenements(clavier, "volee").size(), 10u);
    EXPECT_EQ(evenements(clavier, "commande").size(), 2u);  // one 'f', one 'd'
    EXPECT_EQ(clavier.trace, manette.trace);
}

TEST(FenetreEnJeu, SwitchingTheDisplayModeInALevelChangesNothingInTheTrace) {
    if (!images_du_niveau_presentes()) GTEST_SKIP() << "the level's data files are not generated";
    std::string bascules = std::string(k_clavier) +
                           "100 F11 down\n150 F11 up\n4500 F11 down\n4550 F11 up\n"
                           "5000 LALT down\n5010 RETURN down\n5020 RETURN up\n5030 LALT up\n7500 F11 down\n";
    RunSimulateur simple = lancer_simulateur("--scene niveau1 --temps-max 60000", k_clavier);
    RunSimulateur bascule = lancer_simulateur("--scene niveau1 --temps-max 60000", bascules);
    ASSERT_EQ(simple.statut, 0) << simple.sortie;
    ASSERT_EQ(bascule.statut, 0) << bascule.sortie;
    EXPECT_EQ(simple.trace, bascule.trace);
}

TEST(FenetreEnHistoire, SwitchingTheDisplayModeInAStoryChangesNothingInTheTrace) {
    if (access(MIRAGE_RUN_DIR "/Images/Base1.png", R_OK) != 0 || access(MIRAGE_RUN_DIR "/Sound/Intro.ogg", R_OK) != 0)
        GTEST_SKIP() << "the story's data files are not generated";
    // Shot 2 starts after the 6 s opening and the ten 50 ms frames of shot 1; the skip comes later.
    const char* saut = "30000 ESCAPE down\n";
    std::string bascules = std::string(saut) + "7000 F11 down\n9000 F11 down\n12000 F11 down\n";
    RunSimulateur simple = lancer_simulateur("--scene intro --temps-max 200000", saut);
    RunSimulateur bascule = lancer_simulateur("--scene intro --temps-max 200000", bascules);
    ASSERT_EQ(simple.statut, 0) << simple.sortie;
    EXPECT_FALSE(evenements(simple, "saut").empty());
    EXPECT_EQ(simple.trace, bascule.trace);
}
