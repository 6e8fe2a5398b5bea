// Random input for robustness runs: seeded key presses, releases and window closes.
#pragma once
#include <stdint.h>

// How the random input is mixed.
struct DosageHasard {
    int pct_retour = -1;  // share of key presses that are Return, in percent; -1: as often as any key
    int calme = 0;        // 1: no Escape and no window close before `duree`, so that a level can be
                          // played to its end (runs reaching the interlude and level 2)
};

// Scripts random input from 0 to `duree` virtual ms with its own generator seeded by `graine`:
// presses of the game's keys (arrows, g, f, d, Return, Escape, F11) held 10 to 600 ms, and
// now and then a window close, mixed as `dosage` says. From `duree` to `fin`, a window close
// every second, so that every scene ends and the run reaches its end.
void scripter_entrees_hasard(uint32_t graine, uint32_t duree, uint32_t fin, const DosageHasard& dosage);
