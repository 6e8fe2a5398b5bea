// Trace of game events, one JSON object per line (see trace.h).
#include "platform/trace.h"

#include <errno.h>
#include <stdarg.h>
#include <string.h>

#include <string>

#include "platform/plateforme.h"

static FILE* g_trace = NULL;
static ObservateurTrace g_observateur = NULL;
static void* g_donnees = NULL;
static int g_dans_observateur = 0;

static FILE* g_fichier_ouvert = NULL;  // opened by trace_ouvrir_fichier, closed by trace_fermer
static std::string g_nom;

void trace_ouvrir(FILE* fichier) {
    g_trace = fichier;
    g_nom.clear();
}

int trace_ouvrir_fichier(const char* chemin) {
    trace_fermer();
    FILE* f = fopen(chemin, "w");
    if (!f) return -1;
    setvbuf(f, NULL, _IOLBF, 0);
    trace_ouvrir(f);
    g_fichier_ouvert = f;
    g_nom = chemin;
    return 0;
}

void trace_fermer(void) {
    if (g_trace == g_fichier_ouvert) g_trace = NULL;
    if (g_fichier_ouvert) fclose(g_fichier_ouvert);
    g_fichier_ouvert = NULL;
}

int trace_active(void) { return g_trace != NULL || g_observateur != NULL; }

void trace_observer(ObservateurTrace observateur, void* donnees) {
    g_observateur = observateur;
    g_donnees = donnees;
}

void trace_ecrire(const char* ev, const char* format, ...) {
    if (!trace_active()) return;
    // Our events are short; a longer one is cut rather than overflowing.
    char ligne[4096];
    int n = snprintf(ligne, sizeof ligne, "{\"ev\":\"%s\",\"t\":%u", ev, (unsigned)plateforme_maintenant());
    if (format && n >= 0 && size_t(n) < sizeof ligne - 1) {
        ligne[n++] = ',';
        va_list args;
        va_start(args, format);
        int m = vsnprintf(ligne + n, sizeof ligne - size_t(n), format, args);
        va_end(args);
        if (m > 0) n += m;
    }
    if (n < 0 || size_t(n) >= sizeof ligne - 1) n = int(sizeof ligne) - 2;
    ligne[n] = '}';
    ligne[n + 1] = '\0';
    if (g_trace) {
        if (fputs(ligne, g_trace) < 0 || fputc('\n', g_trace) == EOF || ferror(g_trace)) {
            // Once: the game goes on, the trace stops here (a full disk must not end a game).
            fprintf(stderr, "mirage: cannot write the trace %s: %s; the trace stops here\n",
                    g_nom.empty() ? "file" : g_nom.c_str(), strerror(errno));
            g_trace = NULL;
        }
    }
    if (g_observateur && !g_dans_observateur) {
        g_dans_observateur = 1;
        g_observateur(ev, ligne, g_donnees);
        g_dans_observateur = 0;
    }
}
