#pragma once
// The class-name-to-skinner map a skin data component starts with: each line is a control class
// name, "=", and the kind of skinner that class gets.

#include <string>
#include <vector>

const std::vector<std::string>& DefaultSkin3rd();
