#pragma once
// The player's own files (settings now; progress and experience later).
// The generator only ever creates them: once one exists it is the player's,
// and no rebuild may overwrite it. Anything that makes such a file goes
// through Output::write_player_file, which enforces that.

struct Context;

// Installs every file under content/defaults/ at the same place in the data
// folder, unless the player already has it.
void produce_player_defaults(Context& ctx);
