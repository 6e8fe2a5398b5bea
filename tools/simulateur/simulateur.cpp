// Headless simulator: runs the real game code with SDL's dummy video driver, no audio device,
// a virtual clock and scripted input, and writes traces and screenshots.
//   simulateur --scene jeu|presentation|menu|intro|niveau1|interlude|niveau2 [--entrees FILE]
//              [--graine N] [--trace FILE] [--capture MS:FILE.png]... [--temps-max MS]
//              [--entrees-hasard SEED [--duree-hasard MS]] [--mesures FILE] [--invincible]
//              [--hasard-retour PCT] [--hasard-calme] [--sans-vagues] [--sauter-histoires]
//              [--quitter-au-menu N] [--memoire] [--enregistrer FILE]
//              [--pilote [--pilote-sortie FILE]]
//   simulateur --rejouer FILE [--scene S] [--trace FILE] [--capture MS:FILE.png]... [--temps-max MS]
//              [--mesures FILE] [--memoire]
//   --invincible keeps the ship's invincibilite above 0 through every frame of the level
//   scenes (a test aid for running whole timetables; the game itself never does this).
//   --sans-vagues runs the levels without their wave scripts: no enemy arrives, and the level
//   is won at its boss time (a test aid for the level's own timeline and endings).
//   --hasard-retour PCT makes PCT percent of the random key presses Return; --hasard-calme
//   leaves Escape and window closes out of the random input until --duree-hasard.
//   --sauter-histoires presses Escape as each story shot starts, until the story is skipped;
//   --quitter-au-menu N closes the window when the title menu starts for the N-th time (N
//   whole games for N-1).
//   --memoire adds a {"ev":"memoire","rss_ko":N} event giving the resident size whenever a
//   scene starts (off by default: it differs from run to run, the other events do not).
//   --enregistrer FILE records the run as a replay; --rejouer FILE plays a replay back (the
//   real game's or the simulator's) on the virtual clock, with the recorded input, clock and
//   seed instead of a script, and runs the scene the replay names.
//   --pilote flies the level scenes by itself from what each frame shows (see pilote.h);
//   --pilote-sortie FILE writes its inputs as an --entrees script that plays the same run.
// Exit status: 0 when the scene ended, 2 when --temps-max stopped it, 1 on bad arguments.
#include <SDL.h>
#include <errno.h>
#include <limits.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "capture.h"
#include "core/fichiers.h"
#include "entrees.h"
#include "hasard_entrees.h"
#include "platform/enregistrement.h"
#include "pilote.h"
#include "platform/plateforme.h"
#include "platform/signaux.h"
#include "platform/trace.h"
#include "level/niveau.h"
#include "level/vue_monde.h"
#include "shell/jeu.h"
#include "shell/rejeux.h"

namespace {

struct Capture {
    uint32_t ms;
    std::string fichier;
    bool faite;
};

struct Etat {
    std::string scene;
    FILE* mesures = nullptr;  // one line per flip: virtual ms, wall µs since start, wall µs of the frame
    std::chrono::steady_clock::time_point dernier_flip;
    std::vector<Capture> captures;
    std::chrono::steady_clock::time_point debut;
    int sauter_histoires = 0;
    int memoire = 0;
    long quitter_au_menu = 0;  // 0: never
    long nb_menus = 0;
    Pilote* pilote = nullptr;
    FILE* sortie_pilote = nullptr;
};

Etat g;

void sur_flip(SDL_Surface* ecran, uint32_t t, void*) {
    if (g.mesures) {
        // In simulated mode every wait is instant, so the wall time between two flips is the
        // frame's own work: update, drawing and flip.
        auto maintenant = std::chrono::steady_clock::now();
        auto us = [](std::chrono::steady_clock::duration d) {
            return (long long)std::chrono::duration_cast<std::chrono::microseconds>(d).count();
        };
        fprintf(g.mesures, "%u %lld %lld\n", (unsigned)t, us(maintenant - g.debut), us(maintenant - g.dernier_flip));
        g.dernier_flip = maintenant;
    }
    for (Capture& c : g.captures)
        if (!c.faite && c.ms <= t) {
            ecrire_capture_png(ecran, c.fichier.c_str());
            c.faite = true;
        }
}

double secondes_ecoulees() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - g.debut).count();
}

// Resident size of this process in KiB, from /proc/self/statm; -1 where it cannot be read.
long taille_residente_ko() {
    FILE* f = fopen("/proc/self/statm", "r");
    if (!f) return -1;
    long total = 0, residente = -1;
    if (fscanf(f, "%ld %ld", &total, &residente) != 2) residente = -1;
    fclose(f);
    return residente < 0 ? -1 : residente * (sysconf(_SC_PAGESIZE) / 1024);
}

// Watches the game's own events: the resident size at every scene start (--memoire), and the
// scripted reactions to scenes (skipping stories, closing the window at the N-th menu).
void sur_evenement(const char* ev, const char* ligne, void*) {
    uint32_t t = plateforme_maintenant();
    // Escape at every shot until the story gives way: a press during the opening, or during a
    // shot that reads no input, would reach a shot that forgets what was pressed before it.
    if (strcmp(ev, "plan") == 0 && g.sauter_histoires) {
        plateforme_script_touche(t + 1, SDLK_ESCAPE, 1);
        plateforme_script_touche(t + 20, SDLK_ESCAPE, 0);
    }
    if (strcmp(ev, "scene") != 0) return;
    if (g.memoire) trace_ecrire("memoire", "\"rss_ko\":%ld", taille_residente_ko());
    if (strstr(ligne, "\"nom\":\"menu\"") && ++g.nb_menus == g.quitter_au_menu) plateforme_script_quitter(t + 1);
}

void resumer(const char* fin) {
    printf("simulateur: scene %s %s at %u ms virtual, %u frames, %.2f s wall\n", g.scene.c_str(), fin,
           (unsigned)plateforme_maintenant(), (unsigned)plateforme_nb_flips(), secondes_ecoulees());
    fflush(stdout);
}

void sur_limite(uint32_t, void*) {
    resumer("stopped by --temps-max");
    trace_fermer();
    if (g.pilote) detruire_pilote(g.pilote);
    if (g.sortie_pilote) fclose(g.sortie_pilote);
    exit(2);
}

int usage(const char* raison) {
    fprintf(stderr,
            "simulateur: %s\nusage: simulateur --scene jeu|presentation|menu|intro|niveau1|interlude|niveau2\n"
            "                  [--entrees FILE] [--graine N] [--trace FILE] [--capture MS:FILE.png]...\n"
            "                  [--temps-max MS] [--entrees-hasard SEED [--duree-hasard MS]]\n"
            "                  [--mesures FILE] [--invincible] [--sans-vagues] [--hasard-retour PCT]\n"
            "                  [--hasard-calme] [--sauter-histoires] [--quitter-au-menu N] [--memoire]\n"
            "                  [--enregistrer FILE] [--pilote [--pilote-sortie FILE]]\n"
            "       simulateur --rejouer FILE [--scene S] [--trace FILE] [--capture MS:FILE.png]...\n"
            "                  [--temps-max MS] [--mesures FILE] [--memoire]\n",
            raison);
    return 1;
}

// A whole number of at most `max`, in decimal digits only: "abc", "-1", "1x" and what does
// not fit are refused, never taken as 0 or wrapped.
bool lire_nombre(const std::string& texte, unsigned long long max, unsigned long long* v) {
    if (texte.empty() || texte.size() > 20 || texte.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    unsigned long long n = strtoull(texte.c_str(), nullptr, 10);
    if (errno == ERANGE || n > max) return false;
    *v = n;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const char* entrees = nullptr;
    const char* trace = nullptr;
    const char* mesures = nullptr;
    unsigned long long graine = 1;
    unsigned long long temps_max = 0;
    long long hasard_entrees = -1;
    unsigned long long duree_hasard = 120000;
    DosageHasard dosage;
    const char* enregistrer = nullptr;
    const char* rejouer = nullptr;
    // Options that make the run something a replay cannot hold (they change the game, or
    // they script input, which a replay brings itself).
    std::string change_le_jeu, scripte;
    int pilote = 0;
    const char* pilote_sortie = nullptr;
    std::set<std::string> vues;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        bool suivant = i + 1 < argc;
        // Every option but --capture once: a second one would silently override the first.
        if (a != "--capture" && !vues.insert(a).second) return usage((a + " is given twice").c_str());
        if (a == "--invincible" || a == "--sans-vagues") change_le_jeu = a;
        if (a == "--entrees" || a == "--entrees-hasard" || a == "--graine" || a == "--sauter-histoires" ||
            a == "--quitter-au-menu" || a == "--hasard-retour" || a == "--hasard-calme" || a == "--duree-hasard" ||
            a == "--pilote")
            scripte = a;
        unsigned long long n = 0;
        // The option's number, checked against its range.
        auto nombre = [&](unsigned long long min, unsigned long long max) {
            if (lire_nombre(argv[++i], max, &n) && n >= min) return true;
            usage((a + " takes a whole number from " + std::to_string(min) + " to " + std::to_string(max) + ", not '" +
                   argv[i] + "'")
                      .c_str());
            return false;
        };
        if (a == "--scene" && suivant) g.scene = argv[++i];
        else if (a == "--enregistrer" && suivant) enregistrer = argv[++i];
        else if (a == "--rejouer" && suivant) rejouer = argv[++i];
        else if (a == "--entrees" && suivant) entrees = argv[++i];
        else if (a == "--trace" && suivant) trace = argv[++i];
        else if (a == "--graine" && suivant) {
            if (!nombre(0, UINT32_MAX)) return 1;
            graine = n;
        } else if (a == "--temps-max" && suivant) {
            if (!nombre(1, UINT32_MAX)) return 1;
            temps_max = n;
        } else if (a == "--invincible") fixer_invincibilite_permanente(1);
        else if (a == "--sans-vagues") fixer_sans_vagues(1);
        else if (a == "--mesures" && suivant) mesures = argv[++i];
        else if (a == "--entrees-hasard" && suivant) {
            if (!nombre(0, UINT32_MAX)) return 1;
            hasard_entrees = (long long)n;
        } else if (a == "--duree-hasard" && suivant) {
            if (!nombre(0, UINT32_MAX)) return 1;
            duree_hasard = n;
        } else if (a == "--hasard-retour" && suivant) {
            if (!nombre(0, 100)) return 1;
            dosage.pct_retour = int(n);
        } else if (a == "--hasard-calme") dosage.calme = 1;
        else if (a == "--sauter-histoires") g.sauter_histoires = 1;
        else if (a == "--memoire") g.memoire = 1;
        else if (a == "--pilote") pilote = 1;
        else if (a == "--pilote-sortie" && suivant) pilote_sortie = argv[++i];
        else if (a == "--quitter-au-menu" && suivant) {
            if (!nombre(1, LONG_MAX)) return 1;
            g.quitter_au_menu = long(n);
        } else if (a == "--capture" && suivant) {
            std::string v = argv[++i];
            size_t deux_points = v.find(':');
            if (deux_points == std::string::npos || deux_points + 1 == v.size() ||
                !lire_nombre(v.substr(0, deux_points), UINT32_MAX, &n))
                return usage(("--capture takes MS:FILE.png (MS from 0 to 4294967295), not '" + v + "'").c_str());
            g.captures.push_back({uint32_t(n), v.substr(deux_points + 1), false});
        } else
            return usage(("unknown or incomplete argument " + a).c_str());
    }
    if (enregistrer && !change_le_jeu.empty())
        return usage((change_le_jeu + " changes the game: a replay holds the game as it plays").c_str());
    if (rejouer && (enregistrer || !change_le_jeu.empty() || !scripte.empty()))
        return usage(("--rejouer brings its own input, clock and seed: not with " +
                      (enregistrer ? std::string("--enregistrer") : change_le_jeu.empty() ? scripte : change_le_jeu))
                         .c_str());
    if (pilote_sortie && !pilote) return usage("--pilote-sortie goes with --pilote");
    // The pilot's inputs must be the run's only inputs, or its script would not replay the run.
    if (pilote && (entrees || hasard_entrees >= 0)) return usage("--pilote takes no --entrees or --entrees-hasard");

    // No two options may name one file: an output would empty an input, or another output.
    std::vector<std::pair<std::string, std::string>> fichiers;
    for (auto [option, f] : {std::make_pair("--entrees", entrees), std::make_pair("--rejouer", rejouer),
                             std::make_pair("--trace", trace), std::make_pair("--mesures", mesures),
                             std::make_pair("--enregistrer", enregistrer), std::make_pair("--pilote-sortie", pilote_sortie)})
        if (f) fichiers.emplace_back(option, f);
    for (const Capture& c : g.captures) fichiers.emplace_back("--capture", c.fichier);
    for (size_t i = 0; i < fichiers.size(); ++i)
        for (size_t j = i + 1; j < fichiers.size(); ++j)
            if (meme_fichier(fichiers[i].second.c_str(), fichiers[j].second.c_str()))
                return usage((fichiers[i].first + " and " + fichiers[j].first + " name the same file (" +
                              fichiers[j].second + ")")
                                 .c_str());

    // Every input is read and checked before any output is opened: a refused run writes nothing.
    if (rejouer) {
        EnteteRejeu lu = commencer_rejeu(rejouer, 0);
        if (!g.scene.empty() && g.scene != lu.scene)
            return usage(("the replay holds scene " + std::string(lu.scene) + ", not " + g.scene).c_str());
        g.scene = lu.scene;
        graine = lu.graine;
    }
    if (g.scene.empty()) return usage("--scene is required");
    if (!scene_connue(g.scene.c_str())) return usage(("--scene " + g.scene + " names no scene").c_str());
    if (pilote && g.scene != "niveau1" && g.scene != "niveau2") return usage("--pilote flies --scene niveau1 or niveau2");

    plateforme_simuler((unsigned int)graine);
    if (entrees && lire_fichier_entrees(entrees) < 0) return 1;
    if (mesures && !(g.mesures = fopen(mesures, "w"))) {
        fprintf(stderr, "simulateur: cannot write %s: %s\n", mesures, strerror(errno));
        return 1;
    }
    g.debut = std::chrono::steady_clock::now();
    g.dernier_flip = g.debut;
    if (hasard_entrees >= 0)
        scripter_entrees_hasard(uint32_t(hasard_entrees), uint32_t(duree_hasard),
                                uint32_t(temps_max ? temps_max : duree_hasard + 600000), dosage);
    if (trace && trace_ouvrir_fichier(trace) < 0) {
        fprintf(stderr, "simulateur: cannot write %s: %s\n", trace, strerror(errno));
        return 1;
    }
    if (pilote) {
        if (pilote_sortie && !(g.sortie_pilote = fopen(pilote_sortie, "w"))) {
            fprintf(stderr, "simulateur: cannot write %s\n", pilote_sortie);
            return 1;
        }
        if (g.sortie_pilote)
            fprintf(g.sortie_pilote, "# simulateur --pilote --scene %s --graine %llu\n", g.scene.c_str(), graine);
        g.pilote = creer_pilote(g.sortie_pilote);
        observer_vue_monde(pilote_sur_vue, g.pilote);
    }
    plateforme_observer_flips(sur_flip, nullptr);
    // Only when something needs it: an observer makes the game build its trace events.
    if (trace || g.sauter_histoires || g.quitter_au_menu) trace_observer(sur_evenement, nullptr);
    plateforme_limiter((uint32_t)temps_max, sur_limite, nullptr);
    if (enregistrer) commencer_enregistrement(enregistrer, g.scene.c_str(), uint32_t(graine));

    // Headless and silent: no window, and no audio device, whose real-time thread would make
    // runs depend on the wall clock.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "simulateur_muet", 1);
    // SIGINT and SIGTERM end the run at its next flip, as in the game (SDL would turn them
    // into a window close the simulator never reads); before SDL's start-up and after it.
    signaux_installer();
    if (SDL_Init(SDL_INIT_NOPARACHUTE) < 0) {
        fprintf(stderr, "simulateur: SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    atexit(SDL_Quit);

    SDL_Surface* ecran = ouvrir_affichage_et_son();
    signaux_installer();
    ImagesShell images;
    charger_images_shell(&images);
    if (g.scene == "jeu") jouer_sequence(ecran, &images);
    else if (g.scene == "presentation") scene_presentation(ecran, &images);
    else if (g.scene == "menu") scene_menu(ecran, &images);
    else if (g.scene == "intro") scene_intro(ecran, &images);
    else if (g.scene == "niveau1") scene_niveau_1(ecran, &images);
    else if (g.scene == "interlude") scene_interlude(ecran, &images);
    else if (g.scene == "niveau2") scene_niveau_2(ecran, &images);
    enregistrement_fermer();
    rejeu_terminer();
    liberer_images_shell(&images);

    resumer("ended");
    if (g.pilote) {
        observer_vue_monde(nullptr, nullptr);
        detruire_pilote(g.pilote);
        if (g.sortie_pilote) fclose(g.sortie_pilote);
    }
    if (g.mesures) fclose(g.mesures);
    trace_observer(nullptr, nullptr);
    trace_fermer();
    return 0;
}
