// Audio building blocks: oscillators, filters, envelopes, effects and the WAV writer.
#include "audio_dsp.h"

#include <algorithm>
#include <cmath>

namespace ag {

Tampon creer_tampon(double secondes) {
    Tampon t;
    size_t n = size_t(std::max(0.0, secondes) * FREQUENCE + 0.5);
    t.g.assign(n, 0.0f);
    t.d.assign(n, 0.0f);
    return t;
}

void gains_panoramique(double pan, double& gauche, double& droite) {
    double a = (std::clamp(pan, -1.0, 1.0) + 1.0) * PI / 4.0;
    gauche = std::cos(a) * std::sqrt(2.0);
    droite = std::sin(a) * std::sqrt(2.0);
}

void echo(Tampon& t, double retard, double retour, double mix) {
    size_t n = size_t(retard * FREQUENCE);
    if (n == 0) return;
    std::vector<float> lg(n, 0.0f), ld(n, 0.0f);
    size_t k = 0;
    for (size_t i = 0; i < t.taille(); ++i) {
        float eg = lg[k], ed = ld[k];
        // The left input feeds the right line and back again: echoes bounce across.
        lg[k] = float(t.d[i] + ed * retour);
        ld[k] = float(t.g[i] + eg * retour);
        t.g[i] += float(eg * mix);
        t.d[i] += float(ed * mix);
        if (++k == n) k = 0;
    }
}

namespace {
struct Peigne {
    std::vector<float> l;
    size_t k = 0;
    double amorti = 0;
    double traiter(double x, double retour, double etouffe) {
        double y = l[k];
        amorti = y * (1 - etouffe) + amorti * etouffe;
        l[k] = float(x + amorti * retour);
        if (++k == l.size()) k = 0;
        return y;
    }
};
struct PasseTout {
    std::vector<float> l;
    size_t k = 0;
    double traiter(double x) {
        double b = l[k];
        double y = -x + b;
        l[k] = float(x + b * 0.5);
        if (++k == l.size()) k = 0;
        return y;
    }
};
}  // namespace

void reverberer(Tampon& t, double taille, double mix) {
    // Comb and all-pass lengths in samples (Freeverb's, mutually prime), the right channel offset.
    static const int peignes[] = {1116, 1188, 1277, 1356};
    static const int passes[] = {556, 441};
    double retour = 0.70 + 0.26 * std::clamp(taille, 0.0, 1.0);
    for (int c = 0; c < 2; ++c) {
        std::vector<float>& s = c ? t.d : t.g;
        std::vector<Peigne> pe;
        std::vector<PasseTout> pt;
        for (int l : peignes) pe.push_back({std::vector<float>(size_t(l + 23 * c), 0.0f), 0, 0});
        for (int l : passes) pt.push_back({std::vector<float>(size_t(l + 23 * c), 0.0f), 0});
        for (size_t i = 0; i < s.size(); ++i) {
            double x = s[i] * 0.25, y = 0;
            for (Peigne& p : pe) y += p.traiter(x, retour, 0.3);
            for (PasseTout& p : pt) y = p.traiter(y);
            s[i] += float(y * mix);
        }
    }
}

double crete(const Tampon& t) {
    double p = 0;
    for (size_t i = 0; i < t.taille(); ++i) p = std::max({p, double(std::fabs(t.g[i])), double(std::fabs(t.d[i]))});
    return p;
}

void adoucir_bords(Tampon& t, double entree, double sortie) {
    // Raised-cosine ramps: they leave and reach silence with a flat slope.
    size_t n = t.taille();
    size_t a = std::min(n, size_t(entree * FREQUENCE)), b = std::min(n, size_t(sortie * FREQUENCE));
    for (size_t i = 0; i < a; ++i) {
        float f = float(0.5 - 0.5 * std::cos(PI * double(i) / double(a)));
        t.g[i] *= f;
        t.d[i] *= f;
    }
    for (size_t i = 0; i < b; ++i) {
        float f = float(0.5 - 0.5 * std::cos(PI * double(i) / double(b)));
        t.g[n - 1 - i] *= f;
        t.d[n - 1 - i] *= f;
    }
}

std::vector<uint8_t> encoder_wav(const Tampon& t) {
    uint32_t donnees = uint32_t(t.taille() * 4);
    std::vector<uint8_t> o;
    o.reserve(44 + donnees);
    auto u32 = [&](uint32_t v) { for (int k = 0; k < 4; ++k) o.push_back(uint8_t(v >> (8 * k))); };
    auto u16 = [&](uint16_t v) { o.push_back(uint8_t(v)); o.push_back(uint8_t(v >> 8)); };
    auto tag = [&](const char* s) { o.insert(o.end(), s, s + 4); };
    tag("RIFF"), u32(36 + donnees), tag("WAVE");
    tag("fmt "), u32(16), u16(1), u16(2), u32(FREQUENCE), u32(FREQUENCE * 4), u16(4), u16(16);
    tag("data"), u32(donnees);
    for (size_t i = 0; i < t.taille(); ++i)
        for (float v : {t.g[i], t.d[i]}) {
            long s = std::lround(std::clamp(double(v), -1.0, 1.0) * 32767.0);
            u16(uint16_t(int16_t(s)));
        }
    return o;
}

double frequence_midi(double n) { return 440.0 * std::pow(2.0, (n - 69.0) / 12.0); }

}  // namespace ag
