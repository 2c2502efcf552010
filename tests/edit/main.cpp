#include "support/test_runner.h"

int runElementPlacementTest(int, char**);
int runResistorBoxTest(int, char**);
int runBranchTreeTest(int, char**);
int runSourceConfigTest(int, char**);
int runResetCommandTest(int, char**);
int runMeterControlsTest(int, char**);
int runHandlesTest(int, char**);
int runMeterProbesTest(int, char**);
int runViewOptionsTest(int, char**);

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv,
                                         {runElementPlacementTest, runResistorBoxTest,
                                          runBranchTreeTest, runSourceConfigTest,
                                          runResetCommandTest, runMeterControlsTest, runHandlesTest,
                                          runMeterProbesTest, runViewOptionsTest});
}
