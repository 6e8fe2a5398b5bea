// Every sound effect and music the game plays, fades or releases goes through here, so the
// trace records each of them with its file name, also when no audio device is open and nothing
// is heard. Without a device the music's "still playing" answer comes from a music clock that
// knows each music's length, so the game reacts to a music's end as it would with sound.
#pragma once
#include <SDL_mixer.h>
#include <stdint.h>

// ---- names, filled by the asset loader ----

// Remembers which file `son` was loaded from (until liberer_son). NULL is ignored.
void nommer_son(Mix_Chunk* son, const char* chemin);
// Remembers which file `musique` was loaded from and how long it plays once, in milliseconds
// (the length only matters without an audio device). NULL is ignored.
void nommer_musique(Mix_Music* musique, const char* chemin, uint32_t duree_ms);
// Stand-ins handed out by the loader when no audio device is open: non-null handles that
// these functions accept and never pass to SDL_mixer, so the game's code takes the same path
// with or without sound. Released by liberer_son / liberer_musique like real ones.
Mix_Chunk* creer_son_muet(void);
Mix_Music* creer_musique_muette(void);

// ---- what the game calls instead of SDL_mixer ----

// Mix_PlayChannel(canal, son, 0), and a {"ev":"son","fichier":...,"canal":...} event. A null
// `son` plays nothing and writes nothing.
void jouer_son(int canal, Mix_Chunk* son);
// Mix_PlayMusic(musique, boucles) (0 = once), replacing the music playing, and a "musique"
// event with action "play" and "boucles". A null `musique` does nothing.
void jouer_musique(Mix_Music* musique, int boucles);
// Mix_FadeOutMusic(ms), and a "musique" event with action "fade", "ms" and the file of the
// music that fades (null when none is playing).
void fondre_musique(int ms);
// Mix_PlayingMusic(). Without a device: 1 from jouer_musique until the music's length (times
// its plays) has passed on the platform clock, or until a fade started by fondre_musique is
// over, or until it is released or replaced; a fade that starts while one runs changes nothing,
// as in SDL_mixer. On the simulator's virtual clock the answer is therefore deterministic.
int musique_en_cours(void);
// Mix_FreeChunk; forgets the name.
void liberer_son(Mix_Chunk* son);
// Mix_FreeMusic (which stops it if it plays), a "musique" event with action "free"; forgets
// the name.
void liberer_musique(Mix_Music* musique);

// The file a handle was loaded from, or NULL when it is not known.
const char* nom_son(const Mix_Chunk* son);
const char* nom_musique(const Mix_Music* musique);

// ---- the mixed output ----

// SDL_mixer adds the music and its channels with 16-bit saturating adds: every source goes in
// at this volume (of MIX_MAX_VOLUME), which leaves the adds room for everything at once, and
// the limiter brings the sum back up.
enum { VOLUME_MIXAGE = 48 };

// A soft limiter on the summed stereo stream: gains it back by MIX_MAX_VOLUME / VOLUME_MIXAGE,
// leaves every sample under LIMITEUR_SEUIL of full scale as it is, and bends louder ones
// towards LIMITEUR_PLAFOND, which no output sample reaches; the gain it takes off a peak comes
// back over about 80 ms.
#define LIMITEUR_SEUIL 0.708f   /* -3 dBFS */
#define LIMITEUR_PLAFOND 0.966f /* -0.3 dBFS */
typedef struct {
    float gain;  // 1 at rest; set to 1 before the first call
} Limiteur;
// Limits `images` interleaved stereo frames in place.
void limiter_sortie(Limiteur* limiteur, int16_t* echantillons, int images);
// After Mix_OpenAudio: sets every channel's and the music's volume to VOLUME_MIXAGE and puts
// the limiter on SDL_mixer's post-mix hook. Does nothing when no device is open, nor in the
// browser (no post-mix hook there, and no 16-bit adds to saturate).
void installer_limiteur(void);
