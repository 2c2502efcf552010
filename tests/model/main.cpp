#include "support/test_runner.h"

int runSlotTest(int, char**);
int runResetTest(int, char**);
int runNumbersTest(int, char**);
int runDesignTablesTest(int, char**);
int runTokensTest(int, char**);
int runDescriptionReaderTest(int, char**);
int runDescriptionStoreTest(int, char**);
int runDescriptionWriterTest(int, char**);
int runCircuitFileTest(int, char**);

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(argc, argv,
                                         {runSlotTest, runResetTest, runNumbersTest,
                                          runDesignTablesTest, runTokensTest,
                                          runDescriptionReaderTest, runDescriptionStoreTest,
                                          runDescriptionWriterTest, runCircuitFileTest});
}
