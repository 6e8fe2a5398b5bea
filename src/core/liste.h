// Singly linked list of untyped one-word elements with a built-in cursor: the level's queue
// of enemies announced by the wave script and not yet on screen. The list never owns or
// frees its elements. The empty list starts as a null handle.
#pragma once

typedef struct Noeud {
    void* valeur;          // the element, opaque to the list
    struct Noeud* suivant; // next node, null on the last
} Noeud;

typedef struct Liste {
    Noeud* premier;  // first node, null once the last element was removed
    Noeud* courant;  // the cursor; null = past the end
} Liste;

// New node holding `element`, with no successor.
Noeud* creer_noeud(void* element);
// New header with one node holding `element`; the cursor stands on it.
Liste* creer_liste(void* element);
// 1 exactly when the handle is null (a header emptied by removals is not "vide").
int liste_vide(Liste* l);
// Puts the cursor on the first node.
void debut_liste(Liste* l);
// 1 when the cursor is past the end. Asserts "l != NULL".
int fin_liste(Liste* l);
// Moves the cursor to the next node; does nothing at the end.
void suivant_liste(Liste* l);
// The element under the cursor. Asserts "!fin_liste (l)".
void* valeur_liste(Liste* l);
// Replaces the element under the cursor. Asserts "!fin_liste (l)".
void modifier_liste(Liste* l, void* element);
// Inserts `element` at the front and puts the cursor on it. Returns the handle to keep in
// place of `l` (a new header when `l` is null or emptied; the emptied header is then freed).
Liste* ajouter_liste(Liste* l, void* element);
// Unlinks and frees the node at `position` (0 = first); the element is left alone. The cursor
// ends on the first node. Requires 0 <= position < number of elements: a null handle stops on
// "l != NULL", a position past the last node (or 0 on an emptied header) on "!fin_liste (l)".
// Returns `l`.
Liste* supprimer_liste(Liste* l, int position);
// Frees the header and every node (not the elements). Accepts a null handle.
void detruire_liste(Liste* l);
