// The generated sound pack: every WAV effect and Ogg Vorbis music the game loads decodes to
// the mixer's format (44100 Hz, 16-bit, stereo) with a sane length and level, and two runs of
// the generator give the same bytes. Runs in the generated run directory.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <vorbis/codec.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

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

// The level 1 track must outlast the boss alarm at 134 s; the boss track is restarted each
// time it ends; the story tracks fit their scenes.
const SonAttendu MUSIQUES[] = {
    {"SteelOfDestiny.ogg", 135, 200}, {"Boss.ogg", 30, 60}, {"Sho.ogg", 125, 200},
    {"Intro.ogg", 80, 100},           {"Sad.ogg", 50, 70},  {"Mort.ogg", 60, 80},
    {"Bye.ogg", 165, 195},
};

std::vector<uint8_t> lire_fichier(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

uint32_t u32(const std::vector<uint8_t>& o, size_t at) {
    return uint32_t(o[at]) | uint32_t(o[at + 1]) << 8 | uint32_t(o[at + 2]) << 16 | uint32_t(o[at + 3]) << 24;
}
uint16_t u16(const std::vector<uint8_t>& o, size_t at) { return uint16_t(o[at] | o[at + 1] << 8); }

// What a WAV holds, as SDL_mixer would see it.
struct Wav {
    std::string erreur;  // empty when the file is a 16-bit PCM WAV with its data inside the file
    int format = 0, canaux = 0, bits = 0;
    uint32_t frequence = 0;
    std::vector<int16_t> echantillons;  // interleaved
};

Wav lire_wav(const std::vector<uint8_t>& o) {
    Wav w;
    if (o.size() < 12 || std::memcmp(o.data(), "RIFF", 4) || std::memcmp(o.data() + 8, "WAVE", 4)) {
        w.erreur = "not RIFF/WAVE";
        return w;
    }
    if (u32(o, 4) + 8 != o.size()) w.erreur = "RIFF size does not match the file";
    bool fmt = false;
    for (size_t at = 12; at + 8 <= o.size();) {
        uint32_t taille = u32(o, at + 4);
        const uint8_t* id = o.data() + at;
        at += 8;
        if (!std::memcmp(id, "fmt ", 4) && at + 16 <= o.size()) {
            w.format = u16(o, at);
            w.canaux = u16(o, at + 2);
            w.frequence = u32(o, at + 4);
            w.bits = u16(o, at + 14);
            fmt = true;
        } else if (!std::memcmp(id, "data", 4)) {
            if (!fmt) w.erreur = "data before fmt";
            if (at + taille > o.size()) {
                w.erreur = "data chunk runs past the end of the file";
                return w;
            }
            for (size_t i = at; i + 1 < at + taille; i += 2) w.echantillons.push_back(int16_t(u16(o, i)));
            return w;
        }
        at += taille + (taille & 1);
    }
    w.erreur = "no data chunk";
    return w;
}

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
    std::vector<float> fin;       // the last 0.1 s, left channel
    double efficace_debut = 0;    // RMS of the first second
    double efficace() const { return images ? std::sqrt(somme2 / (2.0 * double(images))) : 0; }
};

Ogg decoder_ogg(const std::string& chemin) {
    Ogg r;
    FILE* f = std::fopen(chemin.c_str(), "rb");
    if (!f) {
        r.erreur = "cannot open";
        return r;
    }
    ogg_sync_state oy;
    ogg_stream_state os;
    vorbis_info vi;
    vorbis_comment vc;
    vorbis_dsp_state vd;
    vorbis_block vb;
    ogg_sync_init(&oy);
    vorbis_info_init(&vi);
    vorbis_comment_init(&vc);
    bool flux = false, synthese = false, fini = false;
    int entetes = 0;
    float precedent = 0;
    double debut2 = 0;
    const size_t garde = 4410;
    while (!fini && r.erreur.empty()) {
        char* buf = ogg_sync_buffer(&oy, 65536);
        size_t n = std::fread(buf, 1, 65536, f);
        ogg_sync_wrote(&oy, long(n));
        if (n == 0) fini = true;
        ogg_page page;
        while (r.erreur.empty() && ogg_sync_pageout(&oy, &page) == 1) {
            if (!flux) {
                ogg_stream_init(&os, ogg_page_serialno(&page));
                flux = true;
            }
            ogg_stream_pagein(&os, &page);
            ogg_packet op;
            while (r.erreur.empty() && ogg_stream_packetout(&os, &op) == 1) {
                if (entetes < 3) {
                    if (vorbis_synthesis_headerin(&vi, &vc, &op) < 0) r.erreur = "bad Vorbis header";
                    else if (++entetes == 3) {
                        vorbis_synthesis_init(&vd, &vi);
                        vorbis_block_init(&vd, &vb);
                        synthese = true;
                        r.canaux = vi.channels;
                        r.frequence = vi.rate;
                    }
                    continue;
                }
                if (vorbis_synthesis(&vb, &op) == 0) vorbis_synthesis_blockin(&vd, &vb);
                float** pcm;
                int k;
                while ((k = vorbis_synthesis_pcmout(&vd, &pcm)) > 0) {
                    for (int i = 0; i < k; ++i, ++r.images) {
                        for (int c = 0; c < vi.channels; ++c) {
                            double v = pcm[c][i];
                            r.crete = std::max(r.crete, std::fabs(v));
                            r.somme2 += v * v;
                            if (r.images < size_t(r.frequence)) debut2 += v * v;
                        }
                        float g = pcm[0][i];
                        size_t seconde = r.images / size_t(std::max(1L, r.frequence));
                        if (r.passages.size() <= seconde) r.passages.push_back(0), r.energie.push_back(0);
                        for (int c = 0; c < vi.channels; ++c) r.energie[seconde] += double(pcm[c][i]) * pcm[c][i];
                        if (vi.channels == 2) r.somme_difference2 += double(pcm[0][i] - pcm[1][i]) * (pcm[0][i] - pcm[1][i]);
                        if ((g >= 0) != (precedent >= 0)) r.passages[seconde]++;
                        precedent = g;
                        r.fin.push_back(g);
                    }
                    if (r.fin.size() > 4 * garde) r.fin.erase(r.fin.begin(), r.fin.end() - long(garde));
                    vorbis_synthesis_read(&vd, k);
                }
            }
        }
    }
    std::fclose(f);
    if (r.fin.size() > garde) r.fin.erase(r.fin.begin(), r.fin.end() - long(garde));
    r.efficace_debut = std::sqrt(debut2 / (2.0 * std::max(1L, r.frequence)));
    if (entetes < 3 && r.erreur.empty()) r.erreur = "no Vorbis headers";
    if (synthese) {
        vorbis_block_clear(&vb);
        vorbis_dsp_clear(&vd);
    }
    if (flux) ogg_stream_clear(&os);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    ogg_sync_clear(&oy);
    return r;
}

double efficace(const std::vector<float>& v) {
    double s = 0;
    for (float x : v) s += double(x) * x;
    return v.empty() ? 0 : std::sqrt(s / double(v.size()));
}

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
        EXPECT_GT(crete, 16384) << "mixed too quietly to be heard over the music";
        EXPECT_GT(efficace, 32768 * 0.03) << "mostly silent";
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

TEST(MusiquesGenerees, ChaqueMorceauEstUnVorbisStereo44100DeLaBonneDuree) {
    for (const SonAttendu& m : MUSIQUES) {
        SCOPED_TRACE(m.fichier);
        Ogg o = decoder_ogg(std::string("Sound/") + m.fichier);
        ASSERT_EQ(o.erreur, "");
        EXPECT_EQ(o.canaux, 2);
        EXPECT_EQ(o.frequence, 44100);
        double duree = double(o.images) / 44100.0;
        EXPECT_GE(duree, m.duree_min);
        EXPECT_LE(duree, m.duree_max);
        EXPECT_LT(o.crete, 1.0) << "clips when decoded";
        EXPECT_GT(o.efficace(), 0.05) << "too quiet";
        // A tune, not a held tone: the brightness (zero crossings) changes from second to second.
        ASSERT_GT(o.passages.size(), 10u);
        auto [mn, mx] = std::minmax_element(o.passages.begin() + 1, o.passages.end() - 1);
        EXPECT_GT(*mx - *mn, 200) << "the same sound all along";
    }
}

TEST(MusiquesGenerees, ChaqueMorceauADesSectionsEtDeLaStereo) {
    for (const SonAttendu& m : MUSIQUES) {
        SCOPED_TRACE(m.fichier);
        Ogg o = decoder_ogg(std::string("Sound/") + m.fichier);
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

TEST(MusiquesGenerees, LesMusiquesDeNiveauJouentJusquAuBoss) {
    // Each level track plays once: it must still sound, not fade or stop, when the boss comes
    // (level 1: the alarm at 134 s, the boss music from 137 s; level 2: the boss at 122 s).
    struct Attente { const char* fichier; size_t jusqua; };
    for (const Attente& a : {Attente{"SteelOfDestiny.ogg", 137}, Attente{"Sho.ogg", 122}}) {
        SCOPED_TRACE(a.fichier);
        Ogg o = decoder_ogg(std::string("Sound/") + a.fichier);
        ASSERT_EQ(o.erreur, "");
        ASSERT_GT(o.energie.size(), a.jusqua);
        for (size_t s = 0; s < a.jusqua; ++s)
            EXPECT_GT(std::sqrt(o.energie[s] / (2 * 44100.0)), 0.03) << "quiet at " << s << " s";
    }
}

TEST(MusiquesGenerees, LaMusiqueDuBossRepartSansTrou) {
    // The level restarts it as soon as it ends: it must start at once and end without a cut-off note.
    Ogg o = decoder_ogg("Sound/Boss.ogg");
    ASSERT_EQ(o.erreur, "");
    EXPECT_GT(o.efficace_debut, 0.05) << "silent start";
    ASSERT_GE(o.fin.size(), 441u);
    std::vector<float> derniers(o.fin.end() - 441, o.fin.end());  // last 10 ms
    EXPECT_LT(efficace(derniers), 0.01) << "ends on a click";
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
    for (const SonAttendu& m : MUSIQUES) {
        SCOPED_TRACE(m.fichier);
        Mix_Music* mu = Mix_LoadMUS((std::string("Sound/") + m.fichier).c_str());
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
    std::vector<const SonAttendu*> tous;
    for (const SonAttendu& e : EFFETS) tous.push_back(&e);
    for (const SonAttendu& m : MUSIQUES) tous.push_back(&m);
    for (const SonAttendu* s : tous) {
        SCOPED_TRACE(s->fichier);
        std::vector<uint8_t> x = lire_fichier(std::string("Sound/") + s->fichier), y = lire_fichier(racine + "/Sound/" + s->fichier);
        EXPECT_FALSE(y.empty());
        EXPECT_TRUE(x == y) << "differs between two runs";
    }
    EXPECT_EQ(std::system(("rm -rf \"" + racine + "\"").c_str()), 0);
}

}  // namespace
