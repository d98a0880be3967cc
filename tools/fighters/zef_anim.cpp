// zef-anim: looks at animation files through the game's own reader.
//
//   zef-anim FILE.p SLOT              plays a slot in a window, with the body
//                                     zones and attack points drawn over it
//   zef-anim --sheet FILE.p OUT.png [FIRST-LAST [ZOOM]]
//                                     writes a contact sheet of every used
//                                     slot, every frame (no display needed)
//
// Run it from the data folder: the frame records name their pictures
// relative to it, as the game does.

#include <allegro.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/canvas.h"
#include "common/image.h"
#include "graphics/objetanim.h"
#include "shell/declar.h"

namespace {

// The game's animated object, loaded from any file name.
class Film : public ObjetAnim {
public:
    void charger(const char* chemin) { RemplirDepuis(chemin); }
};

std::vector<const ImgAnim*> frames_of(const ListeAnim& slot) {
    std::vector<const ImgAnim*> out;
    const ItemImgAnim* node = slot.premier;
    for (int i = 0; i < slot.nbelem && node; ++i, node = node->suivant) out.push_back(&node->cont);
    return out;
}

int colour(int r, int g, int b) { return makecol(r, g, b); }

// The zones, attack points, anchor and launch point of a frame whose anchor
// is drawn at (ax, ay), facing right unless `mirrored`.
void overlay(BITMAP* dest, const ImgAnim& f, int ax, int ay, bool mirrored) {
    const int sign = mirrored ? -1 : 1;
    for (int i = 0; i < f.nbstand; ++i) {
        // Zones are used as stored, whichever way the fighter faces.
        const ZONE& z = f.stand[i];
        rect(dest, ax + z.SupG.x, ay - z.SupG.y, ax + z.InfD.x, ay - z.InfD.y, colour(60, 230, 90));
    }
    for (int i = 0; i < f.nbattaque; ++i) {
        const int x = ax + sign * f.attaque[i].x, y = ay - f.attaque[i].y;
        circlefill(dest, x, y, 3, colour(255, 40, 40));
        line(dest, x - 6, y, x + 6, y, colour(255, 255, 255));
        line(dest, x, y - 6, x, y + 6, colour(255, 255, 255));
    }
    if (f.ObjSpe >= 0) circle(dest, ax + sign * f.ObjX, ay - f.ObjY, 5, colour(60, 220, 255));
    line(dest, ax - 4, ay, ax + 4, ay, colour(255, 230, 0));
    line(dest, ax, ay - 4, ax, ay, colour(255, 230, 0));
}

std::string frame_label(const ImgAnim& f) {
    std::string s = "t" + std::to_string(f.tpimg);
    if (f.boucl) s += " L";
    if (f.mvtx || f.mvty) s += " v" + std::to_string(f.mvtx) + "," + std::to_string(-f.mvty);
    return s;
}

std::string hit_label(const ImgAnim& f) {
    std::string s;
    if (f.nbattaque > 0) {
        s = "d" + std::to_string(f.deg.dmg) + " k" + std::to_string(f.deg.ForceVx) + "," + std::to_string(-f.deg.ForceVy);
        if (f.deg.tombe) s += "!";
    }
    return s;
}

std::string extra_label(const ImgAnim& f) {
    std::string s;
    if (f.mana) s += "m" + std::to_string(f.mana) + " ";
    if (f.ObjSpe >= 0) s += "fx" + std::to_string(f.ObjSpe);
    return s;
}

int sheet(const char* file, const char* png, int first, int last, int zoom) {
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    set_color_conversion(COLORCONV_TOTAL);
    Film film;
    film.charger(file);

    struct Row {
        int slot;
        std::vector<const ImgAnim*> frames;
        int above = 0, below = 0;
    };
    std::vector<Row> rows;
    int cell_w = 130;
    for (int s = first; s <= last; ++s) {
        Row row{s, frames_of(film.CONTENU[s])};
        if (row.frames.empty()) continue;
        for (const ImgAnim* f : row.frames) {
            int left = f->O.x, right = f->img->w - f->O.x;
            int above = f->O.y, below = f->img->h - f->O.y;
            for (int i = 0; i < f->nbattaque; ++i) {
                left = std::max(left, -f->attaque[i].x);
                right = std::max(right, f->attaque[i].x);
                above = std::max(above, f->attaque[i].y);
            }
            for (int i = 0; i < f->nbstand; ++i) {
                left = std::max(left, -f->stand[i].SupG.x);
                right = std::max(right, f->stand[i].InfD.x);
                above = std::max(above, f->stand[i].SupG.y);
            }
            cell_w = std::max(cell_w, 2 * std::max(left, right) + 12);
            row.above = std::max(row.above, above);
            row.below = std::max(row.below, below);
        }
        rows.push_back(row);
    }
    if (rows.empty()) {
        std::fprintf(stderr, "zef-anim: %s has no frames in slots %d to %d\n", file, first, last);
        return 1;
    }
    const int label_h = 34, head_w = 64;
    std::size_t most = 1;
    for (const Row& r : rows) most = std::max(most, r.frames.size());
    int height = 0;
    for (const Row& r : rows) height += r.above + r.below + label_h + 14;
    const int width = head_w + static_cast<int>(most) * cell_w;

    BITMAP* page = create_bitmap_ex(16, width, height);
    clear_to_color(page, colour(72, 76, 84));
    int y = 0;
    for (const Row& r : rows) {
        const int row_h = r.above + r.below + label_h + 14;
        rectfill(page, 0, y, width - 1, y + row_h - 1, (r.slot % 2) ? colour(78, 82, 92) : colour(68, 72, 80));
        textprintf_ex(page, font, 6, y + 8, colour(255, 255, 255), -1, "%d", r.slot);
        textout_ex(page, font, (std::to_string(r.frames.size()) + "f").c_str(), 6, y + 20, colour(190, 190, 190), -1);
        const int ground = y + 8 + r.above;
        for (std::size_t i = 0; i < r.frames.size(); ++i) {
            const ImgAnim& f = *r.frames[i];
            const int cx = head_w + static_cast<int>(i) * cell_w + cell_w / 2;
            hline(page, cx - cell_w / 2 + 4, ground, cx + cell_w / 2 - 4, colour(40, 40, 46));
            draw_sprite(page, f.img, cx - f.O.x, ground - f.O.y);
            overlay(page, f, cx, ground, false);
            const int ly = ground + r.below + 4;
            textout_centre_ex(page, font, frame_label(f).c_str(), cx, ly, colour(255, 255, 255), -1);
            textout_centre_ex(page, font, hit_label(f).c_str(), cx, ly + 10, colour(255, 120, 110), -1);
            textout_centre_ex(page, font, extra_label(f).c_str(), cx, ly + 20, colour(120, 220, 255), -1);
        }
        y += row_h;
    }

    Image image(width * zoom, height * zoom);
    for (int yy = 0; yy < height * zoom; ++yy)
        for (int xx = 0; xx < width * zoom; ++xx) {
            const int c = getpixel(page, xx / zoom, yy / zoom);
            image.set(xx, yy,
                      {static_cast<std::uint8_t>(getr16(c)), static_cast<std::uint8_t>(getg16(c)),
                       static_cast<std::uint8_t>(getb16(c))});
        }
    destroy_bitmap(page);
    save_png(image, png);
    film.Destroy();
    std::printf("zef-anim: %zu slots of %s drawn into %s (%dx%d)\n", rows.size(), file, png, width, height);
    return 0;
}

int play(const char* file, int slot) {
    allegro_init();
    install_keyboard();
    set_color_depth(16);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 640, 480, 0, 0) != 0) {
        std::fprintf(stderr, "zef-anim: no window: %s\n", allegro_error);
        return 1;
    }
    Film film;
    film.charger(file);
    BITMAP* page = create_bitmap(640, 480);
    bool mirrored = false, paused = false;
    t = 0;
    film.SetAnim(slot);
    int ended_at = -1;
    while (!key[KEY_ESC]) {
        while (keypressed()) {
            const int k = readkey() >> 8;
            if (k == KEY_SPACE) paused = !paused;
            if (k == KEY_F) mirrored = !mirrored;
            if (k == KEY_RIGHT || k == KEY_LEFT || k == KEY_R) {
                if (k == KEY_RIGHT) slot = std::min(59, slot + 1);
                if (k == KEY_LEFT) slot = std::max(0, slot - 1);
                film.ChAnim = ListeAnim();
                film.SetAnim(slot);
            }
        }
        if (!paused) {
            rest(6);
            ++t;
            film.NewAnim();
        } else {
            rest(20);
        }
        // A one-shot animation plays again after a short pause.
        if (film.ChAnim.EstVide()) {
            if (ended_at < 0) ended_at = t;
            if (t - ended_at > 80) {
                film.SetAnim(slot);
                ended_at = -1;
            }
        }
        clear_to_color(page, makecol(72, 76, 84));
        const int ax = 320, ay = 400;
        hline(page, 0, ay, 639, makecol(40, 40, 46));
        const ImgAnim f = film.ExtrAnim();
        if (f.img) {
            if (mirrored) draw_sprite_h_flip(page, f.img, ax + f.O.x - f.img->w, ay - f.O.y);
            else draw_sprite(page, f.img, ax - f.O.x, ay - f.O.y);
            overlay(page, f, ax, ay, mirrored);
        }
        textprintf_ex(page, font, 8, 8, makecol(255, 255, 255), -1, "%s  slot %d  %s  %s", file, slot,
                      frame_label(f).c_str(), hit_label(f).c_str());
        textprintf_ex(page, font, 8, 20, makecol(190, 190, 190), -1,
                      "left/right: slot  R: restart  F: face the other way  space: pause  Esc: quit");
        blit(page, screen, 0, 0, 0, 0, 640, 480);
    }
    destroy_bitmap(page);
    film.Destroy();
    return 0;
}

void usage() {
    std::fprintf(stderr,
                 "usage: zef-anim FILE.p SLOT\n"
                 "       zef-anim --sheet FILE.p OUT.png [FIRST-LAST [ZOOM]]\n"
                 "Run it from the data folder.\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::string(argv[1]) == "--sheet") {
        int first = 0, last = 59, zoom = 1;
        if (argc >= 5 && std::sscanf(argv[4], "%d-%d", &first, &last) != 2) {
            usage();
            return 2;
        }
        if (argc >= 6) zoom = std::clamp(std::atoi(argv[5]), 1, 4);
        return sheet(argv[2], argv[3], std::clamp(first, 0, 59), std::clamp(last, 0, 59), zoom);
    }
    if (argc == 3) return play(argv[1], std::clamp(std::atoi(argv[2]), 0, 59));
    usage();
    return 2;
}
END_OF_MAIN()
