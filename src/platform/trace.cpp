// Trace of game events, one JSON object per line (see trace.h).
#include "platform/trace.h"

#include <stdarg.h>

#include "platform/plateforme.h"

static FILE* g_trace = NULL;
static ObservateurTrace g_observateur = NULL;
static void* g_donnees = NULL;
static int g_dans_observateur = 0;

void trace_ouvrir(FILE* fichier) { g_trace = fichier; }

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
        fputs(ligne, g_trace);
        fputc('\n', g_trace);
    }
    if (g_observateur && !g_dans_observateur) {
        g_dans_observateur = 1;
        g_observateur(ev, ligne, g_donnees);
        g_dans_observateur = 0;
    }
}
