// Audio building blocks of the asset generator: the stereo buffer, band-limited oscillators,
// filters, envelopes, room effects and the WAV writer.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "canvas.h"

namespace ag {

// Every sound and music of the game plays at this rate.
constexpr int FREQUENCE = 44100;
constexpr double PI = 3.14159265358979323846;

// A stereo signal as two float channels of equal length, samples nominally in [-1, 1].
struct Tampon {
    std::vector<float> g, d;
    size_t taille() const { return g.size(); }
    double duree() const { return double(g.size()) / FREQUENCE; }
};

// A silent buffer of `secondes` (rounded to whole samples).
Tampon creer_tampon(double secondes);
// Adds `v` at sample `i`, scaled by the channel gains (see gains_panoramique); past the end is dropped.
inline void ajouter(Tampon& t, size_t i, double v, double gauche, double droite) {
    if (i < t.g.size()) {
        t.g[i] += float(v * gauche);
        t.d[i] += float(v * droite);
    }
}
// The left and right gains of equal-power panning at `pan` in [-1, 1].
void gains_panoramique(double pan, double& gauche, double& droite);

// Oscillator shapes. Square and saw are band-limited with PolyBLEP corrections so high
// notes do not fold back into hiss.
enum class Forme { Carre, Triangle, DentScie, Sinus, Bruit };

// One oscillator: phase in [0, 1), its own noise generator for Forme::Bruit.
struct Oscillateur {
    Forme forme = Forme::Sinus;
    double phase = 0, rapport = 0.5;  // rapport: duty cycle of the square
    Alea bruit{1};
    double bruit_tenu = 0, bruit_phase = 0;  // noise held per period: pitched, chip-style noise
};
// Next sample at frequency `hz` (noise: its clock rate), advancing the phase.
inline double echantillon(Oscillateur& o, double hz);

// Topology-preserving state-variable filter (stable under fast cutoff sweeps).
struct Filtre {
    double ic1 = 0, ic2 = 0;
    // Coefficients, recomputed only when the cutoff or resonance moves.
    double hz_calcule = -1, q_calcule = -1, k = 0, a1 = 0, a2 = 0, a3 = 0;
};
enum class TypeFiltre { PasseBas, PasseHaut, PasseBande };
// Filters one sample with cutoff `hz` and resonance `q` (0.5 gentle .. 10 sharp).
inline double filtrer(Filtre& f, TypeFiltre type, double x, double hz, double q);

// Attack-decay-sustain-release envelope value at time `t` of a note held `duree` seconds.
inline double adsr(double t, double duree, double attaque, double declin, double maintien, double relache) {
    if (t < 0) return 0;
    double u = t < duree ? t : duree, v;
    if (u < attaque) v = u / attaque;
    else if (u - attaque < declin) v = 1.0 - (1.0 - maintien) * ((u - attaque) / declin);
    else v = maintien;
    if (t < duree) return v;
    double r = t - duree;
    return r >= relache ? 0 : v * (1.0 - r / relache);
}

// sin(2 pi p) for a phase p in [0, 1), by a polynomial fitted to within 0.1 %: the synth's
// sine voices and drums spend most of their time here.
inline double sinus_tour(double p) {
    // Fold onto [-0.25, 0.25] turns, where sin is odd and smooth.
    double x = p < 0.25 ? p : p < 0.75 ? 0.5 - p : p - 1.0;
    double x2 = x * x;
    return x * (6.28308759 + x2 * (-41.33318045 + x2 * (81.39942205 + x2 * (-74.66875327))));
}

// In-place effects on a whole buffer.
// Ping-pong echo: `retard` seconds, `retour` feedback, `mix` wet level.
void echo(Tampon& t, double retard, double retour, double mix);
// Small Schroeder room: `taille` 0..1 (decay), `mix` wet level; left and right decorrelated.
void reverberer(Tampon& t, double taille, double mix);
// Short fades at both ends, so a sound never starts or stops on a click.
void adoucir_bords(Tampon& t, double entree, double sortie);
// Peak over both channels, in sample units.
double crete(const Tampon& t);

// RIFF/WAVE file: 44100 Hz, 16-bit signed little-endian PCM, stereo; samples are clamped.
std::vector<uint8_t> encoder_wav(const Tampon& t);

// Frequency of MIDI note `n` (69 = A4 = 440 Hz); fractional notes glide between.
double frequence_midi(double n);

// ---- inline definitions: these run once per sample of every voice ----

// PolyBLEP residual: smooths the jump of a discontinuity that falls inside this sample.
inline double polyblep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

inline double echantillon(Oscillateur& o, double hz) {
    double dt = std::min(0.49, std::max(0.0, hz) / FREQUENCE);
    double p = o.phase, v = 0;
    switch (o.forme) {
        case Forme::Sinus: v = sinus_tour(p); break;
        case Forme::Triangle: v = p < 0.5 ? 4 * p - 1 : 3 - 4 * p; break;
        case Forme::DentScie: v = 2 * p - 1 - polyblep(p, dt); break;
        case Forme::Carre: {
            double r = std::clamp(o.rapport, 0.05, 0.95);
            double p2 = p + 1.0 - r;
            if (p2 >= 1.0) p2 -= 1.0;
            v = (p < r ? 1.0 : -1.0) + polyblep(p, dt) - polyblep(p2, dt);
            v -= 2 * r - 1;  // remove the DC offset of uneven duty cycles
            break;
        }
        case Forme::Bruit: {
            // New random level each clock tick: a high clock is white noise, a low one grainy.
            o.bruit_phase += std::max(0.0, hz) / FREQUENCE;
            if (o.bruit_phase >= 1.0 || o.bruit_tenu == 0) {
                o.bruit_phase -= std::floor(o.bruit_phase);
                o.bruit_tenu = o.bruit.reel() * 2 - 1;
                if (o.bruit_tenu == 0) o.bruit_tenu = 1e-9;
            }
            return o.bruit_tenu;
        }
    }
    o.phase += dt;
    if (o.phase >= 1.0) o.phase -= 1.0;
    return v;
}

inline double filtrer(Filtre& f, TypeFiltre type, double x, double hz, double q) {
    if (hz != f.hz_calcule || q != f.q_calcule) {
        f.hz_calcule = hz;
        f.q_calcule = q;
        double g = std::tan(PI * std::clamp(hz, 10.0, FREQUENCE * 0.45) / FREQUENCE);
        f.k = 1.0 / std::max(0.1, q);
        f.a1 = 1.0 / (1.0 + g * (g + f.k));
        f.a2 = g * f.a1;
        f.a3 = g * f.a2;
    }
    double k = f.k, a1 = f.a1, a2 = f.a2, a3 = f.a3;
    double v3 = x - f.ic2;
    double v1 = a1 * f.ic1 + a2 * v3;
    double v2 = f.ic2 + a2 * f.ic1 + a3 * v3;
    f.ic1 = 2 * v1 - f.ic1;
    f.ic2 = 2 * v2 - f.ic2;
    switch (type) {
        case TypeFiltre::PasseBas: return v2;
        case TypeFiltre::PasseHaut: return x - k * v1 - v2;
        case TypeFiltre::PasseBande: return v1;
    }
    return v2;
}

}  // namespace ag
