// Structural checks that keep damaged data files away from SDL_image and SDL_mixer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/verification.h"
#include "outils_sdl.h"

namespace {

using Octets = std::vector<uint8_t>;

Octets lire(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return Octets(std::istreambuf_iterator<char>(f), {});
}

void put32(Octets& o, size_t at, uint32_t v) {
    for (int k = 0; k < 4; ++k) o[at + k] = uint8_t(v >> (8 * k));
}

Octets wav(uint16_t canaux, uint16_t bits, uint32_t frequence, uint32_t nb_octets) {
    Octets o(44 + nb_octets, 0);
    memcpy(&o[0], "RIFF", 4);
    put32(o, 4, uint32_t(o.size() - 8));
    memcpy(&o[8], "WAVEfmt ", 8);
    put32(o, 16, 16);
    o[20] = 1;
    o[22] = uint8_t(canaux);
    put32(o, 24, frequence);
    put32(o, 28, frequence * canaux * bits / 8);
    o[32] = uint8_t(canaux * bits / 8);
    o[34] = uint8_t(bits);
    memcpy(&o[36], "data", 4);
    put32(o, 40, nb_octets);
    return o;
}

const char* png(const Octets& o) { return verifier_png(o.data(), o.size()); }
const char* ogg(const Octets& o) { return verifier_ogg(o.data(), o.size()); }
const char* wv(const Octets& o) { return verifier_wav(o.data(), o.size()); }

}  // namespace

TEST(VerificationPng, AcceptsAGeneratedPictureAndRefusesEveryTruncation) {
    Octets o = lire(MIRAGE_RUN_DIR "/Images/Titre.png");
    ASSERT_GT(o.size(), 100u);
    EXPECT_EQ(png(o), nullptr);
    // Cuts inside the leading chunks are the ones that make IMG_Load spin for ever.
    for (size_t n : {size_t(0), size_t(7), size_t(8), size_t(20), size_t(33), size_t(40), o.size() / 2, o.size() - 1}) {
        Octets c(o.begin(), o.begin() + long(n));
        EXPECT_NE(png(c), nullptr) << "cut at " << n;
    }
}

TEST(VerificationPng, RefusesDamagedLengthsCrcsAndOrder) {
    Octets o = lire(MIRAGE_RUN_DIR "/Images/Titre.png");
    Octets longueur = o;
    longueur[33] = 0x7F;  // first chunk after IHDR: its length's top byte
    EXPECT_NE(png(longueur), nullptr);
    Octets crc = o;
    crc[o.size() / 2] ^= 0x55;
    EXPECT_NE(png(crc), nullptr);
    Octets signature = o;
    signature[1] = 'Q';
    EXPECT_STREQ(png(signature), "not a PNG file (bad signature)");
    Octets queue = o;
    queue.push_back(0);
    EXPECT_NE(png(queue), nullptr);
}

TEST(VerificationBmp, AcceptsTheCursorAndRefusesACutOne) {
    Octets o = lire(MIRAGE_RUN_DIR "/Images/Coin.bmp");
    EXPECT_EQ(verifier_bmp(o.data(), o.size()), nullptr);
    EXPECT_NE(verifier_bmp(o.data(), o.size() / 2), nullptr);
    EXPECT_NE(verifier_bmp(o.data(), 10), nullptr);
}

TEST(VerificationWav, ChecksFormatChannelsBitsRateAndDataLength) {
    EXPECT_EQ(wv(wav(2, 16, 44100, 400)), nullptr);
    EXPECT_EQ(wv(wav(1, 8, 22050, 10)), nullptr);
    EXPECT_NE(wv(wav(0, 16, 44100, 400)), nullptr);  // crashes SDL's conversion otherwise
    EXPECT_NE(wv(wav(3, 16, 44100, 400)), nullptr);
    EXPECT_NE(wv(wav(2, 24, 44100, 400)), nullptr);
    EXPECT_NE(wv(wav(2, 16, 0, 400)), nullptr);
    Octets enorme = wav(2, 16, 44100, 400);
    put32(enorme, 40, 0xFFFFFF00u);  // SDL_mixer would try to allocate it
    EXPECT_NE(wv(enorme), nullptr);
    Octets pas_pcm = wav(2, 16, 44100, 400);
    pas_pcm[20] = 3;
    EXPECT_NE(wv(pas_pcm), nullptr);
    Octets w = wav(2, 16, 44100, 400);
    EXPECT_NE(verifier_wav(w.data(), 30), nullptr);
    EXPECT_NE(verifier_wav(w.data(), 100), nullptr);
}

TEST(VerificationOgg, AcceptsAWholeStreamAndRefusesACutOrDamagedOne) {
    Octets o = ogg_vorbis_encode(20, 0.3f);
    ASSERT_GT(o.size(), 1000u);
    EXPECT_EQ(ogg(o), nullptr);
    Octets moitie(o.begin(), o.begin() + long(o.size() / 2));
    EXPECT_NE(ogg(moitie), nullptr);  // would load and play short
    Octets abime = o;
    abime[o.size() - 10] ^= 0x22;
    EXPECT_NE(ogg(abime), nullptr);
    EXPECT_NE(ogg(Octets(o.begin(), o.begin() + 20)), nullptr);
    Octets wavs = wav(2, 16, 44100, 400);
    EXPECT_NE(ogg(wavs), nullptr);
}

TEST(VerificationFichier, NamesTheReasonForMissingEmptyAndDamagedFiles) {
    char raison[256];
    ASSERT_NE(verifier_fichier("/nonexistent/x.png", raison, sizeof raison), nullptr);
    EXPECT_NE(std::string(raison).find("No such file"), std::string::npos);
    char modele[] = "/tmp/mirage_vfXXXXXX";
    std::string d = mkdtemp(modele);
    std::ofstream(d + "/vide.wav").close();
    ASSERT_NE(verifier_fichier((d + "/vide.wav").c_str(), raison, sizeof raison), nullptr);
    EXPECT_STREQ(raison, "the file is empty");
    std::ofstream(d + "/faux.ogg") << "not a music";
    ASSERT_NE(verifier_fichier((d + "/faux.ogg").c_str(), raison, sizeof raison), nullptr);
    EXPECT_NE(std::string(raison).find("Ogg"), std::string::npos);
    EXPECT_EQ(verifier_fichier(MIRAGE_RUN_DIR "/Images/Titre.png", raison, sizeof raison), nullptr);
    system(("rm -rf '" + d + "'").c_str());
}
