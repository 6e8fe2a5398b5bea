// Random input for robustness runs: seeded key presses, releases and window closes.
#pragma once
#include <stdint.h>

// Scripts random input from 0 to `duree` virtual ms with its own generator seeded by `graine`:
// presses of the game's keys (arrows, g, f, d, Return, Escape, F11) held 10 to 600 ms, and
// now and then a window close. After `duree`, a window close every second, so that every scene
// ends and the run reaches its end.
void scripter_entrees_hasard(uint32_t graine, uint32_t duree, uint32_t fin);
