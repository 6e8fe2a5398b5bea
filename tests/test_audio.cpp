// The generated sound pack: every WAV effect and Ogg Vorbis music the game loads decodes to
// the mixer's format (44100 Hz, 16-bit, stereo) with a sane length and shape, and two runs of
// the generator give the same bytes. How the pack sounds together is test_mixage.cpp. Runs
// in the generated run directory.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include "outils_audio.h"

namespace {

struct SonAttendu {
    const char* fichier;
    double duree_min, duree_max;  // seconds
};

// Effects stay short so a channel is free again quickly; the alarm and explosions run longer.
const SonAttendu EFFETS[] = {
    {"Hero_Tir1.wav", 0.05, 0.5},  {"Hero_Tir2.wav", 0.1, 0.6},  {"Hero_Tir31.wav", 0.1, 0.6},
    {"Hero_Tir41.wav", 0.1, 0.6},  {"Curseur.wav", 0.03, 0.3},   {"Emergency.wav", 2.0, 3.5},
    {"Cold1.wav", 0.1, 1.5},       {"Cold4.wav", 0.1, 1.5},      {"explosion1.wav", 0.5, 3.0},
    {"explosion2.wav", 0.3, 2.0},  {"explosion3.wav", 0.8, 3.5}, {"Shot1.wav", 0.05, 0.8},
    {"Shot2.wav", 0.05, 0.8},      {"Shot3.wav", 0.05, 0.8},     {"Shot4.wav", 0.05, 0.8},
    {"Voice1.wav", 0.3, 1.5},      {"Voice2.wav", 0.3, 1.5},     {"Voice3.wav", 0.3, 1.5},
    {"Voice4.wav", 0.3, 1.5},
};

// Their lengths are the scenes' (durees_musiques.h, checked in test_mixage.cpp).
const char* const MUSIQUES[] = {"SteelOfDestiny.ogg", "Boss.ogg", "Sho.ogg", "Intro.ogg",
                                "Sad.ogg",            "Mort.ogg", "Bye.ogg"};

TEST(SonsGeneres, ChaqueEffetEstUnWavStereo44100SeizeBitsAudibleEtSansSaturation) {
    for (const SonAttendu& e : EFFETS) {
        SCOPED_TRACE(e.fichier);
        std::vector<uint8_t> octets = lire_fichier(std::string("Sound/") + e.fichier);
        ASSERT_FALSE(octets.empty());
        Wav w = lire_wav(octets);
        ASSERT_EQ(w.erreur, "");
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.canaux, 2);
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.frequence, 44100u);
        double duree = double(w.echantillons.size()) / 2.0 / 44100.0;
        EXPECT_GE(duree, e.duree_min);
        EXPECT_LE(duree, e.duree_max);
        int crete = 0;
        double somme2 = 0;
        for (int16_t s : w.echantillons) {
            crete = std::max(crete, std::abs(int(s)));
            somme2 += double(s) * s;
        }
        double efficace = std::sqrt(somme2 / double(std::max<size_t>(1, w.echantillons.size())));
        EXPECT_LT(crete, 32767) << "clipped";
        EXPECT_GT(efficace, crete / 32.0) << "mostly silent";
    }
}

// Energy of each quarter of an effect.
std::vector<double> quarts(const Wav& w) {
    std::vector<double> q(4, 0.0);
    size_t n = w.echantillons.size();
    for (size_t i = 0; i < n; ++i) q[std::min<size_t>(3, i * 4 / std::max<size_t>(1, n))] += double(w.echantillons[i]) * w.echantillons[i];
    return q;
}

TEST(SonsGeneres, LesImpactsRetombentEtLAlarmeTient) {
    // Shots, explosions and chimes strike then fade: the first quarter is far louder than the last.
    for (const char* f : {"Hero_Tir1.wav", "Hero_Tir2.wav", "Hero_Tir41.wav", "Shot1.wav", "Shot2.wav", "Shot4.wav",
                          "explosion1.wav", "explosion2.wav", "explosion3.wav", "Cold1.wav"}) {
        SCOPED_TRACE(f);
        std::vector<double> q = quarts(lire_wav(lire_fichier(std::string("Sound/") + f)));
        EXPECT_GT(q[0], 4 * q[3]);
    }
    // The siren wails all along: no quarter falls below a third of the loudest.
    std::vector<double> q = quarts(lire_wav(lire_fichier("Sound/Emergency.wav")));
    double plus_fort = *std::max_element(q.begin(), q.end());
    for (double e : q) EXPECT_GT(e, plus_fort / 3);
}

// RMS of the 10 ms windows of the left channel.
std::vector<double> fenetres_10ms(const Wav& w) {
    std::vector<double> v;
    const size_t n = 441;
    for (size_t d = 0; (d + n) * 2 <= w.echantillons.size(); d += n) {
        double s = 0;
        for (size_t i = d; i < d + n; ++i) s += double(w.echantillons[2 * i]) * w.echantillons[2 * i];
        v.push_back(std::sqrt(s / double(n)));
    }
    return v;
}

TEST(SonsGeneres, LesTirsDuJoueurSeTaisentAvantLaRafaleSuivante) {
    // A held fire key replays the weapon sound on mixer channel 0 about every 200 ms, cutting the
    // previous one: by then it must have faded at least 18 dB below its loudest, or each cut clicks.
    for (const char* f : {"Hero_Tir1.wav", "Hero_Tir2.wav", "Hero_Tir31.wav", "Hero_Tir41.wav"}) {
        SCOPED_TRACE(f);
        std::vector<double> v = fenetres_10ms(lire_wav(lire_fichier(std::string("Sound/") + f)));
        ASSERT_FALSE(v.empty());
        double plus_fort = *std::max_element(v.begin(), v.end());
        for (size_t i = 19; i < v.size(); ++i) EXPECT_LT(v[i], plus_fort / 8) << "still loud at " << i * 10 << " ms";
    }
}

TEST(SonsGeneres, LesQuatreAppelsVocauxSontDesMotsDifferents) {
    std::vector<std::vector<uint8_t>> voix;
    for (const char* f : {"Voice1.wav", "Voice2.wav", "Voice3.wav", "Voice4.wav"})
        voix.push_back(lire_fichier(std::string("Sound/") + f));
    for (size_t i = 0; i < voix.size(); ++i)
        for (size_t j = i + 1; j < voix.size(); ++j) EXPECT_NE(voix[i], voix[j]) << "Voice" << i + 1 << " and Voice" << j + 1;
}

TEST(MusiquesGenerees, ChaqueMorceauEstUnVorbisStereo44100QuiVarie) {
    for (const char* m : MUSIQUES) {
        SCOPED_TRACE(m);
        Ogg o = decoder_ogg(std::string("Sound/") + m);
        ASSERT_EQ(o.erreur, "");
        EXPECT_EQ(o.canaux, 2);
        EXPECT_EQ(o.frequence, 44100);
        EXPECT_LT(o.crete, 1.0) << "clips when decoded";
        // A tune, not a held tone: the brightness (zero crossings) changes from second to second.
        ASSERT_GT(o.passages.size(), 10u);
        auto [mn, mx] = std::minmax_element(o.passages.begin() + 1, o.passages.end() - 1);
        EXPECT_GT(*mx - *mn, 200) << "the same sound all along";
    }
}

TEST(MusiquesGenerees, ChaqueMorceauADesSectionsEtDeLaStereo) {
    for (const char* m : MUSIQUES) {
        SCOPED_TRACE(m);
        Ogg o = decoder_ogg(std::string("Sound/") + m);
        ASSERT_EQ(o.erreur, "");
        ASSERT_GT(o.energie.size(), 12u);
        // Loudness over 4-second stretches: an intro, a breakdown or an ending differs from the
        // full band by a few decibels; a loop of one bar would not.
        std::vector<double> tranches;
        for (size_t i = 0; i + 4 <= o.energie.size(); i += 4)
            tranches.push_back(o.energie[i] + o.energie[i + 1] + o.energie[i + 2] + o.energie[i + 3]);
        auto [mn, mx] = std::minmax_element(tranches.begin(), tranches.end());
        EXPECT_GT(10 * std::log10(*mx / std::max(1e-9, *mn)), 3.0) << "no change of sections";
        // Panned voices: the two channels are not copies of each other.
        EXPECT_GT(o.somme_difference2, 0.01 * o.somme2) << "mono in two channels";
    }
}

TEST(SonsGeneres, LeMixeurChargeChaqueFichierCommeLeJeu) {
    // The game's own calls: Mix_LoadWAV_RW on a file stream, Mix_LoadMUS, on a 44100 Hz 16-bit
    // stereo device, so a chunk keeps exactly the WAV's data (no conversion).
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    for (const SonAttendu& e : EFFETS) {
        SCOPED_TRACE(e.fichier);
        std::string chemin = std::string("Sound/") + e.fichier;
        Mix_Chunk* c = Mix_LoadWAV_RW(SDL_RWFromFile(chemin.c_str(), "rb"), 1);
        ASSERT_NE(c, nullptr) << Mix_GetError();
        EXPECT_EQ(size_t(c->alen), lire_wav(lire_fichier(chemin)).echantillons.size() * 2);
        Mix_FreeChunk(c);
    }
    for (const char* m : MUSIQUES) {
        SCOPED_TRACE(m);
        Mix_Music* mu = Mix_LoadMUS((std::string("Sound/") + m).c_str());
        EXPECT_NE(mu, nullptr) << Mix_GetError();
        if (mu) Mix_FreeMusic(mu);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST(MusiquesGenerees, UneNouvelleGenerationDonneLesMemesOctets) {
    // The run directory holds the build's own generation; a second run must match it byte for byte.
    std::string racine = "/tmp/mirage_audio_XXXXXX";
    ASSERT_NE(mkdtemp(racine.data()), nullptr);
    std::string commande = std::string("\"") + MIRAGE_ASSETGEN + "\" \"" + racine + "\" --groupe sons --groupe musiques > /dev/null";
    ASSERT_EQ(std::system(commande.c_str()), 0) << commande;
    std::vector<std::string> tous;
    for (const SonAttendu& e : EFFETS) tous.push_back(e.fichier);
    for (const char* m : MUSIQUES) tous.push_back(m);
    for (const std::string& f : tous) {
        SCOPED_TRACE(f);
        std::vector<uint8_t> x = lire_fichier("Sound/" + f), y = lire_fichier(racine + "/Sound/" + f);
        EXPECT_FALSE(y.empty());
        EXPECT_TRUE(x == y) << "differs between two runs";
    }
    EXPECT_EQ(std::system(("rm -rf \"" + racine + "\"").c_str()), 0);
}

}  // namespace
