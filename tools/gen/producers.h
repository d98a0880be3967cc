#pragma once
// Every piece of content the generator makes, and what they share.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <vector>

#include "common/fonts.h"
#include "common/output.h"

struct Context {
    Output& out;
    std::filesystem::path content_dir;  // the readable sources (tools/content)
    FontTable fonts;
};

struct Producer {
    const char* name;
    void (*run)(Context& ctx);
};

const std::vector<Producer>& producers();

// Runs every producer in a fixed order, logging how long each took.
void run_producers(Context& ctx, std::ostream& log);

// Builds a context and runs everything: what `zefgen` does.
Output::Counts generate_all(const std::filesystem::path& data_dir, const std::filesystem::path& content_dir,
                  const std::optional<std::filesystem::path>& preview_dir, std::ostream& log);
