// Fuzz harness: the material table. The input is a whole
// Materialeigenschaften.txt; the example design (C30/37, class B) calculates
// with it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzzharness::writeTable("Materialeigenschaften.txt",
                            std::string(reinterpret_cast<const char *>(data), size));
    static const std::string example = fuzzharness::exampleInput();
    fuzzharness::runAndCheck(example);
    return 0;
}
