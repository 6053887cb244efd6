#pragma once
// Reporting errors, the one way both programs tell the user that something failed. The box that shows
// them is the error box form (shared/error_box.h), which also defines these; callers need not know it.
#include <string>
#include <string_view>

// The box's three texts; the code is kept but never shown.
extern std::string emsg_code;
extern std::string emsg_caption;
extern std::string emsg_text;

// Shows the box modal and returns when the user has closed it; fails in no visible way.
void ShowError(std::string_view code, std::string_view caption, std::string_view message);
// Shows the box modal, then ends the program with a non-zero exit status.
[[noreturn]] void FatalError(std::string_view code, std::string_view caption, std::string_view message);
// Reports a failed internal check under the caption "Assertion failed!"; ends the program when fatal.
void ReportAssertion(std::string_view message, bool fatal);
