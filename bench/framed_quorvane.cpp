// The program as it ships, with the first-frame log added for the start-up benchmarks: the same
// start-up, run by the same function as the program's own main. The toolkit's application object
// is made here, first, so that the log watches it from before the first window; the runtime then
// uses it as it is, as it uses a test program's, and the program's start-up is unchanged.

#include "bench/FirstFrameLog.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    bench::InstallFirstFrameLogIfAsked();
    return RunProgram(argc, argv);
}
