#include "support/test_runner.h"

int runStartUpTest(int, char**);
int runDispatchTest(int, char**);
int runFilePanelTest(int, char**);
int runReadCircuitTest(int, char**);

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(
        argc, argv, {runStartUpTest, runDispatchTest, runFilePanelTest, runReadCircuitTest});
}
