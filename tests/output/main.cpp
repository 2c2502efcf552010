#include "support/test_runner.h"

int runPrintTest(int, char**);
int runBoardCopyTest(int, char**);

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv, {runPrintTest, runBoardCopyTest});
}
