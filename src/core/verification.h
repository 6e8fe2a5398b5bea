// Structural checks of data files before they reach SDL_image or SDL_mixer, which trust their
// input: a PNG cut inside its leading chunks or with a damaged chunk length makes IMG_Load
// loop for ever, a WAV with 0 channels crashes SDL's audio conversion, one with a huge data
// length makes SDL_mixer allocate gigabytes, and an Ogg cut in half still loads and plays short.
#pragma once
#include <stddef.h>
#include <stdint.h>

// Each check takes the whole file in memory and returns NULL when the file is sound, or a
// short English description of what is wrong (a static string, e.g. "truncated: chunk IDAT
// runs past the end of the file").
const char* verifier_png(const uint8_t* octets, size_t taille);
const char* verifier_bmp(const uint8_t* octets, size_t taille);
const char* verifier_wav(const uint8_t* octets, size_t taille);
const char* verifier_ogg(const uint8_t* octets, size_t taille);

// Which check a path calls for, by its extension (.png, .bmp, .wav, .ogg); NULL for others.
typedef const char* (*Verificateur)(const uint8_t*, size_t);
Verificateur verificateur_pour(const char* chemin);

// Reads `chemin` whole and runs the check its extension calls for. Returns NULL when sound;
// otherwise writes the reason (including "cannot open: <system reason>" or "the file is
// empty") into `raison` (of `taille_raison` bytes) and returns it.
const char* verifier_fichier(const char* chemin, char* raison, size_t taille_raison);

// How long a checked Ogg Vorbis file plays once, in milliseconds: the last page's granule
// position (its sample count) over the identification header's sample rate, rounded down.
// 0 when the file cannot be read or is not Ogg Vorbis.
uint32_t duree_ogg_ms(const char* chemin);
