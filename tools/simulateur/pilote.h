// The simulator's autopilot: plays a level as a quick player would, from what each frame shows
// (the level's VueMonde) and nothing else, through scripted key presses that reach the game at
// least LATENCE_PILOTE_MS after the frame they were decided on. Every input it makes is kept
// (and written as an --entrees script when asked), so its run can be played again without it.
#pragma once
#include <SDL.h>
#include <stdint.h>
#include <stdio.h>

#include <vector>

#include "level/vue_monde.h"

enum { LATENCE_PILOTE_MS = 50 };

// One input the pilot scripted: `touche` down (appui 1) or up at virtual time `t`, decided from
// the frame shown at `decision`.
struct EntreePilote {
    uint32_t t;
    SDLKey touche;
    int appui;
    uint32_t decision;
};

struct Pilote;

// A new pilot. Each input is also written to `sortie` (not owned, may be NULL) as a line of the
// simulator's input scripts, "MS KEY down|up", in the order the platform layer delivers them
// (time order); the inputs still ahead are written when the pilot is destroyed.
Pilote* creer_pilote(FILE* sortie);
void detruire_pilote(Pilote* pilote);
// The observer to give observer_vue_monde (with the pilot as `donnees`): reads the frame,
// decides, and scripts the key changes with plateforme_script_touche.
void pilote_sur_vue(const VueMonde* vue, void* pilote);
// Every input scripted so far, in scripting order.
const std::vector<EntreePilote>& entrees_pilote(const Pilote* pilote);
