// The music box: instruments, drums, and the composer that writes and plays each piece.
//
// Harmony is modal: a chord is a scale degree and its triad inside the piece's mode, so every
// layer that sticks to chord tones on strong beats stays consonant. Themes are built from
// one-bar rhythm cells and melodic moves, repeated in the classic a-b-a-cadence phrase so the
// tune is recognisable when it comes back over other chords.
#include "audio_sequenceur.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "audio_mixage.h"

namespace ag {

void jouer_note(Tampon& t, const Instrument& ins, const Note& n) {
    if (n.duree <= 0 || n.velocite <= 0) return;
    size_t debut = size_t(std::max(0.0, n.debut) * FREQUENCE + 0.5);
    size_t nb = size_t((n.duree + ins.relache) * FREQUENCE) + 1;
    double gg, gd;
    gains_panoramique(n.pan, gg, gd);
    Oscillateur o1, o2;
    o1.forme = o2.forme = ins.forme;
    o1.rapport = o2.rapport = ins.rapport;
    o2.phase = 0.37;  // the detuned copy starts out of phase, or the attack would double
    o1.bruit = Alea(uint64_t(n.hauteur * 977 + n.debut * 44100));
    o2.bruit = Alea(o1.bruit.s ^ 0x5555);
    double rapport_desaccord = std::pow(2.0, ins.desaccord / 1200.0);
    Filtre f;
    double base = frequence_midi(n.hauteur), hz = base, coupure = ins.filtre_hz;
    double amp = ins.volume * n.velocite;
    for (size_t i = 0; i < nb; ++i) {
        double ts = double(i) / FREQUENCE;
        // Pitch and filter move at a control rate of one update per 16 samples.
        if ((i & 15) == 0) {
            double demi = 0;
            if (ins.glisse != 0) demi += ins.glisse * std::exp(-ts * 40.0);
            if (n.depart != 0 && ins.portamento > 0) demi += n.depart * std::exp(-ts / ins.portamento);
            if (ins.vibrato_demi != 0) {
                double fondu = std::clamp((ts - 0.2) / 0.3, 0.0, 1.0);
                demi += ins.vibrato_demi * fondu * std::sin(2 * PI * ins.vibrato_hz * ts);
            }
            hz = demi != 0 ? base * std::pow(2.0, demi / 12.0) : base;
            if (ins.filtre_hz > 0)
                coupure = ins.filtre_hz + ins.filtre_env * n.velocite * std::exp(-ts / std::max(0.01, ins.declin));
        }
        double env = adsr(ts, n.duree, ins.attaque, ins.declin, ins.maintien, ins.relache);
        if (env <= 0 && ts > n.duree) break;
        double v = echantillon(o1, hz);
        if (ins.desaccord != 0) v = 0.6 * (v + echantillon(o2, hz * rapport_desaccord));
        if (ins.filtre_hz > 0) v = filtrer(f, TypeFiltre::PasseBas, v, coupure, ins.resonance);
        ajouter(t, debut + i, v * env * amp, gg, gd);
    }
}

void jouer_frappe(Tampon& t, Frappe fr, double debut, double velocite, double pan, uint64_t graine) {
    struct Reglage { double duree, volume; };
    static const Reglage reglages[] = {
        {0.45, 0.42},  // GrosseCaisse
        {0.30, 0.21},  // CaisseClaire
        {0.07, 0.07},  // Charleston
        {0.35, 0.06},  // CharlestonOuvert
        {1.80, 0.09},  // Cymbale
        {0.55, 0.28},  // Tom
        {0.45, 0.25},  // TomAigu
    };
    const Reglage& r = reglages[int(fr)];
    size_t d = size_t(std::max(0.0, debut) * FREQUENCE + 0.5), nb = size_t(r.duree * FREQUENCE);
    double gg, gd;
    gains_panoramique(pan, gg, gd);
    Alea a(graine);
    Filtre f1, f2;
    double phase = 0, phase2 = 0, amp = r.volume * velocite;
    for (size_t i = 0; i < nb; ++i) {
        double ts = double(i) / FREQUENCE, v = 0;
        double bruit = a.reel() * 2 - 1;
        switch (fr) {
            case Frappe::GrosseCaisse: {
                phase += (48 + 120 * std::exp(-ts * 28)) / FREQUENCE;
                if (phase >= 1) phase -= 1;
                v = sinus_tour(phase) * std::exp(-ts * 7) + 0.35 * bruit * std::exp(-ts * 350);
                break;
            }
            case Frappe::CaisseClaire: {
                phase += 190.0 / FREQUENCE;
                phase2 += 190.0 * 1.73 / FREQUENCE;
                if (phase >= 1) phase -= 1;
                if (phase2 >= 1) phase2 -= 1;
                double ton = (sinus_tour(phase) + 0.4 * sinus_tour(phase2)) * std::exp(-ts * 28);
                double souffle = filtrer(f1, TypeFiltre::PasseHaut, bruit, 1800, 0.7) * std::exp(-ts * 15);
                v = 0.45 * ton + 0.9 * souffle;
                break;
            }
            case Frappe::Charleston:
                v = filtrer(f1, TypeFiltre::PasseHaut, bruit, 7500, 0.9) * std::exp(-ts * 70);
                break;
            case Frappe::CharlestonOuvert:
                v = filtrer(f1, TypeFiltre::PasseHaut, bruit, 6500, 0.9) * std::exp(-ts * 9);
                break;
            case Frappe::Cymbale: {
                double b = filtrer(f1, TypeFiltre::PasseHaut, bruit, 4200, 0.7);
                v = (b + 0.6 * filtrer(f2, TypeFiltre::PasseBande, bruit, 9000, 2.0)) * std::exp(-ts * 2.2);
                break;
            }
            case Frappe::Tom:
            case Frappe::TomAigu: {
                double haut = fr == Frappe::Tom ? 95 : 150;
                phase += (haut + haut * 0.6 * std::exp(-ts * 18)) / FREQUENCE;
                if (phase >= 1) phase -= 1;
                v = sinus_tour(phase) * std::exp(-ts * 7) + 0.15 * bruit * std::exp(-ts * 90);
                break;
            }
        }
        ajouter(t, d + i, v * amp, gg, gd);
    }
}

// ---- composer ----

namespace {

const int PAS = 16;  // sixteenth-note steps in a bar

// One-bar rhythm cells of the themes: 'x' starts a note, '-' holds it, '.' rests.
const char* const CELLULES_LENTES[] = {
    "x-------x-------", "x-----------x---", "x-------x---x---", "x-----x-x-------",
    "x---x---x-------", "x-------x-x-----", "x-----x-----x---",
};
const char* const CELLULES_MOYENNES[] = {
    "x---x---x---x---", "x-x-x---x---x---", "x--x--x-x-------", "x---x-x-x-------",
    "x-----x-x---x---", "x-x-x-x-x-------", "x---x-----x-x---", "x--x--x---x-x---",
};
const char* const CELLULES_VIVES[] = {
    "x-x-x-x-x-x-x-x-", "x-xxx-x-x-x-x---", "x--x--x-x-xxx-x-", "xxx-x-x-x--x--x-",
    "x-x-xx-xx-x-x-x-", "x-x.x-x.xxx-x-x-", "x--x--x-x-x-x-x-", "x-xx-xx-x-xx-x--",
};
const char* const CELLULES_CADENCE[] = {"x---------------", "x-------x-------", "x---x---x-------", "x-x-x-----------"};

struct Liste { const char* const* cellules; int n; };
const Liste FAMILLES[] = {
    {CELLULES_LENTES, int(sizeof CELLULES_LENTES / sizeof *CELLULES_LENTES)},
    {CELLULES_MOYENNES, int(sizeof CELLULES_MOYENNES / sizeof *CELLULES_MOYENNES)},
    {CELLULES_VIVES, int(sizeof CELLULES_VIVES / sizeof *CELLULES_VIVES)},
};

// Bass patterns: 'r' root, 'o' root an octave up, 'f' fifth, '-' hold, '.' rest.
const char* const BASSES[] = {
    "r---------------",  // 0 whole notes
    "r---r---r---r---",  // 1 quarters
    "r-r-o-r-r-r-o-r-",  // 2 driving eighths
    "r-------f-------",  // 3 root and fifth
    "r--r--r-r--r--r-",  // 4 syncopated
    "r-rrr-rrr-rrr-ro",  // 5 gallop
    "r-----f-----o---",  // 6 ballad
    "r.r.r.r.r.r.o.f.",  // 7 staccato eighths
};

// Arpeggios: chord-tone indices (0 root, 1 third, 2 fifth, 3 octave) and the step length.
struct Arpege { int tons[8]; int n; int pas; };
const Arpege ARPEGES[] = {
    {{0}, 0, 0},
    {{0, 1, 2, 1}, 4, 1},
    {{0, 1, 2, 3}, 4, 1},
    {{0, 2, 1, 2, 3, 2, 1, 2}, 8, 2},
    {{3, 2, 1, 0}, 4, 1},
    {{0, 2, 3, 1}, 4, 2},
    {{0, 1, 2, 3, 2, 1}, 6, 2},
};

// Grooves: kick, snare, closed hat, open hat, toms, one 16-step string each.
struct Groove { const char *k, *s, *h, *o, *t; };
const Groove GROOVES[] = {
    {"", "", "", "", ""},
    {"x-----x-x-------", "----x-------x---", "x-x-x-x-x-x-x-x-", "", ""},                  // 1 rock
    {"x---x---x---x---", "----x-------x---", "--x---x---x---x-", "--------------x-", ""},  // 2 four on the floor
    {"x---------x-----", "--------x-------", "x---x---x---x---", "", ""},                  // 3 half time
    {"x---------------", "", "----x-------x---", "", ""},                                  // 4 sparse
    {"x-x---x-x-x---x-", "----x-------x---", "xxxxxxxxxxxxxxxx", "", ""},                  // 5 boss
    {"x-------x-------", "", "", "", "x--x--x---x-x---"},                                  // 6 tribal toms
    {"x-----x---x-----", "----x--x-x--x---", "x-x-x-x-x-x-x-x-", "", ""},                  // 7 broken beat
};

struct NoteTheme { int pas, longueur, mouvement; };
// A bar of theme: its notes, its cadence (0 none, 1 open, 2 closed on the root) and the
// scale step its first note leans on, which gives the phrase its arch.
struct MesureTheme { std::vector<NoteTheme> notes; int cadence; int ancre; };

int division(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

int note_gamme(const Morceau& m, int i) {
    int o = division(i, 7);
    return m.tonique + m.gamme[i - 7 * o] + 12 * o;
}
bool ton_accord(int i, int degre) {
    int r = ((i - degre) % 7 + 7) % 7;
    return r == 0 || r == 2 || r == 4;
}
int fondamentale_proche(int i, int degre) {
    for (int e = 0; e < 7; ++e) {
        if (((i - e - degre) % 7 + 7) % 7 == 0) return i - e;
        if (((i + e - degre) % 7 + 7) % 7 == 0) return i + e;
    }
    return i;
}
int ton_proche(int i, int degre, int sens) {
    if (ton_accord(i, degre)) return i;
    if (ton_accord(i + sens, degre)) return i + sens;
    return ton_accord(i - sens, degre) ? i - sens : i + 2 * sens;
}

std::vector<NoteTheme> lire_cellule(const char* c) {
    std::vector<NoteTheme> v;
    for (int p = 0; p < PAS && c[p]; ++p) {
        if (c[p] == 'x') v.push_back({p, 1, 0});
        else if (c[p] == '-' && !v.empty()) v.back().longueur++;
    }
    return v;
}

// Melodic moves in scale steps: mostly steps, some leaps, a direction that tends to hold.
void donner_mouvements(std::vector<NoteTheme>& notes, Alea& a) {
    int sens = a.entre(0, 1) ? 1 : -1;
    for (NoteTheme& n : notes) {
        double r = a.reel();
        n.mouvement = r < 0.12 ? 0 : r < 0.62 ? sens : r < 0.85 ? 2 * sens : sens * a.entre(3, 4);
        if (a.reel() < 0.3) sens = -sens;
    }
}

// An eight-bar theme: a b a cadence, a b' a' final cadence.
std::vector<MesureTheme> creer_theme(const Morceau& m, int numero) {
    Alea a(m.graine * 7919 + uint64_t(numero) * 104729 + 17);
    const Liste& fam = FAMILLES[std::clamp(m.densite, 0, 2)];
    int ia = a.entre(0, fam.n - 1), ib = a.entre(0, fam.n - 2), ic = a.entre(0, fam.n - 2);
    if (ib >= ia) ++ib;
    if (ic >= ia) ++ic;
    auto mesure = [&](const char* c, int cadence) {
        MesureTheme mt{lire_cellule(c), cadence, 0};
        donner_mouvements(mt.notes, a);
        return mt;
    };
    MesureTheme A = mesure(fam.cellules[ia], 0), B = mesure(fam.cellules[ib], 0), B2 = mesure(fam.cellules[ic], 0);
    MesureTheme C1 = mesure(CELLULES_CADENCE[a.entre(0, 3)], 1), C2 = mesure(CELLULES_CADENCE[a.entre(0, 3)], 2);
    MesureTheme A2 = A;  // the answer: same rhythm, its tail bent elsewhere
    for (size_t i = A2.notes.size() / 2; i < A2.notes.size(); ++i) A2.notes[i].mouvement = -A2.notes[i].mouvement;
    std::vector<MesureTheme> v = {A, B, A, C1, A, B2, A2, C2};
    static const int arche[8] = {4, 5, 4, 2, 4, 6, 5, 0};
    static const int registre[4] = {0, 2, -1, 1};  // each theme of a piece sits a little apart
    for (size_t i = 0; i < v.size(); ++i) v[i].ancre = arche[i] + registre[numero % 4];
    return v;
}

// Everything the band plays, as notes and drum hits, before rendering.
struct Composition {
    std::vector<Note> melodie, basse, nappe, arpege, contrechant;
    struct Coup { Frappe f; double debut, velocite, pan; };
    std::vector<Coup> coups;
};

std::vector<int> lire_accords(const char* s) {
    std::vector<int> v;
    for (const char* p = s; *p; ++p)
        if (*p >= '0' && *p <= '6') v.push_back(*p - '0');
    if (v.empty()) v.push_back(0);
    return v;
}

// Scale steps of the chord's close position nearest to `centre` (smooth chord changes);
// `centre` follows the chord, pulled back towards the pad's home register below the tonic.
const double CENTRE_NAPPE = -3.0;
std::vector<int> disposer_accord(int degre, double& centre) {
    std::vector<int> meilleur;
    double ecart = 1e9;
    for (int base = degre - 14; base <= degre + 7; base += 7)
        for (int inv = 0; inv < 3; ++inv) {
            std::vector<int> v = {base, base + 2, base + 4};
            for (int k = 0; k < inv; ++k) v[size_t(k)] += 7;
            double c = (v[0] + v[1] + v[2]) / 3.0;
            if (std::fabs(c - centre) < ecart) ecart = std::fabs(c - centre), meilleur = v;
        }
    double c = (meilleur[0] + meilleur[1] + meilleur[2]) / 3.0;
    centre = 0.7 * c + 0.3 * CENTRE_NAPPE;
    return meilleur;
}

}  // namespace

int mesures_morceau(const Morceau& m) {
    int mesures = 0;
    for (int i = 0; i < m.nb_sections; ++i) mesures += m.sections[i].mesures;
    return mesures;
}

double duree_morceau(const Morceau& m) { return mesures_morceau(m) * 4 * 60.0 / m.tempo + (m.boucle ? 0.0 : m.queue); }

Tampon composer(const Morceau& m) {
    Composition c;
    std::vector<std::vector<MesureTheme>> themes;
    for (int i = 0; i < 4; ++i) themes.push_back(creer_theme(m, i));

    const double tp = 15.0 / m.tempo, tm = tp * PAS;  // seconds per sixteenth, per bar
    int p_melodie = 4, p_contre = 2;
    double centre_nappe = CENTRE_NAPPE;
    uint64_t coup = m.graine;
    Alea jeu(m.graine ^ 0xC0FFEE);  // small velocity swings, so repeats do not sound stamped
    int mesure_globale = 0;
    for (int s = 0; s < m.nb_sections; ++s) {
        const Section& sec = m.sections[s];
        std::vector<int> accords = lire_accords(sec.accords);
        const bool finale = s == m.nb_sections - 1 && !m.boucle;
        const double force = sec.intensite;
        const double debut_section = mesure_globale * tm;
        if (finale) {
            // The closing chord on the downbeat, held through the ring-out until the piece's
            // last second fades it: the music sounds until just before its scene moves on.
            double tenue = sec.mesures * tm + m.queue - 1.0;
            int d = accords[0];
            if (sec.couches & NAPPE)
                for (int i : disposer_accord(d, centre_nappe))
                    c.nappe.push_back({debut_section, tenue, double(note_gamme(m, i) - 12), 0.8 * force, 0});
            if (sec.couches & BASSE)
                c.basse.push_back({debut_section, tenue, double(note_gamme(m, d > 4 ? d - 7 : d) - 24), force, 0});
            if (sec.couches & MELODIE)
                c.melodie.push_back({debut_section, tenue, double(note_gamme(m, fondamentale_proche(p_melodie, d)) + 12 * sec.octave), force, 0.15});
            if (sec.couches & ARPEGE)
                for (int k = 0; k < 4; ++k)
                    c.arpege.push_back({debut_section + k * tp, tenue - k * tp, double(note_gamme(m, k == 3 ? d + 7 : d + 2 * k)), 0.7 * force, -0.4});
            if (sec.couches & BATTERIE) {
                c.coups.push_back({Frappe::Cymbale, debut_section, force, 0.3});
                c.coups.push_back({Frappe::GrosseCaisse, debut_section, force, 0});
            }
            mesure_globale += sec.mesures;
            continue;
        }
        for (int b = 0; b < sec.mesures; ++b, ++mesure_globale) {
            const double t0 = mesure_globale * tm;
            auto accord_au_pas = [&](int pas) {
                int slot = b * sec.accords_par_mesure + (pas * sec.accords_par_mesure) / PAS;
                return accords[size_t(slot) % accords.size()];
            };
            // Theme.
            if ((sec.couches & MELODIE) && sec.theme >= 0) {
                const MesureTheme& mt = themes[size_t(sec.theme) % themes.size()][size_t(b % 8)];
                for (size_t k = 0; k < mt.notes.size(); ++k) {
                    const NoteTheme& n = mt.notes[k];
                    int d = accord_au_pas(n.pas);
                    int sens = n.mouvement >= 0 ? 1 : -1;
                    p_melodie = k == 0 ? ton_proche(mt.ancre, d, 1) : p_melodie + n.mouvement;
                    // Bounce off the edges of the singing range (a fourth below to an octave and a fourth above the tonic).
                    if (p_melodie > 10) p_melodie = 20 - p_melodie;
                    if (p_melodie < -3) p_melodie = -6 - p_melodie;
                    bool fort = n.pas % 8 == 0 || n.longueur >= 6;
                    bool derniere = k + 1 == mt.notes.size();
                    if (mt.cadence == 2 && derniere) p_melodie = fondamentale_proche(p_melodie, d);
                    else if (fort || (mt.cadence && derniere)) p_melodie = ton_proche(p_melodie, d, sens);
                    double vel = (n.pas % 4 == 0 ? 1.0 : 0.82) * force * (0.92 + 0.16 * jeu.reel());
                    double h = double(note_gamme(m, p_melodie) + 12 * sec.octave), depart = 0;
                    // Off-beat notes that follow straight on within a fifth are slurred; beats attack afresh.
                    if (!c.melodie.empty() && n.pas % 4 != 0) {
                        const Note& avant = c.melodie.back();
                        bool lie = t0 + n.pas * tp - (avant.debut + avant.duree) < tp * 0.5;
                        if (lie && std::fabs(avant.hauteur - h) <= 7) depart = avant.hauteur - h;
                    }
                    c.melodie.push_back({t0 + n.pas * tp, n.longueur * tp * 0.9, h, vel, 0.15, depart});
                }
            }
            // Counter-voice: two held chord tones a bar, moving to the nearest one.
            if (sec.couches & CONTRECHANT)
                for (int moitie = 0; moitie < 2; ++moitie) {
                    int d = accord_au_pas(moitie * 8);
                    int cible = p_contre + (moitie ? 1 : -1);
                    int meilleur = cible;
                    for (int e = 0; e < 4; ++e) {
                        if (ton_accord(cible + e, d) && (cible + e - d) % 7 != 0) { meilleur = cible + e; break; }
                        if (ton_accord(cible - e, d) && (cible - e - d) % 7 != 0) { meilleur = cible - e; break; }
                    }
                    p_contre = std::clamp(meilleur, -3, 5);
                    c.contrechant.push_back({t0 + moitie * 8 * tp, 8 * tp * 0.95, double(note_gamme(m, p_contre)), 0.8 * force, -0.3});
                }
            // Held chords, one per chord slot.
            if (sec.couches & NAPPE)
                for (int slot = 0; slot < sec.accords_par_mesure; ++slot) {
                    int pas = slot * PAS / sec.accords_par_mesure;
                    double duree = (PAS / sec.accords_par_mesure) * tp;
                    for (int i : disposer_accord(accord_au_pas(pas), centre_nappe))
                        c.nappe.push_back({t0 + pas * tp, duree * 0.97, double(note_gamme(m, i) - 12), 0.7 * force, (i % 3 - 1) * 0.35});
                }
            // Broken chords.
            if ((sec.couches & ARPEGE) && sec.arpege > 0) {
                const Arpege& ar = ARPEGES[sec.arpege];
                for (int pas = 0, k = 0; pas < PAS; pas += ar.pas, ++k) {
                    int d = accord_au_pas(pas);
                    int ton = ar.tons[k % ar.n];
                    int i = ton == 3 ? d + 7 : d + 2 * ton;
                    if (d > 3) i -= 7;  // keep the arpeggio in one octave band
                    double vel = (pas % 4 == 0 ? 0.9 : 0.7) * force;
                    c.arpege.push_back({t0 + pas * tp, ar.pas * tp * 0.8, double(note_gamme(m, i)), vel, -0.4});
                }
            }
            // Bass.
            if (sec.couches & BASSE) {
                const char* motif = BASSES[sec.basse];
                for (int pas = 0; pas < PAS; ++pas) {
                    char ch = motif[pas];
                    if (ch != 'r' && ch != 'o' && ch != 'f') continue;
                    int l = 1;
                    while (pas + l < PAS && motif[pas + l] == '-') ++l;
                    int d = accord_au_pas(pas);
                    int i = d > 4 ? d - 7 : d;
                    if (ch == 'f') i += 4;
                    int h = note_gamme(m, i) - 24 + (ch == 'o' ? 12 : 0);
                    double vel = (pas % 4 == 0 ? 1.0 : 0.85) * force;
                    c.basse.push_back({t0 + pas * tp, l * tp * 0.85, double(h), vel, 0});
                }
            }
            // Drums, with a crash on the section's first downbeat and a fill closing it.
            if ((sec.couches & BATTERIE) && sec.batterie > 0) {
                const Groove& g = GROOVES[sec.batterie];
                // A full fill closes the section; long sections also get a short one at their middle.
                bool remplir = sec.remplissage && b == sec.mesures - 1;
                bool relance = sec.remplissage && sec.mesures >= 16 && b == sec.mesures / 2 - 1;
                if (b == 0) c.coups.push_back({Frappe::Cymbale, t0, 0.9 * force, 0.3});
                auto joue = [](const char* motif, int pas) { return std::strlen(motif) > size_t(pas) && motif[pas] == 'x'; };
                for (int pas = 0; pas < PAS; ++pas) {
                    double t = t0 + pas * tp;
                    double accent = pas % 4 == 0 ? 1.0 : 0.75;
                    if (remplir && pas >= 8) {
                        static const Frappe ordre[] = {Frappe::TomAigu, Frappe::TomAigu, Frappe::Tom, Frappe::Tom,
                                                       Frappe::CaisseClaire, Frappe::CaisseClaire, Frappe::CaisseClaire, Frappe::CaisseClaire};
                        if (pas % 2 == 0 || pas >= 12)
                            c.coups.push_back({ordre[pas - 8], t, (0.6 + 0.05 * (pas - 8)) * force, pas < 12 ? -0.3 : 0.1});
                        if (pas == 8) c.coups.push_back({Frappe::GrosseCaisse, t, force, 0});
                        continue;
                    }
                    if (relance && pas >= 12) {
                        c.coups.push_back({Frappe::CaisseClaire, t, (0.55 + 0.1 * (pas - 12)) * force, 0.05});
                        continue;
                    }
                    if (joue(g.k, pas)) c.coups.push_back({Frappe::GrosseCaisse, t, force, 0});
                    if (joue(g.s, pas)) c.coups.push_back({Frappe::CaisseClaire, t, 0.9 * force, 0.05});
                    if (joue(g.h, pas)) c.coups.push_back({Frappe::Charleston, t, accent * force * (0.85 + 0.3 * jeu.reel()), 0.35});
                    if (joue(g.o, pas)) c.coups.push_back({Frappe::CharlestonOuvert, t, force, 0.35});
                    if (joue(g.t, pas)) c.coups.push_back({pas < 8 ? Frappe::Tom : Frappe::TomAigu, t, 0.8 * force, pas < 8 ? -0.3 : 0.3});
                }
            }
        }
    }

    // Render: the theme alone first so only it gets the echo, then the chords, the room,
    // and last the dry bass and drums. A loop renders a few seconds past its end, to fold them
    // back over its start.
    const double traine = m.boucle ? 4.0 : 0.0;
    Tampon t = creer_tampon(duree_morceau(m) + traine);
    for (const Note& n : c.melodie) jouer_note(t, m.melodie, n);
    if (m.echo_retard > 0) echo(t, m.echo_retard * 4 * tp, 0.35, 0.3);
    for (const Note& n : c.contrechant) jouer_note(t, m.contrechant, n);
    for (const Note& n : c.nappe) jouer_note(t, m.nappe, n);
    for (const Note& n : c.arpege) jouer_note(t, m.arpege, n);
    if (m.reverb > 0) reverberer(t, m.reverb, 0.35);
    for (const Note& n : c.basse) jouer_note(t, m.basse, n);
    for (const Composition::Coup& k : c.coups) jouer_frappe(t, k.f, k.debut, k.velocite, k.pan, ++coup);
    if (m.boucle) {
        size_t n = size_t(duree_morceau(m) * FREQUENCE + 0.5);
        for (size_t i = n; i < t.taille(); ++i) {
            t.g[i - n] += t.g[i];
            t.d[i - n] += t.d[i];
        }
        t.g.resize(n);
        t.d.resize(n);
    }

    // Master: a plain gain to the music group's level, then clean edges. A loop only dips for
    // a few milliseconds at its ends, so the level's restart, a frame or two later, is no click.
    mixer(t, Groupe::Musique, m.fichier);
    adoucir_bords(t, m.boucle ? 0.004 : 0.003, m.boucle ? 0.004 : 1.0);
    return t;
}

}  // namespace ag
