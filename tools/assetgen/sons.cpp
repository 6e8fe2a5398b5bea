// Sound effects: every WAV the game plays, synthesized sample by sample, plus the four spoken
// bonus calls made with espeak-ng and passed through a radio filter.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "audio_dsp.h"
#include "audio_mixage.h"
#include "audio_voix.h"
#include "generateurs.h"
#include "sortie.h"

namespace ag {

namespace {

// A held fire key replays the weapon sound on the same mixer channel about every 200 ms, which
// cuts the previous one short: the weapon sounds say everything in that time and have faded
// by then, so the cut is neither heard as a click nor loses the sound's character.
const double RELANCE_ARME = 0.2;

// Renders `duree` seconds, asking `f(t, gauche, droite)` for each stereo sample.
template <typename F>
Tampon rendre(double duree, F f) {
    Tampon t = creer_tampon(duree);
    for (size_t i = 0; i < t.taille(); ++i) {
        double g = 0, d = 0;
        f(double(i) / FREQUENCE, g, d);
        t.g[i] = float(g);
        t.d[i] = float(d);
    }
    return t;
}

// Soft saturation: unity gain for small signals, rounding the loudest moments towards 1/drive
// without ever flattening them. Part of a sound's character (a dense blast, a driven radio),
// so its peaks stay close to its body and the mix keeps its headroom.
double saturer(double x, double drive) { return std::tanh(drive * x) / drive; }

// A frequency that glides exponentially from `f0` to `f1` with time constant `tau`.
double glisser(double f0, double f1, double t, double tau) { return f1 + (f0 - f1) * std::exp(-t / tau); }

Tampon laser() {
    Oscillateur a, b;
    a.forme = b.forme = Forme::Carre;
    a.rapport = b.rapport = 0.25;
    Filtre fg, fd;
    return rendre(0.22, [&](double t, double& g, double& d) {
        double hz = glisser(2000, 260, t, 0.06);
        double env = std::min(1.0, t / 0.002) * std::exp(-t * 13);
        g = filtrer(fg, TypeFiltre::PasseBas, echantillon(a, hz), 6000, 0.7) * env;
        d = filtrer(fd, TypeFiltre::PasseBas, echantillon(b, hz * 1.012), 6000, 0.7) * env;
    });
}

Tampon tir_lourd() {
    Oscillateur boum, scie, bruit;
    boum.forme = Forme::Sinus;
    scie.forme = Forme::DentScie;
    bruit.forme = Forme::Bruit;
    bruit.bruit = Alea(21);
    Filtre fs, fb;
    return rendre(0.3, [&](double t, double& g, double& d) {
        double att = std::min(1.0, t / 0.003);
        double b = echantillon(boum, glisser(140, 40, t, 0.05)) * std::exp(-t * 14);
        double s = filtrer(fs, TypeFiltre::PasseBas, echantillon(scie, glisser(520, 110, t, 0.06)), 1600, 1.2) * std::exp(-t * 16);
        double n = filtrer(fb, TypeFiltre::PasseBas, echantillon(bruit, FREQUENCE), glisser(3500, 250, t, 0.05), 0.8) * std::exp(-t * 16);
        double v = att * (0.9 * b + 0.45 * s + 0.6 * n);
        g = v;
        d = v;
    });
}

Tampon tete_chercheuse() {
    Oscillateur bruit, chant;
    bruit.forme = Forme::Bruit;
    bruit.bruit = Alea(31);
    chant.forme = Forme::Triangle;
    Filtre fb;
    const double duree = 0.3;
    return rendre(duree, [&](double t, double& g, double& d) {
        double env = std::min(1.0, t / 0.02) * std::exp(-std::max(0.0, t - 0.07) * 20);
        double centre = 600 * std::pow(6.0, t / RELANCE_ARME);  // 600 Hz rising to 3.6 kHz
        double souffle = filtrer(fb, TypeFiltre::PasseBande, echantillon(bruit, FREQUENCE), centre, 3.0) * 1.6;
        double hz = 400 * std::pow(4.0, t / RELANCE_ARME) * (1 + 0.03 * std::sin(2 * PI * 25 * t));
        double v = env * saturer(souffle + 0.35 * echantillon(chant, hz), 1.2);
        double pan = std::min(0.8, -0.8 + 1.6 * t / RELANCE_ARME);  // it flies off across the screen
        double pg, pd;
        gains_panoramique(pan, pg, pd);
        g = v * pg;
        d = v * pd;
    });
}

Tampon plasma() {
    Oscillateur a, b, bruit;
    a.forme = b.forme = Forme::DentScie;
    bruit.forme = Forme::Bruit;
    bruit.bruit = Alea(41);
    Filtre fa, fb;
    return rendre(0.3, [&](double t, double& g, double& d) {
        double hz = glisser(800, 180, t, 0.07) * (1 + 0.06 * std::sin(2 * PI * 31 * t));
        double coupure = glisser(5000, 500, t, 0.09);
        double anneau = 0.6 + 0.4 * std::sin(2 * PI * 57 * t);
        double env = std::min(1.0, t / 0.004) * std::exp(-t * 14);
        double crepite = echantillon(bruit, 6000) * std::exp(-t * 30) * 0.3;
        g = env * saturer(filtrer(fa, TypeFiltre::PasseBas, echantillon(a, hz), coupure, 2.5) * anneau + crepite, 1.8);
        d = env * saturer(filtrer(fb, TypeFiltre::PasseBas, echantillon(b, hz * 1.015), coupure, 2.5) * anneau + crepite, 1.8);
    });
}

Tampon curseur() {
    Oscillateur o;
    o.forme = Forme::Carre;
    Filtre f;
    return rendre(0.09, [&](double t, double& g, double& d) {
        double hz = t < 0.035 ? 1320 : 1980;
        double local = t < 0.035 ? t : t - 0.035;
        double env = std::min(1.0, local / 0.002) * std::exp(-local * 40);
        double v = filtrer(f, TypeFiltre::PasseBas, echantillon(o, hz), 5000, 0.7) * env;
        g = v;
        d = v;
    });
}

Tampon alarme() {
    Oscillateur a, b, sous;
    a.forme = b.forme = Forme::DentScie;
    sous.forme = Forme::Carre;
    Filtre fg, fd;
    const double cycle = 0.7, monte = 0.5, tenue = 0.56;
    return rendre(4 * cycle, [&](double t, double& g, double& d) {
        double u = std::fmod(t, cycle);
        // Each wail climbs a sixth, holds, and sinks away over 80 ms before the next one.
        double hz = u < monte ? 520 * std::pow(880.0 / 520.0, u / monte) : 880;
        double fin = std::clamp((u - tenue) / 0.08, 0.0, 1.0);
        double env = std::min(1.0, u / 0.01) * std::pow(std::cos(fin * PI / 2), 2);
        double v = echantillon(a, hz) + echantillon(b, hz * 1.007);
        double w = 0.5 * echantillon(sous, hz * 0.5);
        g = filtrer(fg, TypeFiltre::PasseBas, v + w, 3200, 1.0) * env;
        d = filtrer(fd, TypeFiltre::PasseBas, 0.9 * v + w, 3200, 1.0) * env;
    });
}

// A struck glass bell: inharmonic sine partials, the high ones fading first.
void cloche(Tampon& t, double debut, double hz, double force, double pan) {
    static const double rapports[] = {1.0, 2.76, 5.40, 8.93};
    static const double amplitudes[] = {1.0, 0.5, 0.25, 0.12};
    static const double declins[] = {4.0, 6.5, 9.0, 13.0};
    size_t d0 = size_t(debut * FREQUENCE);
    for (int p = 0; p < 4; ++p) {
        double pg, pd;
        gains_panoramique(std::clamp(pan + (p % 2 ? 0.3 : -0.3), -1.0, 1.0), pg, pd);
        double phase = 0, dphase = hz * rapports[p] / FREQUENCE;
        size_t n = size_t(std::min(1.5, 6.0 / declins[p]) * FREQUENCE);
        for (size_t i = 0; i < n; ++i) {
            double s = double(i) / FREQUENCE;
            double env = std::min(1.0, s / 0.001) * std::exp(-s * declins[p]);
            ajouter(t, d0 + i, force * amplitudes[p] * env * sinus_tour(phase), pg, pd);
            phase += dphase;
            if (phase >= 1) phase -= 1;
        }
    }
}

Tampon froid1() {
    Tampon t = creer_tampon(0.9);
    cloche(t, 0, 2093, 1.0, 0);
    return t;
}

Tampon froid4() {
    Tampon t = creer_tampon(1.3);
    const double notes[] = {1568, 2093, 2637, 3136};
    for (int k = 0; k < 4; ++k) cloche(t, 0.1 * k, notes[k], 1.0 - 0.15 * k, -0.5 + 0.33 * k);
    // A breath of frost under the chimes.
    Oscillateur bruit;
    bruit.forme = Forme::Bruit;
    bruit.bruit = Alea(44);
    Filtre f;
    for (size_t i = 0; i < t.taille(); ++i) {
        double s = double(i) / FREQUENCE;
        double v = filtrer(f, TypeFiltre::PasseHaut, echantillon(bruit, FREQUENCE), 7000, 0.7) * 0.12 * std::sin(PI * s / 1.3);
        t.g[i] += float(v);
        t.d[i] += float(v);
    }
    return t;
}

// An explosion: low-passed noise whose cutoff falls, a sinking boom, and crackles.
struct Detonation {
    double duree, coupure, chute_coupure, declin, boum_hz, boum_fin, boum_declin;
    double crepitement;  // crackles per second at the start (each a 2 ms tick)
    double rafales[3];   // start times of the blasts (negative: none)
    uint64_t graine;
};

Tampon exploser(const Detonation& x) {
    Tampon t = creer_tampon(x.duree);
    for (int r = 0; r < 3; ++r) {
        if (x.rafales[r] < 0) continue;
        Oscillateur bg, bd, boum;
        bg.forme = bd.forme = Forme::Bruit;
        bg.bruit = Alea(x.graine * 3 + uint64_t(r));
        bd.bruit = Alea(x.graine * 3 + uint64_t(r) + 100);
        boum.forme = Forme::Sinus;
        Filtre fg, fd;
        Alea crepite(x.graine + 7 + uint64_t(r));
        double tic = 0;  // the current crackle, decaying over ~2 ms
        double force = r == 0 ? 1.0 : 0.7;
        size_t d0 = size_t(x.rafales[r] * FREQUENCE);
        for (size_t i = 0; d0 + i < t.taille(); ++i) {
            double s = double(i) / FREQUENCE;
            double env = std::min(1.0, s / 0.004) * std::exp(-s * x.declin);
            double c = 150 + x.coupure * std::exp(-s * x.chute_coupure);
            double ng = filtrer(fg, TypeFiltre::PasseBas, echantillon(bg, FREQUENCE), c, 0.9);
            double nd = filtrer(fd, TypeFiltre::PasseBas, echantillon(bd, FREQUENCE), c, 0.9);
            double b = echantillon(boum, glisser(x.boum_hz, x.boum_fin, s, 0.15)) * std::exp(-s * x.boum_declin);
            if (crepite.reel() < x.crepitement * std::exp(-s * 4) / FREQUENCE) tic = (crepite.reel() * 2 - 1) * 0.35;
            tic *= 0.988;
            double corps_g = ng * 1.2 + b * 0.9, corps_d = nd * 1.2 + b * 0.9;
            double pg = env * saturer(corps_g + tic, 1.7), pd = env * saturer(corps_d - tic * 0.5, 1.7);
            t.g[d0 + i] += float(force * pg);
            t.d[d0 + i] += float(force * pd);
        }
    }
    return t;
}

Tampon explosion_vaisseau() { return exploser({1.6, 5000, 3.0, 2.6, 75, 30, 3.5, 300, {0, -1, -1}, 11}); }
Tampon explosion_ennemi() { return exploser({0.9, 7000, 5.0, 5.0, 110, 50, 6.0, 400, {0, -1, -1}, 12}); }
Tampon explosion_grande() { return exploser({2.6, 3500, 1.6, 1.5, 55, 25, 1.6, 250, {0, 0.35, 0.8}, 13}); }

// Enemy shots: short and clearly apart from the player's own.
Tampon tir_ennemi1() {
    Oscillateur o;
    o.forme = Forme::Carre;
    return rendre(0.16, [&](double t, double& g, double& d) {
        double v = echantillon(o, glisser(1100, 330, t, 0.05)) * std::min(1.0, t / 0.002) * std::exp(-t * 18);
        g = v;
        d = v;
    });
}

Tampon tir_ennemi2() {
    Oscillateur o, bruit;
    o.forme = Forme::DentScie;
    bruit.forme = Forme::Bruit;
    bruit.bruit = Alea(52);
    Filtre f;
    return rendre(0.28, [&](double t, double& g, double& d) {
        double s = filtrer(f, TypeFiltre::PasseBas, echantillon(o, glisser(420, 130, t, 0.08)), 2000, 1.5);
        double v = saturer(s + echantillon(bruit, 9000) * std::exp(-t * 60) * 0.4, 1.2) * std::min(1.0, t / 0.002) * std::exp(-t * 10);
        g = v;
        d = v;
    });
}

Tampon tir_ennemi3() {
    // Three quick zaps, each ringing on under the next and the last dying away: none is cut off.
    Oscillateur o[3];
    for (Oscillateur& z : o) z.forme = Forme::Triangle;
    return rendre(0.34, [&](double t, double& g, double& d) {
        double v = 0;
        for (int k = 0; k < 3; ++k) {
            double u = t - 0.08 * k;
            if (u < 0) continue;
            v += echantillon(o[k], glisser(1500, 700, u, 0.02)) * std::min(1.0, u / 0.002) * std::exp(-u * 35);
        }
        g = v;
        d = v;
    });
}

Tampon tir_ennemi4() {
    Oscillateur boum, bruit, m1, m2;
    boum.forme = Forme::Sinus;
    bruit.forme = Forme::Bruit;
    bruit.bruit = Alea(54);
    m1.forme = m2.forme = Forme::Carre;
    Filtre f;
    return rendre(0.42, [&](double t, double& g, double& d) {
        double b = echantillon(boum, glisser(180, 60, t, 0.05)) * std::exp(-t * 10);
        double n = filtrer(f, TypeFiltre::PasseBas, echantillon(bruit, FREQUENCE), 2500, 0.8) * std::exp(-t * 14);
        double metal = (echantillon(m1, 1230) + echantillon(m2, 1710)) * std::exp(-t * 20) * 0.15;
        double v = std::min(1.0, t / 0.002) * (b + 0.7 * n + metal);
        g = v;
        d = v;
    });
}

// A bonus call: the word as if over the pilot's radio: a band-limited, slightly driven voice
// between a short beep and a burst of squelch.
Tampon appel_radio(const std::string& mot, uint64_t graine) {
    Tampon voix = convertir_parole(lire_wav_pcm16(prononcer(mot, "en-us+m3", 150, 45)));
    if (voix.taille() == 0) throw std::runtime_error("espeak-ng gave no audio for \"" + mot + "\"");
    const double bip = 0.06, pause = 0.03, souffle = 0.14;
    Tampon t = creer_tampon(bip + pause + voix.duree() + souffle);
    Oscillateur o, bruit;
    o.forme = Forme::Sinus;
    bruit.forme = Forme::Bruit;
    bruit.bruit = Alea(graine);
    for (size_t i = 0; i < size_t(bip * FREQUENCE); ++i) {
        double s = double(i) / FREQUENCE;
        double v = 0.35 * echantillon(o, 1800) * std::min(1.0, s / 0.003) * std::min(1.0, (bip - s) / 0.01);
        t.g[i] = t.d[i] = float(v);
    }
    Filtre haut, bas;
    size_t d0 = size_t((bip + pause) * FREQUENCE);
    double gain = 1.0 / std::max(1e-6, crete(voix));
    for (size_t i = 0; i < voix.taille(); ++i) {
        double x = voix.g[i] * gain + 0.02 * echantillon(bruit, FREQUENCE);  // the radio's hiss, band-limited with the voice
        x = filtrer(haut, TypeFiltre::PasseHaut, x, 350, 0.7);
        x = filtrer(bas, TypeFiltre::PasseBas, x, 3200, 0.9);
        x = std::tanh(3.5 * x) / std::tanh(3.5);
        t.g[d0 + i] = t.d[d0 + i] = float(x * 0.8);
    }
    Filtre fb;
    size_t d1 = d0 + voix.taille();
    for (size_t i = 0; d1 + i < t.taille(); ++i) {
        double s = double(i) / FREQUENCE;
        double v = filtrer(fb, TypeFiltre::PasseBande, echantillon(bruit, FREQUENCE), 2500, 0.8) * 0.5 * std::exp(-s * 30);
        t.g[d1 + i] = t.d[d1 + i] = float(v);
    }
    return t;
}

Tampon voix1() { return appel_radio("Modules", 61); }
Tampon voix2() { return appel_radio("Bombs", 62); }
Tampon voix3() { return appel_radio("Homing", 63); }
Tampon voix4() { return appel_radio("Plasma", 64); }

// Each effect and the group whose level it is mixed to (see audio_mixage.h).
struct Effet {
    const char* fichier;
    Tampon (*fabriquer)();
    Groupe groupe;
};

const Effet EFFETS[] = {
    {"Hero_Tir1.wav", laser, Groupe::Arme},
    {"Hero_Tir2.wav", tir_lourd, Groupe::Arme},
    {"Hero_Tir31.wav", tete_chercheuse, Groupe::Arme},
    {"Hero_Tir41.wav", plasma, Groupe::Arme},
    {"Curseur.wav", curseur, Groupe::Arme},
    {"Emergency.wav", alarme, Groupe::Alarme},
    {"Cold1.wav", froid1, Groupe::Ennemi},
    {"Cold4.wav", froid4, Groupe::Ennemi},
    {"explosion1.wav", explosion_vaisseau, Groupe::Explosion},
    {"explosion2.wav", explosion_ennemi, Groupe::Explosion},
    {"explosion3.wav", explosion_grande, Groupe::Explosion},
    {"Shot1.wav", tir_ennemi1, Groupe::Ennemi},
    {"Shot2.wav", tir_ennemi2, Groupe::Ennemi},
    {"Shot3.wav", tir_ennemi3, Groupe::Ennemi},
    {"Shot4.wav", tir_ennemi4, Groupe::Ennemi},
    {"Voice1.wav", voix1, Groupe::Voix},
    {"Voice2.wav", voix2, Groupe::Voix},
    {"Voice3.wav", voix3, Groupe::Voix},
    {"Voice4.wav", voix4, Groupe::Voix},
};

}  // namespace

void generer_sons() {
    for (const Effet& e : EFFETS) {
        Tampon t = e.fabriquer();
        // Every effect rises out of silence over 2 ms and has died away before its last 30 ms.
        adoucir_bords(t, 0.002, 0.03);
        mixer(t, e.groupe, e.fichier);
        sauver_octets(std::string("Sound/") + e.fichier, encoder_wav(t));
    }
}

}  // namespace ag
