// The sound cues in the trace: the music clock used without an audio device, in-process; then
// whole scenes in the simulator: the level 1 alarm, the boss music restarted until the boss
// falls, every second volley on channel 0, and where each story starts, fades and releases its
// musics.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/verification.h"
#include "outils_sdl.h"
#include "platform/audio.h"
#include "platform/plateforme.h"
#include "platform/trace.h"

namespace {

std::vector<std::string> g_lignes;
void noter(const char*, const char* ligne, void*) { g_lignes.push_back(ligne); }

long nombre(const std::string& l, const char* cle) { return valeur_entiere(l, cle); }
std::string texte(const std::string& l, const char* cle) { return valeur_texte(l, cle); }

// Lines of `ev` whose "action" (musique) is `action`, or all of them when `action` is empty.
std::vector<std::string> filtrer(const std::vector<std::string>& v, const std::string& ev, const std::string& action = "") {
    std::vector<std::string> r;
    for (const std::string& l : v)
        if (l.find("\"ev\":\"" + ev + "\"") != std::string::npos && (action.empty() || texte(l, "action") == action))
            r.push_back(l);
    return r;
}

bool pack_present() { return access(MIRAGE_RUN_DIR "/Sound/Boss.ogg", R_OK) == 0; }

}  // namespace

TEST(SonsTrace, WithoutADeviceTheMusicClockEndsAMusicAtItsLengthOrItsFade) {
    plateforme_simuler(1);
    g_lignes.clear();
    trace_observer(noter, nullptr);
    Mix_Music* m = creer_musique_muette();
    nommer_musique(m, "Sound/Essai.ogg", 1000);
    Mix_Chunk* s = creer_son_muet();
    nommer_son(s, "Sound/Essai.wav");

    EXPECT_EQ(musique_en_cours(), 0);
    fondre_musique(500);  // nothing plays: nothing to name
    jouer_musique(m, 0);
    plateforme_attendre(999);
    EXPECT_EQ(musique_en_cours(), 1);
    plateforme_attendre(1);
    EXPECT_EQ(musique_en_cours(), 0) << "played once, 1000 ms";
    jouer_musique(m, 2);
    plateforme_attendre(2999);
    EXPECT_EQ(musique_en_cours(), 1) << "three plays";
    jouer_musique(m, 0);  // replaces it and starts again
    plateforme_attendre(200);
    fondre_musique(300);
    fondre_musique(10);  // a fade already runs: SDL_mixer ignores this one
    plateforme_attendre(299);
    EXPECT_EQ(musique_en_cours(), 1);
    plateforme_attendre(1);
    EXPECT_EQ(musique_en_cours(), 0) << "ends with its fade";
    jouer_musique(m, -1);
    plateforme_attendre(1000000);
    EXPECT_EQ(musique_en_cours(), 1) << "loops for ever";
    jouer_son(3, s);
    jouer_son(3, nullptr);  // no sound: nothing played, nothing written
    liberer_musique(m);
    EXPECT_EQ(musique_en_cours(), 0) << "released: stopped";
    liberer_son(s);
    trace_observer(nullptr, nullptr);

    std::vector<std::string> attendu = {
        "{\"ev\":\"musique\",\"t\":0,\"action\":\"fade\",\"fichier\":null,\"ms\":500}",
        "{\"ev\":\"musique\",\"t\":0,\"action\":\"play\",\"fichier\":\"Sound/Essai.ogg\",\"boucles\":0}",
        "{\"ev\":\"musique\",\"t\":1000,\"action\":\"play\",\"fichier\":\"Sound/Essai.ogg\",\"boucles\":2}",
        "{\"ev\":\"musique\",\"t\":3999,\"action\":\"play\",\"fichier\":\"Sound/Essai.ogg\",\"boucles\":0}",
        "{\"ev\":\"musique\",\"t\":4199,\"action\":\"fade\",\"fichier\":\"Sound/Essai.ogg\",\"ms\":300}",
        "{\"ev\":\"musique\",\"t\":4199,\"action\":\"fade\",\"fichier\":\"Sound/Essai.ogg\",\"ms\":10}",
        "{\"ev\":\"musique\",\"t\":4499,\"action\":\"play\",\"fichier\":\"Sound/Essai.ogg\",\"boucles\":-1}",
        "{\"ev\":\"son\",\"t\":1004499,\"fichier\":\"Sound/Essai.wav\",\"canal\":3}",
        "{\"ev\":\"musique\",\"t\":1004499,\"action\":\"free\",\"fichier\":\"Sound/Essai.ogg\"}",
    };
    EXPECT_EQ(g_lignes, attendu);
}

TEST(SonsTrace, AMusicsLengthIsItsSampleCountOverItsRate) {
    // 200 blocks of 1024 samples at 44100 Hz.
    std::vector<uint8_t> ogg = ogg_vorbis_encode(200, 0.3f);
    char modele[] = "/tmp/mirage_duree_XXXXXX";
    std::string dossier = mkdtemp(modele);
    std::string chemin = dossier + "/m.ogg";
    std::ofstream(chemin, std::ios::binary).write((const char*)ogg.data(), std::streamsize(ogg.size()));
    EXPECT_EQ(duree_ogg_ms(chemin.c_str()), 200u * 1024u * 1000u / 44100u);
    EXPECT_EQ(duree_ogg_ms((dossier + "/absent.ogg").c_str()), 0u);
    unlink(chemin.c_str());
    rmdir(dossier.c_str());
}

TEST(SonsTrace, Level1AlarmBossMusicUntilTheBossFallsAndEverySecondVolleySounds) {
    if (!pack_present()) GTEST_SKIP() << "the sound pack is not generated";
    // Invincible, firing from the start with weapon 0 only (an invincible ship picks up no
    // bonus): the boss takes minutes to fall, long enough for its music to restart.
    RunSimulateur r = lancer_simulateur("--scene niveau1 --invincible --temps-max 500000", "0 g down\n");
    ASSERT_EQ(r.statut, 0) << r.sortie;
    const std::vector<std::string> arrivees = evenements(r, "arrivee");
    ASSERT_FALSE(arrivees.empty());
    const long debut = nombre(arrivees[0], "t") - nombre(arrivees[0], "niveau_t");

    std::vector<std::string> alarmes;
    for (const std::string& l : evenements(r, "son"))
        if (texte(l, "fichier") == "Sound/Emergency.wav") alarmes.push_back(l);
    ASSERT_EQ(alarmes.size(), 1u);
    EXPECT_EQ(nombre(alarmes[0], "canal"), 7);
    EXPECT_GE(nombre(alarmes[0], "t") - debut, 134000);
    EXPECT_LT(nombre(alarmes[0], "t") - debut, 134000 + 13);

    const std::vector<std::string> jeux = filtrer(r.trace, "musique", "play");
    const std::string boss = evenements(r, "boss_vaincu").at(0);
    const long chute = nombre(boss, "t");
    ASSERT_GE(jeux.size(), 3u);
    EXPECT_EQ(texte(jeux[0], "fichier"), "Sound/SteelOfDestiny.ogg");
    EXPECT_EQ(nombre(jeux[0], "t"), debut);
    // The boss music from the first frame after the warning, then again each time it ends.
    const long duree = long(duree_ogg_ms(MIRAGE_RUN_DIR "/Sound/Boss.ogg"));
    ASSERT_GT(duree, 0);
    ASSERT_GT(chute - debut, 137000 + 2 * duree) << "the boss fell too early to hear its music again";
    EXPECT_GT(nombre(jeux[1], "t") - debut, 137000);
    EXPECT_LE(nombre(jeux[1], "t") - debut, 137000 + 13);
    for (size_t i = 1; i < jeux.size(); ++i) {
        SCOPED_TRACE(jeux[i]);
        EXPECT_EQ(texte(jeux[i], "fichier"), "Sound/Boss.ogg");
        EXPECT_EQ(nombre(jeux[i], "boucles"), 0);
        EXPECT_LT(nombre(jeux[i], "t"), chute);
        if (i > 1) {
            // Restarted in the first frame that finds it over.
            long ecart = nombre(jeux[i], "t") - nombre(jeux[i - 1], "t");
            EXPECT_GE(ecart, duree);
            EXPECT_LT(ecart, duree + 13);
        }
    }
    EXPECT_GE(nombre(jeux.back(), "t") + duree, chute) << "it was still playing when the boss fell";
    const std::vector<std::string> fondus = filtrer(r.trace, "musique", "fade");
    ASSERT_EQ(fondus.size(), 1u);
    EXPECT_EQ(nombre(fondus[0], "t"), chute);
    EXPECT_EQ(texte(fondus[0], "fichier"), "Sound/Boss.ogg");
    EXPECT_EQ(nombre(fondus[0], "ms"), 1000);
    EXPECT_EQ(filtrer(r.trace, "musique", "free").size(), 2u);

    // Fire held throughout: volleys 1, 3, 5... sound, each on channel 0 in its own frame.
    std::vector<long> volees, tirs;
    for (const std::string& l : evenements(r, "volee")) volees.push_back(nombre(l, "t"));
    for (const std::string& l : evenements(r, "son"))
        if (nombre(l, "canal") == 0) {
            EXPECT_EQ(texte(l, "fichier"), "Sound/Hero_Tir1.wav");
            tirs.push_back(nombre(l, "t"));
        }
    ASSERT_GT(volees.size(), 1000u);
    std::vector<long> impaires;
    for (size_t i = 0; i < volees.size(); i += 2) impaires.push_back(volees[i]);
    EXPECT_EQ(tirs, impaires);
}

TEST(SonsTrace, EachStoryStartsFadesAndReleasesItsMusicsWhereItShould) {
    if (!pack_present()) GTEST_SKIP() << "the sound pack is not generated";
    auto plan = [](const RunSimulateur& r, const char* ev, int numero) {
        for (const std::string& l : evenements(r, ev))
            if (nombre(l, "plan") == numero) return nombre(l, "t");
        return -1L;
    };
    auto resume = [](const RunSimulateur& r) {
        std::vector<std::string> v;
        for (const std::string& l : filtrer(r.trace, "musique"))
            v.push_back(std::to_string(nombre(l, "t")) + " " + texte(l, "action") + " " + texte(l, "fichier"));
        return v;
    };
    {
        // The intro: its first music with the first shot, the second with shot 17, both
        // released when it ends (the second has ended by then: no fade).
        RunSimulateur r = lancer_simulateur("--scene intro --temps-max 400000");
        ASSERT_EQ(r.statut, 0) << r.sortie;
        long fin = nombre(evenements(r, "fin_scene").at(0), "t");
        std::vector<std::string> attendu = {
            std::to_string(plan(r, "plan", 1)) + " play Sound/Intro.ogg",
            std::to_string(plan(r, "plan", 17)) + " play Sound/Sad.ogg",
            std::to_string(fin) + " free Sound/Intro.ogg",
            std::to_string(fin) + " free Sound/Sad.ogg",
        };
        EXPECT_EQ(resume(r), attendu);
        EXPECT_EQ(nombre(filtrer(r.trace, "musique", "play")[0], "boucles"), 0);
    }
    {
        // Skipped in shot 3: a one-second fade, then the release half a second later.
        RunSimulateur r = lancer_simulateur("--scene intro --temps-max 400000", "9000 ESCAPE down\n9050 ESCAPE up\n");
        ASSERT_EQ(r.statut, 0) << r.sortie;
        long saut = nombre(evenements(r, "saut").at(0), "t");
        std::vector<std::string> attendu = {
            std::to_string(plan(r, "plan", 1)) + " play Sound/Intro.ogg",
            std::to_string(saut) + " fade Sound/Intro.ogg",
            std::to_string(saut + 500) + " free Sound/Intro.ogg",
            std::to_string(saut + 500) + " free Sound/Sad.ogg",
        };
        EXPECT_EQ(resume(r), attendu);
        EXPECT_EQ(nombre(filtrer(r.trace, "musique", "fade")[0], "ms"), 1000);
    }
    {
        // The interlude: the first music fades over 500 ms once the picture after shot 11 is
        // shown (one flip, 1 ms), the second starts with shot 12 and fades over a second after
        // the last shot.
        RunSimulateur r = lancer_simulateur("--scene interlude --temps-max 400000");
        ASSERT_EQ(r.statut, 0) << r.sortie;
        long fin = nombre(evenements(r, "fin_scene").at(0), "t");
        long fin_40 = plan(r, "fin_plan", 40);
        std::vector<std::string> attendu = {
            std::to_string(plan(r, "plan", 1)) + " play Sound/Mort.ogg",
            std::to_string(plan(r, "fin_plan", 11) + 1) + " fade Sound/Mort.ogg",
            std::to_string(plan(r, "plan", 12)) + " play Sound/Bye.ogg",
            std::to_string(fin_40) + " fade Sound/Bye.ogg",
            std::to_string(fin) + " free Sound/Mort.ogg",
            std::to_string(fin) + " free Sound/Bye.ogg",
        };
        EXPECT_EQ(resume(r), attendu);
        std::vector<std::string> fondus = filtrer(r.trace, "musique", "fade");
        EXPECT_EQ(nombre(fondus[0], "ms"), 500);
        EXPECT_EQ(nombre(fondus[1], "ms"), 1000);
    }
}
