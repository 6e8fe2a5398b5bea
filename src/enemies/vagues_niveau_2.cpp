// Level 2's enemy timetable (not built yet: queues nothing).
#include "enemies/vagues.h"

void creer_vagues_niveau_2(Monde*, RessourcesEnnemis2*) {}
