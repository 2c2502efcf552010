#include "support/test_runner.h"

using voltaro::test::TestClass;

TestClass describeSlotTest();
TestClass describeResetTest();
TestClass describeNumbersTest();
TestClass describeDesignTablesTest();
TestClass describeTokensTest();
TestClass describeDescriptionReaderTest();
TestClass describeDescriptionStoreTest();
TestClass describeDescriptionWriterTest();
TestClass describeCircuitFileTest();
TestClass describeTextTest();

int main(int argc, char** argv) {
    return voltaro::test::runTestClasses(
        argc, argv,
        {describeSlotTest(), describeResetTest(), describeNumbersTest(), describeDesignTablesTest(),
         describeTokensTest(), describeDescriptionReaderTest(), describeDescriptionStoreTest(),
         describeDescriptionWriterTest(), describeCircuitFileTest(), describeTextTest()});
}
