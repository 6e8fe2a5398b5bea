// The trace's observer: it sees every event line, even with no trace file, and events it
// writes itself reach the file without coming back to it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/plateforme.h"
#include "platform/trace.h"

namespace {

std::vector<std::string> g_vus;

void noter(const char* ev, const char* ligne, void*) {
    g_vus.push_back(std::string(ev) + "|" + ligne);
    trace_ecrire("echo", "\"de\":\"%s\"", ev);  // written from inside: must not come back here
}

}  // namespace

TEST(Trace, TheObserverSeesEachLineOnceAndItsOwnEventsOnlyReachTheFile) {
    plateforme_simuler(1);
    g_vus.clear();
    EXPECT_FALSE(trace_active());
    trace_observer(noter, nullptr);
    EXPECT_TRUE(trace_active()) << "an observer alone makes the game build its events";
    trace_ecrire("scene", "\"nom\":\"%s\"", "menu");
    char tampon[512] = {};
    FILE* f = fmemopen(tampon, sizeof tampon, "w");
    ASSERT_NE(f, nullptr);
    trace_ouvrir(f);
    plateforme_attendre(40);
    trace_ecrire("vide", nullptr);
    // A line longer than the observer's buffer is cut, never overrun.
    trace_ecrire("long", "\"x\":\"%s\"", std::string(6000, 'a').c_str());
    trace_ouvrir(nullptr);
    trace_observer(nullptr, nullptr);
    fclose(f);
    EXPECT_FALSE(trace_active());

    ASSERT_EQ(g_vus.size(), 3u);
    EXPECT_EQ(g_vus[0], "scene|{\"ev\":\"scene\",\"t\":0,\"nom\":\"menu\"}");
    EXPECT_EQ(g_vus[1], "vide|{\"ev\":\"vide\",\"t\":40}");
    EXPECT_EQ(g_vus[2].substr(0, 30), "long|{\"ev\":\"long\",\"t\":40,\"x\":\"");
    EXPECT_EQ(g_vus[2].back(), '}');
    EXPECT_LT(g_vus[2].size(), 4200u);
    std::string fichier = tampon;
    EXPECT_EQ(fichier.rfind("{\"ev\":\"vide\",\"t\":40}\n{\"ev\":\"echo\",\"t\":40,\"de\":\"vide\"}\n", 0), 0u)
        << fichier;
}
