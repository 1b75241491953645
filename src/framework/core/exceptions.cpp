#include "framework/core/exceptions.h"

#include <utility>

Exception::Exception(std::string message) : message_(std::move(message)) {}
