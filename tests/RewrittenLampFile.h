#ifndef LUMETRIX_TESTS_REWRITTENLAMPFILE_H
#define LUMETRIX_TESTS_REWRITTENLAMPFILE_H

#include "io/LuminaireFolder.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// What the readings of a lamp file gave while another thread rewrote it: the record of one
// version, or neither one nor the reason that the file changed while it was read.
struct RewriteOutcome {
    int whole = 0;
    int mixed = 0;
};

// Reads the file `readings` times while `rewrite(n)` writes version n % 2 over it, n = 0, 1, 2,
// ..., on a thread of its own; `records` are the records of the two versions.
inline RewriteOutcome ReadWhileRewritten(const FolderFile& file,
                                         const std::vector<std::string> (&records)[2], int readings,
                                         const std::function<void(std::size_t)>& rewrite) {
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        for (std::size_t n = 0; !stop; ++n) {
            rewrite(n);
        }
    });
    RewriteOutcome outcome;
    for (int reading = 0; reading < readings; ++reading) {
        const LuminaireFileReading read = ReadLuminaireFile(file);
        if (read.records == records[0] || read.records == records[1]) {
            ++outcome.whole;
        } else if (read.reason != "wurde w\xE4hrend des Lesens ge\xE4ndert") {
            ++outcome.mixed;
        }
    }
    stop = true;
    writer.join();
    return outcome;
}

#endif
