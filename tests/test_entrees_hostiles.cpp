// Hostile and careless input to the command lines: two options naming one file, a refused
// command line, files that are not regular files, endless or malformed input scripts, numbers
// that are not numbers, a trace that cannot be written, and signals to the simulator. Every
// run is a child process bounded by `timeout`, so a hang fails the test instead of the suite.
#include <gtest/gtest.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string lire(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}
void ecrire(const std::string& chemin, const std::string& octets) { std::ofstream(chemin, std::ios::binary) << octets; }

struct Dossier {
    std::string chemin;
    Dossier() {
        char modele[] = "/tmp/mirage_hostile_XXXXXX";
        chemin = mkdtemp(modele);
    }
    ~Dossier() { fs::remove_all(chemin); }
};

struct Issue {
    int statut;          // exit status; 137 when `timeout` had to kill the run
    std::string sortie;  // standard output and error
};

// Runs `programme arguments` (simulateur or mirage of the run directory) from `dossier`,
// killed after 60 s at the latest.
Issue lancer(const std::string& programme, const std::string& arguments, const std::string& dossier = MIRAGE_RUN_DIR) {
    Dossier tmp;
    std::string sortie = tmp.chemin + "/sortie.txt";
    std::string commande = "cd '" + dossier + "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout -s KILL 60 '" +
                           MIRAGE_RUN_DIR + "/" + programme + "' " + arguments + " < /dev/null > '" + sortie + "' 2>&1";
    int s = system(commande.c_str());
    return {WIFEXITED(s) ? WEXITSTATUS(s) : -1, lire(sortie)};
}

size_t lignes(const std::string& s) { return size_t(std::count(s.begin(), s.end(), '\n')); }

// The run was refused: status 1, one line starting with `debut` (and the simulator's usage),
// nothing started.
void refus(const Issue& r, const std::string& debut) {
    EXPECT_EQ(r.statut, 1) << r.sortie;
    EXPECT_EQ(r.sortie.rfind(debut, 0), 0u) << r.sortie;
    EXPECT_EQ(r.sortie.find("Sanitizer"), std::string::npos) << r.sortie;
    EXPECT_EQ(r.sortie.find("simulateur: scene"), std::string::npos) << r.sortie;
}

TEST(EntreesHostiles, TwoOptionsNamingOneFileAreRefusedAndARefusedCommandLineWritesNothing) {
    Dossier d;
    const std::string f = d.chemin + "/f", g = d.chemin + "/g", script = d.chemin + "/script.txt";
    ecrire(f, "keep me\n");
    ASSERT_EQ(link(f.c_str(), g.c_str()), 0);
    ecrire(script, "300 QUIT\n");
    struct Cas {
        const char* programme;
        std::string arguments;
    };
    const Cas memes[] = {
        {"simulateur", "--rejouer " + f + " --trace " + f},
        {"simulateur", "--scene menu --entrees " + script + " --enregistrer " + script},
        {"simulateur", "--scene menu --enregistrer " + f + " --trace " + d.chemin + "/./f"},
        {"simulateur", "--scene menu --mesures " + f + " --trace " + g},  // a hard link: the same inode
        {"simulateur", "--scene menu --enregistrer " + d.chemin + "/neuf --capture 5:" + d.chemin + "/neuf"},
        {"mirage", "--rejouer " + f + " --trace " + f},
        {"mirage", "--enregistrer " + g + " --trace " + f},
    };
    for (const Cas& c : memes) {
        Issue r = lancer(c.programme, c.arguments);
        refus(r, std::string(c.programme) + ": ");
        EXPECT_NE(r.sortie.find("name the same file"), std::string::npos) << c.arguments << ": " << r.sortie;
        EXPECT_EQ(lire(f), "keep me\n") << c.arguments;
        EXPECT_EQ(lire(script), "300 QUIT\n") << c.arguments;
        EXPECT_FALSE(fs::exists(d.chemin + "/neuf")) << c.arguments;
    }
    // Refused for another reason: the outputs named before are left as they were.
    ecrire(d.chemin + "/vide.rej", "");
    const Cas refuses[] = {
        {"simulateur", "--mesures " + f + " --inconnue"},
        {"simulateur", "--trace " + f + " --rejouer " + d.chemin + "/vide.rej"},
        {"simulateur", "--scene menu --enregistrer " + f + " --entrees " + d.chemin + "/absent"},
        {"mirage", "--trace " + f + " --rejouer " + d.chemin + "/vide.rej"},
    };
    for (const Cas& c : refuses) {
        Issue r = lancer(c.programme, c.arguments);
        EXPECT_EQ(r.statut, 1) << c.arguments << ": " << r.sortie;
        EXPECT_EQ(lire(f), "keep me\n") << c.arguments;
    }
}

TEST(EntreesHostiles, WhatIsNotARegularFileIsRefusedAtOnce) {
    Dossier d;
    const std::string fifo = d.chemin + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& f : {std::string("/dev/zero"), fifo, d.chemin}) {
        refus(lancer("simulateur", "--rejouer " + f), "mirage: cannot replay " + f + ": not a regular file");
        refus(lancer("mirage", "--rejouer " + f), "mirage: cannot replay " + f + ": not a regular file");
        refus(lancer("simulateur", "--scene menu --entrees " + f), "simulateur: cannot read " + f + ": not a regular file");
    }
    // A data file that is a FIFO or a directory, in a copy of the pack (recording, which reads
    // every data file first, as well).
    for (const char* genre : {"fifo", "dossier"}) {
        Dossier pack;
        ASSERT_EQ(system(("cp -al '" MIRAGE_RUN_DIR "/Images' '" MIRAGE_RUN_DIR "/Sound' '" + pack.chemin + "/'").c_str()), 0);
        const std::string titre = pack.chemin + "/Images/Titre.png";
        ASSERT_EQ(unlink(titre.c_str()), 0);
        ASSERT_EQ(genre[0] == 'f' ? mkfifo(titre.c_str(), 0600) : mkdir(titre.c_str(), 0700), 0);
        Issue r = lancer("simulateur", "--scene menu --temps-max 1000 --enregistrer " + d.chemin + "/r.rej", pack.chemin);
        EXPECT_EQ(r.statut, 1) << r.sortie;
        EXPECT_NE(r.sortie.find("mirage: cannot load ./Images/Titre.png: not a regular file (a "), std::string::npos)
            << r.sortie;
        EXPECT_EQ(r.sortie.find("Sanitizer"), std::string::npos) << r.sortie;
    }
}

TEST(EntreesHostiles, AnInputScriptLineIsReadWholeAndEveryBadLineIsRefusedWithItsNumber) {
    Dossier d;
    auto script = [&](const std::string& texte) {
        ecrire(d.chemin + "/s.txt", texte);
        return lancer("simulateur", "--scene menu --temps-max 2000 --entrees " + d.chemin + "/s.txt");
    };
    // A long comment holds its whole line, whatever its end looks like.
    Issue r = script("10 g down # " + std::string(600, 'x') + " 100 QUIT\n20 g up\n");
    EXPECT_EQ(r.statut, 2) << "the run went on to --temps-max: " << r.sortie;
    const std::string long_mot(700, 'a');
    struct Cas {
        std::string texte, raison;
    };
    const Cas cas[] = {
        {"# a\n-5 g down\n", ":2: '-5' is not a time in milliseconds"},
        {"4294967396 g down\n", ":1: time 4294967396 is out of range (0 to 4294967295 ms)"},
        {"99999999999 QUIT\n", ":1: time 99999999999 is out of range"},
        {"+5 QUIT\n", ":1: '+5' is not a time in milliseconds"},
        {std::string("\0" "100 QUIT\n", 9), ":1: a NUL byte in the line"},
        {"100 QUIT now\n", ":1: 'MS QUIT' takes nothing after QUIT, not 'now'"},
        {"100 g down up\n", ":1: expected 'MS KEY down|up' or 'MS QUIT'"},
        {"100 JOY BUTTON 1 down extra\n", ":1: expected 'MS JOY BUTTON n down|up'"},
        {"100 " + long_mot + " down\n", ":1: unknown key '" + long_mot + "'"},
    };
    for (const Cas& c : cas) {
        r = script(c.texte);
        refus(r, d.chemin + "/s.txt" + c.raison);
        EXPECT_EQ(lignes(r.sortie), 1u) << r.sortie;
    }
}

TEST(EntreesHostiles, NumbersAndRepeatedOptionsOfTheSimulatorAreChecked) {
    const char* const faux[] = {
        "--graine abc",           "--graine -3",          "--hasard-retour abc", "--quitter-au-menu 1x",
        "--capture abc:/tmp/x.png", "--temps-max abc",    "--temps-max -1",      "--temps-max 4294968296",
        "--entrees-hasard 2x",    "--duree-hasard 99999999999", "--graine 1 --graine 2", "--memoire --memoire",
    };
    for (const char* f : faux) {
        Issue r = lancer("simulateur", std::string("--scene menu --temps-max 500 ") + f);
        if (strstr(f, "--temps-max")) r = lancer("simulateur", std::string("--scene menu ") + f);
        refus(r, "simulateur: ");
        EXPECT_NE(r.sortie.find(strchr(f, ' ') ? std::string(f, strchr(f, ' ')) : std::string(f)), std::string::npos)
            << "the message names the option: " << r.sortie;
    }
    Issue r = lancer("simulateur", "--scene menu --temps-max 4294967295 --graine 4294967295 --quitter-au-menu 1");
    EXPECT_EQ(r.statut, 0) << "the largest values are taken: " << r.sortie;
}

// The trace is written line by line (a killed run keeps whole lines), a trace that cannot be
// written is said once and the run goes on, and SIGINT and SIGTERM end the simulator.
TEST(EntreesHostiles, TheTraceSurvivesAKillAndAFullDiskAndSignalsEndTheSimulator) {
    Dossier d;
    ecrire(d.chemin + "/s.txt", "300 QUIT\n");
    Issue r = lancer("simulateur", "--scene menu --trace /dev/full --entrees " + d.chemin + "/s.txt");
    EXPECT_EQ(r.statut, 0) << r.sortie;
    EXPECT_NE(r.sortie.find("mirage: cannot write the trace /dev/full: No space left on device"), std::string::npos)
        << r.sortie;
    EXPECT_EQ(r.sortie.find("cannot write the trace"), r.sortie.rfind("cannot write the trace")) << "once: " << r.sortie;
    EXPECT_NE(r.sortie.find("simulateur: scene menu ended"), std::string::npos) << r.sortie;

    for (int numero : {SIGINT, SIGTERM, SIGKILL}) {
        const std::string trace = d.chemin + "/trace" + std::to_string(numero) + ".jsonl";
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            if (chdir(MIRAGE_RUN_DIR) != 0) _exit(126);
            setenv("SDL_VIDEODRIVER", "dummy", 1);
            // The title menu without input never ends.
            execl(MIRAGE_RUN_DIR "/simulateur", "simulateur", "--scene", "jeu", "--trace", trace.c_str(), (char*)nullptr);
            _exit(127);
        }
        // Until the run is under way (the splash's first events are traced), then the signal.
        int statut = 0;
        pid_t fini = 0;
        for (int i = 0; i < 600 && lire(trace).find("\"presentation\"") == std::string::npos && !fini; ++i) {
            usleep(100000);
            fini = waitpid(pid, &statut, WNOHANG);
        }
        ASSERT_EQ(fini, 0) << "the run ended by itself";
        usleep(200000);
        kill(pid, numero);
        for (int i = 0; i < 300 && (fini = waitpid(pid, &statut, WNOHANG)) == 0; ++i) usleep(100000);
        if (fini == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &statut, 0);
            ADD_FAILURE() << "signal " << numero << " did not end the simulator";
        }
        if (numero != SIGKILL) {
            EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 128 + numero) << "signal " << numero;
        }
        std::string t = lire(trace);
        ASSERT_FALSE(t.empty());
        EXPECT_EQ(t.back(), '\n') << "signal " << numero << ": the trace ends inside a line";
        EXPECT_EQ(t.rfind("{", t.rfind('\n', t.size() - 2) + 1), t.rfind('\n', t.size() - 2) + 1);
    }
}

}  // namespace
