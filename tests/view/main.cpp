#include "support/test_runner.h"

using voltaro::test::TestClass;

TestClass describeGeometryTest();
TestClass describeGlyphTest();
TestClass describePaintLayoutTest();
TestClass describePaintLabelTest();
TestClass describeQtCanvasTest();
TestClass describeMarkerHitTest();
TestClass describeCurrentFlowTest();

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv,
                                         {describeGeometryTest(), describeGlyphTest(),
                                          describePaintLayoutTest(), describePaintLabelTest(),
                                          describeQtCanvasTest(), describeMarkerHitTest(),
                                          describeCurrentFlowTest()});
}
