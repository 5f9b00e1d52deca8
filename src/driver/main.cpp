#include "driver/Driver.h"

int main(int argc, char** argv) { return tbasic::runMain(argc, argv); }
