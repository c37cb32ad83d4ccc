#include "app/front_end.h"

int main(int argc, char** argv) { return vantrel::run_front_end(argc, argv); }
