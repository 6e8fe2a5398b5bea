// K-weighting, gated block loudness and true peak (see sonie.h).
#include "sonie.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ag {

namespace {

constexpr double PI = 3.14159265358979323846;

struct Biquad {
    double b0, b1, b2, a1, a2;
};

// The two stages of the K-weighting filter at any rate: the head's high shelf (+4 dB above
// about 1.7 kHz) and the high-pass that ignores the lowest bass, from their analogue
// prototypes through the bilinear transform (the published 48 kHz coefficients are these).
void k_ponderation(double fs, Biquad& plateau, Biquad& passe_haut) {
    double f0 = 1681.974450955533, gain = 3.999843853973347, q = 0.7071752369554196;
    double k = std::tan(PI * f0 / fs), vh = std::pow(10.0, gain / 20.0), vb = std::pow(vh, 0.4996667741545416);
    double a0 = 1.0 + k / q + k * k;
    plateau = {(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
               2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
    f0 = 38.13547087602444;
    q = 0.5003270373238773;
    k = std::tan(PI * f0 / fs);
    a0 = 1.0 + k / q + k * k;
    passe_haut = {1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

// The K-weighted square of both channels, summed, frame by frame.
std::vector<double> carres_ponderes(const float* g, const float* d, size_t n, double fs) {
    Biquad f[2];
    k_ponderation(fs, f[0], f[1]);
    std::vector<double> z(n, 0.0);
    for (const float* canal : {g, d}) {
        double etat[2][4] = {};  // x1, x2, y1, y2 of each stage
        for (size_t i = 0; i < n; ++i) {
            double x = canal[i];
            for (int s = 0; s < 2; ++s) {
                const Biquad& b = f[s];
                double* e = etat[s];
                double y = b.b0 * x + b.b1 * e[0] + b.b2 * e[1] - b.a1 * e[2] - b.a2 * e[3];
                e[1] = e[0];
                e[0] = x;
                e[3] = e[2];
                e[2] = y;
                x = y;
            }
            z[i] += x * x;
        }
    }
    return z;
}

// Mean square of each 400 ms block, every 100 ms.
std::vector<double> blocs(const std::vector<double>& z, double fs) {
    size_t longueur = size_t(std::lround(0.4 * fs)), pas = size_t(std::lround(0.1 * fs));
    std::vector<double> r;
    if (z.size() < longueur) return r;
    double somme = 0;
    for (size_t i = 0; i < longueur; ++i) somme += z[i];
    for (size_t debut = 0;; debut += pas) {
        r.push_back(somme / double(longueur));
        if (debut + pas + longueur > z.size()) break;
        for (size_t i = debut; i < debut + pas; ++i) somme += z[i + longueur] - z[i];
        // Rounding drift of the running sum stays far below a thousandth of a dB; never negative.
        somme = std::max(somme, 0.0);
    }
    return r;
}

double lufs(double carre_moyen) { return carre_moyen > 0 ? -0.691 + 10.0 * std::log10(carre_moyen) : -200.0; }

}  // namespace

double sonie_integree(const float* g, const float* d, size_t n, double fs) {
    std::vector<double> b = blocs(carres_ponderes(g, d, n, fs), fs);
    auto moyenne_au_dessus = [&](double seuil) {
        double s = 0;
        size_t k = 0;
        for (double v : b)
            if (lufs(v) > seuil) s += v, ++k;
        return k ? s / double(k) : 0.0;
    };
    double absolu = moyenne_au_dessus(-70.0);
    if (absolu <= 0) return -200.0;
    return lufs(moyenne_au_dessus(lufs(absolu) - 10.0));
}

double sonie_momentanee_max(const float* g, const float* d, size_t n, double fs) {
    std::vector<double> z = carres_ponderes(g, d, n, fs);
    z.resize(std::max(z.size(), size_t(std::lround(0.4 * fs))), 0.0);
    std::vector<double> b = blocs(z, fs);
    return lufs(*std::max_element(b.begin(), b.end()));
}

double crete_vraie_db(const float* g, const float* d, size_t n) {
    // 4x oversampling with a Hann-windowed sinc of 16 taps a side per phase.
    const int facteur = 4, demi = 16;
    double h[facteur][2 * demi];
    for (int p = 1; p < facteur; ++p)
        for (int k = 0; k < 2 * demi; ++k) {
            double t = double(k - demi + 1) - double(p) / facteur;  // distance to input sample k
            double w = 0.5 + 0.5 * std::cos(PI * t / (demi + 0.5));
            h[p][k] = (t == 0 ? 1.0 : std::sin(PI * t) / (PI * t)) * w;
        }
    double pic = 0;
    for (const float* c : {g, d})
        for (size_t i = 0; i < n; ++i) pic = std::max(pic, double(std::fabs(c[i])));
    // Only between samples within 12 dB of the sample peak can the signal between them rise
    // over it: the reconstruction is computed there alone (a music has few such places).
    const double seuil = pic / 4;
    for (const float* c : {g, d})
        for (size_t i = size_t(demi) - 1; i + demi < n; ++i) {
            if (std::max(std::fabs(c[i]), std::fabs(c[i + 1])) < seuil) continue;
            const float* x = c + i + 1 - demi;
            for (int p = 1; p < facteur; ++p) {
                double y = 0;
                for (int k = 0; k < 2 * demi; ++k) y += h[p][k] * x[k];
                pic = std::max(pic, std::fabs(y));
            }
        }
    return pic > 0 ? 20.0 * std::log10(pic) : -200.0;
}

}  // namespace ag
