// Process start-up: Debian's SDL 1.2 has no console start-up code, so this file plays its
// part: initialise the SDL core, register SDL_Quit at exit, call the game's entry, and end
// the process with status 0 whatever the entry returned.
#include <SDL.h>
#include <stdio.h>
#include <stdlib.h>

#include "platform/affichage.h"
#include "shell/jeu.h"

int main(int argc, char** argv) {
    // Without a display SDL 1.2 would draw the game as text in the terminal, without a word.
    if (const char* raison = plateforme_raison_sans_affichage()) {
        fprintf(stderr, "mirage: no display: %s\n", raison);
        return 1;
    }
    if (SDL_Init(SDL_INIT_NOPARACHUTE) < 0) {
        fprintf(stderr, "%s: %s\n", "WinMain() error", SDL_GetError());
        // A start-up that failed must not look like a success to whoever launched the game.
        return 1;
    }
    atexit(SDL_Quit);
    SDL_main(argc, argv);
    return 0;
}
