// Loading of pictures, sounds and musics, one at a time or as a whole asset set described by
// a const table. A file that is missing or unreadable stops the game with one line naming
// the file and the cause, and exit status 1: the game never runs with a hole in its data.
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>
#include <stddef.h>

// Prints "mirage: <message>" on standard error and exits with status 1.
void echec_fatal(const char* format, ...) __attribute__((format(printf, 1, 2), noreturn));

// IMG_Load of `chemin`, then (when `avec_cle`) the colour key (r, g, b) mapped in the loaded
// surface's own format with SDL_SRCCOLORKEY, then SDL_DisplayFormat. Returns the converted
// copy (the caller owns it); the loaded surface is freed.
SDL_Surface* charger_image(const char* chemin, int avec_cle, Uint8 r, Uint8 g, Uint8 b);
// The same through SDL_LoadBMP_RW(SDL_RWFromFile(chemin, "rb"), 1).
SDL_Surface* charger_bmp(const char* chemin, int avec_cle, Uint8 r, Uint8 g, Uint8 b);
// Mix_LoadWAV_RW(SDL_RWFromFile(chemin, "rb"), 1), named after its file (platform/audio.h).
// Without an open audio device the file is still checked and a silent stand-in is returned:
// the game then runs silently, and the trace still tells what it would play. Release with
// liberer_son.
Mix_Chunk* charger_son(const char* chemin);
// Mix_LoadMUS(chemin), with the same rules as charger_son; its length is remembered for the
// music clock used without a device. Release with liberer_musique.
Mix_Music* charger_musique(const char* chemin);
// 1 when the audio device is open.
int son_disponible(void);

// One field of an asset-set record: where it lives in the record, which file, what kind.
typedef enum { RES_IMAGE, RES_IMAGE_CLE, RES_BMP_CLE, RES_SON, RES_MUSIQUE } GenreRessource;
typedef struct EntreeRessource {
    size_t decalage;       // offsetof the pointer field in the record
    const char* chemin;    // path exactly as the game writes it
    GenreRessource genre;
    Uint8 r, g, b;         // colour key for RES_IMAGE_CLE and RES_BMP_CLE
} EntreeRessource;

// Fills every field of `enregistrement` listed in `table`, in table order.
void charger_table(void* enregistrement, const EntreeRessource* table, int n);
// Frees every field listed in `table` (SDL_FreeSurface, liberer_son, liberer_musique) and
// sets it to NULL, so a field is never freed twice.
void liberer_table(void* enregistrement, const EntreeRessource* table, int n);
