// Nembra, the byte-table writer.
#include "prgtools/bytetable/core/bytetable.h"
#include "prgtools/bytetable/ui/form1.h"
#include "prgtools/common/ui/program.h"

int main(int argc, char** argv) {
    return prg::runProgram<nembra::Form1>(argc, argv, nembra::kProgram);
}
