// Sound effects and music through one door: names, the trace, the music clock (see audio.h).
#include "platform/audio.h"

#include <math.h>
#include <stdlib.h>

#include <string>
#include <unordered_map>

#include "platform/enregistrement.h"
#include "platform/navigateur.h"
#include "platform/plateforme.h"
#include "platform/trace.h"

namespace {

struct Nom {
    std::string chemin;
    uint32_t duree_ms = 0;
    int muet = 0;  // a stand-in: never handed to SDL_mixer
};

std::unordered_map<const void*, Nom> noms;

// The music started last, as far as the game's own calls tell: without a device this is the
// whole truth; with one it names the music in the events.
struct EtatMusique {
    const Mix_Music* courante = nullptr;
    uint64_t fin = 0;  // platform-clock ms at which it stops; UINT64_MAX when it loops for ever
    int fondu = 0;
};
EtatMusique musique;

int peripherique_ouvert() {
    int frequence, canaux;
    Uint16 format;
    return Mix_QuerySpec(&frequence, &format, &canaux) != 0;
}

const Nom* trouver(const void* p) {
    auto i = noms.find(p);
    return i == noms.end() ? nullptr : &i->second;
}

// Only real handles reach SDL_mixer, and only with a device open.
int audible(const void* p) {
    const Nom* n = trouver(p);
    return peripherique_ouvert() && !(n && n->muet);
}

// The file as a JSON value.
std::string json_fichier(const void* p) {
    const Nom* n = trouver(p);
    return n ? "\"" + n->chemin + "\"" : "null";
}

int musique_horloge_en_cours() {
    return musique.courante && uint64_t(plateforme_maintenant()) < musique.fin;
}

void nommer(const void* p, const char* chemin, uint32_t duree_ms) {
    if (!p) return;
    Nom& n = noms[p];
    n.chemin = chemin ? chemin : "";
    n.duree_ms = duree_ms;
}

}  // namespace

void nommer_son(Mix_Chunk* son, const char* chemin) { nommer(son, chemin, 0); }

void nommer_musique(Mix_Music* m, const char* chemin, uint32_t duree_ms) { nommer(m, chemin, duree_ms); }

Mix_Chunk* creer_son_muet(void) {
    // A chunk without samples, in case anything ever reads its fields.
    Mix_Chunk* c = (Mix_Chunk*)calloc(1, sizeof(Mix_Chunk));
    c->volume = MIX_MAX_VOLUME;
    noms[c].muet = 1;
    return c;
}

Mix_Music* creer_musique_muette(void) {
    // Mix_Music is opaque: the stand-in is a byte of our own that only this file ever touches.
    Mix_Music* m = (Mix_Music*)calloc(1, 1);
    noms[m].muet = 1;
    return m;
}

void jouer_son(int canal, Mix_Chunk* son) {
    if (!son) return;
    if (audible(son)) Mix_PlayChannel(canal, son, 0);
    if (trace_active()) trace_ecrire("son", "\"fichier\":%s,\"canal\":%d", json_fichier(son).c_str(), canal);
}

void jouer_musique(Mix_Music* m, int boucles) {
    if (!m) return;
#ifdef __EMSCRIPTEN__
    navigateur_arreter_fondu();
#endif
    if (audible(m)) Mix_PlayMusic(m, boucles);
    const Nom* n = trouver(m);
    musique.courante = m;
    musique.fondu = 0;
    uint64_t duree = n ? n->duree_ms : 0;
    musique.fin = boucles < 0 ? UINT64_MAX : uint64_t(plateforme_maintenant()) + duree * uint64_t(boucles + 1);
    if (trace_active())
        trace_ecrire("musique", "\"action\":\"play\",\"fichier\":%s,\"boucles\":%d", json_fichier(m).c_str(), boucles);
}

void fondre_musique(int ms) {
    int en_cours = musique_en_cours();
#ifdef __EMSCRIPTEN__
    // The browser's mixer would stop at once: the fade runs on the platform's clock.
    if (peripherique_ouvert()) navigateur_commencer_fondu(ms, plateforme_maintenant());
#else
    if (peripherique_ouvert()) Mix_FadeOutMusic(ms);
#endif
    if (en_cours && !musique.fondu && ms > 0) {
        musique.fondu = 1;
        uint64_t fin = uint64_t(plateforme_maintenant()) + uint64_t(ms);
        if (fin < musique.fin) musique.fin = fin;
    }
    if (trace_active())
        trace_ecrire("musique", "\"action\":\"fade\",\"fichier\":%s,\"ms\":%d",
                     en_cours ? json_fichier(musique.courante).c_str() : "null", ms);
}

int musique_en_cours(void) {
    // The answer depends on the audio device, not on the game: a replay hands back what the
    // recorded run found.
    return lecture_externe(LECTURE_MUSIQUE_EN_COURS,
                           peripherique_ouvert() ? Mix_PlayingMusic() : musique_horloge_en_cours());
}

void liberer_son(Mix_Chunk* son) {
    if (!son) return;
    const Nom* n = trouver(son);
    if (n && n->muet)
        free(son);
    else
        Mix_FreeChunk(son);
    noms.erase(son);
}

void liberer_musique(Mix_Music* m) {
    if (!m) return;
    if (trace_active()) trace_ecrire("musique", "\"action\":\"free\",\"fichier\":%s", json_fichier(m).c_str());
    const Nom* n = trouver(m);
#ifdef __EMSCRIPTEN__
    // The browser's mixer frees a music without stopping it.
    if (musique.courante == m && !(n && n->muet) && peripherique_ouvert()) {
        navigateur_arreter_fondu();
        Mix_HaltMusic();
    }
#endif
    if (n && n->muet)
        free(m);
    else
        Mix_FreeMusic(m);
    if (musique.courante == m) musique = EtatMusique();
    noms.erase(m);
}

const char* nom_son(const Mix_Chunk* son) {
    const Nom* n = trouver(son);
    return n ? n->chemin.c_str() : nullptr;
}

const char* nom_musique(const Mix_Music* m) {
    const Nom* n = trouver(m);
    return n ? n->chemin.c_str() : nullptr;
}

// ---- the limiter ----

namespace {

// The output a peak of amplitude `a` (full scale 1) is bent to: itself up to the threshold,
// then a tanh knee that approaches the ceiling without ever touching it.
float courbe(float a) {
    if (a <= LIMITEUR_SEUIL) return a;
    const float marge = LIMITEUR_PLAFOND - LIMITEUR_SEUIL;
    return LIMITEUR_SEUIL + marge * tanhf((a - LIMITEUR_SEUIL) / marge);
}

Limiteur limiteur_sortie = {1.0f};

void crochet_limiteur(void* donnees, Uint8* flux, int octets) {
    limiter_sortie((Limiteur*)donnees, (int16_t*)flux, octets / 4);
}

}  // namespace

void limiter_sortie(Limiteur* l, int16_t* e, int images) {
    // Both channels share one gain, so a peak on one side does not move the stereo image; the
    // gain drops at once to what the peak needs (no sample overshoots) and recovers slowly.
    const float gain_mixage = float(MIX_MAX_VOLUME) / float(VOLUME_MIXAGE);
    const float remontee = 1.0f / (0.08f * 44100.0f);
    for (int i = 0; i < images; ++i) {
        float g = gain_mixage * e[2 * i] / 32768.0f, d = gain_mixage * e[2 * i + 1] / 32768.0f;
        float a = fmaxf(fabsf(g), fabsf(d));
        float voulu = a > LIMITEUR_SEUIL ? courbe(a) / a : 1.0f;
        l->gain = fminf(voulu, l->gain + (1.0f - l->gain) * remontee);
        e[2 * i] = (int16_t)lrintf(g * l->gain * 32768.0f);
        e[2 * i + 1] = (int16_t)lrintf(d * l->gain * 32768.0f);
    }
}

void installer_limiteur(void) {
#ifdef __EMSCRIPTEN__
    // The browser's mixer has no post-mix hook and adds its sources in Web Audio's floating
    // point, where no 16-bit add saturates: everything stays at full volume there.
    return;
#endif
    if (!peripherique_ouvert()) return;
    Mix_Volume(-1, VOLUME_MIXAGE);
    Mix_VolumeMusic(VOLUME_MIXAGE);
    limiteur_sortie.gain = 1.0f;
    Mix_SetPostMix(crochet_limiteur, &limiteur_sortie);
}
