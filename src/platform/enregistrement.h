// Replays: what the game reads from the platform layer (every clock reading, the end of every
// wait, every event, every key-state change, every flip, the seed and the external readings),
// written frame by frame to a file while the game runs, and handed back to the game in the
// same order when the file is played back, headless on the virtual clock or in the window at
// the recorded pace. The format is described in the README ("Replays").
//
// The file: a text header, then binary frames, each ending with its flip.
//   MIRAGE-REJEU 1\n                                 magic and format version
//   jeu 1.0\n                                        game version
//   scene jeu\n                                      what was run: "jeu", or a simulator scene
//   graine 1718000000\n                              seed at the start (readings are relative)
//   donnees 224 17391471 cb0905dcbb536f88\n          data files: count, bytes, FNV-1a 64
//   entete 89abcdef\n                                CRC-32 of the lines above
//   frame := varint length, payload, CRC-32 (little-endian) of length and payload, seeded
//            with the previous frame's CRC (the first with the header's): a frame removed,
//            repeated or moved breaks the chain.
//   record := one letter, then its fields (varints; "zz" = zigzag varint of a difference):
//     T zz(t)            the game read the clock
//     A ms zz(t)         a wait of ms ended at t
//     E type [..]        the game took an event (key events: which, scancode, sym, mod, unicode)
//     R                  the game found the event queue empty
//     C n (key*2+down)*n the game read the key state; the keys that changed since the last read
//     I zz(t)            a flip, done at t: the last record of every frame but the final one
//     G zz(seed)         the game read the seed (relative to the header's)
//     X kind zz(value)   an external reading (GenreLecture)
//     Z cause            end: 0 the game ended, 1 the process stopped elsewhere (signal, error)
//   Times are differences from the previous time in the file (the first from 0). Keys and
//   event types are numbered as in classic SDL 1.2 whatever SDL the game runs on (codes_sdl.h),
//   so a replay plays the same on the desktop and in the browser.
#pragma once
#include <SDL.h>
#include <stddef.h>
#include <stdint.h>

// Version of the file format: a file of another version is refused.
#define FORMAT_REJEU 1

// What a replay says about its run.
typedef struct EnteteRejeu {
    char version_jeu[32];
    char scene[16];        // "jeu" for the real game; the simulator's --scene otherwise
    uint32_t graine;       // seed at the start: calendar time, or the simulator's seed
    uint32_t nb_fichiers;  // the data files the game loads
    uint64_t octets;       // their total size
    uint64_t empreinte;    // FNV-1a 64 over their names and contents
} EnteteRejeu;

// Values the game reads from outside the platform layer that can differ between two runs of
// the same input. Each is recorded as it is read and handed back in playback. A new kind
// changes what the game reads, so it comes with a new FORMAT_REJEU.
typedef enum { LECTURE_MUSIQUE_EN_COURS = 1 } GenreLecture;

// Returns `valeur`, what the game just read for `genre`; while recording it is written down,
// in playback the recorded value comes back instead (and `valeur` is dropped).
int lecture_externe(GenreLecture genre, int valeur);

// ---- recording ----

// Starts recording into `chemin` (created or emptied), before the game's first platform call.
// The file is written and flushed at every flip, so a killed game leaves every frame before
// its last flip; at exit() the frame in progress and the end record are written too.
// Returns 0, or -1 with errno when the file cannot be created.
int enregistrement_ouvrir(const char* chemin, const EnteteRejeu* entete);
// The game ended normally: writes the last frame and the end record, and closes the file.
void enregistrement_fermer(void);
int enregistrement_actif(void);

// ---- playback ----

// Reads and checks the whole file: header, format version, game version and data files
// (against `ici`, whose scene and seed are not compared), every frame's CRC and records. A
// file that cannot be replayed stops the process with one line, "mirage: cannot replay
// FILE: reason", and exit status 1. `fenetre` 1 paces the flips to the recorded clock (the
// window), 0 hands the recorded times over at once (the simulator). Fills *lu with the header.
void rejeu_ouvrir(const char* chemin, const EnteteRejeu* ici, int fenetre, EnteteRejeu* lu);
// The game's run ended: the recording must end here too (else it stops as out of step).
// Playback is over: the platform answers from its own clock and input again.
void rejeu_terminer(void);
int rejeu_actif(void);

// Result of reading a replay file in memory (what rejeu_ouvrir checks, without stopping).
typedef struct BilanRejeu {
    EnteteRejeu entete;
    uint32_t nb_images;  // whole frames ending with a flip
    int complet;         // 1 when the end record is there; 0 when the file was cut short
    size_t debut;        // offset of the first frame
} BilanRejeu;
// Returns 0 (the file can be replayed, whole or up to where it was cut), or -1 with the
// reason in `raison`. A cut inside the header is refused; a cut after it is not.
int analyser_rejeu(const uint8_t* octets, size_t n, BilanRejeu* bilan, char* raison, size_t taille_raison);

// The recorder and playback are drivers of the platform layer (PILOTE_ENREGISTREUR and
// PILOTE_REJEU, pilotes.h), composed around the others when recording or playback starts.
