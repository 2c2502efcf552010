#include "support/test_runner.h"

int runWindowTest(int, char**);
int runBoardPanelTest(int, char**);
int runMenusTest(int, char**);
int runBuildingTest(int, char**);
int runQtPlatformTest(int, char**);
int runWidgetMirrorTest(int, char**);
int runMeterWindowTest(int, char**);
int runStepArrowsTest(int, char**);
int runPrintCopyTest(int, char**);

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv,
                                         {runWindowTest, runBoardPanelTest, runMenusTest,
                                          runBuildingTest, runQtPlatformTest, runWidgetMirrorTest,
                                          runMeterWindowTest, runStepArrowsTest, runPrintCopyTest});
}
