// Keys and event types between this build's SDL, the browser's and the replays' numbering.
#include <gtest/gtest.h>
#include <string.h>

#include "platform/codes_sdl.h"

namespace {

// Every key the game, the platform layer and the input scripts read.
const SDLKey TOUCHES_DU_JEU[] = {SDLK_UP,  SDLK_DOWN,     SDLK_LEFT, SDLK_RIGHT, SDLK_RETURN, SDLK_ESCAPE,
                                 SDLK_g,   SDLK_f,        SDLK_d,    SDLK_F11,   SDLK_KP_ENTER, SDLK_LALT,
                                 SDLK_RALT, SDLK_LCTRL,   SDLK_LSHIFT};

}  // namespace

TEST(CodesSdl, EveryKeyOfTheGameKeepsItsNumberHereAndHasOneInTheBrowserBothWays) {
    for (SDLKey k : TOUCHES_DU_JEU) {
        // The desktop's SDL is classic SDL 1.2: replays hold its own numbers.
        EXPECT_EQ(touche_canonique(k), int(k));
        EXPECT_EQ(touche_native(int(k)), int(k));
        int navigateur = touche_emscripten(int(k));
        EXPECT_NE(navigateur, 0) << "key " << k;
        EXPECT_EQ(touche_canonique_emscripten(navigateur), int(k)) << "key " << k;
    }
    // Keys without a character are 1024 + their USB scan code there (right arrow: 79).
    EXPECT_EQ(touche_emscripten(SDLK_RIGHT), 1024 + 79);
    EXPECT_EQ(touche_emscripten(SDLK_g), 'g');

    // No two keys share a number on either side, and a key one side lacks reads as unknown.
    for (int c = 0; c < NB_TOUCHES_CANONIQUES; ++c) {
        int e = touche_emscripten(c);
        if (e != 0) {
            EXPECT_EQ(touche_canonique_emscripten(e), c) << "canonical key " << c;
        }
    }
    for (int e = 0; e < 2048; ++e) {
        int c = touche_canonique_emscripten(e);
        ASSERT_TRUE(c >= 0 && c < NB_TOUCHES_CANONIQUES);
        if (c != 0) {
            EXPECT_EQ(touche_emscripten(c), e) << "browser key " << e;
        }
    }
    EXPECT_EQ(touche_emscripten(SDLK_WORLD_0), 0);
    EXPECT_EQ(touche_canonique_emscripten(316), 0) << "the browser's print screen is no key of its header";
}

TEST(CodesSdl, EventTypesAndKeyEventsComeBackAsTheyWent) {
    for (int c = 0; c < NB_TYPES_CANONIQUES; ++c) {
        EXPECT_EQ(type_natif(c), c);
        int e = type_emscripten(c);
        if (e != 0) {
            EXPECT_EQ(type_canonique_emscripten(e), c) << "type " << c;
        }
    }
    EXPECT_EQ(type_emscripten(SDL_KEYDOWN), 0x300);
    EXPECT_EQ(type_emscripten(SDL_QUIT), 0x100);
    EXPECT_EQ(type_canonique_emscripten(0x303), 0) << "text input: no such event in SDL 1.2";
    EXPECT_EQ(type_emscripten(SDL_KEYDOWN), type_emscripten(TYPE_TOUCHE_ENFONCEE));
    EXPECT_EQ(type_emscripten(SDL_KEYUP), type_emscripten(TYPE_TOUCHE_RELACHEE));

    SDL_Event e;
    memset(&e, 0, sizeof e);
    e.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    e.key.which = 1;
    e.key.keysym.scancode = 114;
    e.key.keysym.sym = SDLK_RIGHT;
    e.key.keysym.mod = SDLMod(KMOD_LALT | KMOD_NUM);
    e.key.keysym.unicode = 0x20AC;
    EvenementCanonique c = evenement_canonique(&e);
    EXPECT_EQ(c.type, TYPE_TOUCHE_RELACHEE);
    EXPECT_EQ(c.sym, 275u);
    SDL_Event retour;
    evenement_natif(&c, &retour);
    EXPECT_EQ(memcmp(&retour, &e, sizeof e), 0);

    SDL_Event fermeture;
    memset(&fermeture, 0, sizeof fermeture);
    fermeture.type = SDL_QUIT;
    c = evenement_canonique(&fermeture);
    evenement_natif(&c, &retour);
    EXPECT_EQ(retour.type, SDL_QUIT);
}

TEST(CodesSdl, ScriptNamesAreSdlKeyNames) {
    EXPECT_EQ(touche_canonique_par_nom("RETURN"), SDLK_RETURN);
    EXPECT_EQ(touche_canonique_par_nom("escape"), SDLK_ESCAPE);
    EXPECT_EQ(touche_canonique_par_nom("Up"), SDLK_UP);
    EXPECT_EQ(touche_canonique_par_nom("KP_ENTER"), SDLK_KP_ENTER);
    EXPECT_EQ(touche_canonique_par_nom("F11"), SDLK_F11);
    EXPECT_EQ(touche_canonique_par_nom("LALT"), SDLK_LALT);
    EXPECT_EQ(touche_canonique_par_nom("g"), SDLK_g);
    EXPECT_EQ(touche_canonique_par_nom("7"), SDLK_7);
    EXPECT_EQ(touche_canonique_par_nom("G"), 0);
    EXPECT_EQ(touche_canonique_par_nom("ENTREE"), 0);
    EXPECT_EQ(touche_canonique_par_nom(""), 0);
}
