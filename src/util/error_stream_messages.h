// Messages of a program without a window: each one goes to standard error.
#pragma once

#include <iostream>

#include "util/messages.h"

namespace halvane {

class ErrorStreamMessages : public Messages {
public:
    void show(const std::string& text) override { std::cerr << text << '\n'; }
};

}  // namespace halvane
