// Trace of game events, for the simulator and the real game (--trace): one JSON object per
// line, each with "ev" and "t" (plateforme_maintenant: virtual milliseconds since the run
// started, or in the real game the clock as the platform last read it, so that tracing never
// adds a clock reading to what a replay records). Silent unless a trace file is open or an
// observer is set.
#pragma once
#include <stdio.h>

// Starts writing to `fichier` (not owned; the caller closes it). NULL stops tracing.
void trace_ouvrir(FILE* fichier);
// Creates or empties `chemin` and traces into it line by line (a killed run keeps every whole
// line). Returns 0, or -1 with errno. A write that fails later (a full disk) is said once on
// standard error, "mirage: cannot write the trace FILE: reason; the trace stops here", and the
// run goes on. trace_fermer closes it.
int trace_ouvrir_fichier(const char* chemin);
void trace_fermer(void);
// 1 while a trace file is open or an observer is set: callers may skip building costly fields.
int trace_active(void);
// Writes {"ev":"<ev>","t":<now><,extra>} where `format` (printf style) yields the remaining
// members already JSON-encoded, e.g. trace_ecrire("scene", "\"nom\":\"%s\"", nom).
// `format` may be NULL for an event without members.
void trace_ecrire(const char* ev, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Called after each event with its name and its whole line (without the newline).
typedef void (*ObservateurTrace)(const char* ev, const char* ligne, void* donnees);
// Sets the one observer (NULL removes it). The observer may itself write events: those reach
// the file but not the observer again.
void trace_observer(ObservateurTrace observateur, void* donnees);
