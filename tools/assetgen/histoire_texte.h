// The words of the two stories: every dialogue line, the narrator's farewell and the
// newspaper front pages, as const tables the picture makers walk.
#pragma once

namespace ag {

// Who speaks: picks the portrait and the name plate of a dialogue picture.
enum class Locuteur { Olek, Dorvin, Sabri };

// One line of dialogue, written to ./Images/<fichier>.
struct Replique {
    const char* fichier;
    Locuteur qui;
    const char* texte;
};
extern const Replique REPLIQUES[];
extern const int NB_REPLIQUES;

// The narrator's three boxes of the farewell (Narrateur1.png .. Narrateur3.png, in order).
extern const char* const NARRATION[3];

// A newspaper front page: issue number, masthead date line, headline (may hold '\n'),
// sub-headline and the body text that fills the columns.
struct UneJournal {
    const char* numero;
    const char* date;
    const char* titre;
    const char* sous_titre;
    const char* corps;
};
extern const UneJournal UNE_INTRO;       // Journal1..Journal6
extern const UneJournal UNE_INTERLUDE;   // Journal7, Journal71..Journal74

// Name shown on a speaker's plate.
const char* nom_locuteur(Locuteur l);

}  // namespace ag
