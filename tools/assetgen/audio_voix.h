// Spoken calls: speech from the espeak-ng command, brought to the game's sample format.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "audio_dsp.h"

namespace ag {

// Mono 16-bit PCM read out of a RIFF/WAVE image; `frequence` 0 when the image is not one.
struct Parole {
    int frequence = 0;
    std::vector<float> echantillons;  // in [-1, 1]
};

// Reads the first channel of a 16-bit PCM WAV image. Tolerates the unknown-length headers
// a streaming writer leaves (data then runs to the end of the image).
Parole lire_wav_pcm16(const std::vector<uint8_t>& octets);

// Runs `espeak-ng --stdout` with `voix` (e.g. "en-us+m3"), `mots_minute` and `hauteur`
// (0..99) on `texte` and returns its WAV image. Throws std::runtime_error naming espeak-ng
// when the command is missing or fails.
std::vector<uint8_t> prononcer(const std::string& texte, const std::string& voix, int mots_minute, int hauteur);

// Resamples mono speech to 44100 Hz (cubic interpolation), silence trimmed at both ends,
// as a centred stereo buffer.
Tampon convertir_parole(const Parole& p);

}  // namespace ag
