// Fuzzing the data-file checks: whatever verifier_png, verifier_bmp, verifier_wav or
// verifier_ogg accepts is handed to the loader the game would use on it (SDL_image, SDL's BMP
// reader, SDL_mixer's WAV loader for the sounds, its music loader for the Ogg musics). Ogg is
// never handed to the WAV loader, as the game never does: its sounds must pass verifier_wav
// (RIFF/WAVE) first, and SDL_mixer 1.2's whole-Ogg decoding takes ov_pcm_total's error (-1)
// for a length and asks malloc for 4 GiB.
#define MIRAGE_FUZZ_MUTATEUR
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <stdlib.h>
#include <string.h>

#include "core/verification.h"
#include "reparer.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_NOPARACHUTE) < 0) abort();
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) < 0) fprintf(stderr, "fuzz_donnees: no audio: %s\n", SDL_GetError());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* o, size_t n) {
    if (n > (1u << 20)) return 0;
    int taille = int(n);
    if (n >= 8 && memcmp(o, "\x89PNG", 4) == 0) {
        if (verifier_png(o, n)) return 0;
        if (SDL_Surface* s = IMG_Load_RW(SDL_RWFromConstMem(o, taille), 1)) SDL_FreeSurface(s);
    } else if (n >= 2 && o[0] == 'B' && o[1] == 'M') {
        if (verifier_bmp(o, n)) return 0;
        if (SDL_Surface* s = SDL_LoadBMP_RW(SDL_RWFromConstMem(o, taille), 1)) SDL_FreeSurface(s);
    } else if (n >= 4 && memcmp(o, "RIFF", 4) == 0) {
        if (verifier_wav(o, n)) return 0;
        if (Mix_Chunk* c = Mix_LoadWAV_RW(SDL_RWFromConstMem(o, taille), 1)) Mix_FreeChunk(c);
    } else if (n >= 4 && memcmp(o, "OggS", 4) == 0) {
        if (verifier_ogg(o, n)) return 0;
        if (Mix_Music* m = Mix_LoadMUSType_RW(SDL_RWFromConstMem(o, taille), MUS_OGG, 1)) Mix_FreeMusic(m);
    }
    return 0;
}
