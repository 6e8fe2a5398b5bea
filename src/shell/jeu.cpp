// Start-up and scene sequence (see jeu.h).
#include "shell/jeu.h"

#include <SDL_mixer.h>
#include <errno.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "core/fichiers.h"
#include "core/ressources.h"
#include "cutscene/interlude.h"
#include "cutscene/intro.h"
#include "level/niveau.h"
#include "platform/audio.h"
#include "platform/plateforme.h"
#include "platform/trace.h"
#include "shell/cadence.h"
#include "shell/presentation.h"
#include "shell/rejeux.h"

SDL_Surface* ouvrir_affichage_et_son(void) {
    SDL_Surface* ecran = plateforme_ouvrir_ecran();
    if (!ecran) echec_fatal("cannot open the display: %s", SDL_GetError());
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) < 0) {
        printf("Warning: Couldn't set 44100 Hz 16-bit audio\n Reason: %s\n", SDL_GetError());
        // Standard output may be a file or a pipe: the warning must be there even if the game is
        // killed later.
        fflush(stdout);
    }
    // Without an audio device both SDL 1.2 libraries (the classic one and sdl12-compat) still
    // return 0 here, leaving the audio part uninitialised: the game goes on silently.
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        printf("Unable to init SDL: %s\n", SDL_GetError());
        fflush(stdout);
        exit(1);
    }
    installer_limiteur();
    SDL_ShowCursor(0);
    return ecran;
}

const EntreeRessource IMAGES_SHELL[] = {
    {offsetof(ImagesShell, coin), "./Images/Coin.bmp", RES_BMP_CLE, 0, 0, 0},
    {offsetof(ImagesShell, titre), "./Images/Titre.png", RES_IMAGE, 0, 0, 0},
    {offsetof(ImagesShell, programmer), "./Images/Programmer.png", RES_IMAGE, 0, 0, 0},
    {offsetof(ImagesShell, keyboard), "./Images/Keyboard.png", RES_IMAGE, 0, 0, 0},
    {offsetof(ImagesShell, chargement), "./Images/Chargement.png", RES_IMAGE, 0, 0, 0},
    {offsetof(ImagesShell, loading1), "./Images/Loading1.png", RES_IMAGE, 0, 0, 0},
    {offsetof(ImagesShell, loading2), "./Images/Loading2.png", RES_IMAGE, 0, 0, 0},
};
const int NB_IMAGES_SHELL = (int)(sizeof IMAGES_SHELL / sizeof IMAGES_SHELL[0]);

void charger_images_shell(ImagesShell* images) { charger_table(images, IMAGES_SHELL, NB_IMAGES_SHELL); }

void liberer_images_shell(ImagesShell* images) { liberer_table(images, IMAGES_SHELL, NB_IMAGES_SHELL); }

int scene_presentation(SDL_Surface* ecran, const ImagesShell* images) {
    trace_ecrire("scene", "\"nom\":\"presentation\"");
    int r = afficher_presentation(ecran, images->programmer, images->keyboard);
    trace_ecrire("fin_scene", "\"nom\":\"presentation\",\"resultat\":%d", r);
    return r;
}

void scene_intro(SDL_Surface* ecran, const ImagesShell* images) {
    trace_ecrire("scene", "\"nom\":\"intro\"");
    raconter_intro(ecran, PERIODE_IMAGE, images->loading1);
    trace_ecrire("fin_scene", "\"nom\":\"intro\",\"resultat\":null");
}

int scene_menu(SDL_Surface* ecran, const ImagesShell* images) {
    trace_ecrire("scene", "\"nom\":\"menu\"");
    int r = menu_titre(ecran, images->titre, images->coin);
    trace_ecrire("fin_scene", "\"nom\":\"menu\",\"resultat\":%d", r);
    return r;
}

static int finir_niveau(const char* nom, ResultatNiveau* resultat) {
    int etat = resultat->etat;
    trace_ecrire("fin_scene", "\"nom\":\"%s\",\"resultat\":%d", nom, etat);
    free(resultat);
    return etat;
}

int scene_niveau_1(SDL_Surface* ecran, const ImagesShell* images) {
    trace_ecrire("scene", "\"nom\":\"niveau1\"");
    return finir_niveau("niveau1", jouer_niveau_1(ecran, 0, 0, PERIODE_IMAGE, images->chargement));
}

void scene_interlude(SDL_Surface* ecran, const ImagesShell* images) {
    trace_ecrire("scene", "\"nom\":\"interlude\"");
    raconter_interlude(ecran, PERIODE_IMAGE, images->loading1);
    trace_ecrire("fin_scene", "\"nom\":\"interlude\",\"resultat\":null");
}

int scene_niveau_2(SDL_Surface* ecran, const ImagesShell* images) {
    trace_ecrire("scene", "\"nom\":\"niveau2\"");
    return finir_niveau("niveau2", jouer_niveau_2(ecran, 0, 0, PERIODE_IMAGE, images->loading2));
}

const ScenesJeu SCENES_JEU = {scene_presentation, scene_intro,     scene_menu,
                              scene_niveau_1,     scene_interlude, scene_niveau_2};

void jouer_sequence_avec(SDL_Surface* ecran, const ImagesShell* images, const ScenesJeu* scenes) {
    scenes->presentation(ecran, images);
    scenes->intro(ecran, images);
    while (scenes->menu(ecran, images) == 1) {
        if (scenes->niveau_1(ecran, images) == 1) {
            scenes->interlude(ecran, images);
            scenes->niveau_2(ecran, images);
        }
    }
}

void jouer_sequence(SDL_Surface* ecran, const ImagesShell* images) { jouer_sequence_avec(ecran, images, &SCENES_JEU); }

[[noreturn]] static void refuser_argument(const char* argument) {
    fprintf(stderr, "mirage: unknown or incomplete argument '%s' (usage: mirage [--enregistrer FILE | --rejouer FILE] [--trace FILE])\n",
            argument);
    exit(1);
}

// The game's own options: a replay to record or to play back, a trace to write. Anything
// else is refused, so that a mistyped option never starts an unrecorded game. The whole
// command line and the replay to play are checked before any file is opened for writing, and
// two options naming one file are refused: nothing a refused command line names is emptied.
static void lire_options(int argc, char** argv) {
    const char *enregistrer = NULL, *rejouer = NULL, *fichier_trace = NULL;
    for (int i = 1; i < argc; ++i) {
        const char** cible = strcmp(argv[i], "--enregistrer") == 0 ? &enregistrer
                             : strcmp(argv[i], "--rejouer") == 0   ? &rejouer
                             : strcmp(argv[i], "--trace") == 0     ? &fichier_trace
                                                                   : NULL;
        if (!cible || *cible || i + 1 >= argc) refuser_argument(argv[i]);
        *cible = argv[++i];
    }
    if (enregistrer && rejouer) refuser_argument("--rejouer");
    const struct {
        const char* option;
        const char* fichier;
    } fichiers[] = {{"--enregistrer", enregistrer}, {"--rejouer", rejouer}, {"--trace", fichier_trace}};
    for (const auto& a : fichiers)
        for (const auto& b : fichiers)
            if (&a < &b && a.fichier && b.fichier && meme_fichier(a.fichier, b.fichier)) {
                fprintf(stderr, "mirage: %s and %s name the same file (%s)\n", a.option, b.option, b.fichier);
                exit(1);
            }
    if (rejouer) {
        EnteteRejeu lu = commencer_rejeu(rejouer, 1);
        if (strcmp(lu.scene, "jeu") != 0) {
            fprintf(stderr, "mirage: cannot replay %s: a recording of the simulator's scene %s (simulateur --rejouer plays it)\n",
                    rejouer, lu.scene);
            exit(1);
        }
    }
    if (fichier_trace && trace_ouvrir_fichier(fichier_trace) < 0) {
        fprintf(stderr, "mirage: cannot write %s: %s\n", fichier_trace, strerror(errno));
        exit(1);
    }
    if (enregistrer) commencer_enregistrement(enregistrer, "jeu", (uint32_t)time(NULL));
}

int SDL_main(int argc, char** argv) {
    lire_options(argc, argv);
    SDL_Surface* ecran = ouvrir_affichage_et_son();
    ImagesShell images;
    charger_images_shell(&images);
    jouer_sequence(ecran, &images);
    enregistrement_fermer();
    rejeu_terminer();
    trace_fermer();
    return 1;
}
