#include "support/test_runner.h"

int runSheetToolTest(int, char**);

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv, {runSheetToolTest});
}
