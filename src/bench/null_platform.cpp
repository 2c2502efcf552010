#include "bench/null_platform.h"

#include "bench/bench_texts.h"

namespace voltaro {

Outcome<std::string> NullPlatform::readFile(const std::string&) {
    return Failure{kNoFiles};
}

std::optional<Failure> NullPlatform::replaceFile(const std::string&, const std::string&) {
    return Failure{kNoFiles};
}

std::optional<Failure> NullPlatform::appendFile(const std::string&, const std::string&) {
    return Failure{kNoFiles};
}

std::optional<Failure> NullPlatform::printPage(const PrintedPage&) {
    return Failure{kNoPrinter};
}

} // namespace voltaro
