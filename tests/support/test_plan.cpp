#include "support/test_plan.h"

#include <algorithm>
#include <set>

namespace voltaro::test {

namespace {

// QtTest's options that take the next argument as their value.
const std::set<std::string> kOptionsWithValue = {
    "-o",          "-maxwarnings", "-eventdelay",   "-keydelay",
    "-mousedelay", "-perfcounter", "-minimumvalue", "-minimumtotal",
    "-iterations", "-median",      "-seed",         "-repeat"};

struct SplitArguments {
    std::vector<std::string> options;   // with their values
    std::vector<std::string> selectors; // test functions and class names
};

SplitArguments splitArguments(const std::vector<std::string>& arguments) {
    SplitArguments split;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.empty() || argument.front() != '-') {
            split.selectors.push_back(argument);
            continue;
        }
        split.options.push_back(argument);
        if (kOptionsWithValue.count(argument) && i + 1 < arguments.size())
            split.options.push_back(arguments[++i]);
    }
    return split;
}

// What the command line asks of one class: all of it, or the functions listed.
struct ClassChoice {
    bool whole = false;
    std::vector<std::string> selectors;

    bool runs() const { return whole || !selectors.empty(); }
};

bool hasFunction(const TestClassOutline& testClass, const std::string& selector) {
    const std::string function = selector.substr(0, selector.find(':'));
    const auto& functions = testClass.functions;
    return std::find(functions.begin(), functions.end(), function) != functions.end();
}

// Gives each selector to the classes it names or that have it; true when some class took it.
bool chooseClasses(const std::string& selector, const std::vector<TestClassOutline>& classes,
                   std::vector<ClassChoice>& choices) {
    bool taken = false;
    for (std::size_t i = 0; i < classes.size(); ++i) {
        if (classes[i].name == selector) {
            choices[i].whole = true;
            taken = true;
        } else if (hasFunction(classes[i], selector)) {
            choices[i].selectors.push_back(selector);
            taken = true;
        }
    }
    return taken;
}

// "out.xml,junitxml" for the class FirstTest becomes "out-FirstTest.xml,junitxml"; the standard
// output ("-") stays as it is.
std::string outputOfClass(const std::string& value, const std::string& className) {
    const std::size_t comma = value.find(',');
    const std::string file = value.substr(0, comma);
    if (file == "-")
        return value;
    const std::size_t slash = file.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = file.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    const std::size_t insertAt = hasExtension ? dot : file.size();
    const std::string format = comma == std::string::npos ? "" : value.substr(comma);
    return file.substr(0, insertAt) + "-" + className + file.substr(insertAt) + format;
}

std::vector<std::string> argumentsOfClass(const std::vector<std::string>& options,
                                          const TestClassOutline& testClass,
                                          const ClassChoice& choice) {
    std::vector<std::string> arguments = options;
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == "-o")
            arguments[i + 1] = outputOfClass(arguments[i + 1], testClass.name);
    if (!choice.whole)
        arguments.insert(arguments.end(), choice.selectors.begin(), choice.selectors.end());
    return arguments;
}

} // namespace

RunPlan planClassRuns(const std::vector<std::string>& arguments,
                      const std::vector<TestClassOutline>& classes) {
    const SplitArguments split = splitArguments(arguments);
    std::vector<ClassChoice> choices(classes.size(), ClassChoice{split.selectors.empty(), {}});
    RunPlan plan;
    for (const std::string& selector : split.selectors)
        if (!chooseClasses(selector, classes, choices))
            plan.error += "Unknown test function or class: " + selector + "\n";
    if (!plan.error.empty())
        return plan;
    for (std::size_t i = 0; i < classes.size(); ++i)
        if (choices[i].runs())
            plan.runs.push_back({i, argumentsOfClass(split.options, classes[i], choices[i])});
    return plan;
}

} // namespace voltaro::test
