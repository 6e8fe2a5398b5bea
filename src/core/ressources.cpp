// Asset loading with one clear failure line (see ressources.h).
#include "core/ressources.h"

#include "core/verification.h"
#include "platform/audio.h"

#include <SDL_image.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

void echec_fatal(const char* format, ...) {
    va_list args;
    va_start(args, format);
    fprintf(stderr, "mirage: ");
    vfprintf(stderr, format, args);
    fprintf(stderr, "\n");
    va_end(args);
    fflush(stdout);
    exit(1);
}

// Every file is checked before the libraries see it: they trust their input and can hang,
// crash or allocate without bound on a damaged file.
static void verifier_lisible(const char* chemin) {
    char raison[256];
    if (verifier_fichier(chemin, raison, sizeof raison)) echec_fatal("cannot load %s: %s", chemin, raison);
}

static SDL_Surface* preparer(SDL_Surface* brute, const char* chemin, int avec_cle, Uint8 r, Uint8 g, Uint8 b) {
    if (!brute) echec_fatal("cannot load %s: %s", chemin, SDL_GetError());
    // Run-length encoding makes keyed blits skip their transparent runs: the same picture, drawn
    // several times faster (full-screen overlays, the ground band, every sprite).
    if (avec_cle) SDL_SetColorKey(brute, SDL_SRCCOLORKEY | SDL_RLEACCEL, SDL_MapRGB(brute->format, r, g, b));
    SDL_Surface* convertie = SDL_DisplayFormat(brute);
    SDL_FreeSurface(brute);
    if (!convertie) echec_fatal("cannot convert %s to the display format: %s", chemin, SDL_GetError());
    return convertie;
}

SDL_Surface* charger_image(const char* chemin, int avec_cle, Uint8 r, Uint8 g, Uint8 b) {
    verifier_lisible(chemin);
    return preparer(IMG_Load(chemin), chemin, avec_cle, r, g, b);
}

SDL_Surface* charger_bmp(const char* chemin, int avec_cle, Uint8 r, Uint8 g, Uint8 b) {
    verifier_lisible(chemin);
    return preparer(SDL_LoadBMP_RW(SDL_RWFromFile(chemin, "rb"), 1), chemin, avec_cle, r, g, b);
}

int son_disponible(void) {
    int frequence;
    Uint16 format;
    int canaux;
    return Mix_QuerySpec(&frequence, &format, &canaux) != 0;
}

Mix_Chunk* charger_son(const char* chemin) {
    verifier_lisible(chemin);
    Mix_Chunk* son = son_disponible() ? Mix_LoadWAV_RW(SDL_RWFromFile(chemin, "rb"), 1) : creer_son_muet();
    if (!son) echec_fatal("cannot load %s: %s", chemin, Mix_GetError());
    nommer_son(son, chemin);
    return son;
}

Mix_Music* charger_musique(const char* chemin) {
    verifier_lisible(chemin);
    if (!son_disponible()) {
        // Silent, but the music clock needs its length to tell when it would have ended.
        Mix_Music* muette = creer_musique_muette();
        nommer_musique(muette, chemin, duree_ogg_ms(chemin));
        return muette;
    }
    Mix_Music* musique = Mix_LoadMUS(chemin);
    if (!musique) echec_fatal("cannot load %s: %s", chemin, Mix_GetError());
    nommer_musique(musique, chemin, duree_ogg_ms(chemin));
    return musique;
}

void charger_table(void* enregistrement, const EntreeRessource* table, int n) {
    char* base = (char*)enregistrement;
    for (int i = 0; i < n; ++i) {
        const EntreeRessource* e = &table[i];
        void** champ = (void**)(base + e->decalage);
        switch (e->genre) {
            case RES_IMAGE: *champ = charger_image(e->chemin, 0, 0, 0, 0); break;
            case RES_IMAGE_CLE: *champ = charger_image(e->chemin, 1, e->r, e->g, e->b); break;
            case RES_BMP_CLE: *champ = charger_bmp(e->chemin, 1, e->r, e->g, e->b); break;
            case RES_SON: *champ = charger_son(e->chemin); break;
            case RES_MUSIQUE: *champ = charger_musique(e->chemin); break;
        }
    }
}

void liberer_table(void* enregistrement, const EntreeRessource* table, int n) {
    char* base = (char*)enregistrement;
    for (int i = 0; i < n; ++i) {
        void** champ = (void**)(base + table[i].decalage);
        if (!*champ) continue;
        switch (table[i].genre) {
            case RES_IMAGE:
            case RES_IMAGE_CLE:
            case RES_BMP_CLE: SDL_FreeSurface((SDL_Surface*)*champ); break;
            case RES_SON: liberer_son((Mix_Chunk*)*champ); break;
            case RES_MUSIQUE: liberer_musique((Mix_Music*)*champ); break;
        }
        *champ = NULL;
    }
}
