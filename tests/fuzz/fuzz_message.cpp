// Any bytes at all given to the online message reader, as a peer could send
// them; a message it accepts, written again, reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "reseau/message.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<Message> m = lire_message(data, size);
    if (!m)
        return 0;
    const std::vector<uint8_t> encore = ecrire_message(*m);
    const std::optional<Message> relu = lire_message(encore.data(), encore.size());
    if (!relu || !(*relu == *m))
        std::abort();
    return 0;
}
