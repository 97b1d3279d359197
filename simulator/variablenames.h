#pragma once
// The catalogue's variables by name, for the operator's set command.
#include "catalogue_variable.h"

#include <span>
#include <string_view>

struct NamedVariable {
    std::string_view name;
    catalogue::Variable variable;
};

std::span<const NamedVariable> namedVariables();
// Exact names only; null when there is none.
const catalogue::Variable *variableNamed(std::string_view name);
