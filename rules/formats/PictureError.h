#pragma once

#include <stdexcept>
#include <string>

// A picture file that cannot be loaded. It ends the action that asked for the picture; the
// window's handler shows the message in the general error box. The text is UTF-8.
class PictureError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
