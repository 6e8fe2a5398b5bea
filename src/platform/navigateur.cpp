// The browser's side of the platform layer (see navigateur.h). The built-in SDL draws each
// surface into an HTML canvas and blits with drawImage: a colour key has to become the
// picture's own transparency, made once when the picture is loaded.
#ifdef __EMSCRIPTEN__
#include "platform/navigateur.h"

#include <SDL_mixer.h>
#include <emscripten.h>

#include <time.h>

#include "platform/affichage.h"
#include "platform/pilotes.h"
#include "platform/plateforme.h"

namespace {

struct Fondu {
    int actif = 0;
    uint32_t debut = 0;
    int duree = 0;
    int volume = -1;  // last volume set, -1: untouched
};
Fondu fondu;

int premiere_image = 1;
double repere = 0;  // when the frame's own work started: the end of the last wait or flip
int manette_ouverte = 0;

}  // namespace

// The keyed colour becomes transparent (alpha 0) in the picture's pixels, every other pixel
// opaque: the canvas's drawImage then leaves the key's pixels out as SDL 1.2 would.
extern "C" int SDL_SetColorKey(SDL_Surface* surface, int drapeau, Uint32 cle) {
    if (!surface || !(drapeau & SDL_SRCCOLORKEY)) return 0;
    if (SDL_LockSurface(surface) < 0) return -1;
    const Uint32 opaque = 0xFF000000u;
    const Uint32 cherche = cle | opaque;
    for (int y = 0; y < surface->h; ++y) {
        Uint32* p = (Uint32*)((Uint8*)surface->pixels + y * surface->pitch);
        for (int x = 0; x < surface->w; ++x) p[x] = (p[x] | opaque) == cherche ? 0 : (p[x] | opaque);
    }
    SDL_UnlockSurface(surface);
    return 0;
}

// Missing from the built-in library: a copy in the one format every surface there has.
extern "C" SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface) { return SDL_ConvertSurface(surface, NULL, 0); }

// The built-in mixer throws here; it is open once Mix_OpenAudio has made its audio context.
extern "C" int Mix_QuerySpec(int* frequence, Uint16* format, int* canaux) {
    // The simulated runs (replays on the virtual clock) are silent, as in the simulator.
    if (plateforme_est_simulee()) return 0;
    int ouvert = EM_ASM_INT({ return (typeof SDL !== 'undefined' && SDL.audioContext) ? 1 : 0; });
    if (!ouvert) return 0;
    if (frequence) *frequence = 44100;
    if (format) *format = AUDIO_S16LSB;
    if (canaux) *canaux = 2;
    return 1;
}

SDL_Surface* navigateur_ouvrir_toile(void) {
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) < 0) return NULL;
    return SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
}

void navigateur_image_montree(void) {
    if (premiere_image) {
        premiere_image = 0;
        EM_ASM({ if (Module.mirageImage) Module.mirageImage(); });
    }
    double maintenant = emscripten_get_now();
    EM_ASM({ if (Module.mirageMesures) Module.mirageMesures.push($0); }, maintenant - repere);
    repere = maintenant;
}

void navigateur_apres_attente(uint32_t maintenant) {
    repere = emscripten_get_now();
    navigateur_suivre_fondu(maintenant);
}

void navigateur_basculer_plein_ecran(void) {
    EM_ASM({ if (Module.mirageBasculer) Module.mirageBasculer(); });
}

void navigateur_chercher_manette(void) {
    if (manette_ouverte) return;
    if (SDL_NumJoysticks() > 0 && SDL_JoystickOpen(0)) {
        SDL_JoystickEventState(SDL_ENABLE);
        manette_ouverte = 1;
    }
}

void navigateur_commencer_fondu(int ms, uint32_t debut) {
    if (fondu.actif) return;  // as in SDL_mixer: a fade under way goes on
    if (ms <= 0 || !Mix_PlayingMusic()) {
        Mix_HaltMusic();
        return;
    }
    fondu.actif = 1;
    fondu.debut = debut;
    fondu.duree = ms;
}

void navigateur_arreter_fondu(void) {
    fondu.actif = 0;
    if (fondu.volume != -1) Mix_VolumeMusic(MIX_MAX_VOLUME);
    fondu.volume = -1;
}

void navigateur_suivre_fondu(uint32_t maintenant) {
    if (!fondu.actif) return;
    uint32_t passe = maintenant - fondu.debut;
    if (passe >= uint32_t(fondu.duree)) {
        Mix_HaltMusic();
        navigateur_arreter_fondu();
        return;
    }
    int volume = int(MIX_MAX_VOLUME - uint64_t(MIX_MAX_VOLUME) * passe / uint32_t(fondu.duree));
    if (volume != fondu.volume) {
        Mix_VolumeMusic(volume);
        fondu.volume = volume;
    }
}
// ---- the browser's driver: SDL's, with the page's canvas, waits that yield to the browser, the
// gamepad looked for late and the music fade moved on at every wait and flip ----

namespace {

SDL_Surface* ouvrir_ecran_navigateur(void) {
    SDL_Surface* toile = affichage_ouvrir();
    if (toile) SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    return toile;
}

uint32_t ticks_navigateur(void) { return SDL_GetTicks(); }

// One SDL_Delay: Asyncify hands the browser its turn until the wait is over.
uint32_t attendre_navigateur(uint32_t ms) {
    SDL_Delay(ms);
    uint32_t t = SDL_GetTicks();
    navigateur_apres_attente(t);
    return t;
}

int evenement_brut_navigateur(SDL_Event* e) { return SDL_PollEvent(e); }

int evenement_navigateur(SDL_Event* e) {
    navigateur_chercher_manette();
    return evenement_du_jeu(evenement_brut_navigateur, clavier_sdl(), e);
}

void touches_navigateur(Uint8* touches) { fusionner_touches(clavier_sdl(), touches); }

int montrer_navigateur(SDL_Surface* ecran) {
    SDL_Surface* montre;
    return montrer_image(ecran, &montre);
}

uint32_t afficher_navigateur(SDL_Surface* ecran, int* resultat) {
    *resultat = montrer_navigateur(ecran);
    uint32_t t = SDL_GetTicks();
    navigateur_suivre_fondu(t);
    return t;
}

unsigned int graine_navigateur(void) { return (unsigned int)time(NULL); }

// Playback tells the time: the fade follows the recorded clock.
void suivre_navigateur(uint32_t t) { navigateur_suivre_fondu(t); }

}  // namespace

const PilotePlateforme PILOTE_NAVIGATEUR = {
    "navigateur",        ouvrir_ecran_navigateur, ticks_navigateur,  attendre_navigateur,
    evenement_navigateur, touches_navigateur,     afficher_navigateur, montrer_navigateur,
    graine_navigateur,   horloge_connue,          suivre_navigateur,
};
#endif
