#include "app/CheckCommand.h"
#include "app/ui/ProgramMain.h"

#include <cstring>

int main(int argc, char **argv) {
    // The one option: the change history's check, without a window.
    if (argc > 1 && std::strcmp(argv[1], "--check") == 0)
        return checkcommand::main(argc, argv);
    return programMain(argc, argv);
}
