#pragma once
// The studio's sound signature, played under the logo.

#include "common/audio.h"

struct Context;

Sound studio_jingle();
void produce_studio_jingle(Context& ctx);
