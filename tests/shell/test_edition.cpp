// The edition kept beside the settings: read back as written, the classic
// one for anything it cannot make sense of; and the rules each edition plays.
#include <gtest/gtest.h>

#include "shell/edition.h"
#include "support/dossier_temp.h"

namespace {

TEST(Edition, WrittenThenReadBackAndAnythingElseIsClassic)
{
    DossierTemp d;
    EXPECT_EQ(lire_edition(), Edition::classique) << "no file";
    ASSERT_TRUE(ecrire_edition(Edition::amelioree));
    EXPECT_EQ(d.lire(FICHIER_EDITION), "edition=ameliore\n");
    EXPECT_EQ(lire_edition(), Edition::amelioree);
    d.ecrire(FICHIER_EDITION, "edition=ameliore\r\n");
    EXPECT_EQ(lire_edition(), Edition::amelioree) << "CRLF";
    for (const char* autre : {"", "edition=AMELIORE\n", "edition = ameliore\n", "ameliore\n", "edition=amelioree\n",
                              "\xff\xfe\x00garbage"})
    {
        d.ecrire(FICHIER_EDITION, autre);
        EXPECT_EQ(lire_edition(), Edition::classique) << autre;
    }
    Edition e = Edition::amelioree;
    EXPECT_TRUE(edition_nommee("classique", e));
    EXPECT_EQ(e, Edition::classique);
    EXPECT_FALSE(edition_nommee("moderne", e));
    EXPECT_FALSE(edition_nommee(nullptr, e));
}

TEST(Edition, TheClassicEditionChangesNoRuleAndTheEnhancedOneAll)
{
    EXPECT_EQ(Regles::de(Edition::classique).bits(), 0u);
    const Regles r = Regles::de(Edition::amelioree);
    EXPECT_EQ(r.bits(), (1u << sizeof(Regles)) - 1) << "every rule the header lists";
}

}  // namespace
