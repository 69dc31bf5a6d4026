#include "app/startup.h"

int main(int argc, char** argv) {
    return tovimar::runProgram(argc, argv);
}
