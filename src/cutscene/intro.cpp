// The intro story (not built yet: returns at once).
#include "cutscene/intro.h"

void raconter_intro(SDL_Surface*, Uint32, SDL_Surface*) {}
