// Test helpers for the sound pack: reading files, WAVs as SDL_mixer sees them, and Ogg
// Vorbis streams decoded to the 16-bit samples SDL_mixer mixes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The bytes of a file (empty when it cannot be read).
std::vector<uint8_t> lire_fichier(const std::string& chemin);

// What a WAV holds, as SDL_mixer would see it.
struct Wav {
    std::string erreur;  // empty when the file is a 16-bit PCM WAV with its data inside the file
    int format = 0, canaux = 0, bits = 0;
    uint32_t frequence = 0;
    std::vector<int16_t> echantillons;  // interleaved
};
Wav lire_wav(const std::vector<uint8_t>& octets);

// A decoded Vorbis stream, reduced to what the checks need.
struct Ogg {
    std::string erreur;
    int canaux = 0;
    long frequence = 0;
    size_t images = 0;            // sample frames
    double crete = 0, somme2 = 0;
    std::vector<int> passages;    // zero crossings of the left channel per second
    std::vector<double> energie;  // sum of squares of both channels per second
    double somme_difference2 = 0; // sum of squares of left minus right
    std::vector<int16_t> echantillons;  // interleaved, as SDL_mixer gets them, when asked for
    double efficace() const;      // RMS of both channels, full scale 1
};
// Decodes the file; with `garder`, also keeps every sample.
Ogg decoder_ogg(const std::string& chemin, bool garder = false);
