#include "support/test_runner.h"

using voltaro::test::TestClass;

TestClass describeWindowTest();
TestClass describeBoardPanelTest();
TestClass describeMenusTest();
TestClass describeBuildingTest();
TestClass describeQtPlatformTest();
TestClass describeWidgetMirrorTest();
TestClass describeMeterWindowTest();
TestClass describeStepArrowsTest();
TestClass describePrintCopyTest();
TestClass describeCurrentWindowTest();

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv,
                                         {describeWindowTest(), describeBoardPanelTest(),
                                          describeMenusTest(), describeBuildingTest(),
                                          describeQtPlatformTest(), describeWidgetMirrorTest(),
                                          describeMeterWindowTest(), describeStepArrowsTest(),
                                          describePrintCopyTest(), describeCurrentWindowTest()});
}
