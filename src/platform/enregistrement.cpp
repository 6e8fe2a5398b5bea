// Replays: recording and playback of what the game reads (see enregistrement.h), and the
// two drivers that do it around the others (plateforme.h): the recorder and playback.
#include "platform/enregistrement.h"

#include <errno.h>
#include <signal.h>
#include <inttypes.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/fichiers.h"
#include "core/sommes.h"
#include "platform/codes_sdl.h"
#include "platform/pilotes.h"
#include "platform/plateforme.h"

namespace {

const char MAGIE[] = "MIRAGE-REJEU ";
const size_t TAILLE_MAX_ENTETE = 1024;
const uint64_t TAILLE_MAX_IMAGE = 1 << 20;  // far above any frame: a longer one is damage
// Far above any game (level 1 takes about 100 KB a minute): a larger file is not read.
const uint64_t TAILLE_MAX_REJEU = uint64_t(512) << 20;
const uint8_t FIN_NORMALE = 0, FIN_INTERROMPUE = 1;

// ---- encoding shared by the writer and the reader ----

uint32_t zigzag(uint32_t difference) {
    int32_t d = int32_t(difference);
    return (uint32_t(d) << 1) ^ uint32_t(d >> 31);
}
uint32_t dezigzag(uint32_t z) { return (z >> 1) ^ (0u - (z & 1)); }

void poser_varint(std::vector<uint8_t>& o, uint64_t v) {
    while (v >= 0x80) {
        o.push_back(uint8_t(v | 0x80));
        v >>= 7;
    }
    o.push_back(uint8_t(v));
}

enum { VARINT_OK, VARINT_COUPE, VARINT_ABIME };
// Reads a varint of at most `max_octets` bytes at *pos.
int lire_varint(const uint8_t* o, size_t n, size_t* pos, uint64_t* v, int max_octets) {
    *v = 0;
    for (int k = 0; k < max_octets; ++k) {
        if (*pos >= n) return VARINT_COUPE;
        uint8_t b = o[(*pos)++];
        *v |= uint64_t(b & 0x7F) << (7 * k);
        if (!(b & 0x80)) return VARINT_OK;
    }
    return VARINT_ABIME;
}

// An event record's fields after its letter: the canonical type, and for a key event which,
// scan code, key, modifiers and character.
void poser_evenement(std::vector<uint8_t>& o, const EvenementCanonique& c) {
    o.push_back(c.type);
    if (c.type != TYPE_TOUCHE_ENFONCEE && c.type != TYPE_TOUCHE_RELACHEE) return;
    o.push_back(c.which);
    o.push_back(c.scancode);
    poser_varint(o, c.sym);
    poser_varint(o, c.mod);
    poser_varint(o, c.unicode);
}

// Keys held, canonical, onto this build's key state array (SDLK_LAST entries): a canonical
// key this build has no number for is dropped.
void poser_touches_natives(const Uint8* canoniques, Uint8* touches) {
    memset(touches, 0, SDLK_LAST);
    for (int c = 0; c < NB_TOUCHES_CANONIQUES; ++c) {
        int n = touche_native(c);
        if (canoniques[c] && (n != 0 || c == 0)) touches[n] = 1;
    }
}

std::string ligne_entete(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string ligne_entete(const char* format, ...) {
    char l[160];
    va_list a;
    va_start(a, format);
    vsnprintf(l, sizeof l, format, a);
    va_end(a);
    return l;
}

// The header's lines up to the checksum line, in the one spelling the reader accepts.
std::string corps_entete(const EnteteRejeu* e) {
    return ligne_entete("%s%d\n", MAGIE, FORMAT_REJEU) + ligne_entete("jeu %s\n", e->version_jeu) +
           ligne_entete("scene %s\n", e->scene) + ligne_entete("graine %" PRIu32 "\n", e->graine) +
           ligne_entete("donnees %" PRIu32 " %" PRIu64 " %016" PRIx64 "\n", e->nb_fichiers, e->octets, e->empreinte);
}

// ---- the writer ----

struct Ecrivain {
    FILE* f = nullptr;
    std::string chemin;
    std::vector<uint8_t> image;  // records of the frame in progress
    uint32_t crc = 0;            // running CRC of every frame so far, from the header's
    uint32_t temps = 0;          // last time written
    uint32_t graine = 0;
    Uint8 touches[NB_TOUCHES_CANONIQUES] = {};  // the key state as last written, canonical
    // 1 inside any recording call: an exit() that breaks into one (from a signal handler)
    // must not add to a record half made, and leaves the file at its last whole frame.
    volatile sig_atomic_t occupe = 0;
};
Ecrivain ecr;

struct Occupe {
    Occupe() { ecr.occupe = 1; }
    ~Occupe() { ecr.occupe = 0; }
};

void noter_temps(uint32_t t) {
    poser_varint(ecr.image, zigzag(t - ecr.temps));
    ecr.temps = t;
}

void ecrire_image() {
    if (!ecr.f) return;
    std::vector<uint8_t> tete;
    poser_varint(tete, ecr.image.size());
    uint32_t crc = crc_continue(crc_continue(ecr.crc, tete.data(), tete.size()), ecr.image.data(), ecr.image.size());
    uint8_t queue[4] = {uint8_t(crc), uint8_t(crc >> 8), uint8_t(crc >> 16), uint8_t(crc >> 24)};
    bool ok = fwrite(tete.data(), 1, tete.size(), ecr.f) == tete.size() &&
              fwrite(ecr.image.data(), 1, ecr.image.size(), ecr.f) == ecr.image.size() &&
              fwrite(queue, 1, 4, ecr.f) == 4 && fflush(ecr.f) == 0;
    ecr.crc = crc;
    ecr.image.clear();
    if (!ok) {
        // A full disk must not stop the game: the file keeps its whole frames and replays
        // up to them.
        fprintf(stderr, "mirage: cannot write %s: %s; recording stopped\n", ecr.chemin.c_str(), strerror(errno));
        fclose(ecr.f);
        ecr.f = nullptr;
        plateforme_recomposer();
    }
}

void finir_enregistrement(uint8_t cause) {
    if (!ecr.f) return;
    ecr.image.push_back('Z');
    ecr.image.push_back(cause);
    ecrire_image();
    if (ecr.f) fclose(ecr.f);
    ecr.f = nullptr;
    plateforme_recomposer();
}

// exit() from anywhere but the end of the game (a signal, a fatal error): the frame in
// progress and the end record still reach the file, unless exit() broke into a recording
// call: the file then ends with its last whole frame, as if the game had been killed.
void a_la_sortie() {
    if (ecr.f && !ecr.occupe) finir_enregistrement(FIN_INTERROMPUE);
}

// ---- the reader ----

struct Lecteur {
    int actif = 0;
    int fenetre = 0;
    std::string chemin;
    std::vector<uint8_t> octets;
    BilanRejeu bilan;
    size_t pos = 0;        // next record of the current frame
    size_t fin = 0;        // end of the current frame's records
    size_t suivante = 0;   // start of the next frame
    uint32_t lues = 0;     // frames entered
    uint32_t images = 0;  // flips replayed
    uint32_t temps = 0;
    Uint8 touches[NB_TOUCHES_CANONIQUES] = {};  // canonical
    int64_t decalage = 0;  // how late the window runs behind the recorded clock, in ms
};
Lecteur lec;

// ---- checking a file in memory ----

struct Refus {
    char* raison;
    size_t taille;
    int operator()(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        va_list a;
        va_start(a, format);
        vsnprintf(raison, taille, format, a);
        va_end(a);
        return -1;
    }
};

// Checks one frame's records; returns 'I' or 'Z' (its last record) or 0 with the reason.
char verifier_enregistrements(const uint8_t* o, size_t n, const char** raison) {
    size_t p = 0;
    uint64_t v;
    auto champ = [&](int max_octets, uint64_t borne) {
        if (lire_varint(o, n, &p, &v, max_octets) != VARINT_OK || v > borne) {
            *raison = "a record with a bad field";
            return false;
        }
        return true;
    };
    auto octet = [&]() {
        if (p >= n) {
            *raison = "a record cut inside its frame";
            return false;
        }
        v = o[p++];
        return true;
    };
    while (p < n) {
        char type = char(o[p++]);
        bool ok = true;
        switch (type) {
            case 'T': case 'I': case 'G': ok = champ(5, 0xFFFFFFFFu); break;
            case 'A': ok = champ(5, 0xFFFFFFFFu) && champ(5, 0xFFFFFFFFu); break;
            case 'R': break;
            case 'E':
                ok = octet();
                if (ok && v >= NB_TYPES_CANONIQUES) ok = false, *raison = "an event of no known type";
                if (ok && (v == TYPE_TOUCHE_ENFONCEE || v == TYPE_TOUCHE_RELACHEE))
                    ok = octet() && octet() && champ(3, NB_TOUCHES_CANONIQUES - 1) && champ(3, 0xFFFF) &&
                         champ(3, 0xFFFF);
                break;
            case 'C': {
                ok = champ(3, NB_TOUCHES_CANONIQUES);
                for (uint64_t k = 0, nb = v; ok && k < nb; ++k) ok = champ(3, 2 * NB_TOUCHES_CANONIQUES - 1);
                break;
            }
            case 'X': ok = champ(5, 0xFFFFFFFFu) && champ(5, 0xFFFFFFFFu); break;
            case 'Z':
                ok = octet() && v <= FIN_INTERROMPUE;
                if (!ok) *raison = "a bad end record";
                else if (p != n) ok = false, *raison = "records after the end record";
                else return 'Z';
                break;
            default: ok = false, *raison = "a record of no known kind";
        }
        if (!ok) return 0;
        if (type == 'I') {
            if (p == n) return 'I';
            *raison = "records after the flip that ends it";
            return 0;
        }
    }
    *raison = "no flip and no end record";
    return 0;
}

}  // namespace

int analyser_rejeu(const uint8_t* o, size_t n, BilanRejeu* bilan, char* raison, size_t taille_raison) {
    Refus refus{raison, taille_raison};
    memset(bilan, 0, sizeof *bilan);
    const size_t nm = sizeof MAGIE - 1;
    if (n == 0) return refus("empty file");
    if (memcmp(o, MAGIE, n < nm ? n : nm) != 0) return refus("not a Mirage replay");
    // The six header lines.
    size_t debuts[7];
    debuts[0] = 0;
    for (int i = 0; i < 6; ++i) {
        const uint8_t* nl = (const uint8_t*)memchr(o + debuts[i], '\n', n - debuts[i]);
        if (!nl || size_t(nl - o) >= TAILLE_MAX_ENTETE) {
            if (n < TAILLE_MAX_ENTETE && !nl) return refus("cut short inside its header (%zu bytes)", n);
            return refus("damaged header (no end)");
        }
        debuts[i + 1] = size_t(nl - o) + 1;
        if (i == 0) {
            unsigned format = 0;
            char reste = 0;
            std::string l((const char*)o + nm, debuts[1] - 1 - nm);
            if (sscanf(l.c_str(), "%u%c", &format, &reste) != 1 || l.empty() || l[0] == '+' || l[0] == '-')
                return refus("damaged header (format version)");
            if (format != FORMAT_REJEU) return refus("format version %u; this game reads version %d", format, FORMAT_REJEU);
        }
    }
    auto ligne = [&](int i) { return std::string((const char*)o + debuts[i], debuts[i + 1] - debuts[i]); };
    unsigned crc_lu = 0;
    char queue = 0;
    if (sscanf(ligne(5).c_str(), "entete %8x%c", &crc_lu, &queue) != 2 || queue != '\n' ||
        ligne(5) != ligne_entete("entete %08x\n", crc_lu))
        return refus("damaged header (checksum line)");
    const uint32_t crc_entete = crc_continue(0, o, debuts[5]);
    if (crc_lu != crc_entete) return refus("damaged header (checksum)");

    EnteteRejeu* e = &bilan->entete;
    char version[64] = "", scene[64] = "";
    unsigned long graine = 0, nb = 0;
    unsigned long long octets = 0, empreinte = 0;
    if (sscanf(ligne(1).c_str(), "jeu %31s", version) != 1 || sscanf(ligne(2).c_str(), "scene %15s", scene) != 1 ||
        sscanf(ligne(3).c_str(), "graine %lu", &graine) != 1 ||
        sscanf(ligne(4).c_str(), "donnees %lu %llu %llx", &nb, &octets, &empreinte) != 3)
        return refus("damaged header (fields)");
    snprintf(e->version_jeu, sizeof e->version_jeu, "%s", version);
    snprintf(e->scene, sizeof e->scene, "%s", scene);
    e->graine = uint32_t(graine);
    e->nb_fichiers = uint32_t(nb);
    e->octets = octets;
    e->empreinte = empreinte;
    // Checked against its checksum, the header must still be in the one spelling we write.
    if (corps_entete(e) != std::string((const char*)o, debuts[5])) return refus("damaged header (fields)");

    bilan->debut = debuts[6];
    size_t p = debuts[6];
    uint32_t crc = crc_entete;
    while (p < n) {
        size_t q = p;
        uint64_t longueur;
        int r = lire_varint(o, n, &q, &longueur, 4);
        if (r == VARINT_COUPE) break;
        if (r == VARINT_ABIME || longueur == 0 || longueur > TAILLE_MAX_IMAGE)
            return refus("frame %" PRIu32 " damaged at byte %zu (length)", bilan->nb_images + 1, p);
        if (q + longueur + 4 > n) break;  // the tail of a recording that was cut
        uint32_t c = crc_continue(crc_continue(crc, o + p, q - p), o + q, size_t(longueur));
        const uint8_t* lu = o + q + longueur;
        if (c != (lu[0] | uint32_t(lu[1]) << 8 | uint32_t(lu[2]) << 16 | uint32_t(lu[3]) << 24))
            return refus("frame %" PRIu32 " damaged at byte %zu (checksum)", bilan->nb_images + 1, p);
        crc = c;
        const char* pourquoi = "";
        char derniere = verifier_enregistrements(o + q, size_t(longueur), &pourquoi);
        if (!derniere) return refus("frame %" PRIu32 " damaged at byte %zu (%s)", bilan->nb_images + 1, p, pourquoi);
        p = q + size_t(longueur) + 4;
        if (derniere == 'I') {
            ++bilan->nb_images;
        } else {
            if (p != n) return refus("damaged: data after the end record at byte %zu", p);
            bilan->complet = 1;
            break;
        }
    }
    return 0;
}

// ---- recording ----

int enregistrement_ouvrir(const char* chemin, const EnteteRejeu* entete) {
    FILE* f = fopen(chemin, "wb");
    if (!f) return -1;
    std::string corps = corps_entete(entete);
    uint32_t crc = crc_continue(0, (const uint8_t*)corps.data(), corps.size());
    corps += ligne_entete("entete %08x\n", crc);
    if (fwrite(corps.data(), 1, corps.size(), f) != corps.size() || fflush(f) != 0) {
        int e = errno;
        fclose(f);
        errno = e;
        return -1;
    }
    static int a_la_sortie_posee = 0;
    if (!a_la_sortie_posee) atexit(a_la_sortie);
    a_la_sortie_posee = 1;
    ecr.f = f;
    ecr.chemin = chemin;
    ecr.image.clear();
    ecr.crc = crc;
    ecr.temps = 0;
    ecr.graine = entete->graine;
    memset(ecr.touches, 0, sizeof ecr.touches);
    plateforme_recomposer();
    return 0;
}

void enregistrement_fermer(void) {
    Occupe o;
    finir_enregistrement(FIN_NORMALE);
}

int enregistrement_actif(void) { return ecr.f != nullptr; }

// The recorder: each answer of the driver below is written down, then what the game gets is
// what was written, read back as playback reads it (an event or a key this build and the
// replay's numbering do not share is dropped alike in both). A recording that stopped (a full
// disk) leaves the answers as they are.
namespace {

const PilotePlateforme* sous_enregistreur() { return pilote_sous(&PILOTE_ENREGISTREUR); }

uint32_t ticks_enregistres() {
    uint32_t t = sous_enregistreur()->ticks();
    if (!ecr.f) return t;
    Occupe o;
    ecr.image.push_back('T');
    noter_temps(t);
    return t;
}

uint32_t attente_enregistree(uint32_t ms) {
    uint32_t t = sous_enregistreur()->attendre(ms);
    if (!ecr.f) return t;
    Occupe o;
    ecr.image.push_back('A');
    poser_varint(ecr.image, ms);
    noter_temps(t);
    return t;
}

int evenement_enregistre(SDL_Event* e) {
    int r = sous_enregistreur()->evenement(e);
    if (!ecr.f) return r;
    Occupe o;
    if (!r) {
        ecr.image.push_back('R');
        return 0;
    }
    EvenementCanonique c = evenement_canonique(e);
    ecr.image.push_back('E');
    poser_evenement(ecr.image, c);
    evenement_natif(&c, e);
    return 1;
}

void touches_enregistrees(Uint8* touches) {
    sous_enregistreur()->touches(touches);
    if (!ecr.f) return;
    Occupe o;
    uint32_t changees[NB_TOUCHES_CANONIQUES];
    uint32_t n = 0;
    for (int c = 0; c < NB_TOUCHES_CANONIQUES; ++c) {
        int k = touche_native(c);
        Uint8 tenue = (k != 0 || c == 0) && touches[k] != 0;
        if (tenue != ecr.touches[c]) {
            ecr.touches[c] = tenue;
            changees[n++] = 2 * uint32_t(c) + tenue;
        }
    }
    ecr.image.push_back('C');
    poser_varint(ecr.image, n);
    for (uint32_t i = 0; i < n; ++i) poser_varint(ecr.image, changees[i]);
    poser_touches_natives(ecr.touches, touches);
}

uint32_t image_enregistree(SDL_Surface* ecran, int* resultat) {
    uint32_t t = sous_enregistreur()->afficher(ecran, resultat);
    if (!ecr.f) return t;
    Occupe o;
    ecr.image.push_back('I');
    noter_temps(t);
    ecrire_image();
    return t;
}

unsigned int graine_enregistree() {
    unsigned int graine = sous_enregistreur()->graine();
    if (!ecr.f) return graine;
    Occupe o;
    ecr.image.push_back('G');
    poser_varint(ecr.image, zigzag(uint32_t(graine) - ecr.graine));
    return graine;
}

SDL_Surface* ouvrir_ecran_enregistre() { return sous_enregistreur()->ouvrir_ecran(); }
int montrer_enregistre(SDL_Surface* ecran) { return sous_enregistreur()->montrer(ecran); }
uint32_t maintenant_enregistre() { return sous_enregistreur()->maintenant(); }
void suivre_enregistre(uint32_t t) { sous_enregistreur()->suivre(t); }

}  // namespace

const PilotePlateforme PILOTE_ENREGISTREUR = {
    "enregistreur",     ouvrir_ecran_enregistre, ticks_enregistres, attente_enregistree,   evenement_enregistre,
    touches_enregistrees, image_enregistree,     montrer_enregistre, graine_enregistree, maintenant_enregistre,
    suivre_enregistre,
};

// ---- playback ----

namespace {

[[noreturn]] void arreter(const char* format, ...) __attribute__((format(printf, 1, 2)));
void arreter(const char* format, ...) {
    fprintf(stderr, "mirage: cannot replay %s: ", lec.chemin.c_str());
    va_list a;
    va_start(a, format);
    vfprintf(stderr, format, a);
    va_end(a);
    fputc('\n', stderr);
    exit(1);
}

uint64_t varint_lu() {
    uint64_t v = 0;
    lire_varint(lec.octets.data(), lec.fin, &lec.pos, &v, 5);  // checked when the file was opened
    return v;
}

// The letter of the next record, moving to the next frame when this one is done; 0 when
// the recording has nothing more (cut short, or read to its end).
char regarder() {
    const uint8_t* o = lec.octets.data();
    while (lec.pos >= lec.fin) {
        if (lec.lues >= lec.bilan.nb_images + uint32_t(lec.bilan.complet)) return 0;
        size_t p = lec.suivante;
        uint64_t longueur = 0;
        lire_varint(o, lec.octets.size(), &p, &longueur, 4);
        lec.pos = p;
        lec.fin = p + size_t(longueur);
        lec.suivante = lec.fin + 4;  // past its CRC
        ++lec.lues;
    }
    return char(o[lec.pos]);
}

// What a record stands for, for the out-of-step message (read without consuming it).
std::string decrire(char type) {
    if (type == 'A') {
        size_t garde = lec.pos;
        ++lec.pos;
        uint64_t ms = varint_lu();
        lec.pos = garde;
        return "waits " + std::to_string(ms) + " ms";
    }
    if (type == 'X') {
        size_t garde = lec.pos;
        ++lec.pos;
        uint64_t genre = varint_lu();
        lec.pos = garde;
        return "takes external reading " + std::to_string(genre);
    }
    switch (type) {
        case 'T': return "reads the clock";
        case 'E': return "takes an event";
        case 'R': return "finds no event";
        case 'C': return "reads the key state";
        case 'I': return "shows a frame";
        case 'G': return "reads the seed";
        case 'Z': return "ends";
        default: return "?";
    }
}

// Takes the next record, which must be `type`; `demande` says what the game asks for.
void prendre(char type, const std::string& demande) {
    char t = regarder();
    if (t == type && type != 'A' && type != 'X') {
        ++lec.pos;
        return;
    }
    if (t == 0)
        arreter("cut short after frame %" PRIu32 " (killed or truncated while recording); replayed up to there",
                lec.images);
    if (t == 'Z' && lec.octets[lec.pos + 1] == FIN_INTERROMPUE) {
        fprintf(stderr, "mirage: replay %s ends after frame %" PRIu32 ", where the recorded game was stopped\n",
                lec.chemin.c_str(), lec.images);
        exit(0);
    }
    std::string enregistre = decrire(t);
    if (t == type && enregistre == demande) {
        ++lec.pos;
        return;
    }
    arreter("out of step at frame %" PRIu32 ": the game %s where the recording %s", lec.images + 1, demande.c_str(),
            enregistre.c_str());
}

uint32_t temps_lu() {
    lec.temps += dezigzag(uint32_t(varint_lu()));
    return lec.temps;
}

// Keeps the window alive during playback: closing it or Escape ends the replay, the display
// mode keys switch it; the viewer's other input is dropped (the game gets the recorded one).
void pomper_fenetre() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        int echap = e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE;
        if (e.type == SDL_QUIT || echap) {
            fprintf(stderr, "mirage: replay of %s stopped at frame %" PRIu32 "\n", lec.chemin.c_str(), lec.images);
            exit(0);
        }
        if (e.type == SDL_KEYDOWN &&
            (e.key.keysym.sym == SDLK_F11 ||
             ((e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER) && (e.key.keysym.mod & KMOD_ALT))))
            plateforme_basculer_fenetre();
    }
}

void cadencer(uint32_t t) {
    int64_t maintenant = SDL_GetTicks();
    if (maintenant > int64_t(t) + lec.decalage) lec.decalage = maintenant - int64_t(t);
    for (;;) {
        pomper_fenetre();
        maintenant = SDL_GetTicks();
        int64_t reste = int64_t(t) + lec.decalage - maintenant;
        if (reste <= 0) break;
        SDL_Delay(Uint32(reste < 10 ? reste : 10));
    }
}

}  // namespace

void rejeu_ouvrir(const char* chemin, const EnteteRejeu* ici, int fenetre, EnteteRejeu* lu) {
    lec = Lecteur();
    lec.chemin = chemin;
    char raison[256];
    long long taille = 0;
    FILE* f = ouvrir_fichier_regulier(chemin, &taille, raison, sizeof raison);
    if (!f) arreter("%s", raison);
    if (uint64_t(taille) > TAILLE_MAX_REJEU) {
        fclose(f);
        arreter("too large (%lld bytes; a replay holds at most %" PRIu64 " MiB)", taille, TAILLE_MAX_REJEU >> 20);
    }
    // The header first: what is not a replay is refused before the rest is read. Then never
    // more than the size the file had when it was opened.
    lec.octets.resize(std::min(size_t(taille), TAILLE_MAX_ENTETE));
    size_t lus = fread(lec.octets.data(), 1, lec.octets.size(), f);
    if (analyser_rejeu(lec.octets.data(), lus, &lec.bilan, raison, sizeof raison) < 0 && !ferror(f)) {
        fclose(f);
        arreter("%s", raison);
    }
    lec.octets.resize(size_t(taille));
    lus += fread(lec.octets.data() + lus, 1, lec.octets.size() - lus, f);
    int erreur = ferror(f);
    fclose(f);
    if (erreur) arreter("read error");
    lec.octets.resize(lus);
    if (analyser_rejeu(lec.octets.data(), lec.octets.size(), &lec.bilan, raison, sizeof raison) < 0)
        arreter("%s", raison);
    const EnteteRejeu* e = &lec.bilan.entete;
    if (strcmp(e->version_jeu, ici->version_jeu) != 0)
        arreter("recorded by Mirage %s; this is Mirage %s", e->version_jeu, ici->version_jeu);
    if (e->nb_fichiers != ici->nb_fichiers || e->octets != ici->octets || e->empreinte != ici->empreinte)
        arreter("recorded with other data files (%" PRIu32 " files, %" PRIu64 " bytes, FNV-1a %016" PRIx64
                "; here %" PRIu32 " files, %" PRIu64 " bytes, FNV-1a %016" PRIx64 ")",
                e->nb_fichiers, e->octets, e->empreinte, ici->nb_fichiers, ici->octets, ici->empreinte);
    lec.suivante = lec.bilan.debut;
    lec.fenetre = fenetre;
    lec.actif = 1;
    *lu = *e;
    plateforme_recomposer();
}

void rejeu_terminer(void) {
    if (!lec.actif) return;
    char t = regarder();
    if (t == 0 || t == 'Z') {
        lec.actif = 0;
        plateforme_recomposer();
        return;
    }
    arreter("out of step at frame %" PRIu32 ": the game ends where the recording %s", lec.images + 1,
            decrire(t).c_str());
}

int rejeu_actif(void) { return lec.actif; }

// Playback: every answer from the recording. The driver below shows the frames and, when
// simulated, has its virtual clock follow the recorded one.
namespace {

const PilotePlateforme* sous_rejeu() { return pilote_sous(&PILOTE_REJEU); }

uint32_t ticks_rejoues() {
    prendre('T', "reads the clock");
    uint32_t t = temps_lu();
    sous_rejeu()->suivre(t);
    return t;
}

uint32_t attente_rejouee(uint32_t ms) {
    prendre('A', "waits " + std::to_string(ms) + " ms");
    varint_lu();
    uint32_t t = temps_lu();
    sous_rejeu()->suivre(t);
    return t;
}

int evenement_rejoue(SDL_Event* evenement) {
    char t = regarder();
    prendre(t == 'R' ? 'R' : 'E', "polls for an event");
    if (t == 'R') return 0;
    EvenementCanonique c;
    memset(&c, 0, sizeof c);
    c.type = lec.octets[lec.pos++];
    if (c.type == TYPE_TOUCHE_ENFONCEE || c.type == TYPE_TOUCHE_RELACHEE) {
        c.which = lec.octets[lec.pos++];
        c.scancode = lec.octets[lec.pos++];
        c.sym = uint32_t(varint_lu());
        c.mod = uint32_t(varint_lu());
        c.unicode = uint32_t(varint_lu());
    }
    evenement_natif(&c, evenement);
    return 1;
}

void touches_rejouees(Uint8* touches) {
    prendre('C', "reads the key state");
    for (uint64_t k = 0, n = varint_lu(); k < n; ++k) {
        uint64_t c = varint_lu();
        lec.touches[c / 2] = Uint8(c & 1);
    }
    poser_touches_natives(lec.touches, touches);
}

// The flip's recorded time comes first: the window waits for it before showing the frame.
uint32_t image_rejouee(SDL_Surface* ecran, int* resultat) {
    prendre('I', "shows a frame");
    uint32_t t = temps_lu();
    ++lec.images;
    if (lec.fenetre) cadencer(t);
    *resultat = sous_rejeu()->montrer(ecran);
    sous_rejeu()->suivre(t);
    return t;
}

unsigned int graine_rejouee() {
    prendre('G', "reads the seed");
    return lec.bilan.entete.graine + dezigzag(uint32_t(varint_lu()));
}

SDL_Surface* ouvrir_ecran_rejoue() { return sous_rejeu()->ouvrir_ecran(); }
int montrer_rejoue(SDL_Surface* ecran) { return sous_rejeu()->montrer(ecran); }
uint32_t maintenant_rejoue() { return sous_rejeu()->maintenant(); }
void suivre_rejoue(uint32_t t) { sous_rejeu()->suivre(t); }

}  // namespace

const PilotePlateforme PILOTE_REJEU = {
    "rejeu",        ouvrir_ecran_rejoue, ticks_rejoues,  attente_rejouee,   evenement_rejoue, touches_rejouees,
    image_rejouee,  montrer_rejoue,      graine_rejouee, maintenant_rejoue, suivre_rejoue,
};

char rejeu_prochain(uint32_t* champ) {
    char t = regarder();
    *champ = 0;
    if (t == 'A' || t == 'X') {
        size_t garde = lec.pos++;
        *champ = uint32_t(varint_lu());
        lec.pos = garde;
    }
    return t;
}

int lecture_externe(GenreLecture genre, int valeur) {
    if (lec.actif) {
        prendre('X', "takes external reading " + std::to_string(int(genre)));
        varint_lu();
        return int(dezigzag(uint32_t(varint_lu())));
    }
    if (ecr.f) {
        Occupe o;
        ecr.image.push_back('X');
        poser_varint(ecr.image, uint32_t(genre));
        poser_varint(ecr.image, zigzag(uint32_t(valeur)));
    }
    return valeur;
}
