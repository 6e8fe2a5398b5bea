// Musics: every Ogg Vorbis track the game plays, each composed from its section table,
// rendered and encoded on its own worker thread (tracks share nothing, so the bytes do not
// depend on the scheduling).
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "audio_sequenceur.h"
#include "audio_vorbis.h"
#include "durees_musiques.h"
#include "generateurs.h"
#include "sortie.h"

namespace ag {

namespace {

const int MINEUR[7] = {0, 2, 3, 5, 7, 8, 10};
const int DORIEN[7] = {0, 2, 3, 5, 7, 9, 10};
const int PHRYGIEN[7] = {0, 1, 3, 5, 7, 8, 10};
const int MAJEUR[7] = {0, 2, 4, 5, 7, 9, 11};

// Instruments, field order: forme, rapport, attaque, declin, maintien, relache, filtre_hz,
// filtre_env, resonance, vibrato_hz, vibrato_demi, desaccord, glisse, volume, portamento.
const Instrument LEAD_CARRE = {Forme::Carre, 0.25, 0.004, 0.15, 0.70, 0.10, 3200, 3000, 0.8, 5.5, 0.15, 0, 0, 0.20, 0.02};
const Instrument LEAD_SCIE = {Forme::DentScie, 0.5, 0.004, 0.20, 0.65, 0.10, 2400, 3600, 1.2, 5.5, 0.12, 7, 0, 0.38, 0.015};
const Instrument LEAD_DOUX = {Forme::Triangle, 0.5, 0.030, 0.30, 0.80, 0.35, 0, 0, 0.7, 4.5, 0.18, 0, 0, 0.30, 0.05};
const Instrument LEAD_FLUTE = {Forme::Carre, 0.5, 0.040, 0.30, 0.75, 0.30, 1500, 600, 0.7, 5.0, 0.20, 0, 0, 0.22, 0.04};
const Instrument BASSE_SCIE = {Forme::DentScie, 0.5, 0.003, 0.12, 0.50, 0.05, 380, 1400, 1.6, 0, 0, 0, 0, 0.252};
const Instrument BASSE_TRIANGLE = {Forme::Triangle, 0.5, 0.005, 0.20, 0.80, 0.10, 0, 0, 0.7, 0, 0, 0, 0, 0.315};
const Instrument BASSE_RONDE = {Forme::Carre, 0.5, 0.010, 0.30, 0.70, 0.25, 300, 300, 0.7, 0, 0, 0, 0, 0.224};
const Instrument NAPPE_SCIE = {Forme::DentScie, 0.5, 0.300, 0.50, 0.80, 0.60, 1100, 0, 0.7, 0, 0, 12, 0, 0.084};
const Instrument NAPPE_SOMBRE = {Forme::DentScie, 0.5, 0.900, 1.00, 0.85, 1.50, 700, 0, 1.0, 0.3, 0.08, 18, 0, 0.112};
const Instrument NAPPE_CARRE = {Forme::Carre, 0.5, 0.200, 0.40, 0.70, 0.50, 1400, 0, 0.7, 0, 0, 9, 0, 0.07};
const Instrument ARPEGE_PINCE = {Forme::Carre, 0.125, 0.002, 0.12, 0.20, 0.08, 3500, 2500, 0.9, 0, 0, 0, 0, 0.111};
const Instrument ARPEGE_CLOCHE = {Forme::Sinus, 0.5, 0.002, 0.40, 0.10, 0.60, 0, 0, 0.7, 0, 0, 0, 0, 0.208};
const Instrument ARPEGE_VERRE = {Forme::Triangle, 0.5, 0.003, 0.25, 0.15, 0.40, 0, 0, 0.7, 0, 0, 0, 0, 0.182};
const Instrument CONTRE_DOUX = {Forme::Triangle, 0.5, 0.060, 0.30, 0.80, 0.30, 0, 0, 0.7, 4.0, 0.10, 0, 0, 0.16};
const Instrument CONTRE_CARRE = {Forme::Carre, 0.5, 0.030, 0.20, 0.70, 0.20, 1800, 500, 0.7, 5.0, 0.10, 0, 0, 0.10};

const unsigned TOUT = MELODIE | BASSE | NAPPE | ARPEGE | BATTERIE;

// Section fields: mesures, accords, accords_par_mesure, couches, theme, batterie, basse,
// arpege, octave, intensite, remplissage.

// Level 1: the desert run, energetic, E minor. Its closing chord strikes with the boss alarm
// and rings out under it, just before the boss music.
const Section ACIER[] = {
    {8, "0 5 2 6", 1, NAPPE | ARPEGE | BASSE | BATTERIE, -1, 4, 0, 2, 0, 0.75, true},
    {16, "0 5 2 6", 1, TOUT, 0, 1, 2, 1, 0, 1.0, true},
    {8, "5 3 0 6", 1, TOUT | CONTRECHANT, 1, 7, 4, 3, 0, 0.95, true},
    {16, "0 5 2 6", 1, TOUT | CONTRECHANT, 0, 2, 2, 2, 0, 1.0, true},
    {8, "3 3 4 4 5 5 6 6", 1, MELODIE | NAPPE | ARPEGE | BASSE | BATTERIE, 2, 3, 3, 6, 0, 0.8, true},
    {8, "5 3 0 6", 1, TOUT, 1, 7, 4, 3, 0, 0.95, true},
    {8, "0 6 5 6 3 4 5 6", 2, TOUT, 3, 1, 7, 1, 0, 1.0, true},
    {12, "0 5 2 6", 1, TOUT | CONTRECHANT, 0, 2, 2, 2, 0, 1.0, true},
    {1, "0", 1, TOUT, 0, 1, 0, 0, 0, 1.0, false},
};
// Boss: tense, fast, D Phrygian; starts at full force, breaks down to a half-time groove
// under the counter-voice, and comes back. The level restarts it whenever it
// ends, so it closes on a two-bar turn (the flat seventh, then the flat second that falls
// back onto the tonic) with a fill into its own first downbeat.
const Section BOSS[] = {
    {8, "0 0 1 0", 1, TOUT, 0, 5, 5, 2, 0, 1.0, true},
    {8, "3 1 5 0", 1, TOUT, 1, 7, 7, 4, 0, 0.95, true},
    {8, "0 0 1 0", 1, NAPPE | ARPEGE | BASSE | BATTERIE | CONTRECHANT, -1, 3, 0, 1, 0, 0.8, true},
    {8, "1 0 6 0", 1, TOUT, 2, 2, 5, 4, 0, 1.0, true},
    {2, "6 1", 1, NAPPE | ARPEGE | BASSE | BATTERIE | CONTRECHANT, -1, 5, 5, 4, 0, 1.0, true},
};
// Level 2: above the clouds, A Dorian; the storm comes in the darker bridges. Long enough for
// a last boss that is never destroyed.
const Section CIEL[] = {
    {4, "0 3 6 3", 1, NAPPE | ARPEGE | BATTERIE, -1, 4, 0, 5, 0, 0.7, true},
    {16, "0 3 6 3", 1, TOUT, 0, 1, 4, 5, 0, 1.0, true},
    {8, "2 3 4 0", 1, TOUT | CONTRECHANT, 1, 2, 2, 1, 0, 0.95, true},
    {16, "0 3 6 3", 1, TOUT | CONTRECHANT, 0, 7, 4, 5, 0, 1.0, true},
    {8, "3 3 0 0 6 6 4 4", 1, MELODIE | NAPPE | BASSE | BATTERIE | ARPEGE, 2, 3, 3, 4, -1, 0.85, true},
    {8, "2 3 4 0", 1, TOUT, 1, 2, 2, 1, 0, 0.95, true},
    {8, "0 6 3 4 0 6 2 4", 2, TOUT, 3, 7, 7, 2, 0, 1.0, true},
    {8, "3 3 0 0 6 6 4 4", 1, MELODIE | NAPPE | BASSE | BATTERIE | ARPEGE, 2, 3, 3, 4, 0, 0.9, true},
    {8, "0 3 6 3", 1, NAPPE | ARPEGE | BASSE | BATTERIE, -1, 4, 0, 5, 0, 0.75, true},
    {16, "2 3 4 0", 1, TOUT | CONTRECHANT, 1, 2, 2, 1, 0, 0.95, true},
    {16, "0 3 6 3", 1, TOUT | CONTRECHANT, 0, 1, 4, 5, 0, 1.0, true},
    {2, "0", 1, TOUT, 0, 0, 0, 0, 0, 1.0, false},
};
// Intro story: mysterious, slow, C minor with distant toms.
const Section INTRO[] = {
    {4, "0 5", 1, NAPPE | ARPEGE, -1, 0, 0, 3, 0, 0.6, false},
    {8, "0 5 6 0", 1, MELODIE | NAPPE | ARPEGE | BASSE | BATTERIE, 0, 6, 0, 3, 0, 0.8, false},
    {8, "3 0 5 4", 1, MELODIE | NAPPE | ARPEGE | BASSE | BATTERIE | CONTRECHANT, 1, 4, 3, 6, 0, 0.9, false},
    {4, "0 5 6 0", 1, MELODIE | NAPPE | ARPEGE | BASSE | BATTERIE | CONTRECHANT, 0, 6, 0, 3, 0, 0.85, false},
    {2, "0", 1, NAPPE | BASSE | MELODIE, 0, 0, 0, 0, 0, 0.8, false},
};
// Bad news: sad, D minor, no drums.
const Section TRISTE[] = {
    {3, "0 5 3", 1, NAPPE | ARPEGE, -1, 0, 0, 3, 0, 0.6, false},
    {8, "0 5 3 4", 1, MELODIE | NAPPE | ARPEGE | BASSE, 0, 0, 6, 3, 0, 0.85, false},
    {4, "5 2 3 4", 1, MELODIE | NAPPE | BASSE | CONTRECHANT, 1, 0, 0, 0, 0, 0.9, false},
    {4, "0 5 3 4", 1, MELODIE | NAPPE | ARPEGE | BASSE | CONTRECHANT, 0, 0, 6, 3, 0, 0.8, false},
    {2, "0", 1, NAPPE | BASSE | MELODIE, 0, 0, 0, 0, 0, 0.7, false},
};
// Death in the desert: eerie, B Phrygian, glassy bells over a dark pad.
const Section MORT[] = {
    {3, "0 1 0", 1, NAPPE | ARPEGE, -1, 0, 0, 6, 0, 0.6, false},
    {6, "0 1 0 5", 1, MELODIE | NAPPE | ARPEGE | BASSE | BATTERIE, 0, 6, 0, 6, 0, 0.75, false},
    {4, "3 1 6 0", 1, MELODIE | NAPPE | BASSE | BATTERIE | CONTRECHANT, 1, 4, 3, 0, 0, 0.8, false},
    {3, "0 1 0", 1, MELODIE | NAPPE | ARPEGE | BASSE, 0, 0, 0, 3, 0, 0.7, false},
    {1, "0", 1, NAPPE | BASSE, 0, 0, 0, 0, 0, 0.6, false},
};
// Farewell: melancholic turning hopeful, G major.
const Section ADIEU[] = {
    {4, "0 4 5 3", 1, NAPPE | ARPEGE, -1, 0, 0, 3, 0, 0.6, false},
    {16, "0 4 5 3 0 3 4 0", 1, MELODIE | NAPPE | ARPEGE | BASSE | BATTERIE, 0, 4, 6, 3, 0, 0.8, true},
    {8, "5 3 0 4", 1, TOUT | CONTRECHANT, 1, 3, 3, 5, 0, 0.85, true},
    {16, "0 4 5 3 0 3 4 0", 1, TOUT | CONTRECHANT, 0, 1, 1, 1, 0, 1.0, true},
    {8, "3 4 2 5", 1, MELODIE | NAPPE | ARPEGE | BASSE | BATTERIE, 2, 3, 3, 6, 0, 0.85, true},
    {8, "5 3 0 4", 1, TOUT | CONTRECHANT, 1, 1, 1, 5, 0, 0.95, true},
    {8, "0 4 5 3 0 3 4 0", 1, TOUT | CONTRECHANT, 0, 1, 1, 1, 0, 1.0, false},
    {4, "0", 1, NAPPE | BASSE | MELODIE | ARPEGE, 0, 0, 0, 0, 0, 0.8, false},
};

#define SECTIONS(t) t, int(sizeof t / sizeof *t)

// Fields: fichier, tempo, tonique, gamme, densite, melodie, basse, nappe, arpege, contrechant,
// sections, graine, echo_retard, reverb, boucle, queue. The tempo of a music that its scene
// replaces is only a guide: ajuster() paces it to end just in time.
const Morceau MORCEAUX[] = {
    {"SteelOfDestiny.ogg", 150, 64, MINEUR, 2, LEAD_SCIE, BASSE_SCIE, NAPPE_SCIE, ARPEGE_PINCE, CONTRE_CARRE,
     SECTIONS(ACIER), 101, 0.75, 0.3, false, 1.2},
    {"Boss.ogg", 168, 62, PHRYGIEN, 2, LEAD_SCIE, BASSE_SCIE, NAPPE_CARRE, ARPEGE_PINCE, CONTRE_CARRE,
     SECTIONS(BOSS), 202, 0.5, 0.2, true},
    {"Sho.ogg", 144, 69, DORIEN, 1, LEAD_CARRE, BASSE_TRIANGLE, NAPPE_CARRE, ARPEGE_PINCE, CONTRE_DOUX,
     SECTIONS(CIEL), 303, 0.75, 0.4, false},
    {"Intro.ogg", 84, 60, MINEUR, 0, LEAD_FLUTE, BASSE_RONDE, NAPPE_SOMBRE, ARPEGE_CLOCHE, CONTRE_DOUX,
     SECTIONS(INTRO), 404, 0.75, 0.8, false},
    {"Sad.ogg", 70, 62, MINEUR, 0, LEAD_DOUX, BASSE_RONDE, NAPPE_SCIE, ARPEGE_VERRE, CONTRE_DOUX,
     SECTIONS(TRISTE), 505, 0.5, 0.8, false},
    {"Mort.ogg", 60, 59, PHRYGIEN, 0, LEAD_FLUTE, BASSE_RONDE, NAPPE_SOMBRE, ARPEGE_CLOCHE, CONTRE_DOUX,
     SECTIONS(MORT), 606, 1.5, 0.95, false},
    {"Bye.ogg", 96, 67, MAJEUR, 1, LEAD_DOUX, BASSE_TRIANGLE, NAPPE_SCIE, ARPEGE_VERRE, CONTRE_CARRE,
     SECTIONS(ADIEU), 707, 0.75, 0.7, false},
};
const int NB_MORCEAUX = int(sizeof MORCEAUX / sizeof *MORCEAUX);

// Low VBR quality: chip voices survive it well and it keeps the encoding the cheap part.
const float QUALITE_VORBIS = 0.4f;

}  // namespace

const BesoinMusique& besoin(const char* fichier) {
    for (const BesoinMusique& b : BESOINS_MUSIQUES)
        if (!std::strcmp(b.fichier, fichier)) return b;
    throw std::runtime_error(std::string(fichier) + ": no scene length for this music");
}

// The piece fitted to its scene (durees_musiques.h): a music the scene replaces is paced to
// ring out just before; one the scene fades must last until the fade is over; the loop loops.
Morceau ajuster(const Morceau& m) {
    const BesoinMusique& b = besoin(m.fichier);
    const std::string nom = m.fichier;
    if ((b.fin == FinMusique::Relancee) != m.boucle) throw std::runtime_error(nom + ": loops where its scene does not restart it, or the reverse");
    Morceau r = m;
    if (b.fin == FinMusique::Relayee) {
        r.tempo = mesures_morceau(m) * 240.0 / (b.moment - AVANCE_RELAIS - m.queue);
        if (std::fabs(r.tempo / m.tempo - 1) > 0.06)
            throw std::runtime_error(nom + ": " + std::to_string(mesures_morceau(m)) + " bars need " + std::to_string(r.tempo) +
                                     " beats a minute to fill " + b.scene + "; write more or fewer bars");
    } else if (b.fin == FinMusique::Fondue && duree_morceau(m) < (b.moment + b.fondu) * (1 + MARGE_FONDU)) {
        throw std::runtime_error(nom + ": " + std::to_string(duree_morceau(m)) + " s is too short for " + b.scene);
    }
    return r;
}

void generer_musiques() {
    // Longest tracks first so the workers finish together.
    for (const BesoinMusique& b : BESOINS_MUSIQUES)
        if (std::none_of(MORCEAUX, MORCEAUX + NB_MORCEAUX, [&](const Morceau& m) { return !std::strcmp(m.fichier, b.fichier); }))
            throw std::runtime_error(std::string(b.fichier) + ": a scene plays it but nothing composes it");
    std::vector<Morceau> morceaux;
    for (const Morceau& m : MORCEAUX) morceaux.push_back(ajuster(m));
    std::vector<int> ordre(NB_MORCEAUX);
    for (int i = 0; i < NB_MORCEAUX; ++i) ordre[size_t(i)] = i;
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&](int a, int b) { return duree_morceau(morceaux[size_t(a)]) > duree_morceau(morceaux[size_t(b)]); });
    std::vector<std::vector<uint8_t>> fichiers(NB_MORCEAUX);
    std::vector<std::string> erreurs(NB_MORCEAUX);
    std::atomic<int> suivant{0};
    auto travailler = [&]() {
        for (int k; (k = suivant++) < NB_MORCEAUX;) {
            int i = ordre[size_t(k)];
            try {
                fichiers[size_t(i)] = encoder_vorbis(composer(morceaux[size_t(i)]), QUALITE_VORBIS, 0x4D490000 + i);
            } catch (const std::exception& e) {
                erreurs[size_t(i)] = std::string(MORCEAUX[i].fichier) + ": " + e.what();
            }
        }
    };
    unsigned n = std::clamp(std::thread::hardware_concurrency(), 1u, unsigned(NB_MORCEAUX));
    std::vector<std::thread> ouvriers;
    for (unsigned t = 1; t < n; ++t) ouvriers.emplace_back(travailler);
    travailler();
    for (std::thread& t : ouvriers) t.join();
    for (const std::string& e : erreurs)
        if (!e.empty()) throw std::runtime_error(e);
    for (int i = 0; i < NB_MORCEAUX; ++i) sauver_octets(std::string("Sound/") + MORCEAUX[i].fichier, fichiers[size_t(i)]);
}

}  // namespace ag
