// The autopilot (see pilote.h). Each frame it measures how the shots and enemies it sees move
// (from the frames it has seen), tries a few dozen short flight plans for the next 32 frames
// against where they will be if they keep moving so, and takes the first move of the safest
// plan that also brings the ship where it wants to be: in line with its target, on a bonus
// item. The keys of the frames before the move lands are those it already decided.
#include "pilote.h"

#include <math.h>
#include <string.h>

#include <algorithm>
#include <unordered_map>

#include "platform/plateforme.h"

namespace {

const int PERIODE = 13;   // ms from one frame of play to the next
const int HORIZON = 32;   // frames looked ahead
const int VITESSE_VOULUE = 4;
// Weapons by preference: homing (every shot finds its target), plasma, then the two of the start.
const int PREFERENCE_ARMES[5] = {3, 4, 0, 1, 2};
// The ship: its picture is 37 x 32, only its centre +-3 can be hit.
const int DEMI_COEUR = 3, DEMI_L_VAISSEAU = 18, DEMI_H_VAISSEAU = 16;
const SDLKey FLECHES[4] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};

struct Suivi {
    SDL_Rect rect;
    int image = 0;        // frame it was last seen in
    float vx = 0, vy = 0; // last move, pixels per frame
    float ax = 0, ay = 0; // estimated change of the move per frame (speeding shots)
    int age = 0;          // frames it has been followed
    float cx0 = 0, cy0 = 0;
};

// Something to keep clear of, as seen now and as it moves.
struct Menace {
    float cx, cy, vx, vy, ax, ay;
    float dx, dy;  // it touches the ship's centre closer than this on both axes
    float marge0, marge_par_image;
};

struct Changement {
    uint32_t t;
    SDLKey touche;
    int appui;
};

int centre(int debut, int taille) { return debut + taille / 2; }

const char* nom_touche(SDLKey k) {
    switch (k) {
        case SDLK_UP: return "UP";
        case SDLK_DOWN: return "DOWN";
        case SDLK_LEFT: return "LEFT";
        case SDLK_RIGHT: return "RIGHT";
        case SDLK_g: return "g";
        case SDLK_f: return "f";
        case SDLK_d: return "d";
        default: return "?";
    }
}

// One of the nine directions: 0..8, dx = d % 3 - 1, dy = d / 3 - 1; 4 is no arrow at all.
struct Fleches {
    int haut, bas, gauche, droite;
};
Fleches fleches_de(int d) { return {d / 3 == 0, d / 3 == 2, d % 3 == 0, d % 3 == 2}; }

// The ship's own steering for one frame (the bounds are tested before each move).
void bouger(int* x, int* y, const Fleches& f, int pas, int limite_bas) {
    if (f.haut && *y >= 82) *y -= pas;
    if (f.bas && *y + 32 <= limite_bas) *y += pas;
    if (f.gauche && *x >= 2) *x -= pas;
    if (f.droite && *x + 64 <= 640) *x += pas;
}

}  // namespace

struct Pilote {
    FILE* sortie = nullptr;
    std::vector<EntreePilote> entrees;
    std::vector<Changement> a_venir;  // scripted, in time order; those due are dropped
    Uint8 livre[SDLK_LAST] = {};      // key state once the inputs due by now are delivered
    Uint8 prevu[SDLK_LAST] = {};      // key state once everything scripted is delivered
    std::unordered_map<int, Suivi> suivis;
    uint32_t prochaine_frappe = 0;    // no 'f' or 'd' tap before this time
    int direction = 4;                // the direction decided last
};

namespace {

// The platform layer delivers equal times in scripting order: a_venir keeps that order too.
void scripter(Pilote* p, uint32_t t, SDLKey k, int appui, uint32_t decision) {
    plateforme_script_touche(t, k, appui);
    p->entrees.push_back({t, k, appui, decision});
    auto apres = std::upper_bound(p->a_venir.begin(), p->a_venir.end(), t,
                                  [](uint32_t v, const Changement& c) { return v < c.t; });
    p->a_venir.insert(apres, Changement{t, k, appui});
    p->prevu[k] = Uint8(appui);
}

// The inputs due by `t` take effect; the script file gets them in delivery order, so it reads
// in time order.
void livrer_jusqua(Pilote* p, uint32_t t) {
    size_t n = 0;
    while (n < p->a_venir.size() && p->a_venir[n].t <= t) {
        const Changement& c = p->a_venir[n];
        p->livre[c.touche] = Uint8(c.appui);
        if (p->sortie) fprintf(p->sortie, "%u %s %s\n", (unsigned)c.t, nom_touche(c.touche), c.appui ? "down" : "up");
        ++n;
    }
    p->a_venir.erase(p->a_venir.begin(), p->a_venir.begin() + long(n));
}

// The arrows in effect at time `t` (later than now), by what is already scripted.
Fleches fleches_a(const Pilote* p, uint32_t t) {
    Uint8 etat[4];
    for (int i = 0; i < 4; ++i) etat[i] = p->livre[FLECHES[i]];
    for (const Changement& c : p->a_venir) {
        if (c.t > t) break;
        for (int i = 0; i < 4; ++i)
            if (c.touche == FLECHES[i]) etat[i] = Uint8(c.appui);
    }
    return {etat[0], etat[1], etat[2], etat[3]};
}

// Follows one object from frame to frame; a jump or a change of size is a new object in a
// reused slot.
const Suivi& suivre(Pilote* p, std::unordered_map<int, Suivi>& nouveaux, int cle, const SDL_Rect& r, int image) {
    Suivi s;
    s.rect = r;
    s.image = image;
    float cx = float(centre(r.x, r.w)), cy = float(centre(r.y, r.h));
    auto i = p->suivis.find(cle);
    if (i != p->suivis.end()) {
        const Suivi& a = i->second;
        float dx = cx - float(centre(a.rect.x, a.rect.w)), dy = cy - float(centre(a.rect.y, a.rect.h));
        if (a.image == image - 1 && a.rect.w == r.w && a.rect.h == r.h && fabsf(dx) <= 80 && fabsf(dy) <= 80) {
            s.vx = dx;
            s.vy = dy;
            s.age = a.age + 1;
            s.cx0 = a.cx0;
            s.cy0 = a.cy0;
            // A shot that speeds up moves more now than on average since it was first seen.
            if (s.age >= 6) {
                float mx = (cx - s.cx0) / float(s.age), my = (cy - s.cy0) / float(s.age);
                s.ax = 2 * (s.vx - mx) / float(s.age);
                s.ay = 2 * (s.vy - my) / float(s.age);
            }
        }
    }
    if (s.age == 0) {
        s.cx0 = cx;
        s.cy0 = cy;
    }
    return nouveaux[cle] = s;
}

Menace menace_de(const Suivi& s, const SDL_Rect& r, float marge0, float marge_par_image) {
    Menace m;
    m.cx = float(centre(r.x, r.w));
    m.cy = float(centre(r.y, r.h));
    m.vx = s.vx;
    m.vy = s.vy;
    m.ax = s.ax;
    m.ay = s.ay;
    m.dx = float(r.w / 2 + DEMI_COEUR);
    m.dy = float(r.h / 2 + DEMI_COEUR);
    if (s.age == 0) {
        // Not seen moving yet: anywhere it could get to at a shot's pace.
        m.marge0 = 3;
        m.marge_par_image = 4;
    } else {
        m.marge0 = marge0;
        m.marge_par_image = marge_par_image;
    }
    return m;
}

// Where the menace will be at the end of the frame `k` frames from now, and its margin then.
void prevoir(const Menace& m, int k, float* cx, float* cy, float* marge) {
    float kk = float(k), acc = kk * (kk + 1) / 2;
    *cx = m.cx + m.vx * kk + m.ax * acc;
    *cy = m.cy + m.vy * kk + m.ay * acc;
    *marge = std::min(m.marge0 + m.marge_par_image * kk, 60.0f);
}

struct But {
    float x, y;       // where the ship's top-left corner should be
    float poids_x, poids_y;
};

// Where the ship would like to be: on a bonus item it can collect, else in line with the
// enemy it shoots at, else back at its post on the left.
But choisir_but(const VueMonde* v) {
    But b = {80, 220, 0.15f, 0.3f};
    const int sx = v->vaisseau.x;
    const VueEnnemi* bonus = nullptr;
    const VueEnnemi* cible = nullptr;
    int rang_cible = 99;
    for (int i = 0; i < v->nb_ennemis; ++i) {
        const VueEnnemi* e = &v->ennemis[i];
        int cx = centre(e->corps.x, e->corps.w);
        if (e->etat == VUE_BONUS) {
            if (cx > 30 && (!bonus || cx < centre(bonus->corps.x, bonus->corps.w))) bonus = e;
            continue;
        }
        if (e->etat != VUE_VIVANT || cx < sx + 40 || e->rect.x > 600) continue;
        int rang = strcmp(e->nom, "Ennemi_Bonus") == 0 ? 0 : strcmp(e->nom, "BOSS") == 0 ? 1 : 2;
        if (rang < rang_cible || (rang == rang_cible && e->rect.x < cible->rect.x)) {
            cible = e;
            rang_cible = rang;
        }
    }
    if (bonus && v->invincibilite < 20) {
        // It drifts left two pixels a frame: meet it a little ahead.
        b.x = float(centre(bonus->corps.x, bonus->corps.w) - 30 - DEMI_L_VAISSEAU);
        b.y = float(centre(bonus->corps.y, bonus->corps.h) - DEMI_H_VAISSEAU);
        b.poids_x = 0.4f;
        b.poids_y = 0.4f;
    } else if (cible) {
        b.y = float(centre(cible->corps.y, cible->corps.h) - DEMI_H_VAISSEAU);
    }
    return b;
}

struct Plan {
    int direction;
    int duree;  // frames of that direction, then no arrow
};

}  // namespace

Pilote* creer_pilote(FILE* sortie) {
    Pilote* p = new Pilote();
    p->sortie = sortie;
    return p;
}

void detruire_pilote(Pilote* p) {
    livrer_jusqua(p, UINT32_MAX);  // what the run ended before
    delete p;
}

const std::vector<EntreePilote>& entrees_pilote(const Pilote* p) { return p->entrees; }

void pilote_sur_vue(const VueMonde* v, void* donnees) {
    Pilote* p = (Pilote*)donnees;
    const uint32_t t = v->t, effet = t + LATENCE_PILOTE_MS;
    livrer_jusqua(p, t);

    // What moves, and how.
    std::unordered_map<int, Suivi> nouveaux;
    std::vector<Menace> menaces;
    menaces.reserve(size_t(v->nb_tirs + v->nb_ennemis));
    for (int i = 0; i < v->nb_tirs; ++i) {
        const Suivi& s = suivre(p, nouveaux, v->tirs[i].id, v->tirs[i].rect, v->image);
        menaces.push_back(menace_de(s, v->tirs[i].rect, 0.5f, 0.1f));
    }
    for (int i = 0; i < v->nb_ennemis; ++i) {
        const VueEnnemi* e = &v->ennemis[i];
        const Suivi& s = suivre(p, nouveaux, 100000 + e->id, e->corps, v->image);
        if (e->etat == VUE_VIVANT) menaces.push_back(menace_de(s, e->corps, 2.0f, 0.3f));
    }
    p->suivis.swap(nouveaux);

    // Fire all the time; the speed and the weapon as a player would set them, one tap at a time.
    if (!p->prevu[SDLK_g]) scripter(p, effet, SDLK_g, 1, t);
    if (t >= p->prochaine_frappe && v->etat_vaisseau == VUE_PILOTABLE) {
        int voulue = 0;
        for (int a : PREFERENCE_ARMES)
            if (v->armes[a]) {
                voulue = a;
                break;
            }
        SDLKey frappe = v->vitesse != VITESSE_VOULUE ? SDLK_d : v->arme != voulue ? SDLK_f : SDLK_UNKNOWN;
        if (frappe != SDLK_UNKNOWN) {
            scripter(p, effet, frappe, 1, t);
            scripter(p, effet + 5, frappe, 0, t);
            // Wait until the frame that shows its effect has been seen.
            p->prochaine_frappe = effet + 3 * PERIODE;
        }
    }
    if (v->etat_vaisseau != VUE_PILOTABLE) return;

    // The frames whose keys are already scripted, then the plans.
    const int pas = v->vitesse + 1;
    int premiere_libre = 1;
    while (t + uint32_t(premiere_libre * PERIODE) < effet) ++premiere_libre;
    int x0 = v->vaisseau.x, y0 = v->vaisseau.y;
    int xs[HORIZON + 1], ys[HORIZON + 1];
    xs[0] = x0;
    ys[0] = y0;
    for (int j = 1; j < premiere_libre && j <= HORIZON; ++j) {
        xs[j] = xs[j - 1];
        ys[j] = ys[j - 1];
        bouger(&xs[j], &ys[j], fleches_a(p, t + uint32_t(j * PERIODE)), pas, v->limite_bas);
    }
    // For each frame, the menaces the ship could meet by then.
    std::vector<int> proches[HORIZON + 1];
    const float proximite = 14;
    for (int j = 1; j <= HORIZON; ++j) {
        float portee = float(pas * j + 4);
        float sx = float(xs[std::min(j, premiere_libre - 1)] + DEMI_L_VAISSEAU);
        float sy = float(ys[std::min(j, premiere_libre - 1)] + DEMI_H_VAISSEAU);
        if (j >= premiere_libre) portee = float(pas * (j - premiere_libre + 1) + 4);
        for (size_t m = 0; m < menaces.size(); ++m) {
            float cx, cy, marge;
            prevoir(menaces[m], j - 1, &cx, &cy, &marge);
            if (fabsf(cx - sx) < portee + menaces[m].dx + marge + proximite &&
                fabsf(cy - sy) < portee + menaces[m].dy + marge + proximite)
                proches[j].push_back(int(m));
        }
    }
    const But but = choisir_but(v);

    static const int DUREES[] = {1, 3, 6, 12, HORIZON};
    double meilleur = 1e300;
    int choisi = 4;
    for (int d = 0; d < 9; ++d)
        for (int duree : DUREES) {
            if (d == 4 && duree != HORIZON) continue;  // standing still is one plan
            int x = xs[premiere_libre - 1], y = ys[premiere_libre - 1];
            double cout = 0;
            for (int j = 1; j <= HORIZON; ++j) {
                if (j >= premiere_libre) {
                    bouger(&x, &y, fleches_de(j - premiere_libre < duree ? d : 4), pas, v->limite_bas);
                } else {
                    x = xs[j];
                    y = ys[j];
                }
                // The ship is safe while invincible (counted down at the end of each frame).
                if (v->invincibilite - (j - 1) > 0) continue;
                const float sx = float(x + DEMI_L_VAISSEAU), sy = float(y + DEMI_H_VAISSEAU);
                const double poids = j <= 12 ? 1.0 : 1.0 - 0.6 * (j - 12) / (HORIZON - 12);
                bool touche = false;
                for (int m : proches[j]) {
                    float cx, cy, marge;
                    prevoir(menaces[size_t(m)], j - 1, &cx, &cy, &marge);
                    float ecart = std::max(fabsf(cx - sx) - menaces[size_t(m)].dx, fabsf(cy - sy) - menaces[size_t(m)].dy);
                    if (ecart < marge) {
                        touche = true;
                        break;
                    }
                    if (ecart < marge + proximite) {
                        double r = marge + proximite - ecart;
                        cout += 2 * r * r * poids;
                    }
                }
                if (touche) {
                    cout += 1e6 + 1e5 * (HORIZON + 1 - j);
                    break;
                }
            }
            cout += but.poids_x * fabs(x - but.x) + but.poids_y * fabs(y - but.y);
            if (d != p->direction) cout += 0.5;
            if (cout < meilleur) {
                meilleur = cout;
                choisi = d;
            }
        }
    p->direction = choisi;
    const Fleches f = fleches_de(choisi);
    const int voulu[4] = {f.haut, f.bas, f.gauche, f.droite};
    for (int i = 0; i < 4; ++i)
        if (p->prevu[FLECHES[i]] != voulu[i]) scripter(p, effet, FLECHES[i], voulu[i], t);
}
