#include "support/test_runner.h"

int runExamplesTest(int, char**);

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv, {runExamplesTest});
}
