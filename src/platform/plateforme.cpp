// Platform layer: real SDL, or a virtual clock with scripted input (see plateforme.h).
// Every input, real or scripted, goes through one path: joystick events become key events,
// Alt+Enter and F11 switch the display mode, and the key state merges keyboard and gamepad.
// The display itself lives in affichage.cpp, the ending on a signal in signaux.cpp.
#include "platform/plateforme.h"

#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "platform/enregistrement.h"
#include "platform/manette.h"
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
    uint32_t nb_flips = 0;
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
uint32_t nb_flips_reels = 0;
EtatManette manette;
Uint8 touches_fusionnees[SDLK_LAST];
std::deque<SDL_Event> traduits;  // key events made from joystick events, real mode
uint32_t horloge_connue = 0;      // the platform's last clock reading, real mode

// Every clock reading, wait and flip ends here: the recorded time, in playback, becomes the
// virtual clock.
uint32_t caler(uint32_t t) {
    horloge_connue = t;
    if (sim.active && rejeu_actif()) {
        sim.horloge = t;
        if (sim.limite && t >= sim.limite && sim.observateur_limite) sim.observateur_limite(t, sim.donnees_limite);
    }
    return t;
}

void trier_script() {
    if (sim.script_trie) return;
    std::stable_sort(sim.script.begin() + long(sim.prochaine), sim.script.end(),
                     [](const EntreeScript& a, const EntreeScript& b) {
                         return a.t != b.t ? a.t < b.t : a.ordre < b.ordre;
                     });
    sim.script_trie = 1;
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

void avancer(uint32_t ms) {
    sim.horloge += ms;
    if (sim.limite && sim.horloge >= sim.limite && sim.observateur_limite)
        sim.observateur_limite(sim.horloge, sim.donnees_limite);
}

void ajouter_script(uint32_t t, const SDL_Event& e) {
    EntreeScript s;
    s.t = t;
    s.ordre = uint32_t(sim.script.size());
    s.evenement = e;
    sim.script.push_back(s);
    sim.script_trie = 0;
}

int evenement_brut(SDL_Event* e) {
    if (!traduits.empty()) {
        *e = traduits.front();
        traduits.pop_front();
        return 1;
    }
    if (sim.active) {
        livrer_entrees();
        if (sim.file.empty()) return 0;
        *e = sim.file.front();
        sim.file.pop_front();
        return 1;
    }
    return SDL_PollEvent(e);
}

bool est_bascule(const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN) return false;
    SDLKey k = e.key.keysym.sym;
    return k == SDLK_F11 || ((k == SDLK_RETURN || k == SDLK_KP_ENTER) && (e.key.keysym.mod & KMOD_ALT));
}

}  // namespace

uint32_t plateforme_ticks(void) {
    uint32_t t = rejeu_actif() ? rejeu_ticks() : sim.active ? sim.horloge : SDL_GetTicks();
    enregistrer_ticks(t);
    return caler(t);
}

// In slices, so that a signal ends the game within one even during a long pause; the end of
// the wait is fixed on the clock, so the slices add up to exactly the wait.
static void attendre_par_tranches(uint32_t ms) {
    const Uint32 fin = SDL_GetTicks() + ms;
    for (;;) {
        signaux_verifier();
        Sint32 reste = Sint32(fin - SDL_GetTicks());
        if (reste <= 0) break;
        SDL_Delay(Uint32(reste < 50 ? reste : 50));
    }
}

uint32_t plateforme_maintenant(void) { return sim.active ? sim.horloge : horloge_connue; }

void plateforme_attendre(uint32_t ms) {
    uint32_t t;
    if (rejeu_actif()) {
        t = rejeu_attente(ms);  // the window keeps its pace at the flips
    } else if (sim.active) {
        avancer(ms);
        t = sim.horloge;
    } else {
        attendre_par_tranches(ms);
        t = SDL_GetTicks();
    }
    enregistrer_attente(ms, t);
    caler(t);
}

static int evenement_du_jeu(SDL_Event* evenement);

int plateforme_evenement(SDL_Event* evenement) {
    signaux_verifier();
    int r = rejeu_actif() ? rejeu_evenement(evenement) : evenement_du_jeu(evenement);
    enregistrer_evenement(r ? evenement : NULL);
    return r;
}

static int evenement_du_jeu(SDL_Event* evenement) {
    SDL_Event e;
    while (evenement_brut(&e)) {
        if (e.type == SDL_JOYBUTTONDOWN || e.type == SDL_JOYBUTTONUP || e.type == SDL_JOYAXISMOTION ||
            e.type == SDL_JOYHATMOTION || e.type == SDL_JOYBALLMOTION) {
            // Only real devices get here: scripted joystick input is translated on delivery.
            traduire_manette(e, SDL_GetKeyState(NULL), traduits);
            continue;
        }
        if (est_bascule(e)) {
            plateforme_basculer_fenetre();
            continue;
        }
        if (e.type == SDL_KEYUP) {
            Uint8 tenues[SDLK_LAST];
            touches_manette(&manette, tenues);
            if (tenues[e.key.keysym.sym]) continue;  // the gamepad still holds it
        }
        *evenement = e;
        return 1;
    }
    return 0;
}

Uint8* plateforme_touches(void) {
    if (rejeu_actif()) {
        rejeu_touches(touches_fusionnees);
        return touches_fusionnees;
    }
    const Uint8* clavier;
    if (sim.active) {
        livrer_entrees();
        clavier = sim.clavier;
    } else {
        clavier = SDL_GetKeyState(NULL);
    }
    touches_manette(&manette, touches_fusionnees);
    for (int k = 0; k < SDLK_LAST; ++k) touches_fusionnees[k] |= clavier[k];
    enregistrer_touches(touches_fusionnees);
    return touches_fusionnees;
}

int plateforme_afficher(SDL_Surface* ecran) {
    // In playback the flip's recorded time comes first: the window waits for it before showing.
    uint32_t t_rejeu = rejeu_actif() ? rejeu_image() : 0;
    SDL_Surface* montre = ecran;
    int r = affichage_montrer(ecran, &montre);
    uint32_t t;
    if (!sim.active) {
        ++nb_flips_reels;
        t = rejeu_actif() ? t_rejeu : SDL_GetTicks();
    } else {
        ++sim.nb_flips;
        if (sim.observateur_flip) sim.observateur_flip(montre, sim.horloge, sim.donnees_flip);
        if (rejeu_actif()) {
            t = t_rejeu;
        } else {
            avancer(1);
            t = sim.horloge;
        }
    }
    enregistrer_image(t);
    caler(t);
    // After the frame is recorded: a signal that ends the game leaves a replay up to this flip.
    // The simulator catches signals too (signaux_installer), so it ends here as well.
    signaux_verifier();
    return r;
}

SDL_Surface* plateforme_ouvrir_ecran(void) {
    // Before SDL's video start-up, which would otherwise put its own handlers in, and after it,
    // in case the library replaced them anyway.
    if (!sim.active) signaux_installer();
    SDL_Surface* toile = affichage_ouvrir();
    if (!toile) return NULL;
    if (!sim.active) {
        signaux_installer();
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0 && SDL_NumJoysticks() > 0) {
            SDL_JoystickOpen(0);
            SDL_JoystickEventState(SDL_ENABLE);
        }
    }
    return toile;
}

unsigned int plateforme_graine(void) {
    unsigned int g = rejeu_actif() ? rejeu_graine() : sim.active ? sim.graine : (unsigned int)time(NULL);
    enregistrer_graine(g);
    return g;
}

void plateforme_simuler(unsigned int graine) {
    sim.active = 1;
    sim.horloge = 0;
    horloge_connue = 0;
    sim.graine = graine;
    sim.nb_flips = 0;
    sim.script.clear();
    sim.prochaine = 0;
    sim.script_trie = 1;
    sim.file.clear();
    traduits.clear();
    memset(sim.clavier, 0, sizeof sim.clavier);
    memset(&manette, 0, sizeof manette);
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

uint32_t plateforme_nb_flips(void) { return sim.active ? sim.nb_flips : nb_flips_reels; }
