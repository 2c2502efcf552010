#include "support/test_runner.h"

int runSolverTest(int, char**);
int runMeterModelTest(int, char**);

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv, {runSolverTest, runMeterModelTest});
}
