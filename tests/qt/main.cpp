#include "support/test_runner.h"

int runWindowTest(int, char**);

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv, {runWindowTest});
}
