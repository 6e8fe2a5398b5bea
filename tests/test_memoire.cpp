// Memory over many games: twenty whole games in one simulator process keep a steady resident
// size, and a whole game under LeakSanitizer leaves no leak from our own code.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "outils_sdl.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
const bool k_build_sanitise = true;
#else
const bool k_build_sanitise = false;
#endif

const unsigned k_par_partie = 400000;  // virtual ms of a whole game, with room: one takes about 290 000

// Return pressed every second through `parties` games: it passes the splash, starts each game
// from the menu and does nothing in a level; the stories are skipped by the simulator's Escape.
std::string retour_chaque_seconde(int parties) {
    std::string s;
    for (unsigned t = 500; t < k_par_partie * unsigned(parties + 1); t += 1000)
        s += std::to_string(t) + " RETURN down\n" + std::to_string(t + 50) + " RETURN up\n";
    return s;
}

// `parties` whole games without enemies (each level is won at its boss time), the window
// closed when the menu comes back after the last one.
std::string options_parties(int parties) {
    return "--scene jeu --memoire --sans-vagues --sauter-histoires --quitter-au-menu " + std::to_string(parties + 1) +
           " --temps-max " + std::to_string(k_par_partie * unsigned(parties + 1));
}

// Checks that the run played `parties` whole games, and returns the resident size (KiB)
// measured as the menu started, for each menu in order.
std::vector<long> rss_aux_menus(const RunSimulateur& r, int parties) {
    std::vector<long> rss;
    int niveaux_gagnes = 0;
    for (size_t i = 0; i < r.trace.size(); ++i) {
        const std::string& l = r.trace[i];
        if (l.find("\"ev\":\"fin_niveau\"") != std::string::npos && valeur_entiere(l, "etat") == 1) ++niveaux_gagnes;
        if (l.find("\"ev\":\"scene\"") == std::string::npos || valeur_texte(l, "nom") != "menu") continue;
        // The simulator writes the resident size right after each scene event.
        EXPECT_LT(i + 1, r.trace.size());
        if (i + 1 < r.trace.size()) rss.push_back(valeur_entiere(r.trace[i + 1], "rss_ko"));
    }
    EXPECT_EQ(niveaux_gagnes, 2 * parties) << "each game wins level 1 and level 2";
    EXPECT_EQ(evenements(r, "saut").size(), size_t(1 + parties)) << "the intro and every interlude are skipped";
    EXPECT_EQ(evenements(r, "scene").size(), size_t(2 + 4 * parties + 1))
        << "splash, intro, then menu, level 1, interlude and level 2 per game, and the last menu";
    return rss;
}

}  // namespace

// Run on a plain simulator (the sanitized build makes one beside its own): AddressSanitizer's
// quarantine and shadow memory would swamp the resident size.
TEST(Memoire, TwentyWholeGamesKeepTheResidentSizeSteady) {
    RunSimulateur r =
        lancer_simulateur(options_parties(20), retour_chaque_seconde(20), MIRAGE_RUN_DIR, MIRAGE_SIMULATEUR_NU);
    ASSERT_EQ(r.statut, 0) << r.sortie;
    std::vector<long> rss = rss_aux_menus(r, 20);
    ASSERT_EQ(rss.size(), 21u);
    for (long k : rss) ASSERT_GT(k, 0) << "the simulator could not read its resident size";
    // rss[k] is measured as the menu comes back after game k.
    long apres_2 = rss[2], apres_20 = rss[20];
    printf("resident size at the menu: after game 1 %ld KiB, after game 2 %ld KiB, after game 20 %ld KiB\n",
           rss[1], apres_2, apres_20);
    RecordProperty("rss_ko_apres_2", std::to_string(apres_2));
    RecordProperty("rss_ko_apres_20", std::to_string(apres_20));
    EXPECT_LE(apres_20 - apres_2, 1024) << "the resident size grew by more than 1 MiB over 18 games";
    EXPECT_GE(apres_20 - apres_2, -1024);
}

// The report blocks of LeakSanitizer ("Direct leak of ..." / "Indirect leak of ..." up to the
// next blank line) that name a file of our own sources.
std::vector<std::string> fuites_du_jeu(const std::string& sortie) {
    std::vector<std::string> blocs;
    size_t p = 0;
    while ((p = sortie.find(" leak of ", p)) != std::string::npos) {
        size_t debut = sortie.rfind('\n', p) + 1;
        size_t fin = sortie.find("\n\n", p);
        std::string bloc = sortie.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
        if (bloc.find(MIRAGE_SOURCE_DIR "/src/") != std::string::npos ||
            bloc.find(MIRAGE_SOURCE_DIR "/tools/") != std::string::npos)
            blocs.push_back(bloc);
        p = fin == std::string::npos ? sortie.size() : fin;
    }
    return blocs;
}

// Runs the simulator with LeakSanitizer on; leaks lying wholly inside the system libraries
// are listed, with reasons, in lsan.supp.
RunSimulateur lancer_avec_lsan(const std::string& options, const std::string& entrees) {
    const char* avant_asan = getenv("ASAN_OPTIONS");
    const char* avant_lsan = getenv("LSAN_OPTIONS");
    std::string asan = avant_asan ? avant_asan : "", lsan = avant_lsan ? avant_lsan : "";
    setenv("ASAN_OPTIONS", "detect_leaks=1", 1);
    setenv("LSAN_OPTIONS", "suppressions=" MIRAGE_SOURCE_DIR "/tests/lsan.supp:print_suppressions=0", 1);
    RunSimulateur r = lancer_simulateur(options, entrees);
    if (avant_asan) setenv("ASAN_OPTIONS", asan.c_str(), 1); else unsetenv("ASAN_OPTIONS");
    if (avant_lsan) setenv("LSAN_OPTIONS", lsan.c_str(), 1); else unsetenv("LSAN_OPTIONS");
    return r;
}

void verifier_sans_fuite(const RunSimulateur& r, const std::string& quoi) {
    ASSERT_EQ(r.sortie.find("LeakSanitizer has encountered a fatal error"), std::string::npos) << r.sortie;
    std::vector<std::string> fuites = fuites_du_jeu(r.sortie);
    for (const std::string& f : fuites) ADD_FAILURE() << quoi << ": leak from our code:\n" << f;
    EXPECT_EQ(r.sortie.find("ERROR: AddressSanitizer"), std::string::npos) << quoi << ":\n" << r.sortie;
    EXPECT_EQ(r.sortie.find("runtime error:"), std::string::npos) << quoi << ":\n" << r.sortie;
    // A leak left unsuppressed ends the run with status 1 (23 under LeakSanitizer alone):
    // allowed only when it lies wholly inside the system libraries (checked above), and shown.
    if ((r.statut == 1 || r.statut == 23) && fuites.empty() && r.sortie.find("ERROR: LeakSanitizer") != std::string::npos)
        printf("%s: leaks inside the system libraries only, not suppressed yet:\n%s\n", quoi.c_str(), r.sortie.c_str());
    else
        EXPECT_EQ(r.statut, 0) << quoi << ":\n" << r.sortie;
}

TEST(Memoire, WholeGamesAndGamesCutShortLeaveNoLeakFromOurCode) {
    if (!k_build_sanitise)
        GTEST_SKIP() << "the leak check needs LeakSanitizer: it runs in the sanitized build (-DMIRAGE_SANITIZE=ON)";
    const int parties = 2;
    RunSimulateur r = lancer_avec_lsan(options_parties(parties), retour_chaque_seconde(parties));
    verifier_sans_fuite(r, "two whole games");
    rss_aux_menus(r, parties);
    // Levels and stories left in the middle by Escape and window closes release what they hold.
    for (int graine = 0; graine < 4; ++graine)
        verifier_sans_fuite(lancer_avec_lsan("--scene jeu --entrees-hasard " + std::to_string(graine) +
                                                 " --hasard-retour 30 --duree-hasard 20000",
                                             ""),
                            "random input, seed " + std::to_string(graine));
}
