// How the sound pack sounds together, as the game plays it. Musics sit at the loudness players
// expect (about -16 LUFS, true peaks under -1 dBTP); SDL_mixer adds the music and then each of
// its channels in turn at the platform's mixing volume, every add saturating at 16 bits, and
// the platform's limiter brings the sum back up: held fire must sit under the music,
// explosions and bonus calls over it, and the loudest moment the game can play at once must
// saturate no add and leave the limiter under full scale. Every effect starts and ends in silence; every
// music lasts as long as the scene that plays it (durees_musiques.h, which the simulator's
// scenes are checked against) and joins the next, or itself, without a gap or a jump. Runs in
// the generated run directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "../tools/assetgen/durees_musiques.h"
#include "../tools/assetgen/sonie.h"
#include "outils_audio.h"
#include "outils_sdl.h"
#include "platform/audio.h"

namespace {

const int FS = 44100;
// A held fire key fires every 8th frame of 13 ms and the weapon sound plays on every second
// volley, on channel 0, cutting the one before.
const size_t CADENCE_FEU = size_t(0.208 * FS + 0.5);
const char* const ARMES[] = {"Hero_Tir1.wav", "Hero_Tir2.wav", "Hero_Tir31.wav", "Hero_Tir41.wav"};
const char* const MUSIQUES_NIVEAU[] = {"SteelOfDestiny.ogg", "Boss.ogg", "Sho.ogg"};

using Echantillons = std::vector<int16_t>;  // interleaved stereo

Echantillons effet(const std::string& nom) {
    Wav w = lire_wav(lire_fichier("Sound/" + nom));
    EXPECT_EQ(w.erreur, "") << nom;
    return w.echantillons;
}
Echantillons musique(const std::string& nom) {
    Ogg o = decoder_ogg("Sound/" + nom, true);
    EXPECT_EQ(o.erreur, "") << nom;
    return o.echantillons;
}

double db(double x) { return 20 * std::log10(std::max(x, 1e-12)); }
// RMS in dBFS of the frames [debut, fin) of both channels.
double efficace_db(const Echantillons& s, size_t debut = 0, size_t fin = size_t(-1)) {
    fin = std::min(fin, s.size() / 2);
    double somme = 0;
    for (size_t i = 2 * debut; i < 2 * fin; ++i) somme += double(s[i]) * s[i];
    return fin > debut ? db(std::sqrt(somme / double(2 * (fin - debut))) / 32768.0) : -240;
}
// RMS in dBFS of the loudest window of `images` frames, hopping by a quarter window.
double efficace_max_db(const Echantillons& s, size_t images) {
    double meilleur = -240;
    for (size_t d = 0; d == 0 || d + images <= s.size() / 2; d += std::max<size_t>(1, images / 4))
        meilleur = std::max(meilleur, efficace_db(s, d, d + images));
    return meilleur;
}
int crete(const Echantillons& s) {
    int c = 0;
    for (int16_t v : s) c = std::max(c, std::abs(int(v)));
    return c;
}
// Loudness (BS.1770) of 16-bit stereo samples: integrated, loudest 400 ms, true peak.
struct Sonie {
    double integree, momentanee_max, crete_vraie;
};
Sonie sonie(const Echantillons& s) {
    std::vector<float> g(s.size() / 2), d(s.size() / 2);
    for (size_t i = 0; i < g.size(); ++i) g[i] = s[2 * i] / 32768.0f, d[i] = s[2 * i + 1] / 32768.0f;
    return {ag::sonie_integree(g.data(), d.data(), g.size(), FS), ag::sonie_momentanee_max(g.data(), d.data(), g.size(), FS),
            ag::crete_vraie_db(g.data(), d.data(), g.size())};
}

// `images` frames of fire held from frame `phase` on: the weapon sound restarted every 208 ms.
Echantillons feu_tenu(const Echantillons& arme, size_t images, size_t phase) {
    Echantillons f(2 * images, 0);
    for (size_t d = phase % CADENCE_FEU; d < images; d += CADENCE_FEU)
        for (size_t i = 0; i < std::min(CADENCE_FEU, arme.size() / 2) && d + i < images; ++i) {
            f[2 * (d + i)] = arme[2 * i];
            f[2 * (d + i) + 1] = arme[2 * i + 1];
        }
    return f;
}

TEST(Mixage, EveryMusicSitsNearMinus16LufsWithItsTruePeaksUnderMinus1dBTP) {
    for (const ag::BesoinMusique& b : ag::BESOINS_MUSIQUES) {
        SCOPED_TRACE(b.fichier);
        Sonie s = sonie(musique(b.fichier));
        EXPECT_NEAR(s.integree, -16.0, 1.0);
        EXPECT_LE(s.crete_vraie, -1.0);
        RecordProperty(std::string(b.fichier) + "_lufs", std::to_string(s.integree));
    }
}

TEST(Mixage, HeldFireSitsUnderEachLevelMusicWhileBlastsAndCallsRiseOverIt) {
    for (const char* m : MUSIQUES_NIVEAU) {
        SCOPED_TRACE(m);
        double fond = sonie(musique(m)).integree;
        for (const char* a : ARMES)
            EXPECT_LE(sonie(feu_tenu(effet(a), 10 * FS, 0)).integree, fond - 6) << a << " held, against the music's " << fond;
        for (const char* e : {"explosion1.wav", "explosion2.wav"})
            EXPECT_GE(sonie(effet(e)).momentanee_max, fond + 1) << e << "'s loudest 400 ms, against the music's " << fond;
        for (const char* e : {"Voice1.wav", "Voice2.wav", "Voice3.wav", "Voice4.wav"})
            EXPECT_GE(sonie(effet(e)).momentanee_max, fond + 3) << e << "'s loudest 400 ms, against the music's " << fond;
    }
}

// One moment of the game: the music, then channel by channel what can sound at once, each
// started in the same frame `depart` (channel 0 restarting its weapon every 208 ms from it).
struct Moment {
    const Echantillons* musique;
    size_t depart;
    std::vector<const Echantillons*> canaux;  // 0, 1, 2, 3, 5, 6 and, over the level 1 music at the alarm, 7
};
// The moment's seconds as the game hears them: SDL_mixer's adds, each source first scaled to
// the mixing volume as SDL_MixAudio does, then the platform's limiter. `pire_addition` gets
// the loudest partial sum of the adds (in sample units), `pire_sortie` the loudest output.
void jouer_moment(const Moment& m, int& pire_addition, int& pire_sortie) {
    size_t n = m.musique->size() / 2, debut = m.depart > size_t(FS) ? m.depart - FS : 0, fin = std::min(n, m.depart + 3 * FS);
    auto volume = [](int v) { return v * VOLUME_MIXAGE / MIX_MAX_VOLUME; };
    Echantillons sortie(2 * (fin - debut));
    for (size_t i = debut; i < fin; ++i)
        for (int c = 0; c < 2; ++c) {
            int somme = volume((*m.musique)[2 * i + size_t(c)]);
            for (size_t k = 0; k < m.canaux.size(); ++k) {
                const Echantillons& s = *m.canaux[k];
                size_t j;
                if (k == 0) j = (i + 10 * CADENCE_FEU - m.depart) % CADENCE_FEU;  // held since before the window
                else if (i >= m.depart) j = i - m.depart;
                else continue;
                if (2 * j + 1 < s.size()) somme += volume(s[2 * j + size_t(c)]);
                pire_addition = std::max(pire_addition, std::abs(somme));
            }
            sortie[2 * (i - debut) + size_t(c)] = int16_t(std::clamp(somme, -32768, 32767));
        }
    Limiteur l = {1.0f};
    limiter_sortie(&l, sortie.data(), int(fin - debut));
    pire_sortie = std::max(pire_sortie, crete(sortie));
}

TEST(Mixage, TheLoudestMomentTheGameCanPlaySaturatesNoAddAndTheLimiterKeepsItUnderFullScale) {
    // Held fire, the weapon-change blip, the ship hit, an enemy step, an enemy destroyed and a
    // bonus call, all in one frame at the music's loudest moments; over the level 1 music, at
    // the alarm too. The loudest step sound and call stand for their kind.
    auto le_plus_fort = [](std::vector<const char*> noms) {
        Echantillons meilleur;
        for (const char* n : noms)
            if (Echantillons e = effet(n); crete(e) > crete(meilleur)) meilleur = e;
        return meilleur;
    };
    const Echantillons curseur = effet("Curseur.wav"), touche = effet("explosion1.wav"), ennemi = effet("explosion2.wav"),
                       alarme = effet("Emergency.wav"), pas = le_plus_fort({"Shot1.wav", "Shot2.wav", "Shot3.wav", "Shot4.wav"}),
                       appel = le_plus_fort({"Voice1.wav", "Voice2.wav", "Voice3.wav", "Voice4.wav"});
    int pire = 0, pire_sortie = 0;
    for (const char* nom : MUSIQUES_NIVEAU) {
        SCOPED_TRACE(nom);
        const Echantillons m = musique(nom);
        size_t n = m.size() / 2;
        // The loudest sample of each second, the twenty loudest seconds; at the alarm, of each quarter second.
        struct Pic { int niveau; size_t image; bool alarme; };
        std::vector<Pic> pics;
        auto pics_de = [&](size_t debut, size_t fin, size_t pas_images, bool avec_alarme) {
            for (size_t d = debut; d + pas_images <= fin; d += pas_images) {
                Pic p{0, d, avec_alarme};
                for (size_t i = d; i < d + pas_images; ++i)
                    for (int c = 0; c < 2; ++c)
                        if (std::abs(int(m[2 * i + size_t(c)])) > p.niveau) p = {std::abs(int(m[2 * i + size_t(c)])), i, avec_alarme};
                pics.push_back(p);
            }
        };
        pics_de(0, n, FS, false);
        std::sort(pics.begin(), pics.end(), [](const Pic& a, const Pic& b) { return a.niveau > b.niveau; });
        pics.resize(std::min<size_t>(20, pics.size()));
        size_t alarme_debut = size_t(ag::ALARME_NIVEAU_1 * FS);
        if (std::string(nom) == "SteelOfDestiny.ogg" && alarme_debut + alarme.size() / 2 <= n)
            pics_de(alarme_debut, alarme_debut + alarme.size() / 2, FS / 4, true);
        for (const Pic& p : pics)
            for (size_t avance : {size_t(0), size_t(FS / 100)})
                for (const char* a : ARMES) {
                    Echantillons feu = effet(a);
                    feu.resize(std::min(feu.size(), 2 * CADENCE_FEU));
                    size_t depart = p.image > avance ? p.image - avance : 0;
                    if (p.alarme) depart = std::max(depart, alarme_debut);
                    Moment mo{&m, depart, {&feu, &curseur, &touche, &pas, &ennemi, &appel}};
                    Echantillons alarme_decalee;
                    if (p.alarme) {
                        // The alarm started at 134 s; the others join it in this frame.
                        size_t deja = mo.depart - alarme_debut;
                        alarme_decalee.assign(alarme.begin() + long(std::min(alarme.size(), 2 * deja)), alarme.end());
                        mo.canaux.push_back(&alarme_decalee);
                    }
                    int s = 0, sortie = 0;
                    jouer_moment(mo, s, sortie);
                    pire = std::max(pire, s);
                    pire_sortie = std::max(pire_sortie, sortie);
                    EXPECT_LE(s, 32767) << a << " at " << double(mo.depart) / FS << " s: an add saturated";
                    EXPECT_LE(sortie, int(LIMITEUR_PLAFOND * 32768) + 1) << a << " at " << double(mo.depart) / FS << " s";
                }
    }
    // The sum before the limiter, as it would be at full volume, and what the player hears.
    double avant = db(pire / 32768.0 * MIX_MAX_VOLUME / VOLUME_MIXAGE);
    RecordProperty("loudest_sum_dbfs", std::to_string(avant));
    RecordProperty("loudest_output_dbfs", std::to_string(db(pire_sortie / 32768.0)));
    EXPECT_GT(avant, -1.0) << "the moments tried are not ones the limiter has to bend";
}

// The limiter alone: a sound under its threshold comes out as it went in (the mixing volume's
// rounding aside), a blast far over full scale comes out under the ceiling, and once the blast
// is over the gain comes back.
TEST(Mixage, TheLimiterLeavesQuietSoundAloneAndBendsOnlyWhatWouldClip) {
    const double pi = 3.14159265358979323846;
    auto sinus = [&](double amplitude, size_t images) {
        Echantillons s(2 * images);
        for (size_t i = 0; i < images; ++i)
            s[2 * i] = s[2 * i + 1] = int16_t(std::lround(amplitude * 32768 * VOLUME_MIXAGE / MIX_MAX_VOLUME * std::sin(2 * pi * 441 * double(i) / FS)));
        return s;
    };
    Limiteur l = {1.0f};
    Echantillons calme = sinus(0.69, FS / 2), sortie = calme;  // -3.2 dBFS once gained back
    limiter_sortie(&l, sortie.data(), int(FS / 2));
    int ecart = 0;
    for (size_t i = 0; i < calme.size(); ++i) ecart = std::max(ecart, std::abs(sortie[i] - calme[i] * MIX_MAX_VOLUME / VOLUME_MIXAGE));
    EXPECT_LE(ecart, 3) << "a sound under the threshold was changed";
    EXPECT_EQ(l.gain, 1.0f);
    Echantillons fort = sinus(2.6, FS / 10);  // the largest a 16-bit sum at the mixing volume can bring back
    limiter_sortie(&l, fort.data(), int(FS / 10));
    EXPECT_LE(crete(fort), int(LIMITEUR_PLAFOND * 32768) + 1);  // the ceiling, to the rounding of the last bit
    EXPECT_GT(crete(fort), int(0.9 * 32768)) << "a blast squashed far below the ceiling";
    Echantillons apres = sinus(0.5, FS / 2);
    limiter_sortie(&l, apres.data(), int(FS / 2));
    EXPECT_NEAR(efficace_db(apres, FS / 4, FS / 2), db(0.5 / std::sqrt(2.0)), 0.1) << "the gain does not come back";
}

TEST(Mixage, EveryEffectRisesOutOfSilenceAndDiesAwayWithoutAFlattenedPeak) {
    const char* const effets[] = {"Hero_Tir1.wav", "Hero_Tir2.wav", "Hero_Tir31.wav", "Hero_Tir41.wav", "Curseur.wav",
                                  "Emergency.wav", "Cold1.wav",     "Cold4.wav",      "explosion1.wav", "explosion2.wav",
                                  "explosion3.wav", "Shot1.wav",    "Shot2.wav",      "Shot3.wav",      "Shot4.wav",
                                  "Voice1.wav",    "Voice2.wav",    "Voice3.wav",     "Voice4.wav"};
    for (const char* nom : effets) {
        SCOPED_TRACE(nom);
        Echantillons s = effet(nom);
        size_t n = s.size() / 2;
        ASSERT_GT(n, size_t(FS / 50));
        int pic = crete(s);
        double fort = efficace_max_db(s, FS / 100);  // loudest 10 ms
        auto trame = [&](size_t i) { return std::max(std::abs(int(s[2 * i])), std::abs(int(s[2 * i + 1]))); };
        // Silent first and last samples, and a rise of a millisecond or more, not a step.
        EXPECT_LE(trame(0), pic / 300);
        EXPECT_LE(trame(n - 1), pic / 300);
        EXPECT_LE(efficace_db(s, 0, 9), fort - 20) << "starts with a step";
        // Where it falls below -50 dB of its peak for good, it has been dying away: its 5 ms
        // before are far under its loudest, not a sound stopped dead.
        size_t fin = n - 1;
        while (fin > 0 && trame(fin) <= pic / 300) --fin;
        EXPECT_LE(efficace_db(s, fin > 220 ? fin - 220 : 0, fin), fort - 30) << "stops dead at " << double(fin) / FS << " s";
        // No peak held at a ceiling: a limited sound has runs of samples at its peak.
        for (int c = 0; c < 2; ++c) {
            int au_pic = 0;
            for (size_t i = 0; i < n; ++i) au_pic += std::abs(int(s[2 * i + size_t(c)])) >= pic - 1;
            EXPECT_LE(au_pic, 3) << "samples at the peak, channel " << c;
        }
    }
}

// RMS in dBFS of each whole second of the music.
std::vector<double> secondes_db(const Echantillons& m) {
    std::vector<double> v;
    for (size_t s = 0; (s + 1) * FS <= m.size() / 2; ++s) v.push_back(efficace_db(m, s * FS, (s + 1) * FS));
    return v;
}

TEST(Mixage, EachMusicLastsItsSceneAndJoinsWhatFollowsWithoutAGapOrAJump) {
    for (const ag::BesoinMusique& b : ag::BESOINS_MUSIQUES) {
        SCOPED_TRACE(std::string(b.fichier) + ", " + b.scene);
        const Echantillons m = musique(b.fichier);
        const size_t n = m.size() / 2;
        ASSERT_GT(n, size_t(10 * FS));
        const double duree = double(n) / FS;
        const int pic = crete(m);
        auto trame = [&](size_t i) { return std::max(std::abs(int(m[2 * i])), std::abs(int(m[2 * i + 1]))); };
        // Sounding all through the part of the scene it has to fill.
        double jusqua = b.fin == ag::FinMusique::Fondue ? b.moment + b.fondu : b.fin == ag::FinMusique::Relayee ? b.moment - 1.5 : duree;
        std::vector<double> s = secondes_db(m);
        for (size_t k = 0; k < s.size() && double(k + 1) <= jusqua; ++k) EXPECT_GT(s[k], -45) << "silent at " << k << " s";
        switch (b.fin) {
            case ag::FinMusique::Fondue:
                EXPECT_GE(duree, b.moment + b.fondu) << "ends before the scene fades it";
                break;
            case ag::FinMusique::Relayee:
                // Over by itself just before the next music or the scene's end, with nothing cut.
                EXPECT_LE(duree, b.moment) << "still playing when it is replaced";
                EXPECT_GE(duree, b.moment - 0.5) << "a long silence before what follows";
                EXPECT_LE(efficace_db(m, n - FS / 100, n), db(pic / 32768.0) - 50) << "ends on a cut";
                break;
            case ag::FinMusique::Relancee: {
                // Full level into its last and out of its first second, both edges at rest within
                // 5 ms, so the level's restart is the music going on.
                double tout = efficace_db(m);
                EXPECT_GT(efficace_db(m, n - FS, n), tout - 3) << "fades before it starts again";
                EXPECT_GT(efficace_db(m, 0, FS), tout - 3) << "starts softly";
                EXPECT_LE(trame(0), pic / 100);
                EXPECT_LE(trame(n - 1), pic / 100);
                EXPECT_GT(efficace_db(m, n - FS / 100, n), tout - 12) << "a gap before the restart";
                EXPECT_GT(efficace_db(m, 0, FS / 100), tout - 12) << "a gap after the restart";
                break;
            }
        }
    }
}

// The times of the table, as the simulator plays the scenes.
TEST(Mixage, TheSceneLengthsTableIsWhatTheScenesPlay) {
    auto temps = [](const RunSimulateur& r, const std::string& ev, const std::string& cle, long valeur) {
        for (const std::string& l : evenements(r, ev))
            if (cle.empty() || valeur_entiere(l, cle) == valeur) return double(valeur_entiere(l, "t")) / 1000.0;
        ADD_FAILURE() << "no " << ev << " " << cle << " " << valeur;
        return 0.0;
    };
    auto besoin = [](const char* f) {
        for (const ag::BesoinMusique& b : ag::BESOINS_MUSIQUES)
            if (std::string(f) == b.fichier) return b.moment;
        return -1.0;
    };
    // The stories start their first music just before shot 1, the interlude its second one just
    // before shot 12; the old man's picture follows shot 11 after one flip.
    RunSimulateur intro = lancer_simulateur("--scene intro");
    ASSERT_EQ(intro.statut, 0) << intro.sortie;
    EXPECT_NEAR(besoin("Intro.ogg"), temps(intro, "plan", "plan", 17) - temps(intro, "plan", "plan", 1), 0.002);
    EXPECT_NEAR(besoin("Sad.ogg"), temps(intro, "fin_scene", "", 0) - temps(intro, "plan", "plan", 17), 0.002);
    RunSimulateur inter = lancer_simulateur("--scene interlude");
    ASSERT_EQ(inter.statut, 0) << inter.sortie;
    EXPECT_NEAR(besoin("Mort.ogg"), temps(inter, "fin_plan", "plan", 11) + 0.001 - temps(inter, "plan", "plan", 1), 0.002);
    EXPECT_NEAR(besoin("Bye.ogg"), temps(inter, "fin_plan", "plan", 40) - temps(inter, "plan", "plan", 12), 0.002);
    // Level 2 lasts longest when its last boss is never hit: it leaves, and the check counts it
    // as fallen. The music starts with the level clock.
    RunSimulateur n2 = lancer_simulateur("--scene niveau2 --invincible --temps-max 400000");
    ASSERT_EQ(n2.statut, 0) << n2.sortie;
    std::vector<std::string> boss = evenements(n2, "boss_vaincu");
    ASSERT_EQ(boss.size(), 1u);
    EXPECT_NEAR(besoin("Sho.ogg"), valeur_entiere(boss[0], "niveau_t") / 1000.0, 0.002);
}

}  // namespace
