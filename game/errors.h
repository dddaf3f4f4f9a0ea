// An error the desktop reports in its error display: the game goes on.
#pragma once

#include <stdexcept>

namespace pet {

class GameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace pet
