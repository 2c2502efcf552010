#include "support/test_runner.h"

using voltaro::test::TestClass;

TestClass describeElementPlacementTest();
TestClass describeResistorBoxTest();
TestClass describeBranchTreeTest();
TestClass describeSourceConfigTest();
TestClass describeResetCommandTest();
TestClass describeMeterControlsTest();
TestClass describeHandlesTest();
TestClass describeMeterProbesTest();
TestClass describeViewOptionsTest();
TestClass describeViewZoomTest();

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv,
                                         {describeElementPlacementTest(), describeResistorBoxTest(),
                                          describeBranchTreeTest(), describeSourceConfigTest(),
                                          describeResetCommandTest(), describeMeterControlsTest(),
                                          describeHandlesTest(), describeMeterProbesTest(),
                                          describeViewOptionsTest(), describeViewZoomTest()});
}
