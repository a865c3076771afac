// Any bytes as the content of an experiment file. The parse in memory and the
// read from disk (line pieces of 253 characters) must agree; no reading may put
// a non-finite number into the state or touch anything but the fourteen saved
// values; and whatever state a read leaves must save to a text that reads back
// to itself.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include <unistd.h>

#include "fuzz/FuzzCheck.h"
#include "voltrix/core/ExperimentFile.h"
#include "voltrix/core/SimState.h"

using namespace voltrix;

namespace {

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool sameValues(const SimState &a, const SimState &b)
{
    const auto va = experimentValues(a);
    const auto vb = experimentValues(b);
    for (std::size_t i = 0; i < va.size(); ++i) {
        if (!sameBits(va[i], vb[i]))
            return false;
    }
    return true;
}

// Everything a load must leave alone.
bool restUnchanged(const SimState &a, const SimState &b)
{
    return sameBits(a.x0, b.x0) && sameBits(a.y0, b.y0) && sameBits(a.z0, b.z0) && sameBits(a.vx0, b.vx0)
           && sameBits(a.vy0, b.vy0) && sameBits(a.vz0, b.vz0) && sameBits(a.m, b.m) && sameBits(a.dt, b.dt)
           && sameBits(a.PasoQ, b.PasoQ) && a.CampoConfinado == b.CampoConfinado;
}

// One scratch file per fuzzing process, written and removed for every input
// (libFuzzer may end the process without running exit handlers). In memory
// when the machine offers it: a disk write per input slows fuzzing tenfold.
const std::string &scratchPath()
{
    static const std::string path = [] {
        const char *dir = std::getenv("TMPDIR");
        const std::string folder = dir && *dir ? dir : ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return folder + "/voltrix-fuzz-" + std::to_string(::getpid()) + ".exp";
    }();
    return path;
}

void writeScratch(std::string_view content)
{
    std::FILE *f = std::fopen(scratchPath().c_str(), "wb");
    FUZZ_CHECK(f != nullptr);
    FUZZ_CHECK(std::fwrite(content.data(), 1, content.size(), f) == content.size());
    FUZZ_CHECK(std::fclose(f) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view content(reinterpret_cast<const char *>(data), size);

    SimState before;
    before.PasoQ = 0.1f;
    SimState parsed = before;
    const int count = applyExperimentText(content, parsed);
    FUZZ_CHECK(count >= 0 && count <= kExperimentValueCount);
    for (float v : experimentValues(parsed))
        FUZZ_CHECK(std::isfinite(v));
    FUZZ_CHECK(restUnchanged(before, parsed));
    if (content.find("===") == std::string_view::npos)
        FUZZ_CHECK(sameValues(before, parsed));

    // A NUL ends what the line reader sees of a piece; such files differ on
    // purpose and are covered by the binary-file tests.
    if (content.find('\0') == std::string_view::npos) {
        writeScratch(content);
        SimState loaded = before;
        const FileResult result = loadExperiment(scratchPath(), loaded);
        ::unlink(scratchPath().c_str());
        // Only a file from which no value is read is refused.
        FUZZ_CHECK(result.ok || sameValues(before, parsed));
        FUZZ_CHECK(sameValues(parsed, loaded));
        FUZZ_CHECK(restUnchanged(before, loaded));
    }

    // Save and read back: the text is a fixed point after one round.
    const std::string text = experimentFileText(parsed);
    SimState reread;
    reread.x = reread.y = reread.z = -1.0f;
    FUZZ_CHECK(applyExperimentText(text, reread) == kExperimentValueCount);
    FUZZ_CHECK(experimentFileText(reread) == text);
    return 0;
}
