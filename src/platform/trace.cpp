// Trace of game events, one JSON object per line (see trace.h).
#include "platform/trace.h"

#include <stdarg.h>

#include "platform/plateforme.h"

static FILE* g_trace = NULL;

void trace_ouvrir(FILE* fichier) { g_trace = fichier; }

int trace_active(void) { return g_trace != NULL; }

void trace_ecrire(const char* ev, const char* format, ...) {
    if (!g_trace) return;
    fprintf(g_trace, "{\"ev\":\"%s\",\"t\":%u", ev, (unsigned)plateforme_ticks());
    if (format) {
        fputc(',', g_trace);
        va_list args;
        va_start(args, format);
        vfprintf(g_trace, format, args);
        va_end(args);
    }
    fputs("}\n", g_trace);
}
