// Slivra, the PRG range extractor.
#include "desktop/programstart.h"
#include "prgtools/extractor/core/extraction.h"
#include "prgtools/extractor/ui/form1.h"

int main(int argc, char** argv) {
    return felgrove::runProgram<slivra::Form1>(argc, argv, slivra::kProgram);
}
