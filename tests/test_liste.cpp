// The pending-enemy list: insertion order, cursor walks, removal and the contract checks.
#include <gtest/gtest.h>

#include "core/liste.h"

namespace {
int a = 1, b = 2, c = 3;

std::vector<int> lire(Liste* l) {
    std::vector<int> r;
    debut_liste(l);
    while (!fin_liste(l)) {
        r.push_back(*(int*)valeur_liste(l));
        suivant_liste(l);
    }
    return r;
}
}  // namespace

TEST(Liste, InsertionAtTheFrontOnANullHandle) {
    EXPECT_TRUE(liste_vide(nullptr));
    Liste* l = ajouter_liste(nullptr, &a);
    ASSERT_NE(l, nullptr);
    EXPECT_FALSE(liste_vide(l));
    EXPECT_EQ(l->premier, l->courant);
    EXPECT_FALSE(fin_liste(l));
    EXPECT_EQ(valeur_liste(l), &a);
    detruire_liste(l);
}

TEST(Liste, WalkYieldsReverseInsertionOrderAndStopsAtTheEnd) {
    Liste* l = ajouter_liste(ajouter_liste(ajouter_liste(nullptr, &a), &b), &c);
    EXPECT_EQ(lire(l), (std::vector<int>{3, 2, 1}));
    EXPECT_TRUE(fin_liste(l));
    suivant_liste(l);  // past the end: nothing happens
    EXPECT_TRUE(fin_liste(l));
    debut_liste(l);
    modifier_liste(l, &a);
    EXPECT_EQ(lire(l), (std::vector<int>{1, 2, 1}));
    detruire_liste(l);
}

TEST(Liste, RemovalKeepsTheHeaderAndPutsTheCursorFirst) {
    Liste* l = ajouter_liste(nullptr, &a);
    l = supprimer_liste(l, 0);
    EXPECT_EQ(l->premier, nullptr);
    EXPECT_EQ(l->courant, nullptr);
    EXPECT_TRUE(fin_liste(l));
    EXPECT_FALSE(liste_vide(l));  // an emptied header is not the empty list
    l = ajouter_liste(l, &b);
    EXPECT_EQ(lire(l), (std::vector<int>{2}));
    detruire_liste(l);

    Liste* m = ajouter_liste(ajouter_liste(ajouter_liste(nullptr, &a), &b), &c);
    m = supprimer_liste(m, 2);
    EXPECT_EQ(m->courant, m->premier);
    EXPECT_EQ(lire(m), (std::vector<int>{3, 2}));
    m = supprimer_liste(m, 1);
    EXPECT_EQ(lire(m), (std::vector<int>{3}));
    detruire_liste(m);
}

TEST(ListeDeathTest, ContractChecksNameTheExpression) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(fin_liste(nullptr), "l != NULL");
    Liste* l = ajouter_liste(nullptr, &a);
    suivant_liste(l);
    EXPECT_DEATH(valeur_liste(l), "!fin_liste \\(l\\)");
    EXPECT_DEATH(modifier_liste(l, &b), "!fin_liste \\(l\\)");
    EXPECT_DEATH(supprimer_liste(l, 3), "!fin_liste \\(l\\)");
    // Removals outside the list stop on one of the module's two checks, never on a stray read.
    EXPECT_DEATH(supprimer_liste(nullptr, 0), "l != NULL");
    EXPECT_DEATH(supprimer_liste(nullptr, 2), "l != NULL");
    EXPECT_DEATH(supprimer_liste(l, 1), "!fin_liste \\(l\\)") << "position equal to the length";
    l = supprimer_liste(l, 0);
    EXPECT_DEATH(supprimer_liste(l, 0), "!fin_liste \\(l\\)") << "an emptied header";
    detruire_liste(l);
}
