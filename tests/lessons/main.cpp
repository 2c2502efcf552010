#include "support/test_runner.h"

int runBuiltinDataTest(int, char**);
int runLessonsTest(int, char**);
int runWorksheetsTest(int, char**);

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv,
                                         {runBuiltinDataTest, runLessonsTest, runWorksheetsTest});
}
