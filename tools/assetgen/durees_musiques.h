// How long each scene plays its music: the one table the composer fits the musics to and the
// sound tests check them against. Times are seconds from the moment the scene starts the
// music, in the longest play of the scene (nobody can stretch a story; a level lasts longest
// when its last boss is never destroyed), at the game's own pace: 13 ms level frames, story
// frames of their delay plus a 1 ms flip, as the simulator plays them.
#pragma once

namespace ag {

// What ends a music in its scene.
enum class FinMusique {
    Fondue,    // the scene fades it out at `moment` over `fondu` seconds: it must still play until then
    Relayee,   // at `moment` the next music takes its place, or the scene frees it, without a fade:
               // it must have rung out by itself just before
    Relancee,  // the level starts it again each time it ends: its end must run on into its start
};

struct BesoinMusique {
    const char* fichier;
    FinMusique fin;
    double moment;  // seconds from the music's start to its fade or its replacement (0: loops)
    double fondu;   // seconds of the scene's fade
    const char* scene;
};

// A Relayee music ends this long before its replacement: the next one starts out of a short
// silence after a last chord, never over a music cut short.
constexpr double AVANCE_RELAIS = 0.25;
// A Fondue music lasts this share longer than its scene needs: on a machine whose frames run
// late the scene runs a little longer.
constexpr double MARGE_FONDU = 0.05;

// Level 1: Boss.ogg starts in the first frame more than 137000 ms after `debut_niveau`, taken
// just after SteelOfDestiny.ogg starts (the alarm is at 134000 ms). Level 2: the last boss
// leaves and is counted as fallen at 186629 ms; the music fades then. Intro: Sad.ogg replaces
// Intro.ogg at shot 17 and the story frees it after shot 32. Interlude: Mort.ogg fades when the
// old man's picture follows shot 11; Bye.ogg starts at shot 12 and fades after shot 40.
constexpr BesoinMusique BESOINS_MUSIQUES[] = {
    {"SteelOfDestiny.ogg", FinMusique::Relayee, 137.0, 0, "level 1, until the boss music after the alarm"},
    {"Boss.ogg", FinMusique::Relancee, 0, 0, "level 1, from the end of the alarm until the boss falls"},
    {"Sho.ogg", FinMusique::Fondue, 186.629, 1.0, "level 2, until its last boss has left"},
    {"Intro.ogg", FinMusique::Relayee, 79.398, 0, "intro, shots 1 to 16"},
    {"Sad.ogg", FinMusique::Relayee, 76.952, 0, "intro, shots 17 to 32"},
    {"Mort.ogg", FinMusique::Fondue, 61.985, 0.5, "interlude, shots 1 to 11"},
    {"Bye.ogg", FinMusique::Fondue, 164.919, 1.0, "interlude, shots 12 to 40"},
};
// Seconds from the level 1 music's start to the boss alarm (2.8 s long): the only moment the
// alarm can sound over a music.
constexpr double ALARME_NIVEAU_1 = 134.0;
constexpr int NB_BESOINS_MUSIQUES = int(sizeof BESOINS_MUSIQUES / sizeof *BESOINS_MUSIQUES);

}  // namespace ag
