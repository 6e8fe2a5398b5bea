// Test helpers: a headless SDL screen, small solid pictures, reading pixels, and running the
// simulator as a child process.
#pragma once
#include <SDL.h>

#include <stdint.h>

#include <string>
#include <vector>

// Initialises SDL with the dummy video driver once per process and returns a 640x480x32
// software screen.
SDL_Surface* ecran_de_test();
// A w x h picture filled with (r, g, b), in the screen's format; the caller frees it.
SDL_Surface* image_unie(int w, int h, Uint8 r, Uint8 g, Uint8 b);
// The (r, g, b) of one pixel of a 32-bit surface, as 0xRRGGBB.
Uint32 lire_pixel(SDL_Surface* s, int x, int y);

// Result of a simulator run.
struct RunSimulateur {
    int statut = -1;               // exit status
    std::string sortie;            // standard output and error together
    std::vector<std::string> trace; // the JSON lines of --trace
};
// Runs `programme` (build/run/simulateur by default) with `arguments` (a --trace file is
// added), from `dossier` (the run directory by default), with `entrees` written to a temporary
// input script when not empty.
RunSimulateur lancer_simulateur(const std::string& arguments, const std::string& entrees = "",
                                const std::string& dossier = MIRAGE_RUN_DIR,
                                const std::string& programme = MIRAGE_RUN_DIR "/simulateur");
// Trace lines whose "ev" is `ev`.
std::vector<std::string> evenements(const RunSimulateur& r, const std::string& ev);
// The integer value of "cle" in a JSON line (no nesting needed for our events); -999999 when absent.
long valeur_entiere(const std::string& ligne, const std::string& cle);
// The string value of "cle" in a JSON line; "" when absent.
std::string valeur_texte(const std::string& ligne, const std::string& cle);

// A whole, valid Ogg Vorbis stream (stereo, 44100 Hz) of nb_blocs blocks of 1024 samples of a
// sine of the given amplitude (0 = silence), made with libvorbisenc.
std::vector<uint8_t> ogg_vorbis_encode(int nb_blocs, float amplitude);
