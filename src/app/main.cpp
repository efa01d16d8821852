// vsk: the design program.

#include "shell/ui/Programmstart.h"

int main(int argc, char** argv) {
    return vsk::Programmstart(argc, argv);
}
