// Nembra, the byte-table writer.
#include "desktop/programstart.h"
#include "prgtools/bytetable/core/bytetable.h"
#include "prgtools/bytetable/ui/form1.h"

int main(int argc, char** argv) {
    return felgrove::runProgram<nembra::Form1>(argc, argv, nembra::kProgram);
}
