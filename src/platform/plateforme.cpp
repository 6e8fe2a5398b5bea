// Platform layer: the entry points, the real SDL and simulated drivers, and how the drivers
// are composed (see plateforme.h). Every input, real or scripted, goes through one path:
// joystick events become key events, Alt+Enter and F11 switch the display mode, and the key
// state merges keyboard and gamepad. The display itself lives in affichage.cpp, the ending on
// a signal in signaux.cpp, playback and recording in enregistrement.cpp.
#include "platform/plateforme.h"

#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "platform/enregistrement.h"
#include "platform/manette.h"
#include "platform/pilotes.h"
#include "platform/signaux.h"

namespace {

struct EntreeScript {
    uint32_t t;
    uint32_t ordre;  // keeps equal times in script order
    SDL_Event evenement;
};

struct Simulation {
    int active = 0;
    uint32_t horloge = 0;
    unsigned int graine = 0;
    std::vector<EntreeScript> script;  // sorted by (t, ordre) before delivery
    size_t prochaine = 0;              // next script entry to deliver
    int script_trie = 1;
    std::deque<SDL_Event> file;
    Uint8 clavier[SDLK_LAST];
    ObservateurFlip observateur_flip = nullptr;
    void* donnees_flip = nullptr;
    uint32_t limite = 0;
    ObservateurLimite observateur_limite = nullptr;
    void* donnees_limite = nullptr;
};

Simulation sim;
uint32_t nb_flips = 0;
EtatManette manette;
Uint8 touches_fusionnees[SDLK_LAST];
std::deque<SDL_Event> traduits;  // key events made from joystick events, not yet taken
uint32_t horloge = 0;            // the clock as the entry points last saw it

// The driver of a real run: SDL's on the desktop, the page's in the browser.
#ifdef __EMSCRIPTEN__
const PilotePlateforme* const PILOTE_REEL = &PILOTE_NAVIGATEUR;
#else
const PilotePlateforme* const PILOTE_REEL = &PILOTE_SDL;
#endif

// The drivers in charge, from the bottom up: the game's calls go to `jeu`.
struct Composition {
    const PilotePlateforme* base = PILOTE_REEL;  // real or simulated
    const PilotePlateforme* lecteur = PILOTE_REEL;  // playback over the base, or the base
    const PilotePlateforme* jeu = PILOTE_REEL;      // the recorder over the reader, or the reader
};
Composition pilotes;

// Every clock reading, wait and flip ends here.
uint32_t caler(uint32_t t) {
    horloge = t;
    return t;
}

// The gamepad's key events for one joystick event (the device state is updated).
void traduire_manette(const SDL_Event& e, const Uint8* clavier, std::deque<SDL_Event>& sortie) {
    Uint8 avant[SDLK_LAST], apres[SDLK_LAST];
    touches_manette(&manette, avant);
    appliquer_evenement_manette(&manette, &e);
    touches_manette(&manette, apres);
    SDL_Event evenements[16];
    int n = evenements_changes(avant, apres, clavier, evenements, 16);
    for (int i = 0; i < n; ++i) sortie.push_back(evenements[i]);
}

bool est_manette(const SDL_Event& e) {
    return e.type == SDL_JOYBUTTONDOWN || e.type == SDL_JOYBUTTONUP || e.type == SDL_JOYAXISMOTION ||
           e.type == SDL_JOYHATMOTION || e.type == SDL_JOYBALLMOTION;
}

bool est_bascule(const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN) return false;
    SDLKey k = e.key.keysym.sym;
    return k == SDLK_F11 || ((k == SDLK_RETURN || k == SDLK_KP_ENTER) && (e.key.keysym.mod & KMOD_ALT));
}

// ---- the simulated driver ----

void trier_script() {
    if (sim.script_trie) return;
    std::stable_sort(sim.script.begin() + long(sim.prochaine), sim.script.end(),
                     [](const EntreeScript& a, const EntreeScript& b) {
                         return a.t != b.t ? a.t < b.t : a.ordre < b.ordre;
                     });
    sim.script_trie = 1;
}

// Delivers every scripted input due by the current virtual time: the key state changes at
// once, and the events wait in the queue for the next poll.
void livrer_entrees() {
    trier_script();
    while (sim.prochaine < sim.script.size() && sim.script[sim.prochaine].t <= sim.horloge) {
        SDL_Event e = sim.script[sim.prochaine].evenement;
        ++sim.prochaine;
        if (e.type == SDL_JOYBUTTONDOWN || e.type == SDL_JOYBUTTONUP || e.type == SDL_JOYAXISMOTION ||
            e.type == SDL_JOYHATMOTION) {
            traduire_manette(e, sim.clavier, sim.file);
            continue;
        }
        if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
            sim.clavier[e.key.keysym.sym] = e.type == SDL_KEYDOWN;
            int mod = KMOD_NONE;
            if (sim.clavier[SDLK_LALT]) mod |= KMOD_LALT;
            if (sim.clavier[SDLK_RALT]) mod |= KMOD_RALT;
            if (sim.clavier[SDLK_LCTRL]) mod |= KMOD_LCTRL;
            if (sim.clavier[SDLK_LSHIFT]) mod |= KMOD_LSHIFT;
            e.key.keysym.mod = SDLMod(mod);
        }
        sim.file.push_back(e);
    }
}

void verifier_limite() {
    if (sim.limite && sim.horloge >= sim.limite && sim.observateur_limite)
        sim.observateur_limite(sim.horloge, sim.donnees_limite);
}

void avancer(uint32_t ms) {
    sim.horloge += ms;
    verifier_limite();
}

void ajouter_script(uint32_t t, const SDL_Event& e) {
    EntreeScript s;
    s.t = t;
    s.ordre = uint32_t(sim.script.size());
    s.evenement = e;
    sim.script.push_back(s);
    sim.script_trie = 0;
}

SDL_Surface* ouvrir_ecran_simule() { return affichage_ouvrir(); }

uint32_t ticks_simule() { return sim.horloge; }

uint32_t attendre_simule(uint32_t ms) {
    avancer(ms);
    return sim.horloge;
}

int evenement_brut_simule(SDL_Event* e) {
    livrer_entrees();
    if (sim.file.empty()) return 0;
    *e = sim.file.front();
    sim.file.pop_front();
    return 1;
}

int evenement_simule(SDL_Event* e) { return evenement_du_jeu(evenement_brut_simule, sim.clavier, e); }

void touches_simule(Uint8* touches) {
    livrer_entrees();
    fusionner_touches(sim.clavier, touches);
}

// The flip observer sees the frame at the time it was drawn, before the flip's millisecond.
int montrer_simule(SDL_Surface* ecran) {
    SDL_Surface* montre = ecran;
    int r = montrer_image(ecran, &montre);
    if (sim.observateur_flip) sim.observateur_flip(montre, sim.horloge, sim.donnees_flip);
    return r;
}

// Every flip takes 1 ms, so loops that never wait still move in time.
uint32_t afficher_simule(SDL_Surface* ecran, int* resultat) {
    *resultat = montrer_simule(ecran);
    avancer(1);
    return sim.horloge;
}

unsigned int graine_simulee() { return sim.graine; }

uint32_t maintenant_simule() { return sim.horloge; }

void suivre_simule(uint32_t t) {
    sim.horloge = t;
    verifier_limite();
}

}  // namespace

// ---- the real SDL driver ----

uint32_t ticks_sdl(void) { return SDL_GetTicks(); }

int evenement_sdl(SDL_Event* e) { return evenement_du_jeu(SDL_PollEvent, clavier_sdl(), e); }

void touches_sdl(Uint8* touches) { fusionner_touches(clavier_sdl(), touches); }

int montrer_sdl(SDL_Surface* ecran) {
    SDL_Surface* montre;
    return montrer_image(ecran, &montre);
}

uint32_t afficher_sdl(SDL_Surface* ecran, int* resultat) {
    *resultat = montrer_sdl(ecran);
    return SDL_GetTicks();
}

unsigned int graine_sdl(void) { return (unsigned int)time(NULL); }

void suivre_sdl(uint32_t) {}

const PilotePlateforme PILOTE_SDL = {
    "sdl",        ouvrir_ecran_sdl, ticks_sdl,  attendre_sdl,    evenement_sdl, touches_sdl,
    afficher_sdl, montrer_sdl,      graine_sdl, horloge_connue, suivre_sdl,
};

const PilotePlateforme PILOTE_SIMULE = {
    "simule",        ouvrir_ecran_simule, ticks_simule,   attendre_simule,   evenement_simule, touches_simule,
    afficher_simule, montrer_simule,      graine_simulee, maintenant_simule, suivre_simule,
};

// ---- composition ----

void plateforme_recomposer(void) {
    pilotes.base = sim.active ? &PILOTE_SIMULE : PILOTE_REEL;
    pilotes.lecteur = rejeu_actif() ? &PILOTE_REJEU : pilotes.base;
    pilotes.jeu = enregistrement_actif() ? &PILOTE_ENREGISTREUR : pilotes.lecteur;
}

const PilotePlateforme* pilote_sous(const PilotePlateforme* enveloppe) {
    return enveloppe == &PILOTE_ENREGISTREUR ? pilotes.lecteur : pilotes.base;
}

const PilotePlateforme* plateforme_pilote(void) { return pilotes.jeu; }

// ---- shared by the drivers ----

int evenement_du_jeu(int (*brut)(SDL_Event*), const Uint8* clavier, SDL_Event* evenement) {
    SDL_Event e;
    for (;;) {
        if (!traduits.empty()) {
            e = traduits.front();
            traduits.pop_front();
        } else if (!brut(&e)) {
            return 0;
        }
        if (est_manette(e)) {
            // Scripted joystick input is translated on delivery: only real devices get here.
            traduire_manette(e, clavier, traduits);
            continue;
        }
        if (est_bascule(e)) {
            plateforme_basculer_fenetre();
            continue;
        }
        if (e.type == SDL_VIDEOEXPOSE) affichage_exposee();
        if (e.type == SDL_KEYUP && unsigned(e.key.keysym.sym) < unsigned(SDLK_LAST)) {
            Uint8 tenues[SDLK_LAST];
            touches_manette(&manette, tenues);
            if (tenues[e.key.keysym.sym]) continue;  // the gamepad still holds it
        }
        *evenement = e;
        return 1;
    }
}

void fusionner_touches(const Uint8* clavier, Uint8* touches) {
    touches_manette(&manette, touches);
    for (int k = 0; k < SDLK_LAST; ++k) touches[k] |= clavier[k];
}

int montrer_image(SDL_Surface* ecran, SDL_Surface** montre) {
    *montre = ecran;
    int r = affichage_montrer(ecran, montre);
    ++nb_flips;
    return r;
}

const Uint8* clavier_sdl(void) {
#ifdef __EMSCRIPTEN__
    return SDL_GetKeyboardState(NULL);  // its SDL 1.2 indexes it by key, like SDL_GetKeyState
#else
    return SDL_GetKeyState(NULL);
#endif
}

uint32_t horloge_connue(void) { return horloge; }

// In slices, so that a signal ends the game within one even during a long pause; the end of
// the wait is fixed on the clock, so the slices add up to exactly the wait.
uint32_t attendre_sdl(uint32_t ms) {
    const Uint32 fin = SDL_GetTicks() + ms;
    for (;;) {
        signaux_verifier();
        Sint32 reste = Sint32(fin - SDL_GetTicks());
        if (reste <= 0) break;
        SDL_Delay(Uint32(reste < 50 ? reste : 50));
    }
    return SDL_GetTicks();
}

SDL_Surface* ouvrir_ecran_sdl(void) {
    // Before SDL's video start-up, which would otherwise put its own handlers in, and after it,
    // in case the library replaced them anyway.
    signaux_installer();
    SDL_Surface* toile = affichage_ouvrir();
    if (!toile) return NULL;
    signaux_installer();
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0 && SDL_NumJoysticks() > 0) {
        SDL_JoystickOpen(0);
        SDL_JoystickEventState(SDL_ENABLE);
    }
    return toile;
}

// ---- the entry points ----

uint32_t plateforme_ticks(void) { return caler(pilotes.jeu->ticks()); }

uint32_t plateforme_maintenant(void) { return pilotes.jeu->maintenant(); }

void plateforme_attendre(uint32_t ms) { caler(pilotes.jeu->attendre(ms)); }

int plateforme_evenement(SDL_Event* evenement) {
    signaux_verifier();
    return pilotes.jeu->evenement(evenement);
}

Uint8* plateforme_touches(void) {
    pilotes.jeu->touches(touches_fusionnees);
    return touches_fusionnees;
}

int plateforme_afficher(SDL_Surface* ecran) {
    int r = 0;
    caler(pilotes.jeu->afficher(ecran, &r));
    // After the frame is recorded: a signal that ends the game leaves a replay up to this flip.
    signaux_verifier();
    return r;
}

SDL_Surface* plateforme_ouvrir_ecran(void) { return pilotes.jeu->ouvrir_ecran(); }

unsigned int plateforme_graine(void) { return pilotes.jeu->graine(); }

void plateforme_simuler(unsigned int graine) {
    sim.active = 1;
    sim.horloge = 0;
    horloge = 0;
    sim.graine = graine;
    nb_flips = 0;
    sim.script.clear();
    sim.prochaine = 0;
    sim.script_trie = 1;
    sim.file.clear();
    traduits.clear();
    memset(sim.clavier, 0, sizeof sim.clavier);
    memset(&manette, 0, sizeof manette);
    plateforme_recomposer();
}

int plateforme_est_simulee(void) { return sim.active; }

void plateforme_script_touche(uint32_t t, SDLKey touche, int appui) {
    SDL_Event e;
    memset(&e, 0, sizeof e);
    e.type = appui ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.type = e.type;
    e.key.state = appui ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = touche;
    e.key.keysym.mod = KMOD_NONE;
    ajouter_script(t, e);
}

void plateforme_script_quitter(uint32_t t) {
    SDL_Event e;
    memset(&e, 0, sizeof e);
    e.type = SDL_QUIT;
    ajouter_script(t, e);
}

void plateforme_script_evenement(uint32_t t, const SDL_Event* evenement) { ajouter_script(t, *evenement); }

void plateforme_observer_flips(ObservateurFlip observateur, void* donnees) {
    sim.observateur_flip = observateur;
    sim.donnees_flip = donnees;
}

void plateforme_limiter(uint32_t limite, ObservateurLimite observateur, void* donnees) {
    sim.limite = limite;
    sim.observateur_limite = observateur;
    sim.donnees_limite = donnees;
}

uint32_t plateforme_nb_flips(void) { return nb_flips; }
