#include "model/Exportname.h"

#include <gtest/gtest.h>

namespace vsk {

TEST(Exportname, DerGewaehlteTypBestimmtDieEndung) {
    EXPECT_EQ(MitExportEndung("liste.emf", ListeExportArt::Text), "liste.txt");
    EXPECT_EQ(MitExportEndung("liste", ListeExportArt::Bitmap), "liste.bmp");
    EXPECT_EQ(MitExportEndung("liste.", ListeExportArt::Jpeg), "liste.jpg");
    EXPECT_EQ(MitExportEndung("a.b.TXT", ListeExportArt::Pdf), "a.b.pdf");
    EXPECT_EQ(MitExportEndung("/tmp/x.y/liste", ListeExportArt::Svg), "/tmp/x.y/liste.svg");
    EXPECT_EQ(MitExportEndung("liste.txt", ListeExportArt::Metafile), "liste.emf");
    EXPECT_EQ(MitExportEndung("/tmp/.liste", ListeExportArt::Text), "/tmp/.liste.txt");
    EXPECT_EQ(MitExportEndung("liste.txt", ListeExportArt::Xlsx), "liste.xlsx");
    // An output named without an extension gets the format's; any other is kept.
    EXPECT_EQ(MitStandardEndung("/tmp/x.y/t1", "pdf"), "/tmp/x.y/t1.pdf");
    EXPECT_EQ(MitStandardEndung("t1.PDF", "pdf"), "t1.PDF");
    EXPECT_EQ(MitStandardEndung("bericht.v2", "pdf"), "bericht.v2");
}

} // namespace vsk
