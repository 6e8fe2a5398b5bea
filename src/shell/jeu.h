// The game shell: start-up of the display and sound, the seven shell pictures, and the fixed
// sequence of scenes (splash, intro, then title menu, level 1, interlude and level 2 in a loop).
#pragma once
#include <SDL.h>

#include "core/ressources.h"

typedef struct ImagesShell {
    SDL_Surface* coin;        // "./Images/Coin.bmp", black key: blinking cursor of the menu
    SDL_Surface* titre;       // "./Images/Titre.png": title menu background
    SDL_Surface* programmer;  // "./Images/Programmer.png": first splash picture
    SDL_Surface* keyboard;    // "./Images/Keyboard.png": second splash picture
    SDL_Surface* chargement;  // "./Images/Chargement.png": level 1 loading
    SDL_Surface* loading1;    // "./Images/Loading1.png": story loading
    SDL_Surface* loading2;    // "./Images/Loading2.png": level 2 loading
} ImagesShell;

// Opens the display in full screen through the platform layer, which hands back the 640x480
// canvas the scenes draw into (shown scaled on the desktop, affichage.h), opens the audio device
// (44100 Hz, signed 16-bit, stereo, 2048-sample chunks; on failure prints the warning and goes
// on silently), initialises SDL's audio and video subsystems and hides the mouse cursor.
// A display that cannot be opened, or a failed SDL_Init, prints one line and exits with 1.
SDL_Surface* ouvrir_affichage_et_son(void);

// The seven shell pictures in the order the game loads them (Coin.bmp keyed black first), as
// fields of ImagesShell: what charger_images_shell walks, and the shell's part of the list of
// files the game loads.
extern const EntreeRessource IMAGES_SHELL[];
extern const int NB_IMAGES_SHELL;

// Loads the seven shell pictures of IMAGES_SHELL in table order. A missing or unreadable
// picture stops the game with one line naming it (exit status 1).
void charger_images_shell(ImagesShell* images);
// Frees the seven pictures (at exit; the process would reclaim them anyway).
void liberer_images_shell(ImagesShell* images);

// Each scene as the sequence runs it, with its "scene" and "fin_scene" trace events.
int scene_presentation(SDL_Surface* ecran, const ImagesShell* images);
void scene_intro(SDL_Surface* ecran, const ImagesShell* images);
int scene_menu(SDL_Surface* ecran, const ImagesShell* images);
// Returns the level's etat; the result record is freed here.
int scene_niveau_1(SDL_Surface* ecran, const ImagesShell* images);
void scene_interlude(SDL_Surface* ecran, const ImagesShell* images);
int scene_niveau_2(SDL_Surface* ecran, const ImagesShell* images);

// The scenes the sequence runs, as a table so that the sequence itself can be tested with
// stand-ins. SCENES_JEU holds the real ones.
typedef struct ScenesJeu {
    int (*presentation)(SDL_Surface*, const ImagesShell*);
    void (*intro)(SDL_Surface*, const ImagesShell*);
    int (*menu)(SDL_Surface*, const ImagesShell*);
    int (*niveau_1)(SDL_Surface*, const ImagesShell*);
    void (*interlude)(SDL_Surface*, const ImagesShell*);
    int (*niveau_2)(SDL_Surface*, const ImagesShell*);
} ScenesJeu;
extern const ScenesJeu SCENES_JEU;

// Splash once, intro once, then the title menu; while it returns 1: level 1, and after a won
// level 1 the interlude and level 2; back to the menu. Returns when the menu returns 0.
void jouer_sequence_avec(SDL_Surface* ecran, const ImagesShell* images, const ScenesJeu* scenes);
// The same with the real scenes.
void jouer_sequence(SDL_Surface* ecran, const ImagesShell* images);

// The game's entry, called by the start-up layer once the SDL core is initialised. Returns 1
// after the player left the title menu. Its only arguments: --enregistrer FILE records the
// game as a replay, --rejouer FILE shows a replay in the window at its recorded pace (instead
// of the player's input), --trace FILE writes the trace of the run. Any other argument, or an
// option without its file, prints one usage line and exits with status 1.
int SDL_main(int argc, char** argv);
