// Level 1's enemy timetable (not built yet: queues nothing).
#include "enemies/vagues.h"

void creer_vagues_niveau_1(Monde*, RessourcesEnnemis1*) {}
