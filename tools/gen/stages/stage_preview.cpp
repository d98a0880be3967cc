// zef-stage: PNG previews of the fight stages for review. For each stage it
// writes the whole picture and a copy with the ground line and the camera's
// window at the start of a round (640 x 480, centred, at the bottom) drawn on,
// which is exactly what the player first sees.

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "common/canvas.h"
#include "stages/stages.h"

namespace fs = std::filesystem;

namespace {

void usage(std::ostream& out) {
    out << "usage: zef-stage --out DIR [--stage NAME]\n"
           "  --out DIR      where to write NAME.png and NAME-camera.png\n"
           "  --stage NAME   only this stage (aeroport, iut or inde)\n";
}

Image with_camera_window(const StageSpec& stage, const Image& picture) {
    Canvas canvas(picture.width, picture.height);
    cairo_t* cr = canvas.cr();
    // The picture itself, then the marks over it.
    put_image(canvas.surface(), picture);

    const double left = (stage.width - kScreenWidth) / 2, top = stage.height - kScreenHeight;
    // Dim what lies outside the window.
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, 0, 0, stage.width, stage.height);
    cairo_rectangle(cr, left, top, kScreenWidth, kScreenHeight);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgb(cr, 1, 0.2, 0.2);
    cairo_rectangle(cr, left + 1, top + 1, kScreenWidth - 2, kScreenHeight - 2);
    cairo_stroke(cr);
    // The ground line: the row the fighters' feet stand on.
    const double dash[] = {8, 6};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgb(cr, 0.2, 1, 0.4);
    cairo_move_to(cr, 0, stage.ground_y() + 0.5);
    cairo_line_to(cr, stage.width, stage.ground_y() + 0.5);
    cairo_stroke(cr);
    // Two fighter-sized boxes where the fighters start, for scale.
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_set_source_rgba(cr, 1, 1, 0.3, 0.9);
    for (double cx : {left + 160, left + kScreenWidth - 160}) {
        cairo_rectangle(cr, cx - 35, stage.ground_y() - 150 + 0.5, 70, 150);
        cairo_stroke(cr);
    }
    return canvas.to_image();
}

}  // namespace

int main(int argc, char** argv) {
    fs::path out_dir;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(std::cout);
            return 0;
        }
        if (i + 1 >= argc || (arg != "--out" && arg != "--stage")) {
            usage(std::cerr);
            return 2;
        }
        if (arg == "--out") out_dir = argv[++i];
        else only = argv[++i];
    }
    if (out_dir.empty()) {
        usage(std::cerr);
        return 2;
    }
    try {
        fs::create_directories(out_dir);
        bool found = false;
        for (const StageSpec& stage : stages()) {
            if (!only.empty() && only != stage.name) continue;
            found = true;
            const auto start = std::chrono::steady_clock::now();
            const Image picture = render_stage(stage);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            const std::string base = (out_dir / stage.name).string();
            save_png(picture, base + ".png");
            save_png(with_camera_window(stage, picture), base + "-camera.png");
            std::printf("zef-stage: %s (%d x %d) painted in %.2f s -> %s.png, %s-camera.png\n", stage.name, stage.width,
                        stage.height, took.count(), base.c_str(), base.c_str());
        }
        if (!found) {
            std::cerr << "zef-stage: no stage named " << only << "\n";
            return 2;
        }
    } catch (const std::exception& e) {
        std::cerr << "zef-stage: error: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
