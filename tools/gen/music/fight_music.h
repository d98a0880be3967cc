#pragma once
// The stages' music: one loop a stage, from content/music/stage1..3.txt.

#include <string>
#include <vector>

struct Context;

struct StageTrack {
    const char* score;  // under content/
    const char* wav;    // in the data folder
    const char* stage;  // which stage plays it
};
const std::vector<StageTrack>& stage_tracks();

void produce_stage_music(Context& ctx);
