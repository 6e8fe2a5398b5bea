// Platform layer: real SDL, or a virtual clock with scripted input (see plateforme.h).
#include "platform/plateforme.h"

#include <string.h>
#include <time.h>

#include <algorithm>
#include <deque>
#include <vector>

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
    Uint8 touches[SDLK_LAST];
    ObservateurFlip observateur_flip = nullptr;
    void* donnees_flip = nullptr;
    uint32_t limite = 0;
    ObservateurLimite observateur_limite = nullptr;
    void* donnees_limite = nullptr;
};

Simulation sim;
uint32_t nb_flips_reels = 0;

void trier_script() {
    if (sim.script_trie) return;
    std::stable_sort(sim.script.begin() + long(sim.prochaine), sim.script.end(),
                     [](const EntreeScript& a, const EntreeScript& b) {
                         return a.t != b.t ? a.t < b.t : a.ordre < b.ordre;
                     });
    sim.script_trie = 1;
}

// Delivers every scripted input due by the current virtual time: the key state changes at
// once, and the event waits in the queue for the next poll.
void livrer_entrees() {
    trier_script();
    while (sim.prochaine < sim.script.size() && sim.script[sim.prochaine].t <= sim.horloge) {
        const SDL_Event& e = sim.script[sim.prochaine].evenement;
        if (e.type == SDL_KEYDOWN) sim.touches[e.key.keysym.sym] = 1;
        if (e.type == SDL_KEYUP) sim.touches[e.key.keysym.sym] = 0;
        sim.file.push_back(e);
        ++sim.prochaine;
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

}  // namespace

uint32_t plateforme_ticks(void) { return sim.active ? sim.horloge : SDL_GetTicks(); }

void plateforme_attendre(uint32_t ms) {
    if (sim.active)
        avancer(ms);
    else
        SDL_Delay(ms);
}

int plateforme_evenement(SDL_Event* evenement) {
    if (!sim.active) return SDL_PollEvent(evenement);
    livrer_entrees();
    if (sim.file.empty()) return 0;
    *evenement = sim.file.front();
    sim.file.pop_front();
    return 1;
}

Uint8* plateforme_touches(void) {
    if (!sim.active) return SDL_GetKeyState(NULL);
    livrer_entrees();
    return sim.touches;
}

int plateforme_afficher(SDL_Surface* ecran) {
    int r = SDL_Flip(ecran);
    if (!sim.active) {
        ++nb_flips_reels;
        return r;
    }
    uint32_t t = sim.horloge;
    ++sim.nb_flips;
    if (sim.observateur_flip) sim.observateur_flip(ecran, t, sim.donnees_flip);
    avancer(1);
    return r;
}

unsigned int plateforme_graine(void) { return sim.active ? sim.graine : (unsigned int)time(NULL); }

void plateforme_simuler(unsigned int graine) {
    sim.active = 1;
    sim.horloge = 0;
    sim.graine = graine;
    sim.nb_flips = 0;
    sim.script.clear();
    sim.prochaine = 0;
    sim.script_trie = 1;
    sim.file.clear();
    memset(sim.touches, 0, sizeof sim.touches);
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
