// The three boss pictures of the enemy group and the level 2 gunship, drawn at full size.
#pragma once
#include "canvas.h"

namespace ag {

// Level 1 boss, 300x332, a tracked desert war machine facing left. `variante` 1 is the second
// animation picture (other lamps lit, treads moved on, muzzles glowing).
Image boss_desert(int variante);
// Level 2 middle boss, 258x173, a flying fortress facing left.
Image forteresse_volante();
// Final boss, 352x386, darker and larger; `variante` 1 pulses its core and lamps.
Image boss_final(int variante);
// Grey gunship, 128x74, guns under both ends; `variante` 1 has its rotors and lamps advanced.
Image grisor(int variante);

}  // namespace ag
