// Fuzzing the replay reader, then playback: whatever analyser_rejeu accepts is opened with
// rejeu_ouvrir and played through the platform layer's entry points in simulated mode (its
// first 64 frames), in the order the recording holds them, as a game in step with its
// recording would ask.
#define MIRAGE_FUZZ_MUTATEUR
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "platform/enregistrement.h"
#include "platform/plateforme.h"
#include "reparer.h"

static std::string g_chemin;
static SDL_Surface* g_ecran = nullptr;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* dossier = getenv("TMPDIR");
    g_chemin = std::string(dossier ? dossier : "/tmp") + "/mirage_fuzz_" + std::to_string(getpid()) + ".rej";
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) < 0) abort();
    plateforme_simuler(1);
    g_ecran = plateforme_ouvrir_ecran();
    if (!g_ecran) abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    BilanRejeu bilan;
    char raison[256];
    if (analyser_rejeu(donnees, taille, &bilan, raison, sizeof raison) < 0) return 0;
    FILE* f = fopen(g_chemin.c_str(), "wb");
    if (!f) abort();
    fwrite(donnees, 1, taille, f);
    fclose(f);
    // Its own header as "this game": only what the reader accepted is played.
    EnteteRejeu lu;
    rejeu_ouvrir(g_chemin.c_str(), &bilan.entete, 0, &lu);
    SDL_Event e;
    uint32_t champ;
    int images = 0;
    for (char t; (t = rejeu_prochain(&champ)) != 0 && t != 'Z';) {
        switch (t) {
            case 'T': plateforme_ticks(); break;
            case 'A': plateforme_attendre(champ); break;
            case 'E': case 'R': plateforme_evenement(&e); break;
            case 'C': plateforme_touches(); break;
            case 'I':
                if (++images > 64) return 0;  // enough: every flip copies the whole canvas
                plateforme_afficher(g_ecran);
                break;
            case 'G': plateforme_graine(); break;
            case 'X':
                // The game asks for no other kind: such a recording stops as out of step.
                if (champ != LECTURE_MUSIQUE_EN_COURS) return 0;
                lecture_externe(LECTURE_MUSIQUE_EN_COURS, 0);
                break;
            default: abort();  // the reader let through a record of no known kind
        }
    }
    rejeu_terminer();
    if (rejeu_actif()) abort();
    return 0;
}
