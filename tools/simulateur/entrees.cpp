// Input scripts of the simulator (see entrees.h).
#include "entrees.h"

#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include "platform/codes_sdl.h"
#include "platform/plateforme.h"

// "JOY BUTTON n down|up", "JOY AXIS n value", "JOY HAT value" (SDL_HAT_* bits, 0 = centred).
static int lire_manette(char mots[][64], int n, uint32_t t) {
    SDL_Event e;
    memset(&e, 0, sizeof e);
    char* fin;
    if (n == 5 && strcasecmp(mots[2], "BUTTON") == 0) {
        long b = strtol(mots[3], &fin, 10);
        if (*fin || b < 0 || b > 31) return -1;
        if (strcasecmp(mots[4], "down") == 0) e.type = SDL_JOYBUTTONDOWN;
        else if (strcasecmp(mots[4], "up") == 0) e.type = SDL_JOYBUTTONUP;
        else return -1;
        e.jbutton.type = e.type;
        e.jbutton.button = (Uint8)b;
        e.jbutton.state = e.type == SDL_JOYBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    } else if (n == 5 && strcasecmp(mots[2], "AXIS") == 0) {
        long a = strtol(mots[3], &fin, 10);
        if (*fin || a < 0 || a > 255) return -1;
        long v = strtol(mots[4], &fin, 10);
        if (*fin || v < -32768 || v > 32767) return -1;
        e.type = SDL_JOYAXISMOTION;
        e.jaxis.type = e.type;
        e.jaxis.axis = (Uint8)a;
        e.jaxis.value = (Sint16)v;
    } else if (n == 4 && strcasecmp(mots[2], "HAT") == 0) {
        long v = strtol(mots[3], &fin, 10);
        if (*fin || v < 0 || v > 15) return -1;
        e.type = SDL_JOYHATMOTION;
        e.jhat.type = e.type;
        e.jhat.value = (Uint8)v;
    } else {
        return -1;
    }
    plateforme_script_evenement(t, &e);
    return 0;
}

SDLKey touche_par_nom(const char* nom) { return SDLKey(touche_native(touche_canonique_par_nom(nom))); }

int lire_entrees(FILE* fichier, const char* nom_fichier) {
    char ligne[512];
    int numero = 0;
    while (fgets(ligne, sizeof ligne, fichier)) {
        ++numero;
        char* diese = strchr(ligne, '#');
        if (diese) *diese = '\0';
        char mots[5][64];
        int n = sscanf(ligne, "%63s %63s %63s %63s %63s", mots[0], mots[1], mots[2], mots[3], mots[4]);
        if (n <= 0) continue;
        char* fin;
        unsigned long t = strtoul(mots[0], &fin, 10);
        if (*fin != '\0') {
            fprintf(stderr, "%s:%d: '%s' is not a time in milliseconds\n", nom_fichier, numero, mots[0]);
            return -1;
        }
        if (n == 2 && strcasecmp(mots[1], "QUIT") == 0) {
            plateforme_script_quitter((uint32_t)t);
            continue;
        }
        if (n >= 3 && strcasecmp(mots[1], "JOY") == 0) {
            if (lire_manette(mots, n, (uint32_t)t) < 0) {
                fprintf(stderr, "%s:%d: expected 'MS JOY BUTTON n down|up', 'MS JOY AXIS n value' or 'MS JOY HAT value'\n",
                        nom_fichier, numero);
                return -1;
            }
            continue;
        }
        if (n != 3) {
            fprintf(stderr, "%s:%d: expected 'MS KEY down|up' or 'MS QUIT'\n", nom_fichier, numero);
            return -1;
        }
        SDLKey touche = touche_par_nom(mots[1]);
        if (touche == SDLK_UNKNOWN) {
            fprintf(stderr, "%s:%d: unknown key '%s'\n", nom_fichier, numero, mots[1]);
            return -1;
        }
        int appui;
        if (strcasecmp(mots[2], "down") == 0) appui = 1;
        else if (strcasecmp(mots[2], "up") == 0) appui = 0;
        else {
            fprintf(stderr, "%s:%d: expected 'down' or 'up', not '%s'\n", nom_fichier, numero, mots[2]);
            return -1;
        }
        plateforme_script_touche((uint32_t)t, touche, appui);
    }
    return 0;
}
