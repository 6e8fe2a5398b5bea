// Writes the fuzzers' data-file seeds, which are not kept in the repository (the pack is
// generated, never committed): a few small pictures and a sound of the generated pack, the
// sound cut to 1 KiB of samples, and a short Ogg Vorbis stream encoded here.
//   graines PACK DOSSIER     (PACK holds Images/ and Sound/)
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "audio_vorbis.h"

namespace {

std::vector<uint8_t> lire(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), {});
}

bool ecrire(const std::string& chemin, const std::vector<uint8_t>& o) {
    std::ofstream f(chemin, std::ios::binary);
    f.write((const char*)o.data(), std::streamsize(o.size()));
    return bool(f);
}

uint32_t le32(const uint8_t* p) { return p[0] | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
void poser_le32(std::vector<uint8_t>& o, size_t at, uint32_t v) {
    for (int k = 0; k < 4; ++k) o[at + size_t(k)] = uint8_t(v >> (8 * k));
}

// The WAV with its "data" chunk cut to `octets` bytes and its RIFF and data lengths to match.
std::vector<uint8_t> wav_court(std::vector<uint8_t> o, uint32_t octets) {
    for (size_t p = 12; p + 8 <= o.size(); p += 8 + le32(&o[p + 4]) + (le32(&o[p + 4]) & 1)) {
        if (memcmp(&o[p], "data", 4) != 0) continue;
        uint32_t n = std::min(octets, le32(&o[p + 4]));
        o.resize(p + 8 + n);
        poser_le32(o, p + 4, n);
        poser_le32(o, 4, uint32_t(o.size() - 8));
        return o;
    }
    return {};
}

// A short Ogg Vorbis stream of a sine, from the generator's own encoder: `nb_blocs` blocks of
// 512 samples.
std::vector<uint8_t> ogg_court(int nb_blocs) {
    ag::Tampon t;
    for (int i = 0; i < nb_blocs * 512; ++i) {
        t.g.push_back(0.3f * std::sin(float(i) * 0.07f));
        t.d.push_back(t.g.back());
    }
    return ag::encoder_vorbis(t, 0.0f, 7);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: graines PACK DOSSIER\n");
        return 1;
    }
    const std::string pack = argv[1], dossier = argv[2];
    bool ok = true;
    for (const char* nom : {"Images/Un.png", "Images/Octopus_Flash.png", "Images/Vaisseau_Tir2.png", "Images/Coin.bmp"}) {
        std::vector<uint8_t> o = lire(pack + "/" + nom);
        ok = ok && !o.empty() && ecrire(dossier + "/" + strrchr(nom, '/'), o);
    }
    std::vector<uint8_t> wav = wav_court(lire(pack + "/Sound/Curseur.wav"), 1024);
    ok = ok && !wav.empty() && ecrire(dossier + "/Curseur_court.wav", wav);
    ok = ok && ecrire(dossier + "/court.ogg", ogg_court(8));
    if (!ok) fprintf(stderr, "graines: cannot read the pack in %s or write %s\n", argv[1], argv[2]);
    return ok ? 0 : 1;
}
