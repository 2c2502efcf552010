#include "support/test_runner.h"

int runSlotTest(int, char**);
int runResetTest(int, char**);
int runNumbersTest(int, char**);
int runDesignTablesTest(int, char**);

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(
        argc, argv, {runSlotTest, runResetTest, runNumbersTest, runDesignTablesTest});
}
