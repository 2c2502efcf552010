#include "support/test_runner.h"

int runGeometryTest(int, char**);
int runGlyphTest(int, char**);
int runPaintLayoutTest(int, char**);
int runPaintLabelTest(int, char**);
int runQtCanvasTest(int, char**);
int runMarkerHitTest(int, char**);

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv,
                                         {runGeometryTest, runGlyphTest, runPaintLayoutTest,
                                          runPaintLabelTest, runQtCanvasTest, runMarkerHitTest});
}
