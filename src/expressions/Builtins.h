// The built-in functions: one named function per row of the lexer's
// builtinTable (lexer/Vocabulary.h), which gives names, call forms and
// argument counts. Positions in strings are 0-based; lengths count bytes.
#pragma once

#include <cstddef>

#include "lexer/Vocabulary.h"
#include "values/Value.h"

namespace tbasic {

// Writes its result in place; result is never one of the arguments. A
// single-argument built-in gets exactly one argument, a no-argument one none;
// list built-ins check their count themselves.
using BuiltinImplementation = void (*)(Value& result, const Value* arguments, std::size_t count);

struct BuiltinImplementationRecord {
    Builtin id;
    BuiltinImplementation run;
};

// Indexed by Builtin; defined in Builtins.cpp.
extern const BuiltinImplementationRecord builtinImplementations[static_cast<std::size_t>(Builtin::Count)];

inline void callBuiltin(Builtin id, Value& result, const Value* arguments, std::size_t count) {
    builtinImplementations[static_cast<std::size_t>(id)].run(result, arguments, count);
}

// True for 0.0 of either sign and for doubles within 4 units in the last place of it.
bool isNearZero(double d);

}  // namespace tbasic
