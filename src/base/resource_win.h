#pragma once

#include <string_view>

// The bytes of an RCDATA resource of the executable; empty when missing.
std::string_view resourceBytes(int id);
