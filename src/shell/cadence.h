// Frame pacing: every animated scene ends its frame by waiting for the end of its time slot.
#pragma once
#include <SDL.h>

// Frame period, in milliseconds, that the game gives every paced scene (about 77 frames/s).
#define PERIODE_IMAGE 13

// Waits until *prochaine_image (a tick count) if it lies in the future, then sets the next
// slot one period after the clock as read after the wait. A late frame waits for nothing and
// the next slot counts from now, so slow frames lower the frame rate instead of being made up.
// *prochaine_image = 0 (a scene's first frame) never waits.
void attendre_cadence(Uint32* prochaine_image, Uint32 periode);
