// The two levels' enemy timetables: each builds every enemy of its level, with its programs
// and shot templates, and queues them in the world's pending list, due first at the head.
#pragma once

#include "level/ressources_niveau.h"

typedef struct Monde Monde;

// Level 1: 251 enemies from 3000 ms to the boss at 138500 ms. Seeds the random generator first
// (initialiser_hasard), so one seed gives one layout. The enemies' pictures and sounds are
// borrowed from `ressources`, which must outlive them.
void creer_vagues_niveau_1(Monde* monde, RessourcesEnnemis1* ressources);
// Level 2: 368 enemies from 2000 ms to the final boss at 122000 ms.
void creer_vagues_niveau_2(Monde* monde, RessourcesEnnemis2* ressources);
