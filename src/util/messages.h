// Message boxes with an OK button, and the end of the program.
#pragma once

#include <exception>
#include <string>

namespace halvane {

// Thrown to end the program in an orderly way from wherever it is decided
// (a missing catalogue, the window closed mid-drawing); the event handler at
// the top catches it and closes the application.
class ProgramEnd : public std::exception {
public:
    const char* what() const noexcept override { return "program end"; }
};

class Messages {
public:
    virtual ~Messages() = default;
    // Shows `text` in a modal box and returns when the user presses OK.
    virtual void show(const std::string& text) = 0;
};

// Shows `text`, then ends the program.
[[noreturn]] inline void showAndEnd(Messages& messages, const std::string& text)
{
    messages.show(text);
    throw ProgramEnd();
}

}  // namespace halvane
