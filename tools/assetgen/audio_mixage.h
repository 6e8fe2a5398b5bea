// The mixing model of the sound pack: every sound belongs to a group with a loudness target and
// a peak ceiling, set against the musics' loudness. The loudest moment the game can play at
// once goes over full scale; the platform's limiter on the mixed output keeps it from clipping.
#pragma once
#include "audio_dsp.h"

namespace ag {

enum class Groupe {
    Musique,    // every music: the bed everything else sits on
    Arme,       // the player's weapons, replayed every 208 ms while fire is held, and the weapon-change
                // blip: well under the music
    Ennemi,     // enemy firing steps (and the two chimes the levels load but never play)
    Explosion,  // the ship hit and enemies destroyed: above the music for a moment
    Voix,       // the bonus calls: above the music for a moment
    Alarme,     // the boss alarm
};

struct NiveauGroupe {
    double efficace_db;  // target: integrated loudness in LUFS for musics; RMS in dBFS of the loudest 200 ms for effects
    double crete_db;     // the peak may not go above this: true peak in dBTP for musics (decoded, it may
                         // overshoot by a few tenths of a dB), sample peak in dBFS for effects
};

// The target and ceiling of a group.
NiveauGroupe niveau_groupe(Groupe g);

// RMS over both channels of the whole buffer, and of its loudest window of `fenetre` seconds
// (hopping by a quarter window), in sample units.
double efficace(const Tampon& t);
double efficace_max(const Tampon& t, double fenetre);

// Scales `t` to its group's loudness; where that would put the peak over the group's ceiling
// the ceiling wins. A plain gain: no limiter, so no peak is flattened. Throws when the ceiling
// leaves the sound more than 3 dB under its target (too spiky for its group: its synthesis
// must change), naming `nom`.
void mixer(Tampon& t, Groupe g, const char* nom);

}  // namespace ag
