#include "music/fight_music.h"

#include <exception>
#include <thread>

#include "common/output.h"
#include "music/music.h"
#include "producers.h"

const std::vector<StageTrack>& stage_tracks() {
    static const std::vector<StageTrack> tracks{
        {"music/stage1.txt", "stage/music1.wav", "the university street"},
        {"music/stage2.txt", "stage/music2.wav", "the airport"},
        {"music/stage3.txt", "stage/music3.wav", "the temple at dusk"},
    };
    return tracks;
}

void produce_stage_music(Context& ctx) {
    // Parse everything first so a mistake in any score stops the run early.
    std::vector<Score> scores;
    for (const StageTrack& track : stage_tracks()) {
        const auto path = ctx.content_dir / track.score;
        scores.push_back(parse_score(read_text_file(path), path.string(), stage_music_vocabulary()));
    }
    // Each loop renders on its own thread with its own random numbers, so
    // the result is the same as one after the other, only sooner.
    std::vector<Sound> songs(scores.size());
    std::vector<std::exception_ptr> errors(scores.size());
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < scores.size(); ++i)
        workers.emplace_back([&, i] {
            try {
                songs[i] = render_score(scores[i]);
            } catch (...) {
                errors[i] = std::current_exception();
            }
        });
    for (std::thread& w : workers) w.join();
    for (const auto& e : errors)
        if (e) std::rethrow_exception(e);
    for (std::size_t i = 0; i < scores.size(); ++i) ctx.out.write_wav(stage_tracks()[i].wav, songs[i]);
}
