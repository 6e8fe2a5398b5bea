// The shell's scenes on the virtual clock: splash guard, menu passes and blink, frame pacing,
// and the whole sequence through the simulator.
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>
#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "outils_sdl.h"
#include "platform/plateforme.h"
#include "shell/cadence.h"
#include "shell/jeu.h"
#include "shell/presentation.h"

namespace {

struct ImagesTest {
    SDL_Surface* premiere = image_unie(640, 480, 200, 0, 0);
    SDL_Surface* seconde = image_unie(640, 480, 0, 0, 200);
    SDL_Surface* curseur = image_unie(8, 8, 0, 255, 0);
    ~ImagesTest() {
        SDL_FreeSurface(premiere);
        SDL_FreeSurface(seconde);
        SDL_FreeSurface(curseur);
    }
};

}  // namespace

// The splash is paced to 13 ms: frame k (from 0, over both pictures) flips at 13 k - 12 and
// reads its events at 13 k - 11 (frame 0 at 0 and 1).
TEST(Presentation, ReturnIsIgnoredDuringTheFirstElevenFramesOfEachPictureAndFramesArePaced) {
    SDL_Surface* ecran = ecran_de_test();
    ImagesTest im;
    plateforme_simuler(1);
    plateforme_script_touche(119, SDLK_RETURN, 1);  // frame 10: ignored
    plateforme_script_touche(132, SDLK_RETURN, 1);  // frame 11: first picture done
    plateforme_script_touche(150, SDLK_RETURN, 1);  // frame 1 of the second picture: ignored
    plateforme_script_touche(275, SDLK_RETURN, 1);  // its frame 10: ignored
    plateforme_script_touche(300, SDLK_RETURN, 1);  // its frame 12
    EXPECT_EQ(afficher_presentation(ecran, im.premiere, im.seconde), 1);
    EXPECT_EQ(plateforme_nb_flips(), 12u + 13u);
    EXPECT_EQ(plateforme_ticks(), 13u * 24 + 1);  // the last frame's slot is waited out too
}

TEST(Presentation, EscapeDoesNothingAndWindowCloseEndsOnlyThePicture) {
    SDL_Surface* ecran = ecran_de_test();
    ImagesTest im;
    plateforme_simuler(1);
    plateforme_script_touche(20, SDLK_ESCAPE, 1);
    plateforme_script_quitter(40);  // read by frame 4, which ends the first picture
    plateforme_script_quitter(50);  // frame 0 of the second picture ends it
    afficher_presentation(ecran, im.premiere, im.seconde);
    EXPECT_EQ(plateforme_nb_flips(), 6u);
}

// Pass k of the menu flips at 251 k, reads its events at 251 k + 1, then waits 250 ms.
TEST(MenuTitre, ReturnAndEscapeAreIgnoredInTheFirstPassButWindowCloseIsNot) {
    SDL_Surface* ecran = ecran_de_test();
    ImagesTest im;
    plateforme_simuler(1);
    plateforme_script_touche(0, SDLK_RETURN, 1);
    plateforme_script_touche(1, SDLK_ESCAPE, 1);
    plateforme_script_touche(300, SDLK_ESCAPE, 1);  // read in pass 2
    EXPECT_EQ(menu_titre(ecran, im.premiere, im.curseur), 0);
    EXPECT_EQ(plateforme_nb_flips(), 3u);

    plateforme_simuler(1);
    plateforme_script_quitter(0);
    EXPECT_EQ(menu_titre(ecran, im.premiere, im.curseur), 0);
    EXPECT_EQ(plateforme_nb_flips(), 1u);
}

TEST(MenuTitre, ReturnAfterTheFirstPassPlaysEvenWithAnEscapeInTheSamePass) {
    SDL_Surface* ecran = ecran_de_test();
    ImagesTest im;
    plateforme_simuler(1);
    plateforme_script_touche(260, SDLK_RETURN, 1);
    EXPECT_EQ(menu_titre(ecran, im.premiere, im.curseur), 1);
    EXPECT_EQ(plateforme_nb_flips(), 3u);
    EXPECT_LT(plateforme_ticks(), 3u * 251u);  // returned inside the pass, before its wait

    plateforme_simuler(1);
    plateforme_script_touche(255, SDLK_ESCAPE, 1);
    plateforme_script_touche(256, SDLK_RETURN, 1);
    EXPECT_EQ(menu_titre(ecran, im.premiere, im.curseur), 1);
}

namespace {
std::string g_curseur_vu;
void noter_curseur(SDL_Surface* ecran, uint32_t, void*) {
    g_curseur_vu += lire_pixel(ecran, 161, 401) == 0x00FF00 ? 'X' : '.';
}
}  // namespace

TEST(MenuTitre, CursorBlinksTwoPassesOnTwoOffAtFourRedrawsPerSecond) {
    SDL_Surface* ecran = ecran_de_test();
    ImagesTest im;
    plateforme_simuler(1);
    g_curseur_vu.clear();
    plateforme_observer_flips(noter_curseur, nullptr);
    plateforme_script_touche(9 * 251 + 1, SDLK_ESCAPE, 1);  // read in pass 9
    EXPECT_EQ(menu_titre(ecran, im.premiere, im.curseur), 0);
    plateforme_observer_flips(nullptr, nullptr);
    EXPECT_EQ(g_curseur_vu, "XX..XX..XX");
}

TEST(Cadence, WaitsForTheSlotAndNeverMakesUpALateFrame) {
    plateforme_simuler(1);
    Uint32 prochaine = 0;
    attendre_cadence(&prochaine, 13);  // first frame: no wait
    EXPECT_EQ(plateforme_ticks(), 0u);
    EXPECT_EQ(prochaine, 13u);
    plateforme_attendre(5);
    attendre_cadence(&prochaine, 13);  // waits the 8 ms left
    EXPECT_EQ(plateforme_ticks(), 13u);
    EXPECT_EQ(prochaine, 26u);
    plateforme_attendre(40);  // a slow frame: no wait, next slot from now
    attendre_cadence(&prochaine, 13);
    EXPECT_EQ(plateforme_ticks(), 53u);
    EXPECT_EQ(prochaine, 66u);
}

namespace {
// Stand-in scenes that log their calls; the menu and level 1 answer from scripts.
std::string g_journal;
std::vector<int> g_menus, g_niveaux;
int faux_presentation(SDL_Surface*, const ImagesShell*) { g_journal += "P"; return 1; }
void faux_intro(SDL_Surface*, const ImagesShell*) { g_journal += "I"; }
int faux_menu(SDL_Surface*, const ImagesShell*) {
    g_journal += "M";
    int r = g_menus.front();
    g_menus.erase(g_menus.begin());
    return r;
}
int faux_niveau_1(SDL_Surface*, const ImagesShell*) {
    g_journal += "1";
    int r = g_niveaux.front();
    g_niveaux.erase(g_niveaux.begin());
    return r;
}
void faux_interlude(SDL_Surface*, const ImagesShell*) { g_journal += "S"; }
int faux_niveau_2(SDL_Surface*, const ImagesShell*) { g_journal += "2"; return -1; }
const ScenesJeu k_faux = {faux_presentation, faux_intro, faux_menu, faux_niveau_1, faux_interlude, faux_niveau_2};
}  // namespace

TEST(Sequence, OnlyAWonLevelOneLeadsToTheInterludeAndLevelTwoThenTheMenuComesBack) {
    g_journal.clear();
    g_menus = {1, 1, 1, 1, 0};
    g_niveaux = {-1, 0, 1, 1};
    jouer_sequence_avec(nullptr, nullptr, &k_faux);
    EXPECT_EQ(g_journal, "PIM1M1M1S2M1S2M");
}

TEST(Sequence, WholeGameWithTheSimulatorEndsOnTheMenu) {
    // Return on each splash picture (frames 11, the splash ends at 300), then window close
    // wherever the game is: every scene ends on it, and the last one to see it is the menu,
    // which ends the game.
    RunSimulateur r = lancer_simulateur("--scene jeu --temps-max 900000",
                                        "132 RETURN down\n288 RETURN down\n"
                                        "306 QUIT\n400276 QUIT\n800276 QUIT\n");
    ASSERT_EQ(r.statut, 0) << r.sortie;
    auto fins = evenements(r, "fin_scene");
    ASSERT_GE(fins.size(), 3u);
    EXPECT_EQ(valeur_texte(fins[0], "nom"), "presentation");
    EXPECT_EQ(valeur_texte(fins.back(), "nom"), "menu");
    EXPECT_EQ(valeur_entiere(fins.back(), "resultat"), 0);
}

TEST(Sequence, AMissingShellPictureStopsTheGameWithOneLineNamingIt) {
    char modele[] = "/tmp/mirage_runXXXXXX";
    std::string dossier = mkdtemp(modele);
    std::string cmd = "cp -r '" MIRAGE_RUN_DIR "/Images' '" + dossier + "/' && rm '" + dossier + "/Images/Keyboard.png'";
    ASSERT_EQ(system(cmd.c_str()), 0);
    RunSimulateur r = lancer_simulateur("--scene menu --temps-max 5000", "", dossier);
    EXPECT_EQ(r.statut, 1);
    EXPECT_NE(r.sortie.find("./Images/Keyboard.png"), std::string::npos) << r.sortie;
    EXPECT_EQ(r.sortie.find("simulateur: scene"), std::string::npos);

    ASSERT_EQ(system(("printf 'not a picture' > '" + dossier + "/Images/Keyboard.png'").c_str()), 0);
    r = lancer_simulateur("--scene menu --temps-max 5000", "", dossier);
    EXPECT_EQ(r.statut, 1);
    EXPECT_NE(r.sortie.find("./Images/Keyboard.png"), std::string::npos) << r.sortie;
    system(("rm -rf '" + dossier + "'").c_str());
}

namespace {

// Runs `corps` in a child whose standard output is a pipe, with SDL_AUDIODRIVER=bogus so that
// no audio device opens; the child ends with _exit, which drops whatever stdio still buffers.
// Returns what reached the pipe.
std::string sortie_sans_son(void (*corps)(void)) {
    int tube[2];
    if (pipe(tube) != 0) return "pipe failed";
    pid_t pid = fork();
    if (pid == 0) {
        close(tube[0]);
        dup2(tube[1], 1);
        setenv("SDL_AUDIODRIVER", "bogus", 1);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_Init(SDL_INIT_NOPARACHUTE);
        corps();
        _exit(0);
    }
    close(tube[1]);
    std::string lu;
    char tampon[512];
    ssize_t n;
    while ((n = read(tube[0], tampon, sizeof tampon)) > 0) lu.append(tampon, size_t(n));
    close(tube[0]);
    waitpid(pid, nullptr, 0);
    return lu;
}

// Every SDL_Init call of this test program is recorded here on its way to SDL's own, so that a
// test can see the subsystems the start-up asks for, whatever the library then reports.
std::string appels_sdl_init;

}  // namespace

extern "C" int SDL_Init(Uint32 drapeaux) {
    char appel[32];
    snprintf(appel, sizeof appel, "[SDL_Init %#x]", drapeaux);
    appels_sdl_init += appel;
    static int (*vrai)(Uint32) = (int (*)(Uint32))dlsym(RTLD_NEXT, "SDL_Init");
    return vrai(drapeaux);
}

TEST(Demarrage, WithoutAnAudioDeviceTheWarningIsFlushedAndAudioAndVideoAreStillInitialised) {
    std::string vu = sortie_sans_son([] {
        appels_sdl_init.clear();
        ouvrir_affichage_et_son();
        // write(2), unbuffered: only the warning depends on the start-up's own flush.
        if (write(1, appels_sdl_init.data(), appels_sdl_init.size()) < 0) _exit(3);
    });
    const std::string avertissement = "Warning: Couldn't set 44100 Hz 16-bit audio\n Reason: ";
    EXPECT_EQ(vu.rfind(avertissement, 0), 0u) << "warning lost or not first: " << vu;
    EXPECT_EQ(vu.find("Unable to init SDL"), std::string::npos) << vu;
    EXPECT_NE(vu.find("[SDL_Init 0x30]"), std::string::npos) << "SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) not called: " << vu;
}
