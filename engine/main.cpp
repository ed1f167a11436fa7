#include "io/run_sequence.h"

int main() { return runSequence(); }
