#include "cmdtool/Entry.h"

int main(int argc, char** argv) { return TarnbekMain(argc, argv); }
