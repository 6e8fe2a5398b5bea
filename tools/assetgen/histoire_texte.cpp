// The story of Mirage, as told by the intro and the interlude.
//
// Intro: General Dorvin sends the pilot Olek alone into the Dune Sea, where a buried war
// engine has woken; in a corridor of the base Sabri begs him not to go, and he promises to
// come back. Interlude: the engine is destroyed, but Olek, stranded without water, meets
// the hooded figure of the desert; at the base Dorvin tells Sabri the search is over; the
// pale Olek walks back to his ship, appears to Sabri in a white dream to keep his promise,
// and his empty fighter rises towards what waits above the clouds.
#include "histoire_texte.h"

namespace ag {

const Replique REPLIQUES[] = {
    // Intro, the base: Olek reports to General Dorvin.
    {"Olek-1.png", Locuteur::Olek, "Pilot Olek reporting, General. You sent for me?"},
    {"dorvin1.png", Locuteur::Dorvin,
     "At ease, Olek. Our scouts came back from the Dune Sea this morning. Two of them, out of nine."},
    {"dorvin2.png", Locuteur::Dorvin,
     "Something is moving under the sand: a war engine the size of a town, and it is crawling towards the colony."},
    {"Olek-2.png", Locuteur::Olek, "The heat out there plays tricks, General. Are they sure it is not a mirage?"},
    {"dorvin3.png", Locuteur::Dorvin,
     "Mirages do not shoot down patrols. Whoever buried that thing has waited a very long time."},
    {"dorvin4.png", Locuteur::Dorvin,
     "The sand storms ground every heavy ship we have. Only a light fighter can slip between the dunes."},
    {"dorvin5.png", Locuteur::Dorvin, "You are the best pilot this base has left. I will not order you to go."},
    {"dorvin6.png", Locuteur::Dorvin,
     "But if that engine reaches the colony, there will be nothing left for any of us to defend."},
    {"Olek-3.png", Locuteur::Olek, "Fuel my ship, General. I leave at dusk."},
    // Intro, the corridor: Sabri catches up with Olek.
    {"sabri1.png", Locuteur::Sabri, "Olek! They say you are flying into the Dune Sea alone. Tell me it is not true."},
    {"Olek-4.png", Locuteur::Olek, "It is true, Sabri. Someone has to stop that machine before it reaches the colony."},
    {"Olek-5.png", Locuteur::Olek, "My fighter is fast. I will be over the dunes and back before the storm closes."},
    {"sabri2.png", Locuteur::Sabri,
     "Nobody comes back from the Dune Sea. The desert swallows ships and men, and then it shows you water."},
    {"Olek-6.png", Locuteur::Olek, "Then I will be the first. Keep the landing lights on for me."},
    {"Olek-7.png", Locuteur::Olek, "Sabri... if I see a mirage out there, I hope it has your face."},
    {"sabri3.png", Locuteur::Sabri, "I will wait. As long as it takes."},
    // Interlude, the desert: Olek, stranded, meets the hooded figure.
    {"Olek-8.png", Locuteur::Olek,
     "The engine is burning behind me. I did it... but my ship is dry, and so is my water flask."},
    {"Olek-9.png", Locuteur::Olek, "Two days walking to the old wells. Who is that, standing so still in the heat?"},
    {"Olek-10.png", Locuteur::Olek, "You are not real. You are the thirst talking. You are only a mirage."},
    {"Olek-11.png", Locuteur::Olek, "Then why is my shadow gone? Why can I not feel the sun any more?"},
    {"Olek-12.png", Locuteur::Olek, "No! I will not follow you. Someone is waiting for me. I promised her!"},
    // Interlude, the base: Dorvin brings Sabri the news.
    {"dorvin7.png", Locuteur::Dorvin, "Olek did it. The war engine burned in the Dune Sea, and the colony is safe."},
    {"dorvin8.png", Locuteur::Dorvin,
     "Our patrol found his fighter on the sand, intact. The cockpit was empty. No tracks, no Olek."},
    {"dorvin9.png", Locuteur::Dorvin, "It has been nine days, Sabri. No one lasts nine days out there without water."},
    {"sabri4.png", Locuteur::Sabri, "Then send one more patrol, General. Please. Just one more!"},
    {"dorvin10.png", Locuteur::Dorvin, "That was the last one. After this, the desert keeps what it has taken."},
    {"dorvin11.png", Locuteur::Dorvin, "I am sorry, Sabri. I do not think Olek is coming back."},
    // Interlude, the ship and the white room: the pale Olek keeps his promise.
    {"Olek-13.png", Locuteur::Olek, "Sabri. Do not be afraid. It is me."},
    {"sabri5.png", Locuteur::Sabri, "Olek? They told me you were lost in the Dune Sea. Is this a dream?"},
    // Olek stands across the room from her: she feels his cold from where she is.
    {"sabri6.png", Locuteur::Sabri, "Even from here I can feel how cold you are... and I can see the light shining through you."},
    {"Olek-14.png", Locuteur::Olek,
     "The desert kept my body, but it could not keep my promise. I said I would come back."},
    {"Olek-15.png", Locuteur::Olek,
     "Something is rising above the clouds. I have one last flight to make. Then I can rest."},
};
const int NB_REPLIQUES = int(sizeof(REPLIQUES) / sizeof(REPLIQUES[0]));

const char* const NARRATION[3] = {
    "At dawn the last patrol watched Olek's fighter rise from the sand. There was no one at the controls.",
    "It climbed through the storm, towards the dark fortress that had appeared above the clouds.",
    "Some call it a mirage. Sabri calls it a promise kept. This is the last flight of Olek.",
};

const UneJournal UNE_INTRO = {
    "No. 4471",
    "Dune Colony - Evening edition - Year 212 of the landing",
    "WAR ENGINE WAKES\nIN THE DUNE SEA",
    "Seven scouts lost - lone pilot to fly out at dusk",
    "A machine the size of a town broke through the sand of the Dune Sea at sunrise and is "
    "crawling towards the colony. Of the nine scouts sent to watch it, two came back. "
    "General Dorvin has grounded the heavy fleet: no large ship can fly through the storm "
    "line. Tonight a single light fighter will try. The base would not give the pilot's name, "
    "but every mechanic on the field knows it. Older settlers speak of the mirages of the "
    "deep desert, and of the ships that never came home. The colony council asks every "
    "family to stay indoors and keep the water tanks sealed until the danger has passed.",
};

// The daily paper nine days on: nine issues later.
const UneJournal UNE_INTERLUDE = {
    "No. 4480",
    "Dune Colony - Special edition - Nine days later",
    "ENGINE DESTROYED!\nHERO PILOT MISSING",
    "Fighter found intact on the sand - no trace of Olek",
    "The war engine of the Dune Sea is a burnt-out wreck. The colony is saved. Pilot Olek, "
    "who flew alone through the storm line, has not returned. A patrol found his fighter "
    "resting on the sand, undamaged, its cockpit open and empty. No footprints led away "
    "from it. Settlers report a strange shape moving above the clouds since the engine "
    "fell. The base refuses to comment. A vigil for the missing pilot will be held tonight "
    "on the landing field, where the lights have been left on.",
};

const char* nom_locuteur(Locuteur l) {
    switch (l) {
        case Locuteur::Olek: return "Olek";
        case Locuteur::Dorvin: return "General Dorvin";
        case Locuteur::Sabri: return "Sabri";
    }
    return "";
}

}  // namespace ag
