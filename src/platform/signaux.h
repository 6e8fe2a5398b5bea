// Ending on a signal: SIGINT (Ctrl+C), SIGTERM (a session manager, `timeout`) and SIGHUP (the
// terminal went away) end the game from any scene through exit(), so SDL_Quit runs at exit and
// a display mode that was changed is put back. SDL 1.2 would turn the first two into a window
// close, which several scenes take for "end this picture" or "leave this level".
#pragma once

// Catches the three signals, except those the process inherited as ignored (nohup's SIGHUP, a
// background job's SIGINT): a handler of SDL's, or none, is replaced. Called by the game and
// by the simulator, before SDL's video start-up (which keeps a handler it finds in place) and
// after it. A second signal while the first is still waiting for the game ends the process at
// once.
void signaux_installer(void);

// Ends the process with exit(128 + signal) when a signal arrived; returns at once otherwise.
// The platform layer calls it at every event poll, flip and slice of a wait.
void signaux_verifier(void);
