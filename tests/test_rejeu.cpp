// Replays: every reading comes back in its order and a game out of step stops; a simulated
// run and its replay give the same trace and screens; a cut file replays its whole frames; a
// damaged file, another format or game version and other data files are refused with one line.
#include <gtest/gtest.h>
#include <zlib.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "outils_sdl.h"
#include "platform/enregistrement.h"
#include "platform/plateforme.h"
#include "shell/rejeux.h"

namespace {

namespace fs = std::filesystem;

std::string lire(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}
void ecrire(const std::string& chemin, const std::string& octets) {
    unlink(chemin.c_str());  // never write through a hard link to the pack
    std::ofstream(chemin, std::ios::binary) << octets;
}

struct Dossier {
    std::string chemin;
    Dossier() {
        char modele[] = "/tmp/mirage_rejeu_XXXXXX";
        chemin = mkdtemp(modele);
    }
    ~Dossier() { fs::remove_all(chemin); }
};

// ---- the platform layer, recorded and played back in this process ----

EnteteRejeu entete_test() {
    EnteteRejeu e;
    memset(&e, 0, sizeof e);
    strcpy(e.version_jeu, "essai");
    strcpy(e.scene, "jeu");
    e.graine = 40;
    return e;
}

// Two frames of what a scene reads, written down as text: clock, events, keys held, flip,
// waits (one that wraps the clock around), seed and an external reading.
std::string deux_images(SDL_Surface* ecran, int valeur_externe) {
    std::string s;
    for (int image = 0; image < 2; ++image) {
        s += "t" + std::to_string(plateforme_ticks());
        SDL_Event e;
        while (plateforme_evenement(&e)) {
            s += " e" + std::to_string(e.type);
            if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP)
                s += ":" + std::to_string(e.key.keysym.sym) + ":" + std::to_string(e.key.keysym.mod);
        }
        const Uint8* k = plateforme_touches();
        s += " k";
        for (int i = 0; i < SDLK_LAST; ++i)
            if (k[i]) s += ":" + std::to_string(i);
        plateforme_afficher(ecran);
        plateforme_attendre(image == 0 ? 13 : 0xFFFFFFF0u);
        s += " t" + std::to_string(plateforme_ticks());
        s += " g" + std::to_string(plateforme_graine());
        s += " x" + std::to_string(lecture_externe(LECTURE_MUSIQUE_EN_COURS, valeur_externe)) + "\n";
    }
    return s;
}

TEST(Rejeu, EveryReadingComesBackInItsOrderAndAGameOutOfStepStops) {
    Dossier d;
    const std::string f = d.chemin + "/r.rej";
    SDL_Surface* ecran = ecran_de_test();
    plateforme_simuler(40);
    EXPECT_STREQ(plateforme_pilote()->nom, "simule");
    EnteteRejeu e = entete_test();
    ASSERT_EQ(enregistrement_ouvrir(f.c_str(), &e), 0);
    EXPECT_STREQ(plateforme_pilote()->nom, "enregistreur");
    plateforme_script_touche(0, SDLK_LALT, 1);
    plateforme_script_touche(0, SDLK_g, 1);
    SDL_Event autre;
    memset(&autre, 0, sizeof autre);
    autre.type = SDL_USEREVENT;
    plateforme_script_evenement(0, &autre);
    SDL_Event bouton;
    memset(&bouton, 0, sizeof bouton);
    bouton.type = bouton.jbutton.type = SDL_JOYBUTTONDOWN;
    bouton.jbutton.button = 1;  // next weapon: 'f'
    plateforme_script_evenement(14, &bouton);
    plateforme_script_quitter(14);
    const std::string enregistre = deux_images(ecran, -7);
    enregistrement_fermer();
    EXPECT_FALSE(enregistrement_actif());
    EXPECT_STREQ(plateforme_pilote()->nom, "simule");
    EXPECT_NE(enregistre.find(" e2:103:256"), std::string::npos) << "g with left Alt\n" << enregistre;
    EXPECT_NE(enregistre.find(" e24"), std::string::npos) << "the user event\n" << enregistre;
    EXPECT_NE(enregistre.find(" e2:102:0 e12"), std::string::npos) << "f from the gamepad, then the close\n"
                                                                   << enregistre;
    EXPECT_NE(enregistre.find(" k:102:103:308"), std::string::npos) << enregistre;

    // Another seed, another clock and no script: everything must come from the file.
    plateforme_simuler(1);
    plateforme_attendre(5000);
    EnteteRejeu lu;
    rejeu_ouvrir(f.c_str(), &e, 0, &lu);
    EXPECT_STREQ(plateforme_pilote()->nom, "rejeu");
    EXPECT_EQ(lu.graine, 40u);
    EXPECT_STREQ(lu.version_jeu, "essai");
    EXPECT_EQ(deux_images(ecran, 99), enregistre);
    rejeu_terminer();
    EXPECT_FALSE(rejeu_actif());
    EXPECT_STREQ(plateforme_pilote()->nom, "simule");

    const char* chemin = f.c_str();
    EXPECT_EXIT(
        {
            rejeu_ouvrir(chemin, &e, 0, &lu);
            plateforme_attendre(13);
            _exit(0);
        },
        ::testing::ExitedWithCode(1),
        "^mirage: cannot replay .*r\\.rej: out of step at frame 1: the game waits 13 ms where the recording reads "
        "the clock\n$");
    EXPECT_EXIT(
        {
            rejeu_ouvrir(chemin, &e, 0, &lu);
            plateforme_ticks();
            SDL_Event ev;
            while (plateforme_evenement(&ev)) {
            }
            plateforme_touches();
            plateforme_afficher(ecran);
            plateforme_attendre(12);
            _exit(0);
        },
        ::testing::ExitedWithCode(1), "out of step at frame 2: the game waits 12 ms where the recording waits 13 ms");
    EXPECT_EXIT(
        {
            rejeu_ouvrir(chemin, &e, 0, &lu);
            plateforme_ticks();
            rejeu_terminer();
            _exit(0);
        },
        ::testing::ExitedWithCode(1), "out of step at frame 1: the game ends where the recording takes an event");
    EnteteRejeu autre_version = e;
    strcpy(autre_version.version_jeu, "autre");
    EXPECT_EXIT(rejeu_ouvrir(chemin, &autre_version, 0, &lu), ::testing::ExitedWithCode(1),
                "^mirage: cannot replay .*r\\.rej: recorded by Mirage essai; this is Mirage autre\n$");
}

// Every file any loader's table names is in the fingerprint, and only those: the pack itself.
TEST(Rejeu, TheDataFingerprintCoversEveryFileOfThePack) {
    ASSERT_EQ(chdir(MIRAGE_RUN_DIR), 0);
    EnteteRejeu e;
    empreinte_donnees(&e);
    size_t fichiers = 0;
    uintmax_t octets = 0;
    for (const char* d : {"Images", "Sound"})
        for (const auto& f : fs::directory_iterator(MIRAGE_RUN_DIR "/" + std::string(d))) {
            ++fichiers;
            octets += f.file_size();
        }
    EXPECT_EQ(e.nb_fichiers, fichiers);
    EXPECT_EQ(e.octets, octets);
}

// ---- a simulated game, recorded once per test process ----

// Splash, intro skipped, menu, level 1 with fire, steering and a weapon change, Escape back to
// the menu and Escape to quit.
const char* const PARTIE =
    "132 RETURN down\n134 RETURN up\n288 RETURN down\n290 RETURN up\n7276 ESCAPE down\n7296 ESCAPE up\n"
    "12276 RETURN down\n12306 RETURN up\n16276 g down\n16276 UP down\n16776 UP up\n17276 f down\n17286 f up\n"
    "20276 RIGHT down\n21276 RIGHT up\n21776 d down\n21786 d up\n26276 g up\n26276 ESCAPE down\n26296 ESCAPE up\n"
    "32276 ESCAPE down\n32296 ESCAPE up\n";

// The file's frames as this test reads them: [start, end) of each, CRC included.
std::vector<std::pair<size_t, size_t>> trames(const std::string& o, size_t debut) {
    std::vector<std::pair<size_t, size_t>> t;
    for (size_t p = debut; p < o.size();) {
        size_t q = p, longueur = 0;
        for (int k = 0; q < o.size(); ++k) {
            uint8_t b = uint8_t(o[q++]);
            longueur |= size_t(b & 0x7F) << (7 * k);
            if (!(b & 0x80)) break;
        }
        t.push_back({p, q + longueur + 4});
        p = q + longueur + 4;
    }
    return t;
}

size_t fin_entete(const std::string& o) {
    size_t p = 0;
    for (int i = 0; i < 6; ++i) p = o.find('\n', p) + 1;
    return p;
}

// The same file with `ancien` replaced by `nouveau` in its header, every checksum made again
// (with zlib's CRC-32): a well-formed file that says something else.
std::string refaire_entete(const std::string& o, const std::string& ancien, const std::string& nouveau) {
    size_t debut = fin_entete(o);
    std::string corps = o.substr(0, o.rfind("entete ", debut));
    corps.replace(corps.find(ancien), ancien.size(), nouveau);
    uLong crc = crc32(0, (const Bytef*)corps.data(), uInt(corps.size()));
    char ligne[32];
    snprintf(ligne, sizeof ligne, "entete %08lx\n", crc);
    std::string r = corps + ligne;
    for (auto [p, fin] : trames(o, debut)) {
        crc = crc32(crc, (const Bytef*)o.data() + p, uInt(fin - 4 - p));
        r += o.substr(p, fin - 4 - p);
        for (int k = 0; k < 4; ++k) r += char(crc >> (8 * k));
    }
    return r;
}

int lignes_mirage(const std::string& sortie, std::string* derniere) {
    std::istringstream l(sortie);
    int n = 0;
    for (std::string s; std::getline(l, s);)
        if (s.rfind("mirage: ", 0) == 0) {
            ++n;
            *derniere = s;
        }
    return n;
}

// The run must have stopped with status 1 and exactly one "mirage: cannot replay F: <raison>"
// line, nothing else having gone wrong.
void verifier_refus(const RunSimulateur& r, const std::string& fichier, const std::string& raison) {
    std::string ligne;
    EXPECT_EQ(r.statut, 1) << r.sortie;
    EXPECT_EQ(lignes_mirage(r.sortie, &ligne), 1) << r.sortie;
    EXPECT_EQ(ligne.rfind("mirage: cannot replay " + fichier + ": " + raison, 0), 0u) << ligne;
    EXPECT_EQ(r.sortie.find("Sanitizer"), std::string::npos) << r.sortie;
    EXPECT_EQ(r.sortie.find("simulateur: scene"), std::string::npos) << r.sortie;
}

class RejeuSimule : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dossier_ = new Dossier;
        fichier_ = dossier_->chemin + "/partie.rej";
        original_ = new RunSimulateur(lancer_simulateur(
            "--scene jeu --temps-max 100000 --capture 20000:" + dossier_->chemin + "/a.png --enregistrer " + fichier_,
            PARTIE));
        octets_ = lire(fichier_);
    }
    static void TearDownTestSuite() {
        delete original_;
        delete dossier_;
    }
    RunSimulateur rejouer(const std::string& fichier, const std::string& plus = "",
                          const std::string& dossier = MIRAGE_RUN_DIR) {
        return lancer_simulateur("--rejouer " + fichier + plus, "", dossier);
    }
    std::string copie(const std::string& nom, const std::string& octets) {
        std::string c = dossier_->chemin + "/" + nom;
        ecrire(c, octets);
        return c;
    }

    static Dossier* dossier_;
    static std::string fichier_, octets_;
    static RunSimulateur* original_;
};
Dossier* RejeuSimule::dossier_ = nullptr;
std::string RejeuSimule::fichier_, RejeuSimule::octets_;
RunSimulateur* RejeuSimule::original_ = nullptr;

TEST_F(RejeuSimule, ReplaysToTheSameTraceAndTheSameScreens) {
    ASSERT_EQ(original_->statut, 0) << original_->sortie;
    ASSERT_FALSE(evenements(*original_, "commande").empty()) << "the script reached level 1";
    ASSERT_FALSE(evenements(*original_, "volee").empty());
    RunSimulateur r = rejouer(fichier_, " --capture 20000:" + dossier_->chemin + "/b.png");
    ASSERT_EQ(r.statut, 0) << r.sortie;
    EXPECT_EQ(r.trace, original_->trace);
    std::string fin_original = original_->sortie.substr(original_->sortie.find("simulateur: scene"));
    std::string fin_rejeu = r.sortie.substr(r.sortie.find("simulateur: scene"));
    EXPECT_EQ(fin_rejeu.substr(0, fin_rejeu.find(" frames")), fin_original.substr(0, fin_original.find(" frames")));
    std::string a = lire(dossier_->chemin + "/a.png");
    EXPECT_GT(a.size(), 1000u);
    EXPECT_EQ(lire(dossier_->chemin + "/b.png"), a) << "the screen at 20 s differs";
}

// A file cut anywhere after its header (a game killed while recording) replays its whole
// frames; a cut inside the header is refused.
TEST_F(RejeuSimule, ACutFileReplaysItsWholeFramesThenStopsWithOneLine) {
    const std::string& o = octets_;
    const size_t debut = fin_entete(o);
    auto t = trames(o, debut);
    ASSERT_GT(t.size(), 500u);
    ASSERT_EQ(t.back().second, o.size());
    char raison[256];
    BilanRejeu b;
    ASSERT_EQ(analyser_rejeu((const uint8_t*)o.data(), o.size(), &b, raison, sizeof raison), 0) << raison;
    EXPECT_TRUE(b.complet);
    EXPECT_EQ(b.nb_images, t.size() - 1);
    for (size_t n = 0; n < debut; ++n)
        EXPECT_EQ(analyser_rejeu((const uint8_t*)o.data(), n, &b, raison, sizeof raison), -1) << "cut at " << n;
    for (size_t n = debut; n < o.size(); n += 1 + (o.size() - debut) / 400) {
        ASSERT_EQ(analyser_rejeu((const uint8_t*)o.data(), n, &b, raison, sizeof raison), 0) << n << ": " << raison;
        size_t entieres = 0;
        while (entieres < t.size() && t[entieres].second <= n) ++entieres;
        EXPECT_FALSE(b.complet) << n;
        EXPECT_EQ(b.nb_images, entieres) << "cut at " << n;
    }

    size_t precedent = 0;
    for (double part : {0.002, 0.5, 0.9}) {
        size_t n = debut + size_t(double(o.size() - debut) * part);
        analyser_rejeu((const uint8_t*)o.data(), n, &b, raison, sizeof raison);
        std::string c = copie("coupe.rej", o.substr(0, n));
        RunSimulateur r = rejouer(c);
        verifier_refus(r, c, "cut short after frame " + std::to_string(b.nb_images) + " ");
        ASSERT_LE(r.trace.size(), original_->trace.size());
        EXPECT_TRUE(std::equal(r.trace.begin(), r.trace.end(), original_->trace.begin())) << "cut at " << n;
        EXPECT_GE(r.trace.size(), precedent);
        precedent = r.trace.size();
    }
    EXPECT_GT(precedent, original_->trace.size() / 2) << "90% of the file replays most of the game";
    verifier_refus(rejouer(copie("entete.rej", o.substr(0, debut - 3))), dossier_->chemin + "/entete.rej",
                   "cut short inside its header");
}

// A damaged byte anywhere is refused before the game starts. The one damage that cannot be
// told from a cut is a frame length made to run past the end of the file: that frame is then
// the cut-off tail.
TEST_F(RejeuSimule, AnyDamagedByteIsRefusedBeforeTheGameStarts) {
    const size_t debut = fin_entete(octets_);
    auto t = trames(octets_, debut);
    char raison[256];
    BilanRejeu b;
    int essais = 0;
    for (size_t pos = 0; pos < octets_.size(); pos += pos < debut ? 1 : 29) {
        for (uint8_t masque : {uint8_t(1u << (pos % 8)), uint8_t(0xFF)}) {
            std::string o = octets_;
            o[pos] = char(o[pos] ^ masque);
            ++essais;
            if (analyser_rejeu((const uint8_t*)o.data(), o.size(), &b, raison, sizeof raison) == -1) continue;
            ASSERT_GE(pos, debut) << "header byte " << pos << " accepted";
            ASSERT_FALSE(b.complet) << "byte " << pos << " damaged, file accepted whole";
            ASSERT_LT(b.nb_images, t.size());
            size_t p = t[b.nb_images].first;
            EXPECT_TRUE(pos >= p && pos < p + 3) << "byte " << pos << " damaged outside a frame length, taken for a cut";
        }
    }
    EXPECT_GT(essais, 1000);
    std::string o = octets_;
    size_t milieu = debut + (o.size() - debut) / 2;
    o[milieu] = char(o[milieu] ^ 0x10);
    std::string c = copie("abime.rej", o);
    RunSimulateur r = rejouer(c);
    verifier_refus(r, c, "frame ");
    EXPECT_NE(r.sortie.find("(checksum)"), std::string::npos) << r.sortie;
    EXPECT_TRUE(r.trace.empty()) << "refused before the game started";
    // A whole frame taken out, with the file otherwise intact, breaks the chain of checksums.
    o = octets_;
    o.erase(t[100].first, t[100].second - t[100].first);
    verifier_refus(rejouer(copie("trou.rej", o)), dossier_->chemin + "/trou.rej", "frame 101 damaged");
}

TEST_F(RejeuSimule, OtherFormatGameVersionOrDataFilesAreRefused) {
    std::string o = octets_;
    o[strlen("MIRAGE-REJEU ")] = '2';
    std::string c = copie("v2.rej", o);
    verifier_refus(rejouer(c), c, "format version 2; this game reads version 1");

    c = copie("version.rej", refaire_entete(octets_, std::string("jeu ") + VERSION_JEU, "jeu 0.1"));
    verifier_refus(rejouer(c), c, std::string("recorded by Mirage 0.1; this is Mirage ") + VERSION_JEU);

    // The same header made again says the same: only the changed field makes the refusal.
    c = copie("refait.rej", refaire_entete(octets_, "scene jeu", "scene jeu"));
    EXPECT_EQ(lire(c), octets_);

    c = copie("texte.rej", "This is a note, not a replay.\n");
    verifier_refus(rejouer(c), c, "not a Mirage replay");
    c = copie("vide.rej", "");
    verifier_refus(rejouer(c), c, "empty file");
    verifier_refus(rejouer(dossier_->chemin + "/absent.rej"), dossier_->chemin + "/absent.rej", "No such file");

    // One byte changed in one sound of a copy of the pack.
    Dossier pack;
    ASSERT_EQ(system(("cp -al '" MIRAGE_RUN_DIR "/Images' '" MIRAGE_RUN_DIR "/Sound' '" + pack.chemin + "/'").c_str()), 0);
    std::string son = pack.chemin + "/Sound/Curseur.wav";
    std::string wav = lire(son);
    ASSERT_GT(wav.size(), 100u);
    wav[wav.size() - 1] = char(wav.back() ^ 1);
    ecrire(son, wav);
    verifier_refus(rejouer(fichier_, "", pack.chemin), fichier_, "recorded with other data files");
}

// A run ended by exit() elsewhere than the end of the game (here --temps-max; in the real game
// a signal) is recorded up to its last reading, and replays to the same trace.
TEST_F(RejeuSimule, ARunEndedByExitReplaysToItsLastReading) {
    std::string c = dossier_->chemin + "/arrete.rej";
    RunSimulateur arrete = lancer_simulateur("--scene jeu --temps-max 18000 --enregistrer " + c, PARTIE);
    ASSERT_EQ(arrete.statut, 2) << arrete.sortie;
    RunSimulateur r = rejouer(c);
    EXPECT_EQ(r.statut, 0) << r.sortie;
    EXPECT_NE(r.sortie.find("mirage: replay " + c + " ends after frame "), std::string::npos) << r.sortie;
    EXPECT_NE(r.sortie.find("where the recorded game was stopped"), std::string::npos) << r.sortie;
    EXPECT_EQ(r.trace, arrete.trace);
    EXPECT_GT(r.trace.size(), 20u);
}

// The game itself: only its three options, and a replay it cannot play is refused with one
// line (all before the display opens).
TEST_F(RejeuSimule, TheGameReadsOnlyItsOptionsAndRefusesWhatItCannotReplay) {
    auto mirage = [&](const std::string& arguments) {
        std::string sortie = dossier_->chemin + "/mirage.txt";
        int s = system(("cd '" MIRAGE_RUN_DIR "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ./mirage " + arguments +
                        " > '" + sortie + "' 2>&1")
                           .c_str());
        return std::make_pair(WIFEXITED(s) ? WEXITSTATUS(s) : -1, lire(sortie));
    };
    for (const char* faux : {"--bogus", "--rejouer", "--trace", "--enregistrer a --enregistrer b", "-h"}) {
        auto [statut, sortie] = mirage(faux);
        EXPECT_EQ(statut, 1) << faux;
        EXPECT_EQ(sortie.rfind("mirage: unknown or incomplete argument '", 0), 0u) << faux << ": " << sortie;
        EXPECT_EQ(std::count(sortie.begin(), sortie.end(), '\n'), 1) << sortie;
    }
    std::string c = copie("jeu_abime.rej", octets_.substr(0, 40));
    auto [statut, sortie] = mirage("--rejouer " + c);
    EXPECT_EQ(statut, 1);
    EXPECT_EQ(sortie, "mirage: cannot replay " + c + ": cut short inside its header (40 bytes)\n");

    std::string niveau = dossier_->chemin + "/niveau.rej";
    ASSERT_EQ(lancer_simulateur("--scene menu --enregistrer " + niveau, "300 QUIT\n").statut, 0);
    std::tie(statut, sortie) = mirage("--rejouer " + niveau);
    EXPECT_EQ(statut, 1);
    EXPECT_NE(sortie.find("mirage: cannot replay " + niveau + ": a recording of the simulator's scene menu"),
              std::string::npos)
        << sortie;
}

}  // namespace
