// Pixmoth, the sprite maker: grabs C64 multicolour sprites from a bitmap picture.
#include "desktop/programstart.h"
#include "sprite/ui/mainwindow.h"
#include "sprite/ui/texts.h"

int main(int argc, char** argv) {
    return felgrove::runProgram<pixmoth::MainWindow>(argc, argv, pixmoth::programName());
}
