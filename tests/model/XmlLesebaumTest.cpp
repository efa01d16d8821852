// The two ways of reading a project file (the fast one for the files this program writes,
// libxml2 for every other XML) give the same tree, and the fast one leaves what it does not
// know to libxml2.

#include "model/XmlLesebaum.h"
#include "model/Modell.h"
#include "model/ProjektSchreiben.h"

#include "support/VollesModell.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace vsk {
namespace {

const std::filesystem::path kDaten = VSK_TEST_DATA;

std::string Baumtext(const xml::Knoten* k, int tiefe = 0) {
    if (!k) {
        return {};
    }
    std::string t = std::string(tiefe * 2, ' ') + std::string(k->name) + " @" +
                    std::to_string(k->zeile) + " [" + std::string(xml::Text(k)) + "]";
    for (const auto& [name, wert] : k->attribute) {
        t += " " + std::string(name) + "=" + wert;
    }
    t += "\n";
    for (const xml::Knoten* c = xml::ErstesKindElement(k); c; c = xml::NaechstesElement(c)) {
        t += Baumtext(c, tiefe + 1);
    }
    return t;
}

std::string Inhalt(const std::filesystem::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

TEST(XmlLesebaum, BothWaysGiveTheSameTreeForEveryTestFile) {
    std::vector<std::string> texte;
    for (const char* ordner : {"projekt", "design", "reports"}) {
        for (const auto& e : std::filesystem::directory_iterator(kDaten / ordner)) {
            if (e.path().extension() == ".VSK") {
                texte.push_back(Inhalt(e.path()));
            }
        }
    }
    for (char trenner : {'.', ','}) {
        TKModell m = test::VollesModell(3);
        texte.push_back(*xml::Schreibe(BaueProjektDokument(m, "voll.VSK", trenner).get()));
    }
    texte.push_back(
        "<a x='1 &amp; &#x41;' y=\"&lt;\"><b>&#228;&gt;&quot;</b>\n<c/>text<d></d></a>");
    for (const std::string& text : texte) {
        const xml::Parsergebnis schnell = xml::LeseText(text);
        const xml::Parsergebnis libxml = xml::LeseTextMitLibxml(text);
        ASSERT_EQ(schnell.dokument == nullptr, libxml.dokument == nullptr) << text.substr(0, 200);
        if (schnell.dokument) {
            EXPECT_EQ(Baumtext(xml::Wurzel(schnell.dokument.get())),
                      Baumtext(xml::Wurzel(libxml.dokument.get())))
                << text.substr(0, 200);
        } else {
            EXPECT_EQ(schnell.fehler->grund, libxml.fehler->grund) << text.substr(0, 200);
        }
    }
}

TEST(XmlLesebaum, TextAroundChildrenIsKeptInOrderAndLayoutAloneIsDropped) {
    const xml::Parsergebnis gelesen = xml::LeseText("<a>\n <b>eins</b>\n <c>zwei</c>x\n</a>");
    ASSERT_TRUE(gelesen.dokument);
    const xml::Knoten* a = xml::Wurzel(gelesen.dokument.get());
    EXPECT_EQ(xml::Text(a), "\n \n x\n");
    EXPECT_EQ(xml::Text(xml::ErstesKindElement(a)), "eins");
    EXPECT_EQ(xml::Text(xml::NaechstesElement(xml::ErstesKindElement(a))), "zwei");

    const xml::Parsergebnis gemischt = xml::LeseText("<a>x<b>y</b>z<c/>w<d>v</d></a>");
    ASSERT_TRUE(gemischt.dokument);
    const xml::Knoten* g = xml::Wurzel(gemischt.dokument.get());
    EXPECT_EQ(xml::Text(g), "xzw");
    EXPECT_EQ(xml::Text(xml::ErstesKindElement(g)), "y");

    const xml::Parsergebnis layout = xml::LeseText("<a>\n <b> </b>\n <c/>\n</a>");
    ASSERT_TRUE(layout.dokument);
    EXPECT_EQ(xml::Text(xml::Wurzel(layout.dokument.get())), "");
    EXPECT_EQ(xml::Text(xml::ErstesKindElement(xml::Wurzel(layout.dokument.get()))), " ");
}

} // namespace
} // namespace vsk
