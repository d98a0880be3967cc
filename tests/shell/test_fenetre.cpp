// The window's close button quits at the next frame shown, and only then.
#include <gtest/gtest.h>

#include "shell/fenetre.h"
#include "support/allegro_env.h"

namespace {

TEST(Fenetre, TheCloseButtonQuitsWithStatusOneAtTheNextFrameShown)
{
    allegro_sans_systeme();
    BITMAP* image = create_bitmap(640, 480);
    montrer_image(image);   // nothing asked yet: the game goes on
    EXPECT_EXIT(
        {
            demander_fermeture();
            montrer_image(image);
            std::exit(0);   // not reached
        },
        ::testing::ExitedWithCode(1), "");
    destroy_bitmap(image);
}

}  // namespace
