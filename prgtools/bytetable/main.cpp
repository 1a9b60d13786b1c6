// Nembra, the byte-table writer.
#include "bytetable.h"
#include "form1.h"
#include "program.h"

int main(int argc, char** argv) {
    return prg::runProgram<nembra::Form1>(argc, argv, nembra::kProgram);
}
