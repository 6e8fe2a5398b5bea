// Singly linked list with a cursor (see liste.h).
#include "core/liste.h"

#include <assert.h>
#include <stdlib.h>

Noeud* creer_noeud(void* element) {
    Noeud* n = (Noeud*)malloc(sizeof(Noeud));
    n->valeur = element;
    n->suivant = NULL;
    return n;
}

Liste* creer_liste(void* element) {
    Liste* l = (Liste*)malloc(sizeof(Liste));
    l->premier = creer_noeud(element);
    l->courant = l->premier;
    return l;
}

int liste_vide(Liste* l) { return l == NULL; }

void debut_liste(Liste* l) { l->courant = l->premier; }

int fin_liste(Liste* l) {
    assert(l != NULL);
    return l->courant == NULL;
}

void suivant_liste(Liste* l) {
    if (!fin_liste(l)) l->courant = l->courant->suivant;
}

void* valeur_liste(Liste* l) {
    assert(!fin_liste (l));
    return l->courant->valeur;
}

void modifier_liste(Liste* l, void* element) {
    assert(!fin_liste (l));
    l->courant->valeur = element;
}

Liste* ajouter_liste(Liste* l, void* element) {
    if (l == NULL || l->premier == NULL) {
        // An emptied header is never used again by its owner: free it rather than leak it.
        free(l);
        return creer_liste(element);
    }
    Noeud* n = creer_noeud(element);
    n->suivant = l->premier;
    l->premier = n;
    l->courant = n;
    return l;
}

Liste* supprimer_liste(Liste* l, int position) {
    // The handle is checked before anything reads it.
    assert(l != NULL);
    debut_liste(l);
    Noeud* retire;
    if (position == 0) {
        // An emptied header has no first node to remove.
        assert(!fin_liste (l));
        retire = l->premier;
        l->premier = retire->suivant;
    } else {
        for (int i = 0; i < position - 1; ++i) {
            assert(!fin_liste (l));
            suivant_liste(l);
        }
        assert(!fin_liste (l));
        Noeud* avant = l->courant;
        // One step further stands the node to remove: past the last node the walk has gone
        // beyond the list, and says so with the same check.
        suivant_liste(l);
        assert(!fin_liste (l));
        retire = l->courant;
        avant->suivant = retire->suivant;
    }
    free(retire);
    debut_liste(l);
    return l;
}

void detruire_liste(Liste* l) {
    if (l == NULL) return;
    Noeud* n = l->premier;
    while (n) {
        Noeud* s = n->suivant;
        free(n);
        n = s;
    }
    free(l);
}
