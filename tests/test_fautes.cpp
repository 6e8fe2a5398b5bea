// Damaged data files: every file the game loads is removed, emptied, replaced by text or cut in
// half, one at a time, in a copy of the run directory, and the simulator must stop with exit
// status 1 and one line naming that file, never crash, hang or run on. The list of files comes
// from the loaders' own tables, one group per loader.
#include <SDL_mixer.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/ressources.h"
#include "cutscene/ressources_histoires.h"
#include "fichiers_factices.h"
#include "level/menu_haut.h"
#include "level/ressources_niveau.h"
#include "shell/jeu.h"
#include "ship/armes.h"

namespace {

namespace fs = std::filesystem;
using Octets = std::string;

// A run that outlives this many wall seconds is taken for a hung loader (SIGALRM ends it), and
// one that writes more than this many bytes for a flood of library warnings (SIGXFSZ).
const unsigned LIMITE_SECONDES = 30;
const rlim_t LIMITE_SORTIE = 4 << 20;

// One loader's files and a scene of the simulator that runs that loader. The failure is expected
// during loading; the scripted input and --temps-max only end a run that wrongly went on.
struct Groupe {
    const char* nom;
    const EntreeRessource* entrees;
    int nb;
    const char* scene;
    const char* script;
};

const char* const SCRIPT_MENU = "0 QUIT\n";
const char* const SCRIPT_NIVEAU = "0 ESCAPE down\n40 ESCAPE up\n5000 QUIT\n";
const char* const SCRIPT_HISTOIRE = "0 ESCAPE down\n40 ESCAPE up\n5000 QUIT\n";

Groupe groupe(int i) {
    const TableRessources* n = TABLES_RESSOURCES_NIVEAUX;
    const TableRessourcesHistoire* h = TABLES_RESSOURCES_HISTOIRES;
    const Groupe groupes[] = {
        {"shell", IMAGES_SHELL, NB_IMAGES_SHELL, "menu", SCRIPT_MENU},
        {"top bar", IMAGES_MENU_HAUT, NB_IMAGES_MENU_HAUT, "niveau1", SCRIPT_NIVEAU},
        {"level 1 set A", n[0].entrees, n[0].nb, "niveau1", SCRIPT_NIVEAU},
        {"level 1 set B", n[1].entrees, n[1].nb, "niveau1", SCRIPT_NIVEAU},
        {"level 2 set A", n[2].entrees, n[2].nb, "niveau2", SCRIPT_NIVEAU},
        {"level 2 set B", n[3].entrees, n[3].nb, "niveau2", SCRIPT_NIVEAU},
        {"modules", IMAGES_MODULES, NB_IMAGES_MODULE, "niveau1", SCRIPT_NIVEAU},
        {"intro", h[0].entrees, h[0].nb, "intro", SCRIPT_HISTOIRE},
        {"interlude", h[1].entrees, h[1].nb, "interlude", SCRIPT_HISTOIRE},
    };
    return groupes[i];
}
const int NB_GROUPES = 9;

enum Degat { SUPPRIME, VIDE, TEXTE, MOITIE, NB_DEGATS };
const char* const NOMS_DEGATS[NB_DEGATS] = {"removed", "empty", "text", "cut in half"};

Octets lire(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return Octets(std::istreambuf_iterator<char>(f), {});
}

// Writes a new file: the old name is unlinked first, so a hard link to the pack is never
// written through.
void ecrire(const std::string& chemin, const Octets& octets) {
    unlink(chemin.c_str());
    std::ofstream(chemin, std::ios::binary) << octets;
}

uint32_t be32(const Octets& o, size_t at) {
    return uint32_t(uint8_t(o[at])) << 24 | uint32_t(uint8_t(o[at + 1])) << 16 | uint32_t(uint8_t(o[at + 2])) << 8 |
           uint8_t(o[at + 3]);
}
void poser_be32(Octets& o, size_t at, uint32_t v) {
    for (int k = 0; k < 4; ++k) o[at + k] = char(v >> (24 - 8 * k));
}
void poser_le(Octets& o, size_t at, uint32_t v, int octets) {
    for (int k = 0; k < octets; ++k) o[at + k] = char(v >> (8 * k));
}

// Offset of the body of the first RIFF sub-chunk `id` of a WAV (npos when absent).
size_t chunk_wav(const Octets& o, const char* id) {
    for (size_t pos = 12; pos + 8 <= o.size();) {
        uint32_t longueur = uint8_t(o[pos + 4]) | uint8_t(o[pos + 5]) << 8 | uint8_t(o[pos + 6]) << 16 |
                            uint32_t(uint8_t(o[pos + 7])) << 24;
        if (o.compare(pos, 4, id) == 0) return pos + 8;
        pos += 8 + size_t(longueur) + (longueur & 1);
    }
    return std::string::npos;
}

struct Sortie {
    int statut = -1;  // exit status, or minus the signal that ended the child
    std::string texte;  // standard output and error together
};

// A private copy of the run directory (hard links: instant, and no byte of the pack is
// rewritten, see ecrire) in which one file at a time is damaged and the simulator run.
class CopieRun {
  public:
    CopieRun() {
        char modele[] = "/tmp/mirage_fautes_XXXXXX";
        racine_ = mkdtemp(modele);
        for (const char* d : {"Images", "Sound"}) {
            std::string c = "cp -al '" MIRAGE_RUN_DIR "/" + std::string(d) + "' '" + racine_ + "/' 2>/dev/null || cp -a '" MIRAGE_RUN_DIR "/" +
                            d + "' '" + racine_ + "/'";
            EXPECT_EQ(system(c.c_str()), 0) << c;
        }
    }
    ~CopieRun() { fs::remove_all(racine_); }

    std::string original(const char* chemin) const { return MIRAGE_RUN_DIR "/" + std::string(chemin); }
    std::string copie(const char* chemin) const { return racine_ + "/" + chemin; }

    void endommager(const char* chemin, Degat d) {
        std::string c = copie(chemin);
        switch (d) {
            case SUPPRIME: unlink(c.c_str()); break;
            case VIDE: ecrire(c, ""); break;
            case TEXTE: ecrire(c, "This is a note, not a picture nor a sound.\nMirage data file placeholder.\n"); break;
            case MOITIE: {
                Octets o = lire(original(chemin));
                ecrire(c, o.substr(0, o.size() / 2));
                break;
            }
            case NB_DEGATS: break;
        }
    }
    void remplacer(const char* chemin, const Octets& octets) { ecrire(copie(chemin), octets); }
    // Puts the pack's file back (as a hard link again when possible).
    void restaurer(const char* chemin) {
        std::string c = copie(chemin);
        unlink(c.c_str());
        if (link(original(chemin).c_str(), c.c_str()) != 0) ecrire(c, lire(original(chemin)));
    }

    // Runs the simulator from the copy; no scene should get past its loading.
    Sortie simuler(const char* scene, const char* script) {
        std::string fichier_script = racine_ + "/entrees.txt", fichier_sortie = racine_ + "/sortie.txt";
        std::ofstream(fichier_script) << script;
        pid_t pid = fork();
        if (pid == 0) {
            if (chdir(racine_.c_str()) != 0) _exit(126);
            int fd = open(fichier_sortie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, 1);
            dup2(fd, 2);
            close(fd);
            alarm(LIMITE_SECONDES);  // survives exec: a hung loader is killed, not waited for
            const struct rlimit taille = {LIMITE_SORTIE, LIMITE_SORTIE};
            setrlimit(RLIMIT_FSIZE, &taille);
            execl(MIRAGE_RUN_DIR "/simulateur", "simulateur", "--scene", scene, "--entrees", fichier_script.c_str(),
                  "--temps-max", "60000", (char*)nullptr);
            _exit(127);
        }
        Sortie s;
        int etat = 0;
        waitpid(pid, &etat, 0);
        s.statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : WIFSIGNALED(etat) ? -WTERMSIG(etat) : -1000;
        s.texte = lire(fichier_sortie);
        return s;
    }

  private:
    std::string racine_;
};

// The run must have refused `chemin` exactly as the game names it: status 1, one
// "mirage: cannot load <chemin>: <reason>" line and nothing else of that kind, no sanitizer
// report, and no scene that ran to its end.
std::string extrait(const std::string& texte) { return texte.size() > 2000 ? texte.substr(0, 2000) + "..." : texte; }

void verifier_refus(const Sortie& s, const std::string& chemin, const std::string& cas) {
    SCOPED_TRACE(cas);
    const std::string texte = extrait(s.texte);
    EXPECT_EQ(s.statut, 1) << (s.statut == -SIGALRM ? "hung (killed after the time limit)\n" : "")
                           << (s.statut == -SIGXFSZ ? "endless output (killed at the size limit)\n" : "") << texte;
    std::istringstream lignes(s.texte);
    int refus = 0;
    std::string ligne_refus;
    for (std::string l; std::getline(lignes, l);)
        if (l.rfind("mirage: ", 0) == 0) {
            ++refus;
            ligne_refus = l;
        }
    EXPECT_EQ(refus, 1) << texte;
    const std::string attendu = "mirage: cannot load " + chemin + ": ";
    EXPECT_EQ(ligne_refus.rfind(attendu, 0), 0u) << "expected a line starting \"" << attendu << "\"\n" << texte;
    EXPECT_GT(ligne_refus.size(), attendu.size()) << "no reason given: " << ligne_refus;
    EXPECT_EQ(s.texte.find("Sanitizer"), std::string::npos) << texte;
    EXPECT_EQ(s.texte.find("runtime error"), std::string::npos) << texte;
    EXPECT_EQ(s.texte.find("simulateur: scene"), std::string::npos) << texte;
}

// Every file of group `g` gets one kind of damage, rotating over the four, and the group's
// first file gets all four.
void endommager_groupe(int g) {
    const Groupe gr = groupe(g);
    ASSERT_GT(gr.nb, 0) << gr.nom;
    CopieRun run;
    int essais = 0;
    for (int i = 0; i < gr.nb; ++i) {
        const char* chemin = gr.entrees[i].chemin;
        ASSERT_TRUE(fs::exists(run.original(chemin))) << chemin << " is missing from the pack";
        for (int d = 0; d < NB_DEGATS; ++d) {
            if (i > 0 && d != i % NB_DEGATS) continue;
            run.endommager(chemin, Degat(d));
            verifier_refus(run.simuler(gr.scene, gr.script), chemin,
                           std::string(gr.nom) + ": " + chemin + " " + NOMS_DEGATS[d]);
            run.restaurer(chemin);
            ++essais;
        }
    }
    EXPECT_EQ(essais, gr.nb + NB_DEGATS - 1);
}

TEST(FichiersEndommages, Shell) { endommager_groupe(0); }
TEST(FichiersEndommages, BarreDuHaut) { endommager_groupe(1); }
TEST(FichiersEndommages, Niveau1JeuA) { endommager_groupe(2); }
TEST(FichiersEndommages, Niveau1JeuB) { endommager_groupe(3); }
TEST(FichiersEndommages, Niveau2JeuA) { endommager_groupe(4); }
TEST(FichiersEndommages, Niveau2JeuB) { endommager_groupe(5); }
TEST(FichiersEndommages, Modules) { endommager_groupe(6); }
TEST(FichiersEndommages, Intro) { endommager_groupe(7); }
TEST(FichiersEndommages, Interlude) { endommager_groupe(8); }

// The list walked above is the whole pack: a picture or sound that the game loads through a
// path of its own, outside every table, would show up here as a file no group covers.
TEST(FichiersEndommages, LaListeCouvreToutLePaquet) {
    std::set<std::string> listes;
    for (int g = 0; g < NB_GROUPES; ++g) {
        Groupe gr = groupe(g);
        for (int i = 0; i < gr.nb; ++i) listes.insert(fs::path(gr.entrees[i].chemin).lexically_normal().string());
    }
    int fichiers = 0;
    for (const char* d : {"Images", "Sound"})
        for (const auto& f : fs::directory_iterator(MIRAGE_RUN_DIR "/" + std::string(d))) {
            std::string relatif = std::string(d) + "/" + f.path().filename().string();
            EXPECT_EQ(listes.count(relatif), 1u) << relatif << " is in the pack but in no loader's table";
            ++fichiers;
        }
    EXPECT_EQ(size_t(fichiers), listes.size());
}

// ---- the damage measured to hang or crash SDL_image and SDL_mixer when unchecked ----

const EntreeRessource* premiere(const EntreeRessource* t, int n, GenreRessource genre) {
    for (int i = 0; i < n; ++i)
        if (t[i].genre == genre) return &t[i];
    return nullptr;
}

uint32_t crc_png(const std::string& octets) {
    uint32_t c = 0xFFFFFFFFu;
    for (unsigned char o : octets) {
        c ^= o;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    return c ^ 0xFFFFFFFFu;
}

// The picture with a text chunk right after IHDR: libpng only warns about a damaged ancillary
// chunk and reads on, which is where an unchecked load never ends.
Octets avec_texte(const Octets& png) {
    const size_t apres_ihdr = 8 + 12 + 13;
    Octets corps = "tEXtComment";
    corps += '\0';
    corps += std::string(200, 'x');
    Octets chunk(4, '\0');
    poser_be32(chunk, 0, uint32_t(corps.size() - 4));
    chunk += corps;
    chunk += std::string(4, '\0');
    poser_be32(chunk, chunk.size() - 4, crc_png(corps));
    return png.substr(0, apres_ihdr) + chunk + png.substr(apres_ihdr);
}

// A PNG cut inside its leading chunks, and one whose second chunk claims 64 KiB more than it
// holds: both made IMG_Load print CRC warnings for ever.
TEST(FichiersEndommages, PngQuiBloquaitIMG_Load) {
    CopieRun run;
    const char* titre = IMAGES_SHELL[1].chemin;
    Octets png = lire(run.original(titre));
    ASSERT_GT(png.size(), 100u);
    ASSERT_EQ(png.compare(12, 4, "IHDR"), 0);
    Octets texte = avec_texte(png);

    run.remplacer(titre, texte);
    Sortie saine = run.simuler("menu", SCRIPT_MENU);
    EXPECT_EQ(saine.statut, 0) << "the picture with a text chunk is sound\n" << extrait(saine.texte);

    run.remplacer(titre, png.substr(0, 40));
    verifier_refus(run.simuler("menu", SCRIPT_MENU), titre, "PNG cut at 40 bytes");
    run.remplacer(titre, texte.substr(0, 80));
    verifier_refus(run.simuler("menu", SCRIPT_MENU), titre, "PNG cut inside its text chunk");

    const size_t second = 8 + 12 + 13;  // the chunk after IHDR
    poser_be32(texte, second, be32(texte, second) + 0x10000);
    run.remplacer(titre, texte);
    verifier_refus(run.simuler("menu", SCRIPT_MENU), titre, "PNG with a damaged chunk length");
}

// A WAV with 0 channels (crashed SDL's audio conversion), one whose data claims 2 GiB (made
// SDL_mixer allocate without bound), and a music cut in half (loaded and played short).
TEST(FichiersEndommages, SonsQuiPlantaientSDL_mixer) {
    CopieRun run;
    const TableRessources& a1 = TABLES_RESSOURCES_NIVEAUX[0];
    const EntreeRessource* son = premiere(a1.entrees, a1.nb, RES_SON);
    ASSERT_NE(son, nullptr);
    Octets wav = lire(run.original(son->chemin));
    size_t fmt = chunk_wav(wav, "fmt "), data = chunk_wav(wav, "data");
    ASSERT_NE(fmt, std::string::npos);
    ASSERT_NE(data, std::string::npos);

    Octets sans_canal = wav;
    poser_le(sans_canal, fmt + 2, 0, 2);
    run.remplacer(son->chemin, sans_canal);
    verifier_refus(run.simuler("niveau1", SCRIPT_NIVEAU), son->chemin, "WAV with 0 channels");

    Octets enorme = wav;
    poser_le(enorme, data - 4, 0x7FFFFFF0u, 4);
    run.remplacer(son->chemin, enorme);
    verifier_refus(run.simuler("niveau1", SCRIPT_NIVEAU), son->chemin, "WAV with a huge data length");
    run.restaurer(son->chemin);

    const TableRessourcesHistoire& intro = TABLES_RESSOURCES_HISTOIRES[0];
    const EntreeRessource* musique = premiere(intro.entrees, intro.nb, RES_MUSIQUE);
    ASSERT_NE(musique, nullptr);
    run.endommager(musique->chemin, MOITIE);
    verifier_refus(run.simuler("intro", SCRIPT_HISTOIRE), musique->chemin, "Ogg cut in half");
}

// With a real (dummy) audio device open, the files do reach SDL_mixer: the check must come
// first there too. Each case runs in a forked child (the default death-test style: SetUp is
// not run again there), which opens the device itself.
class SonOuvert : public ::testing::Test {
  protected:
    void SetUp() override {
        char modele[] = "/tmp/mirage_fautes_son_XXXXXX";
        dossier_ = mkdtemp(modele);
        sain_ = dossier_ + "/sain.wav";
        std::ofstream(sain_, std::ios::binary) << factices::wav_factice();
    }
    void TearDown() override { fs::remove_all(dossier_); }

    // Opens the dummy audio device and checks that a sound file really goes through SDL_mixer.
    void ouvrir_son() const {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) < 0 || !son_disponible()) _exit(3);
        Mix_Chunk* c = charger_son(sain_.c_str());
        if (!c) _exit(4);
        Mix_FreeChunk(c);
    }
    std::string ecrire_dans(const char* nom, const Octets& o) const {
        std::string c = dossier_ + "/" + nom;
        std::ofstream(c, std::ios::binary) << o;
        return c;
    }

    std::string dossier_, sain_;
};

TEST_F(SonOuvert, WavSansCanalRefuseAvantSDL_mixer) {
    Octets wav = factices::wav_factice();
    poser_le(wav, chunk_wav(wav, "fmt ") + 2, 0, 2);
    std::string chemin = ecrire_dans("zero_canal.wav", wav);
    EXPECT_EXIT(
        {
            ouvrir_son();
            charger_son(chemin.c_str());
            _exit(0);
        },
        ::testing::ExitedWithCode(1), "mirage: cannot load .*zero_canal\\.wav: .*channel");
}

TEST_F(SonOuvert, WavEnormeEtMusiqueCoupeeRefuses) {
    Octets wav = factices::wav_factice();
    poser_le(wav, chunk_wav(wav, "data") - 4, 0x7FFFFFF0u, 4);
    std::string enorme = ecrire_dans("enorme.wav", wav);
    EXPECT_EXIT(
        {
            ouvrir_son();
            charger_son(enorme.c_str());
            _exit(0);
        },
        ::testing::ExitedWithCode(1), "mirage: cannot load .*enorme\\.wav: ");

    // The same data length as a music (Mix_LoadMUS ended in a double free on it).
    std::string musique_wav = ecrire_dans("enorme_musique.wav", wav);
    EXPECT_EXIT(
        {
            ouvrir_son();
            charger_musique(musique_wav.c_str());
            _exit(0);
        },
        ::testing::ExitedWithCode(1), "mirage: cannot load .*enorme_musique\\.wav: ");

    const TableRessourcesHistoire& intro = TABLES_RESSOURCES_HISTOIRES[0];
    const EntreeRessource* m = premiere(intro.entrees, intro.nb, RES_MUSIQUE);
    ASSERT_NE(m, nullptr);
    Octets ogg = lire(MIRAGE_RUN_DIR "/" + std::string(m->chemin));
    ASSERT_GT(ogg.size(), 1000u);
    std::string coupee = ecrire_dans("coupee.ogg", ogg.substr(0, ogg.size() / 2));
    EXPECT_EXIT(
        {
            ouvrir_son();
            charger_musique(coupee.c_str());
            _exit(0);
        },
        ::testing::ExitedWithCode(1), "mirage: cannot load .*coupee\\.ogg: ");
}

}  // namespace
