#include "io/run_sequence.h"

int main(int argc, char *argv[]) { return runEngine(argc, argv); }
