// The mixing model: group levels and the plain gain that sets each sound to its group.
#include "audio_mixage.h"

#include "sonie.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace ag {

namespace {

// The budget behind these numbers. Musics sit at -16 LUFS integrated, where players' other
// games put theirs, true peaks under -1.5 dBTP before encoding (under -1 once decoded). Held
// fire sits some 10 dB under the music; an explosion rises 2 to 4 LU over it for its loudest
// moment and a bonus call about 5, so the call is understood over the music. Nothing is kept
// back for the loudest moment of the mix: the platform's limiter on SDL_mixer's output takes
// care of it, and the mixing volume leaves SDL_mixer's 16-bit adds the room they need.
const struct {
    Groupe g;
    NiveauGroupe n;
} NIVEAUX[] = {
    {Groupe::Musique, {-16.0, -1.5}},    {Groupe::Arme, {-27.0, -15.0}},  {Groupe::Ennemi, {-25.0, -14.0}},
    {Groupe::Explosion, {-12.5, -7.5}}, {Groupe::Voix, {-11.0, -5.5}}, {Groupe::Alarme, {-18.0, -9.0}},
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
    // A music's level is its integrated loudness and its peak the true one; an effect's level
    // is the RMS of its loudest fifth of a second and its peak the largest sample.
    double niveau_db, pic_db;
    if (g == Groupe::Musique) {
        niveau_db = sonie_integree(t.g.data(), t.d.data(), t.taille(), FREQUENCE);
        pic_db = crete_vraie_db(t.g.data(), t.d.data(), t.taille());
    } else {
        double e = efficace_max(t, 0.2), p = crete(t);
        niveau_db = e > 0 ? 20 * std::log10(e) : -200;
        pic_db = p > 0 ? 20 * std::log10(p) : -200;
    }
    if (niveau_db < -150 || pic_db < -150) throw std::runtime_error(std::string(nom) + ": silent");
    double gain_db = std::min(n.efficace_db - niveau_db, n.crete_db - pic_db);
    double gain = amplitude(gain_db);
    double manque = n.efficace_db - (niveau_db + gain_db);
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
