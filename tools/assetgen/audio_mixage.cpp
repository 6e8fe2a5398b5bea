// The mixing model: group levels and the plain gain that sets each sound to its group.
#include "audio_mixage.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace ag {

namespace {

// The budget behind these numbers. A music at -22 dBFS RMS (its peaks hold most a dB or two
// lower) stays under -7.5 dBFS, about -6.5 once encoded. Held fire sits some 10 dB under it;
// an explosion or a bonus call rises 2 to 5 dB over it for its loudest fifth of a second.
// Explosions and calls are dense sounds (soft-saturated in their synthesis), so their
// ceilings stay low: the sum of the music's loudest moments with held fire, the
// weapon-change blip, the ship hit, an enemy step, an enemy destroyed and a bonus call, all
// started in one frame (and the alarm over the level 1 music), peaks near -1 dBFS.
const struct {
    Groupe g;
    NiveauGroupe n;
} NIVEAUX[] = {
    {Groupe::Musique, {-22.0, -7.5}}, {Groupe::Arme, {-32.0, -20.0}},  {Groupe::Ennemi, {-30.0, -19.0}},
    {Groupe::Explosion, {-18.0, -13.0}}, {Groupe::Voix, {-18.5, -13.0}}, {Groupe::Alarme, {-23.0, -14.0}},
};

double amplitude(double db) { return std::pow(10.0, db / 20.0); }

}  // namespace

NiveauGroupe niveau_groupe(Groupe g) {
    for (const auto& n : NIVEAUX)
        if (n.g == g) return n.n;
    return {-20.0, -10.0};
}

double efficace(const Tampon& t) {
    double s = 0;
    for (size_t i = 0; i < t.taille(); ++i) s += double(t.g[i]) * t.g[i] + double(t.d[i]) * t.d[i];
    return t.taille() ? std::sqrt(s / (2.0 * double(t.taille()))) : 0;
}

double efficace_max(const Tampon& t, double fenetre) {
    size_t n = std::max<size_t>(1, size_t(fenetre * FREQUENCE)), pas = std::max<size_t>(1, n / 4);
    if (t.taille() <= n) return efficace(t);
    double meilleur = 0;
    for (size_t d = 0; d + n <= t.taille(); d += pas) {
        double s = 0;
        for (size_t i = d; i < d + n; ++i) s += double(t.g[i]) * t.g[i] + double(t.d[i]) * t.d[i];
        meilleur = std::max(meilleur, s);
    }
    return std::sqrt(meilleur / (2.0 * double(n)));
}

void mixer(Tampon& t, Groupe g, const char* nom) {
    NiveauGroupe n = niveau_groupe(g);
    double mesure = g == Groupe::Musique ? efficace(t) : efficace_max(t, 0.2);
    double pic = crete(t);
    if (mesure <= 0 || pic <= 0) throw std::runtime_error(std::string(nom) + ": silent");
    double gain = std::min(amplitude(n.efficace_db) / mesure, amplitude(n.crete_db) / pic);
    double manque = n.efficace_db - 20 * std::log10(mesure * gain);
    if (manque > 3.0)
        throw std::runtime_error(std::string(nom) + ": its peaks hold it " + std::to_string(manque) +
                                 " dB under its group's loudness");
    float f = float(gain);
    for (size_t i = 0; i < t.taille(); ++i) {
        t.g[i] *= f;
        t.d[i] *= f;
    }
}

}  // namespace ag
