#include "producers.h"

#include <chrono>
#include <cstdio>
#include <ostream>

#include "hud/hud_art.h"
#include "menus/buttons.h"
#include "menus/logo.h"
#include "menus/menu_art.h"
#include "music/fight_music.h"
#include "music/music.h"
#include "player/experience.h"
#include "player/player_files.h"
#include "sounds/fight_announcer.h"
#include "sounds/fight_sounds.h"
#include "sounds/jingle.h"
#include "sounds/sounds_menu.h"
#include "stages/stages.h"

namespace {

void fonts(Context& ctx) { ship_fonts(ctx.fonts, ctx.out); }

}  // namespace

const std::vector<Producer>& producers() {
    static const std::vector<Producer> list{
        {"fonts", fonts},
        {"intro screens", produce_intro_screens},
        {"menu buttons", produce_menu_buttons},
        {"menu screens", produce_menu_screens},
        {"studio jingle", produce_studio_jingle},
        {"menu sounds", produce_menu_sounds},
        {"music", produce_music},
        {"fight sounds", produce_fight_sounds},
        {"announcer", produce_announcer},
        {"stage music", produce_stage_music},
        {"stages", produce_stages},
        {"story screens", produce_story_screens},
        {"fight hud", produce_fight_hud},
        {"fight effects", produce_fight_effects},
        {"player defaults", produce_player_defaults},
        {"experience", produce_experience_files},
    };
    return list;
}

void run_producers(Context& ctx, std::ostream& log) {
    for (const Producer& p : producers()) {
        const auto start = std::chrono::steady_clock::now();
        p.run(ctx);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        char line[96];
        std::snprintf(line, sizeof line, "  %-16s %6.2f s\n", p.name, took.count());
        log << line;
    }
}

Output::Counts generate_all(const std::filesystem::path& data_dir, const std::filesystem::path& content_dir,
                            const std::optional<std::filesystem::path>& preview_dir, std::ostream& log) {
    Output out(data_dir, preview_dir);
    Context ctx{out, content_dir, FontTable::load(content_dir / "fonts.txt")};
    run_producers(ctx, log);
    return out.counts();
}
