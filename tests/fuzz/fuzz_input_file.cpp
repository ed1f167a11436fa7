// Fuzz harness: the engine's input file. The input is a whole input.txt; the
// engine runs on it in process with the shipped tables.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzzharness::harnessFolder();  // shipped tables in place
    fuzzharness::runAndCheck(std::string(reinterpret_cast<const char *>(data), size));
    return 0;
}
