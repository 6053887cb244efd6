#pragma once
// What every fuzz target shares: a temporary prefix, a broken property ending the run as a crash
// (libFuzzer keeps the input), and the input as text, cut into lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/temp_prefix.h"

namespace fuzzing {

// The process's own prefix (without fonts), made on first use and removed when the process ends normally.
testing_support::TempPrefix& prefix();

// Aborts with the property and the value that broke it when the condition does not hold.
void require(bool condition, std::string_view property, std::string_view value = {});

std::string_view textOf(const uint8_t* data, size_t size);
// The text cut at each "\n" (which belongs to no line); a last line without one counts too.
std::vector<std::string_view> linesOf(std::string_view text);

}  // namespace fuzzing
