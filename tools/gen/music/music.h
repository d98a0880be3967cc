#pragma once
// Renders scores (content/music/*.txt) to stereo music loops.

#include "common/audio.h"
#include "music/score.h"

struct Context;

// The instruments and drums the renderer knows, for the score parser: the
// studio synth and the whole kit.
const ScoreVocabulary& music_vocabulary();
// The same with the stage patches (guitar, funk and Indian instruments) too.
const ScoreVocabulary& stage_music_vocabulary();

// The whole song, exactly as long as its bars. Reverb, echoes and release
// tails that run past the end are wrapped onto the start, so the file loops
// without a click or a sudden dry patch.
Sound render_score(const Score& score);

void produce_music(Context& ctx);
