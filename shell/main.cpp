#include "shell/StartupSequence.h"

int main() {
    return RunProgram();
}
