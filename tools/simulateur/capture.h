// Screenshots of the simulated screen as PNG files.
#pragma once
#include <SDL.h>

// Writes the surface as an 8-bit RGB PNG. Returns 0 on success, -1 (with a message on
// standard error) when the file cannot be written.
int ecrire_capture_png(SDL_Surface* surface, const char* chemin);
