// Slivra, the PRG range extractor.
#include "extraction.h"
#include "form1.h"
#include "program.h"

int main(int argc, char** argv) {
    return prg::runProgram<slivra::Form1>(argc, argv, slivra::kProgram);
}
