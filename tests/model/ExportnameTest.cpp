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
}

} // namespace vsk
