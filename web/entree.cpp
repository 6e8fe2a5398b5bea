// The browser's start-up, in place of the desktop's: the page hands over its address's options
// as arguments. A replay of the whole game plays at its recorded pace; a replay of one of the
// simulator's scenes plays that scene on the virtual clock, as the simulator does, so its trace
// can be compared with the simulator's. The page offers a recording as a download at the end.
//   --rejouer FILE      play a replay (the game's or the simulator's)
//   --enregistrer FILE  record the game
//   --trace-console     write the trace to the console
#include <SDL.h>
#include <emscripten.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <string>
#include <vector>

#include "platform/enregistrement.h"
#include "platform/navigateur.h"
#include "platform/plateforme.h"
#include "platform/trace.h"
#include "shell/jeu.h"
#include "shell/rejeux.h"

namespace {

// The scene a replay holds, read from its header; exits with the replay's error otherwise.
std::string scene_du_rejeu(const char* chemin) {
    std::vector<uint8_t> octets;
    if (FILE* f = fopen(chemin, "rb")) {
        uint8_t tampon[4096];
        size_t n;
        while ((n = fread(tampon, 1, sizeof tampon, f)) > 0) octets.insert(octets.end(), tampon, tampon + n);
        fclose(f);
    }
    BilanRejeu bilan;
    char raison[256];
    if (analyser_rejeu(octets.data(), octets.size(), &bilan, raison, sizeof raison) != 0) {
        fprintf(stderr, "mirage: cannot replay %s: %s\n", chemin, raison);
        exit(1);
    }
    return bilan.entete.scene;
}

// The page stays alive during a scene played on the virtual clock: one yield every so many
// frames, outside the frame's measured work.
void sur_flip(SDL_Surface*, uint32_t, void*) {
    static int n = 0;
    if (++n % 200 == 0) {
        emscripten_sleep(0);
        navigateur_apres_attente(plateforme_maintenant());
    }
}

void jouer_scene(const std::string& scene, SDL_Surface* ecran, const ImagesShell* images) {
    if (scene == "jeu") jouer_sequence(ecran, images);
    else if (scene == "presentation") scene_presentation(ecran, images);
    else if (scene == "menu") scene_menu(ecran, images);
    else if (scene == "intro") scene_intro(ecran, images);
    else if (scene == "niveau1") scene_niveau_1(ecran, images);
    else if (scene == "interlude") scene_interlude(ecran, images);
    else if (scene == "niveau2") scene_niveau_2(ecran, images);
}

}  // namespace

int main(int argc, char** argv) {
    const char *rejouer = NULL, *enregistrer = NULL;
    int trace = 0;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--rejouer") == 0 && i + 1 < argc) rejouer = argv[++i];
        else if (strcmp(argv[i], "--enregistrer") == 0 && i + 1 < argc) enregistrer = argv[++i];
        else if (strcmp(argv[i], "--trace-console") == 0) trace = 1;
        else {
            fprintf(stderr, "mirage: unknown argument '%s'\n", argv[i]);
            return 1;
        }
    }
    if (SDL_Init(SDL_INIT_NOPARACHUTE) < 0) {
        fprintf(stderr, "mirage: SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    std::string scene = "jeu";
    if (rejouer) {
        scene = scene_du_rejeu(rejouer);
        EnteteRejeu lu = commencer_rejeu(rejouer, scene == "jeu");
        if (scene != "jeu") {
            plateforme_simuler(lu.graine);
            plateforme_observer_flips(sur_flip, NULL);
        }
    } else if (enregistrer) {
        commencer_enregistrement(enregistrer, "jeu", (uint32_t)time(NULL));
    }
    if (trace) {
        setvbuf(stdout, NULL, _IOLBF, 0);
        trace_ouvrir(stdout);
    }
    SDL_Surface* ecran = ouvrir_affichage_et_son();
    ImagesShell images;
    charger_images_shell(&images);
    jouer_scene(scene, ecran, &images);
    enregistrement_fermer();
    rejeu_terminer();
    liberer_images_shell(&images);
    if (trace) {
        fflush(stdout);
        trace_ouvrir(NULL);
    }
    EM_ASM({ if (Module.mirageFin) Module.mirageFin(UTF8ToString($0)); }, enregistrer ? enregistrer : "");
    return 0;
}
