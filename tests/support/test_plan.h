#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace voltaro::test {

// A test class by its name and the names of its test functions.
struct TestClassOutline {
    std::string name;
    std::vector<std::string> functions;
};

// One class to run: its place in the list of classes and its own arguments, without the
// program's name.
struct ClassRun {
    std::size_t index = 0;
    std::vector<std::string> arguments;
};

// The classes to run in order, or why none can: an argument that no class answers to.
struct RunPlan {
    std::vector<ClassRun> runs;
    std::string error;
};

// Shares out QtTest's command line among the classes of one executable. Options go to every
// class, and "-o FILE,FORMAT" names FILE with "-" and the class's name before its extension, so
// that every class keeps its own output. A test function ("name" or "name:tag") goes only to the
// classes that have it, and only those run; a class's name runs that class whole.
RunPlan planClassRuns(const std::vector<std::string>& arguments,
                      const std::vector<TestClassOutline>& classes);

} // namespace voltaro::test
