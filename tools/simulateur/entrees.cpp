// Input scripts of the simulator (see entrees.h).
#include "entrees.h"

#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include <string>
#include <vector>

#include "core/fichiers.h"
#include "platform/codes_sdl.h"
#include "platform/plateforme.h"

namespace {
// Far above any script (a pilot's whole level is a few hundred KB).
const long long TAILLE_MAX_SCRIPT = 64ll << 20;
}  // namespace

// "JOY BUTTON n down|up", "JOY AXIS n value", "JOY HAT value" (SDL_HAT_* bits, 0 = centred).
static int lire_manette(const std::vector<std::string>& mots, uint32_t t) {
    SDL_Event e;
    memset(&e, 0, sizeof e);
    // A whole number in [min, max], digits only after an optional '-'.
    auto nombre = [](const std::string& m, long min, long max, long* v) {
        if (m.empty() || m.size() > 7 || m.find_first_not_of("-0123456789") != std::string::npos) return false;
        char* fin;
        *v = strtol(m.c_str(), &fin, 10);
        return *fin == '\0' && *v >= min && *v <= max;
    };
    long a = 0, v = 0;
    size_t n = mots.size();
    if (n == 5 && strcasecmp(mots[2].c_str(), "BUTTON") == 0) {
        if (!nombre(mots[3], 0, 31, &a)) return -1;
        if (strcasecmp(mots[4].c_str(), "down") == 0) e.type = SDL_JOYBUTTONDOWN;
        else if (strcasecmp(mots[4].c_str(), "up") == 0) e.type = SDL_JOYBUTTONUP;
        else return -1;
        e.jbutton.type = e.type;
        e.jbutton.button = (Uint8)a;
        e.jbutton.state = e.type == SDL_JOYBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    } else if (n == 5 && strcasecmp(mots[2].c_str(), "AXIS") == 0) {
        if (!nombre(mots[3], 0, 255, &a) || !nombre(mots[4], -32768, 32767, &v)) return -1;
        e.type = SDL_JOYAXISMOTION;
        e.jaxis.type = e.type;
        e.jaxis.axis = (Uint8)a;
        e.jaxis.value = (Sint16)v;
    } else if (n == 4 && strcasecmp(mots[2].c_str(), "HAT") == 0) {
        if (!nombre(mots[3], 0, 15, &v)) return -1;
        e.type = SDL_JOYHATMOTION;
        e.jhat.type = e.type;
        e.jhat.value = (Uint8)v;
    } else {
        return -1;
    }
    plateforme_script_evenement(t, &e);
    return 0;
}

SDLKey touche_par_nom(const char* nom) { return SDLKey(touche_native(touche_canonique_par_nom(nom))); }

// One line (without its newline): 0, or -1 with the reason.
static int lire_ligne(const char* debut, size_t taille, std::string* raison) {
    if (memchr(debut, '\0', taille)) return *raison = "a NUL byte in the line", -1;
    std::string ligne(debut, taille);
    size_t diese = ligne.find('#');
    if (diese != std::string::npos) ligne.resize(diese);
    std::vector<std::string> mots;
    const char* blancs = " \t\r\v\f";
    for (size_t p = ligne.find_first_not_of(blancs); p != std::string::npos; p = ligne.find_first_not_of(blancs, p)) {
        size_t fin = ligne.find_first_of(blancs, p);
        mots.push_back(ligne.substr(p, fin == std::string::npos ? std::string::npos : fin - p));
        p = fin;
    }
    if (mots.empty()) return 0;
    const std::string& temps = mots[0];
    if (temps.find_first_not_of("0123456789") != std::string::npos)
        return *raison = "'" + temps + "' is not a time in milliseconds", -1;
    if (temps.size() > 10 || strtoull(temps.c_str(), nullptr, 10) > UINT32_MAX)
        return *raison = "time " + temps + " is out of range (0 to 4294967295 ms)", -1;
    uint32_t t = uint32_t(strtoul(temps.c_str(), nullptr, 10));
    if (mots.size() >= 2 && strcasecmp(mots[1].c_str(), "QUIT") == 0) {
        if (mots.size() != 2) return *raison = "'MS QUIT' takes nothing after QUIT, not '" + mots[2] + "'", -1;
        plateforme_script_quitter(t);
        return 0;
    }
    if (mots.size() >= 3 && strcasecmp(mots[1].c_str(), "JOY") == 0) {
        if (lire_manette(mots, t) < 0)
            return *raison = "expected 'MS JOY BUTTON n down|up', 'MS JOY AXIS n value' or 'MS JOY HAT value'", -1;
        return 0;
    }
    if (mots.size() != 3) return *raison = "expected 'MS KEY down|up' or 'MS QUIT'", -1;
    SDLKey touche = touche_par_nom(mots[1].c_str());
    if (touche == SDLK_UNKNOWN) return *raison = "unknown key '" + mots[1] + "'", -1;
    int appui;
    if (strcasecmp(mots[2].c_str(), "down") == 0) appui = 1;
    else if (strcasecmp(mots[2].c_str(), "up") == 0) appui = 0;
    else return *raison = "expected 'down' or 'up', not '" + mots[2] + "'", -1;
    plateforme_script_touche(t, touche, appui);
    return 0;
}

int lire_entrees_texte(const char* texte, size_t taille, const char* nom_fichier, std::string* erreur) {
    size_t numero = 0;
    for (size_t p = 0; p < taille;) {
        const char* nl = (const char*)memchr(texte + p, '\n', taille - p);
        size_t fin = nl ? size_t(nl - texte) : taille;
        ++numero;
        std::string raison;
        if (lire_ligne(texte + p, fin - p, &raison) < 0) {
            *erreur = std::string(nom_fichier) + ":" + std::to_string(numero) + ": " + raison;
            return -1;
        }
        p = fin + 1;
    }
    return 0;
}

int lire_fichier_entrees(const char* chemin) {
    char raison[256];
    long long taille = 0;
    FILE* f = ouvrir_fichier_regulier(chemin, &taille, raison, sizeof raison);
    if (f && taille > TAILLE_MAX_SCRIPT) {
        snprintf(raison, sizeof raison, "too large (%lld bytes; a script holds at most 64 MiB)", taille);
        fclose(f);
        f = nullptr;
    }
    if (!f) {
        fprintf(stderr, "simulateur: cannot read %s: %s\n", chemin, raison);
        return -1;
    }
    // Never more than the size the file had when it was opened.
    std::string texte(size_t(taille), '\0');
    texte.resize(fread(&texte[0], 1, texte.size(), f));
    int erreur_lecture = ferror(f);
    fclose(f);
    if (erreur_lecture) {
        fprintf(stderr, "simulateur: cannot read %s: read error\n", chemin);
        return -1;
    }
    std::string erreur;
    if (lire_entrees_texte(texte.data(), texte.size(), chemin, &erreur) < 0) {
        fprintf(stderr, "%s\n", erreur.c_str());
        return -1;
    }
    return 0;
}
