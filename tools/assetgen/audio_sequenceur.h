// The music box of the asset generator: synth instruments, a drum kit, and a composer that
// turns a table of sections (chords, band layers, grooves) into a finished stereo piece.
#pragma once
#include <cstdint>
#include <vector>

#include "audio_dsp.h"

namespace ag {

// A synth voice: one or two oscillators through a low-pass filter, shaped by an ADSR.
struct Instrument {
    Forme forme = Forme::Carre;
    double rapport = 0.5;                                          // square duty cycle
    double attaque = 0.005, declin = 0.1, maintien = 0.7, relache = 0.1;  // seconds, sustain level
    double filtre_hz = 0;      // low-pass cutoff at rest; 0 leaves the voice unfiltered
    double filtre_env = 0;     // extra cutoff at the note's start, fading over `declin`
    double resonance = 0.7;
    double vibrato_hz = 0, vibrato_demi = 0;  // vibrato, fading in after 0.2 s
    double desaccord = 0;      // cents of a second, detuned oscillator (0: none)
    double glisse = 0;         // semitones the pitch falls from at the start (a plucked bite)
    double volume = 0.2;
    double portamento = 0;     // seconds a tied note takes to slide from the previous pitch
};

// One note: start and held length in seconds, MIDI pitch, velocity 0..1, pan -1..1, and
// `depart`, the semitones it slides from (a tie from the previous note; 0 starts in tune).
struct Note {
    double debut = 0, duree = 0, hauteur = 60, velocite = 1, pan = 0, depart = 0;
};

// Renders a note into `t` (adds; the release runs past `duree`).
void jouer_note(Tampon& t, const Instrument& ins, const Note& n);

// Drum kit pieces, all synthesized from sines and filtered noise.
enum class Frappe { GrosseCaisse, CaisseClaire, Charleston, CharlestonOuvert, Cymbale, Tom, TomAigu };
// Adds one hit at `debut` seconds; `graine` fixes the noise of this very hit.
void jouer_frappe(Tampon& t, Frappe f, double debut, double velocite, double pan, uint64_t graine);

// Band layers a section can use.
enum Couche : unsigned {
    MELODIE = 1,      // the theme
    BASSE = 2,        // bass line on the chord roots
    NAPPE = 4,        // held chords
    ARPEGE = 8,       // broken chords
    BATTERIE = 16,    // drums
    CONTRECHANT = 32  // a slow second voice under the theme
};

// A stretch of the piece. The chord string holds scale degrees (0 = tonic chord), one per
// chord slot, cycled over the section; `theme` picks a melody (a negative one rests).
struct Section {
    int mesures;
    const char* accords;
    int accords_par_mesure;  // 1 or 2
    unsigned couches;
    int theme;
    int batterie;  // groove index (0 none)
    int basse;     // bass pattern index
    int arpege;    // arpeggio pattern index
    int octave;    // melody shift in octaves
    double intensite;  // velocity scale of the whole section
    bool remplissage;  // drum fill in the last bar
};

// A whole piece. The last section is played as the final chord: one hit held for its bars.
struct Morceau {
    const char* fichier;
    double tempo;               // beats per minute, 4 beats a bar
    int tonique;                // MIDI note of the theme's tonic
    const int* gamme;           // seven semitone offsets of the mode
    int densite;                // theme rhythm: 0 slow, 1 medium, 2 busy
    Instrument melodie, basse, nappe, arpege, contrechant;
    const Section* sections;
    int nb_sections;
    uint64_t graine;            // themes and noise
    double echo_retard;         // echo on the theme, in beats (0: none)
    double reverb;              // room size 0..1, applied to theme and chords
    bool boucle;                // restarted by the game when it ends: its end runs on into its start
    double queue = 3.0;         // seconds the closing chord goes on after the last bar, the last one fading (not for a loop)
};

// Bars in the piece, and its length in seconds (bars, plus the ring-out unless it loops).
int mesures_morceau(const Morceau& m);
double duree_morceau(const Morceau& m);
// Composes and renders the piece, mixed to the music group's level (audio_mixage.h). A loop
// has no closing chord: the sound ringing past its last bar is laid over its first bars, so
// its end leads straight back into its start.
Tampon composer(const Morceau& m);

}  // namespace ag
