#pragma once
// What a harness step throws when the program under test does not do what the step waits for;
// GoogleTest reports the text as the failure of the test that was running.
#include <stdexcept>
#include <string>

namespace e2e {

class THarnessError : public std::runtime_error {
public:
  explicit THarnessError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace e2e
