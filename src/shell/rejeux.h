// The shell's side of replays: the fingerprint of the data files the game loads, and starting
// a recording or a playback with a header that names this game and these data.
#pragma once
#include <stdint.h>

#include "platform/enregistrement.h"

// The game's version, as replay headers carry it.
extern const char VERSION_JEU[];

// Fills the data fields of *entete from every file in the loaders' tables (shell, top bar,
// the four level sets, modules, the two stories), each counted once by its path without a
// leading "./", in name order: FNV-1a 64 over each name, a 0 byte, its size (8 bytes, little
// endian) and its bytes. A missing file counts with the size 2^64-1 and no bytes (its load
// then stops the game as usual).
void empreinte_donnees(EnteteRejeu* entete);

// The header of a run of `scene` from this game with these data files.
EnteteRejeu entete_du_jeu(const char* scene, uint32_t graine);

// Starts recording `scene` into `chemin`, before the game's first platform call. A file that
// cannot be created stops the game with "mirage: cannot write FILE: reason" (exit status 1).
void commencer_enregistrement(const char* chemin, const char* scene, uint32_t graine);

// The scenes a run can be: "jeu" (the whole game) and the simulator's single scenes.
int scene_connue(const char* nom);

// Opens `chemin` for playback (fenetre 1: in the window at the recorded pace; 0: on the
// virtual clock) after checking it against this game and these data. A file that cannot be
// replayed, or names no scene of scene_connue's, stops the game with "mirage: cannot replay
// FILE: reason" (exit status 1). Returns the recording's header.
EnteteRejeu commencer_rejeu(const char* chemin, int fenetre);
